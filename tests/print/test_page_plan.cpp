// Which rows go on which printed page, the header and footer lines, the error table.
#include <gtest/gtest.h>

#include <set>

#include "shared/PagePlan.h"

using namespace posmod;

namespace {

// A positioning-like sheet: rows of 200 twips, a header row of 200, 7 columns of 1000.
PrintSheet sheet(int rows, bool rowNumbers = false)
{
    PrintSheet s;
    s.setMaxCols(7);
    s.setMaxRows(rows);
    for (int r = 0; r <= rows; ++r) s.setRowHeight(r, 200);
    for (int c = 0; c <= 7; ++c) s.setColWidth(c, 1000);
    s.RowHeaderNumbers = rowNumbers;
    s.PrintOptions.colHeaders = true;
    s.PrintOptions.rowHeaders = true;
    return s;
}

// Room for the header line, the footer line, the header row and exactly 20 rows.
const PageArea kTwentyRows{10000, 300 + 200 + 200 + 20 * 200, 300, 200};

std::vector<std::pair<int, int>> spans(const PagePlan& p) // (first row, last row) per page
{
    std::vector<std::pair<int, int>> out;
    for (const auto& page : p.pages) out.emplace_back(page.rows.front(), page.rows.back());
    return out;
}

std::vector<int> numbers(const PagePlan& p)
{
    std::vector<int> out;
    for (const auto& page : p.pages) out.push_back(page.number);
    return out;
}

} // namespace

TEST(PagePlan, PagesEndWhenFullOrAtABreak)
{
    PrintSheet s = sheet(80);
    PagePlan p = PagePlan_Make(s, kTwentyRows);
    ASSERT_EQ(p.error, PrintError::None);
    EXPECT_EQ(spans(p), (std::vector<std::pair<int, int>>{{1, 20}, {21, 40}, {41, 60}, {61, 80}}));
    EXPECT_EQ(numbers(p), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(p.totalPages, 4);
    EXPECT_DOUBLE_EQ(p.scale, 1);
    EXPECT_DOUBLE_EQ(p.tableTop, 300);
    EXPECT_EQ(p.firstCol, 1);
    EXPECT_EQ(p.lastCol, 7);

    s.setRowPageBreak(31, true);
    s.setRowPageBreak(61, true);
    s.setRowPageBreak(1, true); // a break before the first row opens no empty page
    p = PagePlan_Make(s, kTwentyRows);
    EXPECT_EQ(spans(p), (std::vector<std::pair<int, int>>{{1, 20}, {21, 30}, {31, 50}, {51, 60}, {61, 80}}));

    // Every row is printed once, in order.
    std::vector<int> all;
    for (const auto& page : p.pages) all.insert(all.end(), page.rows.begin(), page.rows.end());
    ASSERT_EQ(all.size(), 80u);
    for (int i = 0; i < 80; ++i) EXPECT_EQ(all[static_cast<size_t>(i)], i + 1);
}

TEST(PagePlan, PrintTypesSelectPages)
{
    using Spans = std::vector<std::pair<int, int>>;
    struct Case {
        int type, start, end, topRow;
        PrintError error;
        Spans spans;
        std::vector<int> numbers;
    } cases[] = {
        {PrintAll, 5, 1, 1, PrintError::None, {{1, 20}, {21, 40}, {41, 60}, {61, 80}}, {1, 2, 3, 4}},
        {PrintPageRange, 2, 3, 1, PrintError::None, {{21, 40}, {41, 60}}, {2, 3}},
        {PrintPageRange, 4, 4, 1, PrintError::None, {{61, 80}}, {4}},
        {PrintPageRange, 3, 99, 1, PrintError::None, {{41, 60}, {61, 80}}, {3, 4}},
        {PrintPageRange, 0, 1, 1, PrintError::None, {{1, 20}}, {1}},
        {PrintPageRange, 0, 0, 1, PrintError::None, {{1, 20}}, {1}},
        {PrintPageRange, 5, 9, 1, PrintError::NoPage, {}, {}},
        {PrintPageRange, 3, 2, 1, PrintError::NoPage, {}, {}},
        {PrintCurrentPage, 1, 1, 31, PrintError::None, {{21, 40}}, {2}},
        {PrintCurrentPage, 1, 1, 80, PrintError::None, {{61, 80}}, {4}},
        {PrintCurrentPage, 1, 1, 81, PrintError::NoPage, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type) + " " + std::to_string(c.start) + "-" + std::to_string(c.end));
        PrintSheet s = sheet(80);
        s.PrintType = c.type;
        s.PrintPageStart = c.start;
        s.PrintPageEnd = c.end;
        s.TopRow = c.topRow;
        const PagePlan p = PagePlan_Make(s, kTwentyRows);
        EXPECT_EQ(p.error, c.error);
        EXPECT_EQ(spans(p), c.spans);
        EXPECT_EQ(numbers(p), c.numbers);
    }
}

