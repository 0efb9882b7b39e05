// The parameter grids' editing rules, the merge of a parameter file into the setting column,
// and the operation-mode decoders, on in-memory grids.
#include <gtest/gtest.h>

#include "params/ParamEntry.h"
#include "params/ParamLayout.h"
#include "params/RunMode.h"
#include "shared/RegisterTable.h"

using namespace posmod;

namespace {

MemGrid ParamGrid(int rows)
{
    MemGrid g;
    ParamGrid_Shape(g, rows);
    return g;
}

} // namespace

TEST(ParamEntry, CellsOfTheGrids)
{
    const MemGrid g = ParamGrid(23);
    struct Case { const EditRules* rules; int row; int col; CellKind kind; ValueForm form; };
    const Case cases[] = {
        {&ParamJV_Rules(), 1, 3, CellKind::Edit, ValueForm::Word},
        {&ParamJV_Rules(), 2, 3, CellKind::Edit, ValueForm::WordNonZero},
        {&ParamJV_Rules(), 8, 3, CellKind::Edit, ValueForm::WordNonZero},
        {&ParamJV_Rules(), 9, 3, CellKind::Edit, ValueForm::Word},
        {&ParamJV_Rules(), 10, 3, CellKind::Edit, ValueForm::Long},
        {&ParamJV_Rules(), 12, 2, CellKind::Fixed, ValueForm::Long},
        {&ParamJV_Rules(), 3, 2, CellKind::Fixed, ValueForm::WordNonZero},
        {&ParamJV_Rules(), 3, 1, CellKind::Fixed, ValueForm::None},
        {&ParamJV_Rules(), 3, 0, CellKind::Fixed, ValueForm::None},
        {&ParamJV_Rules(), 0, 3, CellKind::Fixed, ValueForm::None},
        {&ParamJV_Rules(), 13, 3, CellKind::Fixed, ValueForm::None},
        {&ParamZr4_Rules(), 1, 3, CellKind::Option, ValueForm::None},
        {&ParamZr4_Rules(), 11, 3, CellKind::Option, ValueForm::None},
        {&ParamZr4_Rules(), 11, 2, CellKind::Fixed, ValueForm::None},
        {&ParamZr4_Rules(), 12, 3, CellKind::Edit, ValueForm::WordNonZero},
        {&ParamZr4_Rules(), 18, 3, CellKind::Edit, ValueForm::WordNonZero},
        {&ParamZr4_Rules(), 19, 3, CellKind::Edit, ValueForm::Word},
        {&ParamZr4_Rules(), 20, 3, CellKind::Edit, ValueForm::Long},
        {&ParamZr4_Rules(), 23, 2, CellKind::Fixed, ValueForm::Long},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.col));
        const CellRule r = c.rules->cell(g, c.row, c.col);
        EXPECT_EQ(r.kind, c.kind);
        EXPECT_EQ(r.form, c.form);
    }
}

TEST(ParamEntry, KeyMovesStayInsideTheRows)
{
    const MemGrid g = ParamGrid(23);
    struct Case { const EditRules* rules; EditKey key; int row; bool commit; int toRow; int toCol; };
    const Case cases[] = {
        {&ParamJV_Rules(), EditKey::Enter, 5, true, 5, 3},  {&ParamJV_Rules(), EditKey::Left, 5, true, 5, 2},
        {&ParamJV_Rules(), EditKey::Up, 5, true, 4, 3},     {&ParamJV_Rules(), EditKey::Up, 1, true, 1, 3},
        {&ParamJV_Rules(), EditKey::Down, 11, true, 12, 3}, {&ParamJV_Rules(), EditKey::Down, 12, true, 12, 3},
        {&ParamJV_Rules(), EditKey::Right, 10, false, 10, 3},
        {&ParamZr4_Rules(), EditKey::Down, 12, true, 13, 3}, {&ParamZr4_Rules(), EditKey::Down, 23, true, 23, 3},
        {&ParamZr4_Rules(), EditKey::Up, 12, true, 11, 3},   {&ParamZr4_Rules(), EditKey::Right, 20, false, 20, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.key)) + " on " + std::to_string(c.row));
        const KeyMove m = c.rules->move(g, c.key, c.row, 3);
        EXPECT_EQ(m.commit, c.commit);
        EXPECT_EQ(m.row, c.toRow);
        EXPECT_EQ(m.col, c.toCol);
    }
}

