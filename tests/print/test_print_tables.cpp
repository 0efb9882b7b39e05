// The ten tables the preview builds from the editors' grids.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "print/PrintTables.h"

using namespace posmod;

namespace {

constexpr double kTextHeight = 195; // h = 205
constexpr int kFrameWidth = 1500;
const std::string kLongName = "\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82"
                              "\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82"; // 11 x U+3042, 22 bytes
const std::string kLongCut = kLongName.substr(0, 30);                                        // 10 of them

// Editor grids whose cells name themselves: "<axis>:<row>:<col>".
struct Fixture {
    std::vector<std::unique_ptr<MemGrid>> grids;
    PrintSource src;

    Fixture(int kind, int first = 3, int last = 5, int axis = 2)
    {
        src.kind = kind;
        src.axisNames = {"A axis", "", kLongName, "D"};
        src.range = {axis, first, last};
        const bool positioning = kind >= 5;
        const int rows = positioning ? 2 * (last - first + 1) + 1 : 24;
        for (int a = 0; a < 4; ++a) {
            auto g = std::make_unique<MemGrid>(rows, positioning ? 9 : 4);
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < g->Cols(); ++c)
                    g->setTextMatrix(r, c, std::to_string(a) + ":" + std::to_string(r) + ":" + std::to_string(c));
            src.grids[static_cast<size_t>(a)] = g.get();
            grids.push_back(std::move(g));
        }
    }
};

} // namespace

