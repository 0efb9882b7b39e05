#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/NameTables.h"

using namespace posmod;

namespace {

struct DecodeCase {
    bool zr4;
    const char* word;
    std::vector<const char*> texts;  // entries 0..5 (one- and two-axis) or 0..6 (four-axis)
};

const char* const kNoMode = "No Corresponding mode";

const DecodeCase kDecodeCases[] = {
    {false, "8000", {"Operation valid", "Cycle continued", "To be stopped by the Target stop position data",
                     "Asynchronous operation", "position control mode", "absolute mode,forward"}},
    {false, "7F00", {"Invalid operation", "Cycle stop", "Continuous operation by changing the speed",
                     "Synchronous operation", kNoMode, kNoMode}},
    {false, "5400", {"Invalid operation", "Cycle stop", "To be stopped by the Target stop position data",
                     "Synchronous operation", "velocity+position control mode", "absolute mode,forward"}},
    {false, "2A", {"Invalid operation", "Cycle continued", "Continuous operation by changing the speed",
                   "Asynchronous operation", "velocity control mode", "increment mode"}},
    {false, "c9ff", {"Operation valid", "Cycle stop", "To be stopped by the Target stop position data",
                     "Asynchronous operation", "velocity control mode", "absolute+increment mode,reverse"}},
    // Only the first two digits count.
    {false, "80FF", {"Operation valid", "Cycle continued", "To be stopped by the Target stop position data",
                     "Asynchronous operation", "position control mode", "absolute mode,forward"}},
    // A non-hexadecimal character is dropped and the digits after it move up.
    {false, "8G0", {"Operation valid", "Cycle continued", "To be stopped by the Target stop position data",
                    "Asynchronous operation", "position control mode", "absolute mode,forward"}},
    // Short words: missing single bits take the second text, missing groups have no text.
    {false, "8", {"Operation valid", "Cycle continued", "To be stopped by the Target stop position data",
                  "Asynchronous operation", kNoMode, kNoMode}},
    {false, "", {"Operation valid", "Cycle stop", "Continuous operation by changing the speed",
                 "Synchronous operation", kNoMode, kNoMode}},

    {true, "8000", {"Operation valid", "Single step operation", "Arch-motion Invalid",
                    "Circular interpolation(Clockwise)", "Independent", "position control mode",
                    "absolute mode,forward"}},
    {true, "FFFF", {"Operation valid", "Continuous operation", "Arch-motion Valid",
                    "Circular interpolation(Counter clockwise)", kNoMode, kNoMode, kNoMode}},
    // Bit 3 is not decoded.
    {true, "2000", {"Invalid operation", "Single step operation", "Arch-motion Invalid",
                    "Circular interpolation(Clockwise)", "Independent", "position control mode",
                    "absolute mode,forward"}},
    {true, "0480", {"Invalid operation", "Single step operation", "Arch-motion Invalid",
                    "Circular interpolation(Clockwise)", "Linear interpolation", "velocity control mode",
                    "absolute mode,forward"}},
    {true, "d6a0", {"Operation valid", "Continuous operation", "Arch-motion Valid",
                    "Circular interpolation(Clockwise)", "Circular interpolation (Radius setting)",
                    "velocity control mode", "increment mode"}},
    {true, "2D4", {"Invalid operation", "Single step operation", "Arch-motion Invalid",
                   "Circular interpolation(Counter clockwise)", "Circular interpolation (Passing point setting)",
                   "velocity+position control mode", "absolute mode,forward"}},
    {true, "0710", {"Invalid operation", "Single step operation", "Arch-motion Invalid",
                    "Circular interpolation(Clockwise)", kNoMode, "position control mode",
                    "absolute+increment mode,reverse"}},
    {true, "0100", {"Invalid operation", "Single step operation", "Arch-motion Invalid",
                    "Circular interpolation(Clockwise)", kNoMode, "position control mode",
                    "absolute mode,forward"}},
    {true, "08", {"Invalid operation", "Single step operation", "Arch-motion Invalid",
                  "Circular interpolation(Counter clockwise)", "Independent", kNoMode, kNoMode}},
    {true, "0", {"Invalid operation", "Single step operation", "Arch-motion Invalid",
                 "Circular interpolation(Counter clockwise)", kNoMode, kNoMode, kNoMode}},
    {true, "", {"Operation valid", "Continuous operation", "Arch-motion Valid",
                "Circular interpolation(Counter clockwise)", kNoMode, kNoMode, kNoMode}},
};

} // namespace