TEST(ParamEntry, OptionRowsOfferTheirItemsThenCancel)
{
    const MemGrid g = ParamGrid(23);
    Public::OptionListArray list;
    ParamZr4_Rules().options(g, 2, 3, false, list);
    EXPECT_EQ(list[0], "Free home position");
    EXPECT_EQ(list[6], "Yaskawa Sigma 2 series (16 bit serial)");
    EXPECT_EQ(list[7], "Cancel");
    EXPECT_EQ(list[10], "7");
    // A shorter list leaves nothing of a longer one behind.
    ParamZr4_Rules().options(g, 1, 3, false, list);
    EXPECT_EQ(list[1], "Move to CCW");
    EXPECT_EQ(list[2], "Cancel");
    EXPECT_EQ(list[3], "");
    // A value cell offers nothing.
    ParamZr4_Rules().options(g, 12, 3, false, list);
    EXPECT_EQ(list[0], "NO_DATA");
}

TEST(ParamEntry, FileMergeOneAxis)
{
    RegisterTable t;
    CodeTable_SetJV(t);
    MemGrid g = ParamGrid(12);
    for (int k = 1; k <= 12; ++k) g.setTextMatrix(k, 3, "keep");
    auto reg = [&](int gridRow) { return static_cast<size_t>(ParamJV_Cell(t, gridRow).row); };
    // Nothing read but rows 2, 10, 11 and 12 and the bad ones.
    t.WriteData[reg(2)] = "0000";    // zero comes from a file as it is
    t.WriteData[reg(3)] = "7d";      // padded, upper case
    t.WriteData[reg(4)] = "12345";   // too long: left out
    t.WriteData[reg(5)] = "12G4";    // no hex: left out
    t.WriteDataH[reg(10)] = "3FFF";
    t.WriteData[reg(10)] = "FFFF";
    t.WriteDataH[reg(11)] = "C000";  // a missing low word: not in the file
    t.WriteData[reg(12)] = "1";
    t.WriteDataH[reg(12)] = "x";     // bad high word: left out
    EXPECT_EQ(ParamJV_FileMerge(g, t), 3);
    const char* want[] = {"", "keep", "0000", "007D", "keep", "keep", "keep", "keep", "keep", "keep", "3FFFFFFF",
                          "keep", "keep"};
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(g.TextMatrix(k, 3), want[k]) << k;
    EXPECT_EQ(FileMerge_Message(0), "");
    EXPECT_EQ(FileMerge_Message(3), "3 values of the file were not valid for their cells and left out");
    EXPECT_EQ(FileMerge_Message(1), "1 value of the file was not valid for their cells and left out");
}

TEST(ParamEntry, FileMergeTwoAxisTakesEachAxisFromItsOwnRows)
{
    RegisterTable t;
    CodeTable_Set7W(t);
    MemGrid x = ParamGrid(12), y = ParamGrid(12);
    t.WriteData[static_cast<size_t>(Param7W_Cell(t, 0, 1).row)] = "1111";
    t.WriteData[static_cast<size_t>(Param7W_Cell(t, 1, 1).row)] = "2222";
    const auto yRow10 = static_cast<size_t>(Param7W_Cell(t, 1, 10).row);
    t.WriteDataH[yRow10] = "0001";
    t.WriteData[yRow10] = "0002";
    EXPECT_EQ(Param7W_FileMerge(x, 0, t), 0);
    EXPECT_EQ(Param7W_FileMerge(y, 1, t), 0);
    EXPECT_EQ(x.TextMatrix(1, 3), "1111");
    EXPECT_EQ(y.TextMatrix(1, 3), "2222");
    EXPECT_EQ(x.TextMatrix(10, 3), "");
    EXPECT_EQ(y.TextMatrix(10, 3), "00010002");
}