TEST(PagePlan, CellBlockPrintsItsRowsAndColumnsOnly)
{
    struct Case {
        int col, row, col2, row2;
        PrintError error;
        int firstCol, lastCol, firstRow, lastRow, pages;
    } cases[] = {
        {2, 5, 4, 10, PrintError::None, 2, 4, 5, 10, 1},
        {0, 0, 0, 0, PrintError::None, 1, 1, 1, 1, 1},       // a bound 0 counts as 1
        {0, 0, 7, 80, PrintError::None, 1, 7, 1, 80, 4},
        {3, 70, 99, 999, PrintError::None, 3, 7, 70, 80, 1}, // ends beyond the sheet: its last
        {4, 5, 2, 10, PrintError::NoCell, 0, 0, 0, 0, 0},    // inverted
        {2, 10, 4, 5, PrintError::NoCell, 0, 0, 0, 0, 0},
        {8, 1, 9, 5, PrintError::NoCell, 0, 0, 0, 0, 0},     // outside the sheet
        {1, 81, 3, 90, PrintError::NoCell, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.col) + "," + std::to_string(c.row) + " - " + std::to_string(c.col2) + "," +
                     std::to_string(c.row2));
        PrintSheet s = sheet(80);
        s.PrintType = PrintCellBlock;
        s.PrintCol = c.col;
        s.PrintRow = c.row;
        s.setPrintCol2(c.col2);
        s.setPrintRow2(c.row2);
        const PagePlan p = PagePlan_Make(s, kTwentyRows);
        EXPECT_EQ(p.error, c.error);
        if (c.error != PrintError::None) {
            EXPECT_TRUE(p.pages.empty());
            continue;
        }
        EXPECT_EQ(p.firstCol, c.firstCol);
        EXPECT_EQ(p.lastCol, c.lastCol);
        ASSERT_EQ(static_cast<int>(p.pages.size()), c.pages);
        EXPECT_EQ(p.pages.front().rows.front(), c.firstRow);
        EXPECT_EQ(p.pages.back().rows.back(), c.lastRow);
        EXPECT_EQ(p.pages.front().number, 1);
    }
}

TEST(PagePlan, AWideTableIsScaledDownAndTheRowHeaderPrintsOnlyWithNumbers)
{
    PrintSheet s = sheet(80, false);
    PageArea narrow = kTwentyRows;
    narrow.width = 3500; // the table is 7000 wide
    PagePlan p = PagePlan_Make(s, narrow);
    ASSERT_EQ(p.error, PrintError::None);
    EXPECT_FALSE(p.rowHeaders);
    EXPECT_DOUBLE_EQ(p.scale, 0.5);
    // At half size the page holds (4200 / 0.5 - 200) / 200 = 41 rows.
    EXPECT_EQ(p.pages.front().rows.size(), 41u);

    PrintSheet numbered = sheet(80, true);
    narrow.width = 4000; // 8000 with the row-header column
    p = PagePlan_Make(numbered, narrow);
    EXPECT_TRUE(p.rowHeaders);
    EXPECT_DOUBLE_EQ(p.scale, 0.5);
    numbered.PrintOptions.rowHeaders = false;
    EXPECT_FALSE(PagePlan_Make(numbered, narrow).rowHeaders);
}

