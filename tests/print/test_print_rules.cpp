// Paging, the page setting's and print dialog's entries, the page breaks, the export name.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "print/PrintExport.h"
#include "print/PrintNumbers.h"
#include "print/PrintPaging.h"

using namespace posmod;

TEST(PrintNumbers, NumericTextAcceptsSignDigitsPointAndExponentOnly)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct Case { const char* text; bool numeric; double value; } cases[] = {
        {"12", true, 12}, {"-12", true, -12}, {"+12", true, 12}, {"12.5", true, 12.5}, {".5", true, 0.5},
        {"7.", true, 7}, {"1e3", true, 1000}, {"1.5E-2", true, 0.015}, {"-2e+2", true, -200}, {"0", true, 0},
        {"1e999", true, inf}, {"-1e999", true, -inf}, {"1e-999", true, 0}, {"0.000e999", true, 0},
        {"", false, 0}, {"-", false, 0}, {".", false, 0}, {"e5", false, 0}, {"1e", false, 0}, {"1e+", false, 0},
        {" 12", false, 0}, {"12 ", false, 0}, {"1,5", false, 0}, {"inf", false, 0}, {"nan", false, 0},
        {"0x1p3", false, 0}, {"&H10", false, 0}, {"1.2.3", false, 0}, {"--1", false, 0}, {"abc", false, 0},
    };
    for (const auto& c : cases) {
        const auto v = NumericText_Value(c.text);
        EXPECT_EQ(v.has_value(), c.numeric) << '"' << c.text << '"';
        if (v && c.numeric) {
            EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
        }
    }
}

TEST(PrintNumbers, MarginBoxesRefuseWhatASingleCannotHold)
{
    struct Case { const char* text; bool ok; float value; } cases[] = {
        {"1440", true, 1440}, {"12.5", true, 12.5f}, {"-720", true, -720}, {"3.4e38", true, 3.4e38f},
        {"3.5e38", false, 0}, {"-1e39", false, 0}, {"1e999", false, 0}, {"abc", false, 0},
    };
    for (const auto& c : cases) {
        const auto v = MarginText_Value(c.text);
        EXPECT_EQ(v.has_value(), c.ok) << c.text;
        if (v && c.ok) {
            EXPECT_FLOAT_EQ(*v, c.value) << c.text;
        }
    }
    EXPECT_EQ(SingleText(1440), "1440");
    EXPECT_EQ(SingleText(12.5f), "12.5");
    EXPECT_EQ(SingleText(-0.0f), "0");
    EXPECT_EQ(SingleText(0.1f), "0.1");
}

TEST(PrintNumbers, RoundingGoesHalfToEven)
{
    struct Case { double v, want; } cases[] = {
        {2.5, 2}, {3.5, 4}, {0.5, 0}, {1.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3},
        {719.5, 720}, {720.5, 720}, {-3.2, -3}, {-3.7, -4}, {7, 7},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.v), c.want) << c.v;
}

TEST(PreviewPaging, PageTurnsStopAtBothEnds)
{
    PreviewPaging p{5, 1, 3};
    EXPECT_FALSE(Paging_ExPage(p));
    EXPECT_EQ(p.CurrentPage, 1);
    EXPECT_TRUE(Paging_NextPage(p));
    EXPECT_TRUE(Paging_NextPage(p));
    EXPECT_FALSE(Paging_NextPage(p));
    EXPECT_EQ(p.CurrentPage, 3);
    EXPECT_TRUE(Paging_ExPage(p));
    EXPECT_EQ(p.CurrentPage, 2);

    PrintSheet s;
    s.setMaxRows(512);
    s.LeftCol = 4;
    Paging_Show(p, s);
    EXPECT_EQ(s.TopRow, 31); // the 16th step
    EXPECT_EQ(s.LeftCol, 1);
    EXPECT_TRUE(s.Redraw);

    struct Case { int kind, page, top; } cases[] = {{1, 1, 1}, {1, 2, 25}, {1, 4, 73}, {5, 2, 31}, {9, 18, 511}};
    for (const auto& c : cases) EXPECT_EQ(ScreenPageTopRow(c.kind, c.page), c.top) << c.kind << "/" << c.page;
}

