#include "params/RunMode.h"

#include <cstdint>
#include <utility>

#include "shared/Conversions.h"
#include "shared/MessageTexts.h"

namespace posmod {

namespace {

using CodeText = std::pair<const char*, const char*>;

// The bits of a field: characters first .. first + count - 1 (1-based) of the bit text, or
// fewer when the text ends before.
std::string bits(const std::string& bitText, std::size_t first, std::size_t count)
{
    if (bitText.size() < first) return {};
    return bitText.substr(first - 1, count);
}

template <std::size_t N>
std::string lookUp(const CodeText (&table)[N], const std::string& code,
                   const char* otherwise = kNoRequiredDataMessage)
{
    for (const auto& [c, text] : table)
        if (code == c) return text;
    return otherwise;
}

constexpr CodeText kHomingJV[] = {
    {"0000", "Desirable homing"},
    {"0001", "Low speed homing(Reverse)"},
    {"0010", "High speed homing 1(off edge/Reverse)"},
    {"0011", "High speed homing 2(marker end/Reverse)"},
    {"0100", "Yaskawa Sigma(12 bit)"},
    {"0101", "Yaskawa Sigma2(16 bit)"},
    {"0110", "Morvane QS series / Yaskawa Sigma2(17 bit)"},
    {"0111", "Sanyo P series"},
    {"1001", "Low speed homing(Forward)"},
    {"1010", "High speed homing 1(off edge/Forward)"},
    {"1011", "High speed homing 2(marker end/Forward)"},
};
constexpr CodeText kHomingSpeed[] = {
    {"0000", "6.25(pulse/s)"}, {"0001", "12.5(pulse/s)"}, {"0010", "25(pulse/s)"}, {"0011", "50(pulse/s)"}};
constexpr CodeText kAccelPattern[] = {{"0000", "trapezoid acceleration mode"},
                                      {"0001", "S-shaped acceleration 1"},
                                      {"0010", "S-shaped acceleration 2"},
                                      {"0011", "S-shaped acceleration 3"}};
constexpr CodeText kMultiplier[] = {{"00", "x1"}, {"01", "x10"}, {"10", "x100"}, {"11", "x1000"}};
constexpr CodeText kUnit[] = {{"00", "Pulse"}, {"01", "Micro m"}, {"10", "Inch"}, {"11", "Degree"}};

constexpr CodeText kHoming7W[] = {
    {"0000", "Desirable homing"},
    {"0001", "Low speed homing"},
    {"0010", "High speed homing 1(off edge)"},
    {"0011", "High speed homing 2(marker end)"},
};
constexpr const char* kMarkerEnd = "High speed homing 2(marker end)";
constexpr CodeText kPulseNumber[] = {{"0000", "number of pulses 3"}, {"0001", "number of pulses 5"}};
constexpr CodeText kPulseInterval[] = {{"0000", "10ms"}, {"0001", "20ms"}};

} // namespace

std::string RunMode_Word(const std::string& cellText, bool decimal)
{
    std::string word = cellText;
    if (decimal) {
        const int64_t v = signedDecimalValue(cellText).value_or(0);
        word = v < 0 ? hexText(static_cast<uint32_t>(v), 8) : hexText(static_cast<uint64_t>(v));
    }
    return Hex4_Zero(word);
}

std::array<std::string, 6> RunModeJV_TextSet(const std::string& word)
{
    const std::string b = HexToBin(word, 4);
    return {"",
            lookUp(kHomingJV, bits(b, 1, 4)),
            lookUp(kHomingSpeed, bits(b, 5, 4)),
            lookUp(kAccelPattern, bits(b, 9, 4)),
            lookUp(kMultiplier, bits(b, 13, 2)),
            lookUp(kUnit, bits(b, 15, 2))};
}

std::array<std::string, 5> RunMode7W_TextSet(const std::string& word)
{
    const std::string b = HexToBin(word, 4);
    std::array<std::string, 5> t;
    t[1] = lookUp(kHoming7W, bits(b, 1, 4));
    t[2] = lookUp(kHomingSpeed, bits(b, 5, 4));
    const bool markerEnd = equalsNoCase(t[1], kMarkerEnd);
    t[3] = markerEnd ? lookUp(kPulseNumber, bits(b, 9, 4), "number of pulses 0") : "number of pulses 0";
    t[4] = markerEnd ? lookUp(kPulseInterval, bits(b, 13, 4), "0ms") : "0ms";
    return t;
}

} // namespace posmod