TEST(PagePlan, MarginsThatLeaveNoRoomAndEmptySheetsAreRefused)
{
    PrintSheet s = sheet(10);
    struct Case { PageArea area; PrintError want; } cases[] = {
        {{0, 5000, 300, 200}, PrintError::NoPrintableArea},
        {{-100, 5000, 300, 200}, PrintError::NoPrintableArea},
        {{10000, 400, 300, 200}, PrintError::NoPrintableArea},   // header and footer fill it
        {{10000, 850, 300, 200}, PrintError::NoPrintableArea},   // the header row but no row
        {{10000, 900, 300, 200}, PrintError::None},              // one row a page
    };
    for (const auto& c : cases) {
        const PagePlan p = PagePlan_Make(s, c.area);
        EXPECT_EQ(p.error, c.want) << c.area.width << " x " << c.area.height;
        if (c.want == PrintError::None) {
            EXPECT_EQ(p.pages.size(), 10u);
        }
    }
    EXPECT_EQ(PagePlan_Make(PrintSheet{}, kTwentyRows).error, PrintError::EmptySheet);

    // The paper less the margins; a negative margin counts as 0.
    s.PrintMarginLeft = -500;
    s.PrintMarginRight = 1000;
    s.PrintMarginTop = 720;
    s.PrintMarginBottom = 16000;
    const PageArea a = PageArea_FromPaper(11906, 16838, s);
    EXPECT_DOUBLE_EQ(a.width, 10906);
    EXPECT_DOUBLE_EQ(a.height, 118);
}

TEST(PrintErrors, EveryErrorHasOneNumberAndAMessage)
{
    std::set<int> seen;
    for (const auto& e : kPrintErrors) {
        EXPECT_TRUE(seen.insert(e.number).second) << e.number;
        EXPECT_EQ(PrintError_Message(e.error), std::to_string(e.number) + ":" + e.description);
    }
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_EQ(PrintError_Message(PrintError::None), "");
    EXPECT_EQ(PrintError_Message(PrintError::NoPrintableArea), "30003:The margins leave no printable area");
}

TEST(HeaderFooter, CodesSetAlignmentFontAndPageNumber)
{
    auto header = HeaderFooter_Parse("/l/fn\"ARIAL\"/fz\"12\"/fb1/fi0/fu0/fk0Common parameter setting(ZRH).", 1);
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(header[0].align, HeaderAlign::Left);
    EXPECT_EQ(header[0].font, "ARIAL");
    EXPECT_EQ(header[0].size, 12);
    EXPECT_TRUE(header[0].bold);
    EXPECT_FALSE(header[0].italic || header[0].underline || header[0].strike);
    EXPECT_EQ(header[0].text, "Common parameter setting(ZRH).");

    auto footer = HeaderFooter_Parse("/c/fn\"ARIAL\"/fz\"9\"/fb0/fi0/fu0/fk0- /p -", 3);
    ASSERT_EQ(footer.size(), 1u);
    EXPECT_EQ(footer[0].align, HeaderAlign::Centre);
    EXPECT_EQ(footer[0].size, 9);
    EXPECT_FALSE(footer[0].bold);
    EXPECT_EQ(footer[0].text, "- 3 -");

    auto mixed = HeaderFooter_Parse("/lLeft /fb1bold/fi1/fu1/fk1 all/c/fb0Mid/r/P of 9 / x", 12);
    ASSERT_EQ(mixed.size(), 5u);
    EXPECT_EQ(mixed[0].text, "Left ");
    EXPECT_FALSE(mixed[0].bold);
    EXPECT_EQ(mixed[1].text, "bold");
    EXPECT_TRUE(mixed[1].bold);
    EXPECT_EQ(mixed[2].text, " all");
    EXPECT_TRUE(mixed[2].italic && mixed[2].underline && mixed[2].strike);
    EXPECT_EQ(mixed[3].align, HeaderAlign::Centre);
    EXPECT_EQ(mixed[3].text, "Mid");
    EXPECT_EQ(mixed[4].align, HeaderAlign::Right);
    EXPECT_EQ(mixed[4].text, "12 of 9 / x");
    EXPECT_EQ(HeaderFooter_Text(mixed), "Left bold allMid12 of 9 / x");

    EXPECT_TRUE(HeaderFooter_Parse("", 1).empty());
    EXPECT_EQ(HeaderFooter_Text(HeaderFooter_Parse("/fn\"unterminated", 1)), "");
}