TEST(PreviewPaging, PageJumpChecksEmptyNumericAndLimitInThatOrder)
{
    struct Case { const char* text; PageJumpError want; } cases[] = {
        {"", PageJumpError::Empty}, {"1.5", PageJumpError::Numeric}, {"A", PageJumpError::Numeric},
        {"-", PageJumpError::Numeric}, {"+2", PageJumpError::Numeric}, {" 2", PageJumpError::Numeric},
        {"0", PageJumpError::Limit}, {"-1", PageJumpError::Limit}, {"5", PageJumpError::Limit},
        {"99999", PageJumpError::Limit}, {"99999999999999999999999", PageJumpError::Limit},
        {"1", PageJumpError::None}, {"4", PageJumpError::None}, {"004", PageJumpError::None},
    };
    for (const auto& c : cases) {
        int page = -7;
        EXPECT_EQ(PageJump_Check(c.text, 4, page), c.want) << '"' << c.text << '"';
        if (c.want != PageJumpError::None) {
            EXPECT_EQ(page, -7) << c.text;
        }
    }
    int page = 0;
    PageJump_Check("004", 4, page);
    EXPECT_EQ(page, 4);
    EXPECT_STREQ(PageJump_Message(PageJumpError::Empty), "Data isn't set.  Please set the data.");
    EXPECT_STREQ(PageJump_Message(PageJumpError::Numeric), "Data Numeric Error.");
    EXPECT_STREQ(PageJump_Message(PageJumpError::Limit), "Data Limit Error.");
}

TEST(PageSetting, PerPageValuesAreNumbersRoundedIntoTheirRange)
{
    struct Case { const char* text; bool axes; PerPageError want; int value; } cases[] = {
        {"1", true, PerPageError::None, 1}, {"4", true, PerPageError::None, 4}, {"2.5", true, PerPageError::None, 2},
        {"3.5", true, PerPageError::None, 4}, {"4.5", true, PerPageError::None, 4}, {"0.5", true, PerPageError::Limit, 0},
        {"5", true, PerPageError::Limit, 0}, {"0", true, PerPageError::Limit, 0}, {"-1", true, PerPageError::Limit, 0},
        {"abc", true, PerPageError::Numeric, 0}, {"", true, PerPageError::Numeric, 0},
        {"20", false, PerPageError::None, 20}, {"256", false, PerPageError::None, 256},
        {"256.5", false, PerPageError::None, 256}, {"257", false, PerPageError::Limit, 0},
        {"1e999", false, PerPageError::Limit, 0}, {"1", false, PerPageError::None, 1},
        {"0", false, PerPageError::Limit, 0}, {"ten", false, PerPageError::Numeric, 0},
    };
    for (const auto& c : cases) {
        int v = 0;
        EXPECT_EQ(PerPage_Check(c.text, c.axes, v), c.want) << c.text << (c.axes ? " axes" : " steps");
        EXPECT_EQ(v, c.value) << c.text;
    }
    EXPECT_STREQ(PerPage_Message(PerPageError::Numeric), "Cannot input it besides a number.");
    EXPECT_STREQ(PerPage_Message(PerPageError::Limit), "Data Limit Error.");
}

TEST(PageSetting, MarginsLoadRoundedAndBoxesKeepTheLastNumber)
{
    PrintSheet s;
    s.PrintMarginTop = 1440;
    s.PrintMarginBottom = 720.5;
    s.PrintMarginLeft = 721.5;
    s.PrintMarginRight = -12.5;
    std::array<float, 4> m{};
    const auto texts = PageSetting_LoadMargins(s, m);
    EXPECT_EQ(texts, (std::array<std::string, 4>{"1440", "720", "722", "-12"}));
    EXPECT_EQ(m[2], 722);

    float stored = 720;
    EXPECT_EQ(MarginBox_Check("12.5", stored), nullptr);
    EXPECT_EQ(stored, 12.5f);
    EXPECT_STREQ(MarginBox_Check("abc", stored), "Cannot input it besides a number.");
    EXPECT_STREQ(MarginBox_Check("1e39", stored), "Cannot input it besides a number.");
    EXPECT_EQ(stored, 12.5f);
    EXPECT_EQ(SingleText(stored), "12.5");
}

