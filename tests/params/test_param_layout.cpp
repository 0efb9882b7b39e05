// Which register row or four-axis word each row of a parameter grid holds, and the fill of
// its "Current data" column, on an in-memory grid.
#include <gtest/gtest.h>

#include "params/ParamLayout.h"
#include "shared/RegisterTable.h"
#include "support/Hex.h"

using namespace posmod;

namespace {

// Every register row holds its own number, the high word 1000 + row.
void FillRead(RegisterTable& t)
{
    for (int r = 1; r <= RegisterTable::kRows; ++r) {
        t.ReadData[r] = hex4(r);
        if (!t.ReadDataH[r].empty()) t.ReadDataH[r] = hex4(0x1000 + r);
    }
}

MemGrid ParamGrid(int rows)
{
    MemGrid g;
    ParamGrid_Shape(g, rows);
    return g;
}

} // namespace

TEST(ParamLayout, RegisterRowsAndWidthsOfTheOneAndTwoAxisGrids)
{
    RegisterTable jv, w7;
    CodeTable_SetJV(jv);
    CodeTable_Set7W(w7);
    struct Case { const RegisterTable* t; int axis; int gridRow; int row; bool two; };
    const Case cases[] = {
        {&jv, -1, 1, 3, false}, {&jv, -1, 9, 11, false}, {&jv, -1, 10, 12, true}, {&jv, -1, 12, 14, true},
        {&jv, -1, 0, 0, false}, {&jv, -1, 13, 0, false},
        {&w7, 0, 1, 5, false},  {&w7, 1, 1, 6, false},   {&w7, 0, 9, 21, false},  {&w7, 1, 9, 22, false},
        {&w7, 0, 10, 23, true}, {&w7, 1, 12, 28, true},  {&w7, 2, 1, 0, false},   {&w7, 0, 13, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.axis) + "/" + std::to_string(c.gridRow));
        const RegisterCell cell = c.axis < 0 ? ParamJV_Cell(*c.t, c.gridRow) : Param7W_Cell(*c.t, c.axis, c.gridRow);
        EXPECT_EQ(cell.row, c.row);
        EXPECT_EQ(cell.twoWords, c.two);
        if (cell.row) {
            EXPECT_EQ(ParamRow_TwoWords(c.gridRow), c.two);
        }
    }
}

TEST(ParamLayout, WidthComesFromTheLayoutNotFromTheDataNorTheYRow)
{
    RegisterTable t;
    CodeTable_Set7W(t);
    // A reader that emptied the high words cannot make a two-word row one word.
    t.WriteDataH[23] = "";
    t.ReadDataH[23] = "";
    EXPECT_TRUE(Param7W_Cell(t, 0, 10).twoWords);
    // The Y row takes the X row's width.
    t.TwoWords[24] = false;
    EXPECT_TRUE(Param7W_Cell(t, 1, 10).twoWords);
}

TEST(ParamLayout, CurrentColumnOfTheOneAndTwoAxisGrids)
{
    Public p;
    Public_Reset(p);
    CodeTable_Set7W(p.reg);
    FillRead(p.reg);
    MemGrid x = ParamGrid(kParamRows), y = ParamGrid(kParamRows);
    Param7W_FillCurrent(x, 0, p, false);
    Param7W_FillCurrent(y, 1, p, false);
    EXPECT_EQ(x.TextMatrix(1, 2), "0005");
    EXPECT_EQ(y.TextMatrix(1, 2), "0006");
    EXPECT_EQ(x.TextMatrix(10, 2), "10170017");
    EXPECT_EQ(y.TextMatrix(12, 2), "101C001C");
    EXPECT_EQ(x.TextMatrix(0, 2), "Current data(Hex)");
    EXPECT_EQ(x.TextMatrix(1, 3), "");

    CodeTable_SetJV(p.reg);
    FillRead(p.reg);
    p.reg.ReadDataH[12] = "FFFF";
    p.reg.ReadData[12] = "FFFE";
    p.reg.ReadData[4] = "FFFF";
    MemGrid g = ParamGrid(kParamRows);
    ParamJV_FillCurrent(g, p, true);
    EXPECT_EQ(g.TextMatrix(0, 2), "Current data(Dec)");
    EXPECT_EQ(g.TextMatrix(0, 3), "Setting data(Dec)");
    EXPECT_EQ(g.TextMatrix(1, 2), "3");
    EXPECT_EQ(g.TextMatrix(2, 2), "65535");  // one word: unsigned
    EXPECT_EQ(g.TextMatrix(10, 2), "-2");    // two words: signed
    ParamJV_FillCurrent(g, p, false);
    EXPECT_EQ(g.TextMatrix(10, 2), "FFFFFFFE");

    // A two-word value missing a word shows nothing rather than a shorter number.
    p.reg.ReadDataH[13] = "";
    ParamJV_FillCurrent(g, p, false);
    EXPECT_EQ(g.TextMatrix(11, 2), "");

    // Opened for CSV work: nothing read, nothing shown.
    p.DataSourceCaption = "[Csv file]";
    ParamJV_FillCurrent(g, p, false);
    for (int k = 1; k <= kParamRows; ++k) EXPECT_EQ(g.TextMatrix(k, 2), "") << k;
}

