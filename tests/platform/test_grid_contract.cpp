// The same cases against both grids: the in-memory grid the core tests run on, and the
// widget the editors show. A layout or a move that the in-memory grid takes and the widget
// refuses would let a core test pass where the window fails.
#include <gtest/gtest.h>

#include <QApplication>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/FlexGrid.h"
#include "shared/Grid.h"
#include "support/QtApp.h"

using namespace posmod;
using posmod::test::app;

namespace {

struct MemRig {
    static constexpr const char* kName = "InMemory";
    MemGrid grid;
};

// The application comes before the widget: a base is made before the members.
struct WithApp {
    WithApp() { app(); }
};

struct FlexRig : WithApp {
    static constexpr const char* kName = "FlexGrid";
    FlexGrid grid;
};

// A grid of the one-axis parameter editor's shape by default: the header and 12 body rows, 4 columns.
void Shape(GridCells& g, int rows = 13, int cols = 4)
{
    g.setCols(cols);
    g.setRows(rows);
}

std::string NameOf(int r, int c) { return std::to_string(r) + ":" + std::to_string(c); }

template <class Rig> class GridContract : public ::testing::Test {
protected:
    Rig rig;
    GridCells& g() { return rig.grid; }
};

struct RigNames {
    template <class T> static std::string GetName(int) { return T::kName; }
};

using Grids = ::testing::Types<MemRig, FlexRig>;
TYPED_TEST_SUITE(GridContract, Grids, RigNames);

TYPED_TEST(GridContract, AFreshGridHasTheHeaderAndOneBodyRow)
{
    EXPECT_EQ(this->g().Rows(), 2);
    EXPECT_EQ(this->g().Cols(), 2);
    EXPECT_EQ(this->g().Row(), 1);
    EXPECT_EQ(this->g().Col(), 0);
}

// The header row stays however few rows are asked for; so does one column.
TYPED_TEST(GridContract, RowAndColumnCounts)
{
    const struct { int asked, rows, cols; } cases[] = {
        {13, 13, 13}, {2, 2, 2}, {1, 1, 1}, {0, 1, 1}, {-5, 1, 1}, {513, 513, 513},
    };
    for (const auto& c : cases) {
        Shape(this->g(), 4, 4);
        this->g().setRows(c.asked);
        EXPECT_EQ(this->g().Rows(), c.rows) << c.asked;
        EXPECT_EQ(this->g().Cols(), 4) << c.asked;
        this->g().setCols(c.asked);
        EXPECT_EQ(this->g().Cols(), c.cols) << c.asked;
        EXPECT_EQ(this->g().Rows(), c.rows) << c.asked;
    }
}

// Growing and shrinking keep the texts of the cells that stay; cells cut away come back empty.
TYPED_TEST(GridContract, ResizingKeepsTheTextsOfTheCellsThatStay)
{
    GridCells& g = this->g();
    Shape(g);
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c) g.setTextMatrix(r, c, NameOf(r, c));
    const struct { int rows, cols; } steps[] = {{20, 6}, {5, 4}, {13, 2}, {1, 4}, {0, 0}, {3, 3}, {13, 4}};
    int keptRows = 13, keptCols = 4; // the cells that held a text all along
    for (const auto& s : steps) {
        g.setRows(s.rows);
        g.setCols(s.cols);
        keptRows = std::min(keptRows, g.Rows());
        keptCols = std::min(keptCols, g.Cols());
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < g.Cols(); ++c)
                EXPECT_EQ(g.TextMatrix(r, c), r < keptRows && c < keptCols ? NameOf(r, c) : "")
                    << "after " << s.rows << "x" << s.cols << " at " << r << "," << c;
    }
}