TEST(PageSetting, OkChecksTheCombosTheKindUsesAndAppliesAllOrNothing)
{
    struct Case {
        int kind;
        const char* axes;
        const char* steps;
        int failed;
        const char* message;
        const char* axesAfter;
        const char* stepsAfter;
    } cases[] = {
        {0, "x", "y", -1, nullptr, "x", "y"},               // single-page tables use neither
        {1, "2.5", "junk", -1, nullptr, "2", "junk"},
        {1, "0", "20", 0, "Data Limit Error.", "1", "20"},
        {1, "two", "20", 0, "Cannot input it besides a number.", "1", "20"},
        {5, "bad", "30", -1, nullptr, "bad", "30"},
        {7, "1", "256", -1, nullptr, "1", "256"},
        {9, "1", "-5", 1, "Data Limit Error.", "1", "20"},
        {6, "1", "", 1, "Cannot input it besides a number.", "1", "20"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + " " + c.axes + " / " + c.steps);
        PrintSheet s;
        Public pub;
        const PageSettingResult r = PageSetting_Ok(s, pub, c.kind, c.axes, c.steps, {100, 200, 300, 400.5f});
        EXPECT_EQ(r.failed, c.failed);
        if (c.message) {
            EXPECT_STREQ(r.message, c.message);
        } else {
            EXPECT_EQ(r.message, nullptr);
        }
        EXPECT_EQ(pub.PrintAxesPerPage, c.axesAfter);
        EXPECT_EQ(pub.PrintStepsPerPage, c.stepsAfter);
        EXPECT_EQ(s.PrintMarginTop, c.failed < 0 ? 100 : 720);
        EXPECT_EQ(s.PrintMarginRight, c.failed < 0 ? 400.5 : 720);
    }
}

TEST(PrintDialog, BoxesCheckInOrderAndStoreRoundedValues)
{
    const char* const numeric = "Cannot input it besides a number.";
    const char* const cols = "Cannot input a value more than maximum row number.";
    const char* const rows = "Cannot input a value more than maximum line number.";
    const char* const low = "Cannot input a value less than 0.";
    const char* const pages = "Cannot input a value more than integer types and a value less than 0.";
    struct Case { PrintBox box; const char* text; const char* message; int stored; } cases[] = {
        {PrintBox::Col, "7", nullptr, 7}, {PrintBox::Col, "8", cols, -1}, {PrintBox::Col2, "0", nullptr, 0},
        {PrintBox::Col2, "-1", low, -1}, {PrintBox::Col, "x", numeric, -1}, {PrintBox::Col, "2.5", nullptr, 2},
        {PrintBox::Col, "3.5", nullptr, 4}, {PrintBox::Col, "7.2", cols, -1}, {PrintBox::Col, "-0.2", low, -1},
        {PrintBox::Row, "512", nullptr, 512}, {PrintBox::Row2, "513", rows, -1}, {PrintBox::Row, "-5", low, -1},
        {PrintBox::Row2, "1e999", rows, -1}, {PrintBox::Row, "-1e999", low, -1},
        {PrintBox::PageStart, "32767", nullptr, 32767}, {PrintBox::PageEnd, "32768", pages, -1},
        {PrintBox::PageStart, "-1", pages, -1}, {PrintBox::PageEnd, "", numeric, -1},
        {PrintBox::PageEnd, "1e2", nullptr, 100},
    };
    for (const auto& c : cases) {
        int stored = -1;
        const char* m = PrintBox_Check(c.box, c.text, 7, 512, stored);
        if (c.message) EXPECT_STREQ(m, c.message) << c.text;
        else EXPECT_EQ(m, nullptr) << c.text;
        EXPECT_EQ(stored, c.stored) << c.text;
    }
}

TEST(PrintDialog, RangeSettingRoundTripsThroughTheSheet)
{
    PrintSheet s;
    s.setMaxCols(7);
    s.setMaxRows(40);
    PrintRangeSetting r = PrintRange_FromSheet(s);
    EXPECT_EQ(r.PrintType, 0);
    EXPECT_EQ(r.Col2, 7);
    EXPECT_EQ(r.Row2, 40);
    r = {3, 2, 5, 2, 4, 3, 9};
    PrintRange_ToSheet(r, s);
    const PrintRangeSetting back = PrintRange_FromSheet(s);
    EXPECT_EQ(back.PrintType, 3);
    EXPECT_EQ(back.PageStart, 2);
    EXPECT_EQ(back.PageEnd, 5);
    EXPECT_EQ(back.Col, 2);
    EXPECT_EQ(back.Col2, 4);
    EXPECT_EQ(back.Row, 3);
    EXPECT_EQ(back.Row2, 9);
}

TEST(PrintDialog, LabelNamesTheTable)
{
    const char* const want[10] = {
        "Common parameter setting(JV-ZR) printing.", "Common parameter setting(JV-ZR4) printing.",
        "Common parameter setting(VELTA-7W) printing.", "Common parameter setting(VELTAK7W) printing.",
        "Common parameter setting(ZRH) printing.", "Automatic operation data setting(JV-ZR) printing.",
        "Automatic operation data setting(JV-ZR4) printing.", "Automatic operation data setting(VELTA-7W) printing.",
        "Automatic operation data setting(VELTAK7W) printing.", "Automatic operation data setting(ZRH) printing.",
    };
    for (int k = 0; k < 10; ++k) EXPECT_EQ(PrintLabel_Text(k), want[k]);
    EXPECT_EQ(PrintLabel_Text(10), "");
}