TEST(ParamLayout, FourAxisRowsAndTheirWords)
{
    struct Case { int row; Zr4ParamKind kind; int word; int field; };
    const Case cases[] = {
        {1, Zr4ParamKind::Option, 0, 0},  {4, Zr4ParamKind::Option, 0, 3},  {5, Zr4ParamKind::Option, 1, 1},
        {7, Zr4ParamKind::Option, 1, 3},  {8, Zr4ParamKind::Option, 2, 0},  {11, Zr4ParamKind::Option, 2, 3},
        {12, Zr4ParamKind::Word, 3, -1},  {19, Zr4ParamKind::Word, 10, -1}, {20, Zr4ParamKind::Pair, 11, -1},
        {23, Zr4ParamKind::Pair, 17, -1}, {0, Zr4ParamKind::None, -1, -1},  {24, Zr4ParamKind::None, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const Zr4ParamCell cell = ParamZr4_Cell(c.row);
        EXPECT_EQ(cell.kind, c.kind);
        EXPECT_EQ(cell.word, c.word);
        EXPECT_EQ(cell.field, c.field);
        EXPECT_EQ(ParamZr4Row_IsOption(c.row), c.kind == Zr4ParamKind::Option);
    }
}

TEST(ParamLayout, FourAxisCurrentColumn)
{
    Public p;
    Public_Reset(p);
    for (size_t w = 0; w < 19; ++w) p.Z4PrmData[1][w].Word = hex4(0x0100 + int(w));
    p.Z4PrmData[1][0].Word = "1234";
    p.Z4PrmData[1][1].Word = "F123";
    p.Z4PrmData[1][2].Word = "1205";
    p.Z4PrmData[1][18].Word = "FFFF";
    MemGrid g = ParamGrid(kZr4ParamRows);
    // The option rows as texts of their word's fields; a code without text says so.
    const char* const options[] = {"Move to CCW", "High speed homing 1(Off edge stop)", "No Corresponding Data",
                                   "No Corresponding Data", "x10", "x100", "degree",
                                   "CW pulse / CCW pulse(positive logic)", "+O.RUN input is invalid",
                                   "Input valid (When the input is OFF)", "COIN is invalid / SRDY is invalid"};
    for (bool decimal : {false, true}) {
        SCOPED_TRACE(decimal);
        ParamZr4_FillCurrent(g, 1, p, decimal);
        for (int row = 1; row <= 11; ++row) EXPECT_EQ(g.TextMatrix(row, 2), options[row - 1]) << row;
    }
    ParamZr4_FillCurrent(g, 1, p, false);
    EXPECT_EQ(g.TextMatrix(12, 2), "0103");      // word 3
    EXPECT_EQ(g.TextMatrix(20, 2), "010C010B");  // words 12 & 11
    ParamZr4_FillCurrent(g, 1, p, true);
    EXPECT_EQ(g.TextMatrix(12, 2), "259");
    EXPECT_EQ(g.TextMatrix(23, 2), "-65263");    // FFFF0111 signed
    // An axis not read: empty words, no option texts, empty values.
    ParamZr4_FillCurrent(g, 0, p, false);
    EXPECT_EQ(g.TextMatrix(1, 2), "No Corresponding Data");
    EXPECT_EQ(g.TextMatrix(11, 2), "No Corresponding Data");
    EXPECT_EQ(g.TextMatrix(20, 2), "");
    // Opened on a file: the column stays empty.
    p.DataSourceCaption = "[Csv file]";
    ParamZr4_FillCurrent(g, 1, p, false);
    EXPECT_EQ(g.TextMatrix(1, 2), "");
    EXPECT_EQ(g.TextMatrix(12, 2), "");
    p.DataSourceCaption.clear();
    p.Z4PrmData[1][12].Word = "";
    ParamZr4_FillCurrent(g, 1, p, false);
    EXPECT_EQ(g.TextMatrix(20, 2), "");
}