TYPED_TEST(GridContract, TextMatrixOutsideTheGridReadsEmptyAndWritesNothing)
{
    GridCells& g = this->g();
    Shape(g);
    const struct { int row, col; } outside[] = {{-1, 0}, {0, -1}, {13, 0}, {12, 4}, {13, 4}, {-1, -1}, {100, 2}};
    for (const auto& o : outside) {
        g.setTextMatrix(o.row, o.col, "x");
        EXPECT_EQ(g.TextMatrix(o.row, o.col), "") << o.row << "," << o.col;
    }
    // Nothing was kept for later either: the cells are empty once the grid reaches them.
    g.setRows(101);
    g.setCols(5);
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c) ASSERT_EQ(g.TextMatrix(r, c), "") << r << "," << c;

    // Inside, header and body, texts come back as written, UTF-8 beyond ASCII included.
    const struct { int row, col; const char* text; } inside[] = {
        {0, 0, "No."}, {0, 4, "Setting data(Hex)"}, {1, 0, "1"}, {100, 4, "3FFFFFFF"},
        {12, 1, "X\xE8\xBB\xB8"}, {5, 2, ""}, {6, 3, " 0 "},
    };
    for (const auto& i : inside) g.setTextMatrix(i.row, i.col, i.text);
    for (const auto& i : inside) EXPECT_EQ(g.TextMatrix(i.row, i.col), i.text) << i.row << "," << i.col;

    // The header row of a grid without a body holds its captions too.
    g.setRows(1);
    g.setTextMatrix(0, 1, "parameter");
    EXPECT_EQ(g.TextMatrix(0, 1), "parameter");
    EXPECT_EQ(g.TextMatrix(0, 0), "No.");
    EXPECT_EQ(g.TextMatrix(1, 0), "");
}

// Row 0 is the fixed header row: never the current row. Any column can be current.
// Each case starts on a grid of 13 rows and 4 columns at row 1, column 0.
TYPED_TEST(GridContract, CurrentCellMoves)
{
    enum Op { SetRow, SetCol, SetRows, SetCols };
    struct Step { Op op; int arg; int row, col; };
    struct Case { const char* name; std::vector<Step> steps; };
    const Case cases[] = {
        {"BodyRowsAndColumns", {{SetRow, 5, 5, 0}, {SetCol, 3, 5, 3}, {SetRow, 12, 12, 3}, {SetCol, 0, 12, 0},
                                {SetRow, 1, 1, 0}}},
        {"HeaderRowRefused", {{SetRow, 4, 4, 0}, {SetRow, 0, 4, 0}, {SetCol, 2, 4, 2}, {SetRow, 0, 4, 2}}},
        {"OutsideRefused", {{SetRow, 7, 7, 0}, {SetCol, 1, 7, 1}, {SetRow, 13, 7, 1}, {SetRow, -1, 7, 1},
                            {SetCol, 4, 7, 1}, {SetCol, -1, 7, 1}, {SetRow, 99, 7, 1}}},
        // Shrinking moves the current cell onto the last row or column left; growing leaves it.
        {"ShrinkMovesInside", {{SetRow, 12, 12, 0}, {SetCol, 3, 12, 3}, {SetRows, 5, 4, 3}, {SetCols, 2, 4, 1},
                               {SetRows, 20, 4, 1}, {SetCols, 8, 4, 1}, {SetRows, 4, 3, 1}, {SetCols, 0, 3, 0}}},
        {"ShrinkAboveTheCurrentCellLeavesIt", {{SetRow, 3, 3, 0}, {SetCol, 1, 3, 1}, {SetRows, 5, 3, 1},
                                               {SetCols, 2, 3, 1}}},
        // Without body rows the current row stays 1, ready for the body to come; the column
        // still moves.
        {"NoBody", {{SetRow, 6, 6, 0}, {SetRows, 1, 1, 0}, {SetRow, 0, 1, 0}, {SetRow, 1, 1, 0},
                    {SetCol, 2, 1, 2}, {SetRows, 0, 1, 2}, {SetRows, 9, 1, 2}, {SetRow, 8, 8, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TypeParam fresh;
        GridCells& g = fresh.grid;
        Shape(g);
        ASSERT_EQ(g.Row(), 1);
        ASSERT_EQ(g.Col(), 0);
        int n = 0;
        for (const Step& s : c.steps) {
            switch (s.op) {
            case SetRow: g.setRow(s.arg); break;
            case SetCol: g.setCol(s.arg); break;
            case SetRows: g.setRows(s.arg); break;
            case SetCols: g.setCols(s.arg); break;
            }
            EXPECT_EQ(g.Row(), s.row) << "step " << n;
            EXPECT_EQ(g.Col(), s.col) << "step " << n;
            ++n;
        }
    }
}

} // namespace
