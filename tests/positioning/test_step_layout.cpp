// Which register row and word or four-axis word each value cell of a positioning grid holds,
// the shape of the grid and the fill of its Current rows, on an in-memory grid.
#include <gtest/gtest.h>

#include "positioning/StepLayout.h"
#include "shared/RegisterTable.h"
#include "support/Hex.h"

using namespace posmod;

namespace {

void FillRead(RegisterTable& t)
{
    for (int r = 1; r <= RegisterTable::kRows; ++r) {
        t.ReadData[r] = hex4(r);
        if (!t.ReadDataH[r].empty()) t.ReadDataH[r] = hex4(0x1000 + r);
    }
}

} // namespace

TEST(StepLayout, RegisterCellsOfTheOneAndTwoAxisGrids)
{
    RegisterTable jv, w7;
    CodeTable_SetJV(jv);
    CodeTable_Set7W(w7);
    struct Case { const RegisterTable* t; int axis; int step; int col; int row; WordPart part; };
    const Case cases[] = {
        {&jv, -1, 0, 2, 17, WordPart::Low},    {&jv, -1, 0, 3, 18, WordPart::Low},
        {&jv, -1, 0, 4, 18, WordPart::High},   {&jv, -1, 0, 5, 19, WordPart::Low},
        {&jv, -1, 0, 6, 20, WordPart::Pair},   {&jv, -1, 255, 6, 1040, WordPart::Pair},
        {&jv, -1, 0, 1, 0, WordPart::None},    {&jv, -1, 0, 7, 0, WordPart::None},
        {&w7, 0, 0, 2, 32, WordPart::Low},     {&w7, 1, 0, 2, 33, WordPart::Low},
        {&w7, 0, 0, 3, 34, WordPart::Low},     {&w7, 1, 0, 4, 35, WordPart::High},
        {&w7, 0, 0, 5, 36, WordPart::Low},     {&w7, 1, 0, 6, 39, WordPart::Pair},
        {&w7, 0, 1, 2, 40, WordPart::Low},     {&w7, 1, 255, 6, 2079, WordPart::Pair},
        {&w7, 2, 0, 2, 0, WordPart::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.axis) + "/" + std::to_string(c.step) + "/" + std::to_string(c.col));
        const StepRegisterCell cell =
            c.axis < 0 ? StepJV_Cell(*c.t, c.step, c.col) : Step7W_Cell(*c.t, c.axis, c.step, c.col);
        EXPECT_EQ(cell.row, c.row);
        EXPECT_EQ(cell.part, c.part);
    }
    // Steps past the table hold no register.
    EXPECT_EQ(StepJV_Cell(jv, 600, 2).row, 0);
}

TEST(StepLayout, FourAxisColumnsAndTheirWords)
{
    struct Case { int col, low, high; };
    for (const Case c : {Case{2, 0, -1}, Case{6, 4, -1}, Case{7, 5, 6}, Case{8, 7, 8}, Case{1, -1, -1}, Case{9, -1, -1}}) {
        const Zr4StepCell z = StepZr4_Cell(c.col);
        EXPECT_EQ(z.low, c.low) << c.col;
        EXPECT_EQ(z.high, c.high) << c.col;
    }
}

TEST(StepLayout, GridShapeTwoRowsPerStep)
{
    MemGrid g;
    StepGrid_Shape(g, StepZr4_Layout(), 7, 9);
    ASSERT_EQ(g.Rows(), 7);
    ASSERT_EQ(g.Cols(), 10);
    EXPECT_EQ(g.TextMatrix(0, 7), "Target position");
    EXPECT_EQ(g.TextMatrix(StepRow_Current(0), 0), "7");
    EXPECT_EQ(g.TextMatrix(StepRow_Setting(0), 0), "");
    EXPECT_EQ(g.TextMatrix(StepRow_Current(2), 0), "9");
    EXPECT_EQ(g.TextMatrix(StepRow_Current(2), 1), "Current data");
    EXPECT_EQ(g.TextMatrix(StepRow_Setting(2), 1), "Setting data");
    g.setTextMatrix(2, 3, "0005");
    StepGrid_Shape(g, StepZr4_Layout(), 0, 0);
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(2, 3), "");
}

TEST(StepLayout, CurrentRowsOfANarrowedWindow)
{
    Public p;
    Public_Reset(p);
    // Steps 2 and 3 of the two-axis table, as the read narrows the block.
    CodeTable_Set7W(p.reg);
    FillRead(p.reg);
    p.reg.AutoRange[0] = 32 + 8 * 2;
    MemGrid x, y;
    StepGrid_Shape(x, Step7W_Layout(), 2, 3);
    StepGrid_Shape(y, Step7W_Layout(), 2, 3);
    Step7W_FillCurrent(x, 0, p, false);
    Step7W_FillCurrent(y, 1, p, false);
    EXPECT_EQ(x.TextMatrix(1, 2), "0030");
    EXPECT_EQ(y.TextMatrix(1, 2), "0031");
    EXPECT_EQ(x.TextMatrix(1, 4), "1032");
    EXPECT_EQ(y.TextMatrix(1, 6), "10370037");
    EXPECT_EQ(x.TextMatrix(3, 2), "0038");
    EXPECT_EQ(x.TextMatrix(2, 2), "");

    CodeTable_SetJV(p.reg);
    FillRead(p.reg);
    p.reg.AutoRange[0] = 17 + 4 * 2;
    p.reg.ReadDataH[32] = "FFFF";
    p.reg.ReadData[32] = "FFFF";
    MemGrid g;
    StepGrid_Shape(g, StepJV_Layout(), 2, 3);
    StepJV_FillCurrent(g, p, true);
    EXPECT_EQ(g.TextMatrix(1, 2), "25");
    EXPECT_EQ(g.TextMatrix(1, 4), std::to_string(0x101A));
    EXPECT_EQ(g.TextMatrix(1, 6), std::to_string(0x101C001C));
    EXPECT_EQ(g.TextMatrix(3, 6), "-1");

    // CSV work: the Current rows stay as they are.
    p.DataSourceCaption = "[Csv file]";
    g.setTextMatrix(1, 2, "keep");
    StepJV_FillCurrent(g, p, false);
    EXPECT_EQ(g.TextMatrix(1, 2), "keep");
}

TEST(StepLayout, FourAxisCurrentRows)
{
    Public p;
    Public_Reset(p);
    for (size_t a = 0; a < 4; ++a)
        for (size_t w = 0; w < 9; ++w) p.Z4AutoData[3][a][w].Word = hex4(0x0300 + int(a) * 0x10 + int(w));
    MemGrid g;
    StepGrid_Shape(g, StepZr4_Layout(), 2, 3);
    StepZr4_FillCurrent(g, 3, p, 2, false);
    EXPECT_EQ(g.TextMatrix(1, 2), "");             // step 2 not read
    EXPECT_EQ(g.TextMatrix(3, 2), "0330");
    EXPECT_EQ(g.TextMatrix(3, 7), "03360335");
    EXPECT_EQ(g.TextMatrix(3, 8), "03380337");
    p.Z4AutoData[3][3][8].Word = "";
    StepZr4_FillCurrent(g, 3, p, 2, false);
    EXPECT_EQ(g.TextMatrix(3, 8), "");             // a pair missing a word
}
