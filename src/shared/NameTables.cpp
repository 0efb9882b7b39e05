#include "shared/NameTables.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

#include "shared/Conversions.h"

namespace posmod {

namespace {

// Copies texts into the table from entry `first` on.
template <std::size_t N>
void fill(std::array<std::string, N>& table, std::size_t first, std::initializer_list<const char*> texts)
{
    std::size_t k = first;
    for (const char* t : texts) table.at(k++) = t;
}

constexpr OptionCodeText kHomingDirection[] = {{0x0, "Move to CW"}, {0x1, "Move to CCW"}};
constexpr OptionCodeText kHomingMode[] = {
    {0x0, "Free home position"},
    {0x1, "Low speed homing"},
    {0x2, "High speed homing 1(Off edge stop)"},
    {0x3, "High speed homing 2(Z phase stop)"},
    {0x4, "Morvane QS series (17 bit serial)"},
    {0x5, "Yaskawa Sigma 2 series (17 bit serial)"},
    {0x6, "Yaskawa Sigma 2 series (16 bit serial)"},
};
constexpr OptionCodeText kPolarity[] = {{0x0, "CCW (Counter Clockwis)"}, {0x1, "CW (Clockwis)"}};
constexpr OptionCodeText kAccelMode[] = {
    {0x0, "Linear acceleration and deceleration"}, {0x1, "S curve 1"}, {0x2, "S curve 2"}, {0x3, "S curve 3"}};
constexpr OptionCodeText kScaling[] = {{0x0, "x1"}, {0x1, "x10"}, {0x2, "x100"}, {0x3, "x1000"}};
constexpr OptionCodeText kUnit[] = {{0x0, "Pulse"}, {0x1, "Micro m"}, {0x2, "inch"}, {0x3, "degree"}};
constexpr OptionCodeText kPulseLogic[] = {
    {0x0, "Pulse / Direction mode(Positive logic)"},
    {0x1, "CW pulse / CCW pulse(positive logic)"},
    {0x2, "Pulse / Direction mode(Negative logic)"},
    {0x3, "CW pulse / CCW pulse(Negative logic)"},
};
constexpr OptionCodeText kPlusRun[] = {{0x0, "Input valid (When the input is OFF)"},
                                       {0x1, "Input valid (When the input is ON)"},
                                       {0x2, "+O.RUN input is invalid"}};
constexpr OptionCodeText kMinusRun[] = {{0x0, "Input valid (When the input is OFF)"},
                                        {0x1, "Input valid (When the input is ON)"},
                                        {0x2, "-O.RUN input is invalid"}};
// Two flags: bit 0 set = COIN invalid, bit 2 set = SRDY invalid.
constexpr OptionCodeText kCoinSrdy[] = {
    {0x0, "COIN is valid / SRDY is valid"},
    {0x1, "COIN is invalid / SRDY is valid"},
    {0x4, "COIN is valid / SRDY is invalid"},
    {0x5, "COIN is invalid / SRDY is invalid"},
};

constexpr std::array<std::span<const OptionCodeText>, 11> kOptionTables = {
    kHomingDirection, kHomingMode, kPolarity, kAccelMode, kScaling, kScaling,
    kUnit,            kPulseLogic, kPlusRun,  kMinusRun,  kCoinSrdy,
};

// Bit n (1 = most significant) of a bit text; a bit past its end counts as set, so it
// takes the second text of a one-bit row.
bool bitSet(const std::string& bits, std::size_t n) { return n > bits.size() || bits[n - 1] != '0'; }

// The text of bits first .. first + count - 1 among the group's texts (bit patterns in
// order 0, 1, 2 ...); an incomplete group or a pattern without a text gives the fallback.
const char* groupText(const std::string& bits, std::size_t first, std::size_t count,
                      std::initializer_list<std::pair<const char*, const char*>> texts)
{
    if (first + count - 1 <= bits.size()) {
        const std::string piece = bits.substr(first - 1, count);
        for (const auto& [pattern, text] : texts)
            if (piece == pattern) return text;
    }
    return "No Corresponding mode";
}

const std::initializer_list<std::pair<const char*, const char*>> kControlMode = {
    {"00", "position control mode"}, {"01", "velocity+position control mode"}, {"10", "velocity control mode"}};
const std::initializer_list<std::pair<const char*, const char*>> kPositionMode = {
    {"00", "absolute mode,forward"}, {"01", "absolute+increment mode,reverse"}, {"10", "increment mode"}};

} // namespace

void ParmName_Set(Public& p)
{
    fill(p.PrmNameJV, 1,
         {"Operation mode(2)", "Pulse number for one rotation", "Work move length for one rotation",
          "Upper limit of speed", "Initial speed", "Manual/High-speed homing velocity",
          "Low-speed homing velocity", "Acceleration/Deceleration time", "Backlash",
          "Upper limit position data", "Lower limit position data", "Home position data"});
    fill(p.PrmName7W, 1,
         {"Operation mode(1)", "Upper limit of speed", "Manual initial speed", "Manual speed",
          "Auto initial speed", "Hi-speed homing velocity", "Low-speed homing velocity",
          "Rate of acceleration/deceleration", "Backlash", "Upper limit position data",
          "Lower limit position data", "Home position data"});
    fill(p.PrmName7WK, 1,
         {"Operation mode(1)", "Upper limit of speed", "In position value", "Manual speed",
          "Deviation quantity warning value", "Hi-speed homing velocity", "Low-speed homing velocity",
          "Rate of acceleration/deceleration", "Backlash", "Upper limit position data",
          "Lower limit position data", "Home position data"});
    fill(p.PrmNameZ4, 1,
         {"Homing direction", "Homing mode", "Revolution polarity", "Acceleration/Deceleration mode",
          "Speed scaling factor", "Position scaling factor", "Unit", "Pulse logic", "+ O.RUNInput mode",
          "- O.RUNInput mode", "SRDY/COINInput mode", "Pulse number for one rotation",
          "Work move length for one rotation", "Upper limit of speed", "initial speed",
          "High speed manual operation. high speed homing", "Low speed manual operation. low speed homing",
          "Acceleration/Deceleration time", "Backlash", "Upper limit position data",
          "Lower limit position data", "Home position data", "Homing offset value"});
    fill(p.RunModeNameJV, 1,
         {"Homing mode", "Velocity mode", "Acceleration/Deceleration mode", "Position specifying unit 1",
          "Position specifying unit 2"});
    fill(p.RunModeName7W, 1, {"Homing mode", "Velocity mode", "Pulse number mode", "Pulse interval mode"});
}

void DefaultData_Set(Public& p)
{
    fill(p.PrmDefault, 1,
         {"0000", "07D0", "07D0", "1F40", "0010", "0020", "0010", "03E8", "0000", "3FFFFFFF", "C0000000",
          "00000000"});
    fill(p.AutoDefault, 2, {"8000", "03E8", "03E8", "0020", "00000000"});
    fill(p.AutoDefaultZ4, 2, {"8000", "0000", "03E8", "03E8", "1000", "00010000", "00000000"});
    // Rows 1-11: the first choice of each option row, the one code 0 stands for.
    for (int row = 1; row <= 11; ++row) p.PrmDefaultZ4[static_cast<std::size_t>(row)] = kOptionTables[row - 1][0].text;
    fill(p.PrmDefaultZ4, 12,
         {"8000", "8000", "FFFF", "0010", "0400", "0050", "01F4", "0000", "7FFFFFFF", "80000000", "00000000",
          "00000000"});
}

void AutoMode_TextSet(Public::OptionListArray& list, const std::string& modeHex)
{
    const std::string bits = HexToBin(modeHex, 4);
    list[0] = bitSet(bits, 1) ? "Operation valid" : "Invalid operation";
    list[1] = bitSet(bits, 2) ? "Cycle stop" : "Cycle continued";
    list[2] = bitSet(bits, 3) ? "Continuous operation by changing the speed"
                              : "To be stopped by the Target stop position data";
    list[3] = bitSet(bits, 4) ? "Synchronous operation" : "Asynchronous operation";
    list[4] = groupText(bits, 5, 2, kControlMode);
    list[5] = groupText(bits, 7, 2, kPositionMode);
    list[10] = "5";
}

void AutoModeZr4_TextSet(Public::OptionListArray& list, const std::string& modeHex)
{
    const std::string bits = HexToBin(modeHex, 4);
    list[0] = bitSet(bits, 1) ? "Operation valid" : "Invalid operation";
    list[1] = bitSet(bits, 2) ? "Continuous operation" : "Single step operation";
    // Bit 3 carries nothing shown here.
    list[2] = bitSet(bits, 4) ? "Arch-motion Valid" : "Arch-motion Invalid";
    list[3] = bitSet(bits, 5) ? "Circular interpolation(Counter clockwise)" : "Circular interpolation(Clockwise)";
    list[4] = groupText(bits, 6, 3,
                        {{"000", "Independent"},
                         {"100", "Linear interpolation"},
                         {"101", "Circular interpolation (Passing point setting)"},
                         {"110", "Circular interpolation (Radius setting)"}});
    list[5] = groupText(bits, 9, 2, kControlMode);
    list[6] = groupText(bits, 11, 2, kPositionMode);
    list[10] = "6";
}

void PrmZr4_ListSet(Public::OptionListArray& list, uint8_t listNo)
{
    if (listNo > 10) return;
    const auto table = kOptionTables[listNo];
    std::size_t k = 0;
    for (const OptionCodeText& e : table) list[k++] = e.text;
    list[k] = "Cancel";
    list[10] = std::to_string(k);
}

int OptionList_LastIndex(const Public::OptionListArray& list)
{
    const auto v = decimalValue(list[10]);
    return static_cast<int>(std::min<int64_t>(v.value_or(9), 9));
}

std::span<const OptionCodeText> ParmZr4_OptionTable(int item)
{
    if (item < 1 || item > 11) return {};
    return kOptionTables[static_cast<std::size_t>(item - 1)];
}

} // namespace posmod