TEST(PrintTables, EveryKindsLayout)
{
    struct Case {
        int kind, rows, cols;
        std::string title;
        const char* lastHeader;
        std::vector<int> widths;
        int totalPages;
        int spotRow;
        const char* spotName;
        int controlWidth, controlHeight, windowWidth;
    };
    const Case cases[] = {
        {0, 12, 3, "Common parameter setting(JV-ZR).", "Setting data(Hex)", {3000, 2000, 2000}, 0, 12,
         "Home position data", 8895, 13 * 227, 9245},
        {1, 96, 3, "Common parameter setting(JV-ZR4).", "Setting data(Hex)", {3700, 2900, 2900}, 4, 40,
         "initial speed", 11395, 25 * 226, 11395 + kFrameWidth + 500},
        {2, 26, 3, "Common parameter setting(VELTA-7W).", "Setting data(Hex)", {3000, 2000, 2000}, 0, 4,
         "Manual initial speed", 8895, 27 * 226, 9245},
        {3, 26, 3, "Common parameter setting(VELTAK7W).", "Setting data(Hex)", {3000, 2000, 2000}, 0, 17,
         "In position value", 8895, 27 * 226, 9245},
        {4, 26, 3, "Common parameter setting(ZRH).", "Setting data(Hex)", {3000, 2000, 2000}, 0, 19,
         "Auto initial speed", 8895, 27 * 226, 9245},
        {5, 6, 7, "Automatic operation data setting(JV-ZR).", "Target position",
         {600, 1100, 1100, 1550, 1550, 1100, 1550}, 1, 0, nullptr, 8683, 31 * 226, 8683 + kFrameWidth + 500},
        {6, 6, 9, "[" + kLongCut + "]Automatic operation data setting(JV-ZR4).", "Circular",
         {600, 1150, 1150, 1150, 1150, 1150, 1150, 1150, 1150}, 1, 0, nullptr, 9971, 31 * 226,
         9971 + kFrameWidth + 500},
        {7, 6, 7, "[" + kLongCut + "]Automatic operation data setting(VELTA-7W).", "Target position",
         {600, 1100, 1100, 1800, 1800, 1100, 1800}, 1, 0, nullptr, 9433, 31 * 226, 9433 + kFrameWidth + 500},
        {8, 6, 7, "[" + kLongCut + "]Automatic operation data setting(VELTAK7W).", "Target position",
         {600, 1100, 1100, 1800, 1800, 1100, 1800}, 1, 0, nullptr, 9433, 31 * 226, 9433 + kFrameWidth + 500},
        {9, 6, 7, "[" + kLongCut + "]Automatic operation data setting(ZRH).", "Target position",
         {600, 1100, 1100, 1800, 1800, 1100, 1800}, 1, 0, nullptr, 9433, 31 * 226, 9433 + kFrameWidth + 500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        Fixture f(c.kind);
        PrintSheet s;
        const PrintLayout l = PrintTable_Build(s, f.src, kTextHeight, kFrameWidth);
        const bool paged = c.kind == 1 || c.kind >= 5;
        EXPECT_EQ(s.MaxRows(), c.rows);
        EXPECT_EQ(s.MaxCols(), c.cols);
        EXPECT_EQ(l.title, c.title);
        EXPECT_EQ(l.caption, c.title + " Print Setting.");
        EXPECT_EQ(s.PrintHeader, "/l/fn\"ARIAL\"/fz\"12\"/fb1/fi0/fu0/fk0" + c.title);
        EXPECT_EQ(s.PrintFooter, "/c/fn\"ARIAL\"/fz\"9\"/fb0/fi0/fu0/fk0- /p -");
        EXPECT_TRUE(s.PrintOptions.colHeaders && s.PrintOptions.rowHeaders);
        EXPECT_EQ(s.cell(c.cols, 0).text, c.lastHeader);
        EXPECT_EQ(l.pageFrameVisible, paged);
        EXPECT_EQ(l.TotalPages, c.totalPages);
        EXPECT_EQ(l.CurrentPage, paged ? 1 : 0);
        EXPECT_EQ(l.pageLabel, paged ? "1/" + std::to_string(c.totalPages) : "");
        for (int col = 1; col <= c.cols; ++col) EXPECT_EQ(s.ColWidth(col), c.widths[static_cast<size_t>(col - 1)]) << col;
        EXPECT_EQ(l.rowHeight, 205);
        for (int r = 0; r <= c.rows; ++r) ASSERT_EQ(s.RowHeight(r), 205) << r;
        EXPECT_EQ(l.controlWidth, c.controlWidth);
        EXPECT_EQ(l.controlHeight, c.controlHeight);
        EXPECT_EQ(l.windowWidth, c.windowWidth);
        EXPECT_EQ(l.windowHeight, c.controlHeight + 800);
        if (paged) {
            EXPECT_EQ(l.pageFrameLeft, c.controlWidth + 280);
        }
        EXPECT_EQ(s.TopRow, 1);
        EXPECT_EQ(s.LeftCol, 1);
        if (c.kind <= 4) {
            EXPECT_EQ(s.cell(0, 0).text, "No.");
            EXPECT_EQ(s.cell(1, 0).text, "parameter");
            EXPECT_EQ(s.cell(2, 0).text, "Current data(Hex)");
            EXPECT_TRUE(s.RowHeaderNumbers);
            EXPECT_EQ(s.RowHeaderText(7), "7");
            EXPECT_TRUE(s.GridShowHoriz && s.GridShowVert);
            EXPECT_EQ(s.cell(1, c.spotRow).text, c.spotName);
        } else {
            EXPECT_EQ(s.cell(0, 0).text, "");
            EXPECT_EQ(s.cell(1, 0).text, "Step");
            EXPECT_EQ(s.cell(2, 0).text, "Setting");
            EXPECT_FALSE(s.RowHeaderNumbers);
            EXPECT_EQ(s.RowHeaderText(3), "");
            EXPECT_FALSE(s.GridShowHoriz);
            EXPECT_TRUE(s.GridShowVert);
        }
    }
}

TEST(PrintTables, ParameterRowsCarryTheGridsColumnsUnderTheirNames)
{
    // Kind 0: printed row r is grid row r.
    {
        Fixture f(0);
        PrintSheet s;
        PrintTable_Build(s, f.src, kTextHeight, kFrameWidth);
        EXPECT_EQ(s.cell(1, 1).text, "Operation mode(2)");
        EXPECT_EQ(s.cell(2, 5).text, "0:5:2");
        EXPECT_EQ(s.cell(3, 12).text, "0:12:3");
        EXPECT_EQ(s.cell(2, 5).align, CellAlign::Centre);
        EXPECT_EQ(s.cell(1, 5).align, CellAlign::General);
        EXPECT_TRUE(s.cell(1, 5).locked && s.cell(2, 5).locked && s.cell(3, 5).locked);
    }
    // Kind 1: four blocks of 24, an axis row first; the block of axis a holds grid a's rows 1-23.
    {
        Fixture f(1);
        PrintSheet s;
        PrintTable_Build(s, f.src, kTextHeight, kFrameWidth);
        const char* axisRows[4] = {"[A axis]", "[]", nullptr, "[D]"};
        for (int a = 0; a < 4; ++a) {
            const int first = 24 * a + 1;
            EXPECT_EQ(s.cell(1, first).text, axisRows[a] ? axisRows[a] : "[" + kLongCut + "]");
            EXPECT_TRUE(s.cell(2, first).locked);
            EXPECT_EQ(s.cell(2, first).text, "");
            EXPECT_FALSE(s.cell(3, first).locked); // left untouched
            EXPECT_EQ(s.cell(1, first + 1).text, "Homing direction");
            EXPECT_EQ(s.cell(1, first + 23).text, "Homing offset value");
            EXPECT_EQ(s.cell(3, first + 23).text, std::to_string(a) + ":23:3");
        }
    }
    // Kinds 2-4: two blocks of 13 from rows 1 and 14.
    {
        Fixture f(3);
        PrintSheet s;
        PrintTable_Build(s, f.src, kTextHeight, kFrameWidth);
        EXPECT_EQ(s.cell(1, 14).text, "[]");
        EXPECT_EQ(s.cell(1, 15).text, "Operation mode(1)");
        EXPECT_EQ(s.cell(1, 19).text, "Deviation quantity warning value");
        EXPECT_EQ(s.cell(2, 26).text, "1:12:2");
        EXPECT_EQ(s.cell(2, 13).text, "0:12:2");
    }
}

TEST(PrintTables, DecimalDisplayHeadsTheParameterColumnsDec)
{
    for (int kind : {0, 1, 2}) {
        Fixture f(kind);
        f.src.decimalDisplay = true;
        PrintSheet s;
        PrintTable_Build(s, f.src, kTextHeight, kFrameWidth);
        EXPECT_EQ(s.cell(2, 0).text, "Current data(Dec)") << kind;
        EXPECT_EQ(s.cell(3, 0).text, "Setting data(Dec)") << kind;
    }
    Fixture f(5);
    f.src.decimalDisplay = true;
    PrintSheet s;
    PrintTable_Build(s, f.src, kTextHeight, kFrameWidth);
    EXPECT_EQ(s.cell(3, 0).text, "Mode/Dwell");
}

TEST(PrintTables, PositioningRowsPairEachStepAndCloseItWithAGreyLine)
{
    Fixture f(6, 3, 5, 2); // steps 3-5 of axis C
    PrintSheet s;
    PrintTable_Build(s, f.src, kTextHeight, kFrameWidth);
    for (int k = 0; k < 3; ++k) {
        const int r = 2 * k + 1;
        EXPECT_TRUE(s.cell(1, r).isNumber);
        EXPECT_EQ(s.cell(1, r).number, 3 + k);
        EXPECT_EQ(s.cell(1, r).text, std::to_string(3 + k));
        EXPECT_EQ(s.cell(1, r).align, CellAlign::Centre);
        EXPECT_EQ(s.cell(2, r).text, "Current data");
        EXPECT_EQ(s.cell(2, r + 1).text, "Setting data");
        // Sheet column c is grid column c - 1 of the chosen axis's grid.
        EXPECT_EQ(s.cell(3, r).text, "2:" + std::to_string(r) + ":2");
        EXPECT_EQ(s.cell(9, r + 1).text, "2:" + std::to_string(r + 1) + ":8");
        EXPECT_EQ(s.cell(9, r + 1).align, CellAlign::Centre);
        for (int c = 1; c <= 9; ++c) {
            EXPECT_EQ(s.cell(c, r + 1).border[3].style, LineStyle::Solid);
            EXPECT_EQ(s.cell(c, r + 1).border[3].colour, 0xE0E0E0u);
            EXPECT_EQ(s.cell(c, r).border[3].style, LineStyle::None);
        }
    }
    EXPECT_EQ(s.cell(0, 1).text, ""); // no row numbers

    // Kind 5 ignores the axis number and reads the first grid.
    Fixture jv(5, 0, 0, 3);
    PrintSheet s5;
    const PrintLayout l = PrintTable_Build(s5, jv.src, kTextHeight, kFrameWidth);
    EXPECT_EQ(l.title, "Automatic operation data setting(JV-ZR).");
    EXPECT_EQ(s5.cell(7, 2).text, "0:2:6");
    EXPECT_EQ(s5.cell(1, 1).number, 0);
}

TEST(PrintTables, PositioningPagesPerThirtyRows)
{
    struct Case { int first, last, rows, pages; } cases[] = {
        {7, 7, 2, 1}, {0, 14, 30, 1}, {0, 15, 32, 2}, {0, 255, 512, 18}, {240, 255, 32, 2},
    };
    for (const auto& c : cases) {
        Fixture f(7, c.first, c.last, 1);
        PrintSheet s;
        const PrintLayout l = PrintTable_Build(s, f.src, kTextHeight, kFrameWidth);
        EXPECT_EQ(s.MaxRows(), c.rows) << c.first << "-" << c.last;
        EXPECT_EQ(l.TotalPages, c.pages) << c.first << "-" << c.last;
        EXPECT_EQ(l.pageLabel, "1/" + std::to_string(c.pages));
        EXPECT_EQ(s.cell(1, c.rows - 1).number, c.last);
    }
}

TEST(PrintTables, RowHeightRoundsHalfToEven)
{
    struct Case { double text; int h; } cases[] = {{190.5, 200}, {191.5, 202}, {190.4, 200}, {190.6, 201}};
    for (const auto& c : cases) {
        Fixture f(0);
        PrintSheet s;
        EXPECT_EQ(PrintTable_Build(s, f.src, c.text, kFrameWidth).rowHeight, c.h) << c.text;
    }
}

TEST(PrintTables, KindOutsideTheTenLeavesTheSheetEmpty)
{
    for (int kind : {-1, 10, 99}) {
        Fixture f(0);
        f.src.kind = kind;
        PrintSheet s;
        const PrintLayout l = PrintTable_Build(s, f.src, kTextHeight, kFrameWidth);
        EXPECT_EQ(s.MaxRows(), 0);
        EXPECT_EQ(s.MaxCols(), 0);
        EXPECT_FALSE(l.pageFrameVisible);
        EXPECT_EQ(l.caption, "Print Setting");
        EXPECT_EQ(s.PrintHeader, "");
    }
}

TEST(PrintTables, LoadResetsThePageSettingAndSwitchesThePrintOptionsOn)
{
    Public pub;
    pub.PrintAxesPerPage = "3";
    pub.PrintStepsPerPage = "70";
    Fixture f(1);
    PrintSheet s;
    PrintPreview_Load(pub, s, f.src, kTextHeight, kFrameWidth);
    EXPECT_EQ(pub.PrintAxesPerPage, "1");
    EXPECT_EQ(pub.PrintStepsPerPage, "20");
    EXPECT_TRUE(s.PrintOptions.usedAreaOnly && s.PrintOptions.gridLines && s.PrintOptions.border &&
                s.PrintOptions.shadowedHeaders);
    // The sheet's print settings start as a new sheet's.
    EXPECT_EQ(s.PrintType, PrintAll);
    EXPECT_EQ(s.PrintMarginTop, 720);
    EXPECT_EQ(s.PrintMarginRight, 720);
    EXPECT_EQ(s.PrintPageStart, 1);
    EXPECT_EQ(s.PrintPageEnd, 1);
    EXPECT_EQ(s.PrintCol2(), 3);
    EXPECT_EQ(s.PrintRow2(), 96);
}