TEST(PageBreaks, ByKindAndPageSetting)
{
    struct Case { int kind, rows; const char* axes; const char* steps; std::vector<int> breaks; bool ok; } cases[] = {
        {1, 96, "1", "20", {25, 49, 73}, true},
        {1, 96, "2", "20", {49}, true},
        {1, 96, "3", "20", {73}, true},
        {1, 96, "4", "20", {}, true},
        {5, 80, "1", "20", {41}, true},
        {7, 40, "1", "20", {}, true},
        {9, 80, "1", "10", {21, 41, 61}, true},
        {6, 82, "1", "20", {41, 81}, true},
        {8, 2, "1", "1", {}, true},
        {6, 6, "1", "1", {3, 5}, true},
        {0, 12, "2", "10", {}, true},
        {3, 26, "1", "10", {}, true},
        {5, 512, "1", "256", {}, true},
        {5, 512, "1", "255", {511}, true},
        // No whole number of at least 1: no break, and the rule says so instead of looping.
        {1, 96, "0", "20", {}, false},
        {1, 96, "-2", "20", {}, false},
        {5, 80, "1", "0", {}, false},
        {5, 80, "1", "0.4", {}, false},
        {5, 80, "1", "abc", {}, false},
        {5, 80, "1", "", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + " axes " + c.axes + " steps " + c.steps);
        PrintSheet s;
        s.setMaxRows(c.rows);
        s.setMaxCols(3);
        for (int r = 1; r <= c.rows; r += 3) s.setRowPageBreak(r, true); // left from an earlier print
        EXPECT_EQ(PageBreaks_Set(s, c.kind, c.axes, c.steps), c.ok);
        std::vector<int> got;
        for (int r = 1; r <= c.rows; ++r)
            if (s.RowPageBreak(r)) got.push_back(r);
        EXPECT_EQ(got, c.breaks);
    }
}

TEST(PageBreaks, CurrentPagePrintOfAPagedTableRunsWithoutBreaksAndPutsThemBack)
{
    struct Case { int kind, rows; bool currentPage; bool saves; } cases[] = {
        {5, 80, true, true}, {1, 96, true, true}, {5, 80, false, false}, {0, 12, true, false}, {3, 26, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + (c.currentPage ? " current page" : " all"));
        PrintSheet s;
        s.setMaxRows(c.rows);
        s.setMaxCols(3);
        std::vector<bool> saved;
        EXPECT_TRUE(PrintBreaks_Prepare(s, c.kind, "1", "10", c.currentPage, saved));
        EXPECT_EQ(saved.empty(), !c.saves);
        const int breaksAt = c.kind == 1 ? 25 : 21;
        const bool breakSet = c.kind == 1 || c.kind >= 5;
        EXPECT_EQ(s.RowPageBreak(breaksAt), breakSet && !c.saves);
        PrintBreaks_Restore(s, saved);
        EXPECT_EQ(s.RowPageBreak(breaksAt), breakSet);
    }

    PrintSheet s;
    s.setMaxRows(40);
    s.setMaxCols(7);
    PrintRange_Apply({2, 1, 3, 1, 7, 1, 40}, s);
    EXPECT_EQ(s.PrintJobName, "Axis_Print");
    EXPECT_EQ(s.PrintType, PrintCurrentPage);
    EXPECT_EQ(s.PrintPageEnd, 3);
}

TEST(Export, DefaultNameCutsTheFileNameAtItsFirstDot)
{
    struct Case { const char* last; const char* want; } cases[] = {
        {"C:\\data\\axis1.csv", "C:\\data\\axis1"},
        {"/home/u/line3.old.csv", "/home/u/line3"},
        {"line3.old.csv", "line3"},
        {"/home/u.v/data/axis1", "/home/u.v/data/axis1"},
        {"C:\\my.dir\\table.CSV", "C:\\my.dir\\table"},
        {"/tmp/noext", "/tmp/noext"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ExportDefaultName(c.last), c.want) << c.last;
}

TEST(Export, SuffixIsAddedUnlessPresentInAnyCase)
{
    struct Case { const char* path; const char* want; } cases[] = {
        {"/tmp/a", "/tmp/a.xlsx"}, {"/tmp/a.xlsx", "/tmp/a.xlsx"}, {"/tmp/a.XLSX", "/tmp/a.XLSX"},
        {"/tmp/a.xls", "/tmp/a.xls.xlsx"}, {"/tmp/a.csv", "/tmp/a.csv.xlsx"}, {"xlsx", "xlsx.xlsx"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExportWithSuffix(c.path), c.want) << c.path;
}