TEST(ModeDecoders, DecodeEveryField) {
    for (const DecodeCase& c : kDecodeCases) {
        SCOPED_TRACE(std::string(c.zr4 ? "four-axis " : "one/two-axis ") + '"' + c.word + '"');
        Public::OptionListArray list;
        list.fill("old");
        if (c.zr4)
            AutoModeZr4_TextSet(list, c.word);
        else
            AutoMode_TextSet(list, c.word);
        for (std::size_t k = 0; k < c.texts.size(); ++k) EXPECT_EQ(list[k], c.texts[k]) << "entry " << k;
        EXPECT_EQ(list[10], std::to_string(c.texts.size() - 1));
        EXPECT_EQ(OptionList_LastIndex(list), static_cast<int>(c.texts.size() - 1));
        for (std::size_t k = c.texts.size(); k < 10; ++k) EXPECT_EQ(list[k], "old") << "entry " << k;
    }
}

TEST(OptionList, FillersLeaveLaterEntriesAsTheyWere) {
    Public p;
    PrmZr4_ListSet(p.OptionList, 1);  // homing mode: entries 0-7
    EXPECT_EQ(p.OptionList[7], "Cancel");
    EXPECT_EQ(p.OptionList[10], "7");

    AutoMode_TextSet(p.OptionList, "8000");
    EXPECT_EQ(p.OptionList[5], "absolute mode,forward");
    EXPECT_EQ(p.OptionList[6], "Yaskawa Sigma 2 series (16 bit serial)");
    EXPECT_EQ(p.OptionList[7], "Cancel");
    EXPECT_EQ(p.OptionList[8], "");
    EXPECT_EQ(p.OptionList[10], "5");

    AutoModeZr4_TextSet(p.OptionList, "8000");
    EXPECT_EQ(p.OptionList[6], "absolute mode,forward");
    EXPECT_EQ(p.OptionList[7], "Cancel");
    EXPECT_EQ(p.OptionList[10], "6");

    PrmZr4_ListSet(p.OptionList, 0);  // homing direction: entries 0-2
    EXPECT_EQ(p.OptionList[2], "Cancel");
    EXPECT_EQ(p.OptionList[3], "Circular interpolation(Clockwise)");
    EXPECT_EQ(p.OptionList[6], "absolute mode,forward");
    EXPECT_EQ(p.OptionList[10], "2");

    // A list number outside 0-10 changes nothing.
    const auto before = p.OptionList;
    for (uint8_t listNo : {uint8_t{11}, uint8_t{12}, uint8_t{255}}) {
        PrmZr4_ListSet(p.OptionList, listNo);
        EXPECT_EQ(p.OptionList, before) << int(listNo);
    }
}

TEST(OptionList, ChoicesOfTheFourAxisOptionRows) {
    Public::OptionListArray list;
    for (uint8_t listNo = 0; listNo <= 10; ++listNo) {
        SCOPED_TRACE(int(listNo));
        list.fill("");
        PrmZr4_ListSet(list, listNo);
        const int last = OptionList_LastIndex(list);
        ASSERT_GE(last, 2);
        ASSERT_LE(last, 9);
        EXPECT_EQ(list[static_cast<std::size_t>(last)], "Cancel");
        // The list offers the item's texts in code order, nothing else.
        const auto table = ParmZr4_OptionTable(listNo + 1);
        ASSERT_EQ(table.size(), static_cast<std::size_t>(last));
        for (std::size_t k = 0; k < table.size(); ++k) {
            EXPECT_EQ(list[k], table[k].text);
            if (k > 0) {
                EXPECT_LT(table[k - 1].code, table[k].code);
            }
        }
        for (std::size_t k = static_cast<std::size_t>(last) + 1; k < 10; ++k) EXPECT_EQ(list[k], "");
    }

    Public::OptionListArray speed, position;
    PrmZr4_ListSet(speed, 4);
    PrmZr4_ListSet(position, 5);
    EXPECT_EQ(speed, position);
    EXPECT_EQ(speed[3], "x1000");

    // Spellings kept as the system shows them.
    PrmZr4_ListSet(list, 1);
    EXPECT_EQ(list[4], "Morvane QS series (17 bit serial)");
    PrmZr4_ListSet(list, 2);
    EXPECT_EQ(list[0], "CCW (Counter Clockwis)");
    EXPECT_EQ(list[1], "CW (Clockwis)");
    PrmZr4_ListSet(list, 7);
    EXPECT_EQ(list[1], "CW pulse / CCW pulse(positive logic)");
    PrmZr4_ListSet(list, 9);
    EXPECT_EQ(list[2], "-O.RUN input is invalid");
    PrmZr4_ListSet(list, 10);
    EXPECT_EQ(list[2], "COIN is valid / SRDY is invalid");
}

TEST(OptionList, LastIndexStaysWithinTheTexts) {
    struct { const char* entry10; int last; } cases[] = {
        {"0", 0}, {"5", 5}, {"9", 9}, {"10", 9}, {"99999999999999999999999", 9}, {"", 0}, {"x", 0}, {"-3", 0},
    };
    Public::OptionListArray list;
    for (const auto& c : cases) {
        list[10] = c.entry10;
        EXPECT_EQ(OptionList_LastIndex(list), c.last) << '"' << c.entry10 << '"';
    }
}