TEST(ParamEntry, FileMergeFourAxis)
{
    MemGrid g = ParamGrid(23);
    for (int k = 1; k <= 23; ++k) g.setTextMatrix(k, 3, "keep");
    std::array<std::string, 24> v;
    v[1] = "move to ccw";      // stored as the table spells it
    v[2] = "x10";              // another row's text: left out
    v[5] = "X1000";
    v[12] = "0";               // zero from a file is taken, padded
    v[13] = "12345";           // too long
    v[19] = "ab";
    v[20] = "FFFFFFFF";
    v[21] = "123456789";       // too long
    v[22] = "-1";              // no hex
    EXPECT_EQ(ParamZr4_FileMerge(g, v), 4);
    EXPECT_EQ(g.TextMatrix(1, 3), "Move to CCW");
    EXPECT_EQ(g.TextMatrix(2, 3), "keep");
    EXPECT_EQ(g.TextMatrix(3, 3), "keep");
    EXPECT_EQ(g.TextMatrix(5, 3), "x1000");
    EXPECT_EQ(g.TextMatrix(12, 3), "0000");
    EXPECT_EQ(g.TextMatrix(13, 3), "keep");
    EXPECT_EQ(g.TextMatrix(19, 3), "00AB");
    EXPECT_EQ(g.TextMatrix(20, 3), "FFFFFFFF");
    EXPECT_EQ(g.TextMatrix(21, 3), "keep");
    EXPECT_EQ(g.TextMatrix(22, 3), "keep");
    EXPECT_EQ(g.TextMatrix(23, 3), "keep");
}

TEST(RunMode, WordFromTheCell)
{
    struct Case { const char* cell; bool dec; const char* word; };
    const Case cases[] = {
        {"", false, ""},        {"5", false, "0005"},   {"3010", false, "3010"}, {"abc", false, "0abc"},
        {"", true, "0000"},     {"12288", true, "3000"}, {"-1", true, "FFFFFFFF"}, {"15", true, "000F"},
    };
    for (const Case& c : cases) EXPECT_EQ(RunMode_Word(c.cell, c.dec), c.word) << c.cell;
}

TEST(RunMode, OneAxisWord)
{
    struct Case { const char* word; std::array<const char*, 5> texts; };
    const Case cases[] = {
        {"0000", {"Desirable homing", "6.25(pulse/s)", "trapezoid acceleration mode", "x1", "Pulse"}},
        {"8000", {"No data the requirements", "6.25(pulse/s)", "trapezoid acceleration mode", "x1", "Pulse"}},
        {"9000", {"Low speed homing(Forward)", "6.25(pulse/s)", "trapezoid acceleration mode", "x1", "Pulse"}},
        {"000F", {"Desirable homing", "6.25(pulse/s)", "trapezoid acceleration mode", "x1000", "Degree"}},
        {"b3a6", {"High speed homing 2(marker end/Forward)", "50(pulse/s)", "No data the requirements", "x10", "Inch"}},
        {"C400", {"No data the requirements", "No data the requirements", "trapezoid acceleration mode", "x1", "Pulse"}},
        {"", {"No data the requirements", "No data the requirements", "No data the requirements",
              "No data the requirements", "No data the requirements"}},
        // The first four digits are read: eight digits of a negative value.
        {"FFFFFFFF", {"No data the requirements", "No data the requirements", "No data the requirements", "x1000",
                      "Degree"}},
    };
    for (const Case& c : cases) {
        const auto t = RunModeJV_TextSet(c.word);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(t[static_cast<size_t>(i) + 1], c.texts[static_cast<size_t>(i)]) << c.word << " item " << i + 1;
    }
}

TEST(RunMode, TwoAxisWord)
{
    struct Case { const char* word; std::array<const char*, 4> texts; };
    const Case cases[] = {
        {"3010", {"High speed homing 2(marker end)", "6.25(pulse/s)", "number of pulses 5", "10ms"}},
        {"3301", {"High speed homing 2(marker end)", "50(pulse/s)", "number of pulses 3", "20ms"}},
        {"3022", {"High speed homing 2(marker end)", "6.25(pulse/s)", "number of pulses 0", "0ms"}},
        {"2010", {"High speed homing 1(off edge)", "6.25(pulse/s)", "number of pulses 0", "0ms"}},
        {"2011", {"High speed homing 1(off edge)", "6.25(pulse/s)", "number of pulses 0", "0ms"}},
        {"1400", {"Low speed homing", "No data the requirements", "number of pulses 0", "0ms"}},
        {"", {"No data the requirements", "No data the requirements", "number of pulses 0", "0ms"}},
    };
    for (const Case& c : cases) {
        const auto t = RunMode7W_TextSet(c.word);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(t[static_cast<size_t>(i) + 1], c.texts[static_cast<size_t>(i)]) << c.word << " item " << i + 1;
    }
}