TEST(NameTables, SpotChecks) {
    Public p;
    ParmName_Set(p);
    EXPECT_EQ(p.PrmNameJV[1], "Operation mode(2)");
    EXPECT_EQ(p.PrmNameJV[6], "Manual/High-speed homing velocity");
    EXPECT_EQ(p.PrmNameJV[12], "Home position data");
    EXPECT_EQ(p.PrmName7W[1], "Operation mode(1)");
    EXPECT_EQ(p.PrmName7W[3], "Manual initial speed");
    EXPECT_EQ(p.PrmName7W[8], "Rate of acceleration/deceleration");
    EXPECT_EQ(p.PrmNameZ4[9], "+ O.RUNInput mode");
    EXPECT_EQ(p.PrmNameZ4[15], "initial speed");
    EXPECT_EQ(p.PrmNameZ4[16], "High speed manual operation. high speed homing");
    EXPECT_EQ(p.PrmNameZ4[23], "Homing offset value");
    EXPECT_EQ(p.RunModeNameJV[5], "Position specifying unit 2");
    EXPECT_EQ(p.RunModeName7W[4], "Pulse interval mode");

    // The VELTAK7W names differ from the other two-axis types in rows 3 and 5 only.
    EXPECT_EQ(p.PrmName7WK[3], "In position value");
    EXPECT_EQ(p.PrmName7WK[5], "Deviation quantity warning value");
    for (int row = 1; row <= 12; ++row)
        if (row != 3 && row != 5) {
            EXPECT_EQ(p.PrmName7WK[row], p.PrmName7W[row]) << row;
        }

    // Every row has a name; the slot before row 1 stays empty.
    auto allNamed = [](const auto& table) {
        for (std::size_t k = 1; k < table.size(); ++k)
            if (table[k].empty()) return false;
        return table[0].empty();
    };
    EXPECT_TRUE(allNamed(p.PrmNameJV));
    EXPECT_TRUE(allNamed(p.PrmName7W));
    EXPECT_TRUE(allNamed(p.PrmName7WK));
    EXPECT_TRUE(allNamed(p.PrmNameZ4));
    EXPECT_TRUE(allNamed(p.RunModeNameJV));
    EXPECT_TRUE(allNamed(p.RunModeName7W));

    // Filling again writes the same texts.
    const auto z4 = p.PrmNameZ4;
    ParmName_Set(p);
    EXPECT_EQ(p.PrmNameZ4, z4);
}

TEST(DefaultTables, SpotChecksAndWidths) {
    Public p;
    DefaultData_Set(p);
    EXPECT_EQ(p.PrmDefault[2], "07D0");
    EXPECT_EQ(p.PrmDefault[4], "1F40");
    EXPECT_EQ(p.PrmDefault[10], "3FFFFFFF");
    EXPECT_EQ(p.PrmDefault[11], "C0000000");
    EXPECT_EQ(p.AutoDefault[2], "8000");
    EXPECT_EQ(p.AutoDefault[5], "0020");
    EXPECT_EQ(p.AutoDefault[6], "00000000");
    EXPECT_EQ(p.AutoDefaultZ4[6], "1000");
    EXPECT_EQ(p.AutoDefaultZ4[7], "00010000");
    EXPECT_EQ(p.PrmDefaultZ4[3], "CCW (Counter Clockwis)");
    EXPECT_EQ(p.PrmDefaultZ4[11], "COIN is valid / SRDY is valid");
    EXPECT_EQ(p.PrmDefaultZ4[14], "FFFF");
    EXPECT_EQ(p.PrmDefaultZ4[18], "01F4");
    EXPECT_EQ(p.PrmDefaultZ4[20], "7FFFFFFF");
    EXPECT_EQ(p.PrmDefaultZ4[21], "80000000");

    // Each value has its row's or column's width: 4 digits for one word, 8 for two.
    for (int row = 1; row <= 12; ++row) EXPECT_EQ(p.PrmDefault[row].size(), row >= 10 ? 8u : 4u) << row;
    for (int row = 12; row <= 23; ++row) EXPECT_EQ(p.PrmDefaultZ4[row].size(), row >= 20 ? 8u : 4u) << row;
    for (int col = 2; col <= 6; ++col) EXPECT_EQ(p.AutoDefault[col].size(), col == 6 ? 8u : 4u) << col;
    for (int col = 2; col <= 8; ++col) EXPECT_EQ(p.AutoDefaultZ4[col].size(), col >= 7 ? 8u : 4u) << col;
    EXPECT_TRUE(p.PrmDefault[0].empty());
    EXPECT_TRUE(p.AutoDefault[1].empty());
    EXPECT_TRUE(p.AutoDefaultZ4[1].empty());

    // An option row's default is the first choice of its list.
    Public::OptionListArray list;
    for (uint8_t listNo = 0; listNo <= 10; ++listNo) {
        PrmZr4_ListSet(list, listNo);
        EXPECT_EQ(p.PrmDefaultZ4[listNo + 1], list[0]) << "row " << listNo + 1;
    }
}
