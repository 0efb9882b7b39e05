// The sheet printed to PDF, exported as a workbook and shown on screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <regex>

#include "platform/QtFiles.h"
#include "platform/SheetExport.h"
#include "platform/SheetPrinter.h"
#include "platform/SheetView.h"
#include "print/PrintPaging.h"
#include "print/PrintTables.h"
#include "support/QtApp.h"

using namespace posmod;
using posmod::test::app;

namespace {

// A positioning table of steps first..last from a grid whose values are hexadecimal texts.
struct Table {
    MemGrid grid;
    PrintSheet sheet;
    PrintLayout layout;

    Table(int kind, int first, int last)
    {
        app();
        const int rows = 2 * (last - first + 1);
        grid = MemGrid(rows + 1, 9);
        for (int r = 1; r <= rows; ++r) {
            grid.setTextMatrix(r, 2, "1E10"); // hexadecimal that would read as a number
            grid.setTextMatrix(r, 3, "00" + std::to_string(10 + r % 80));
            grid.setTextMatrix(r, 4, "7FFFFFFF");
        }
        PrintSource src;
        src.kind = kind;
        src.grids = {&grid, &grid, &grid, &grid};
        src.axisNames = {"X", "Y", "C", "D"};
        src.range = {0, first, last};
        Public pub;
        layout = PrintPreview_Load(pub, sheet, src, SheetTextHeightTwips(), 1500);
    }
};

std::unique_ptr<QPrinter> pdfPrinter(const QString& file)
{
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(file);
    p->setPageSize(QPageSize(QPageSize::A4));
    return p;
}

// The text of each page of a PDF.
std::vector<std::string> pdfPages(const QString& file)
{
    QProcess p;
    p.start("pdftotext", {"-layout", file, "-"});
    EXPECT_TRUE(p.waitForFinished(30000));
    std::string all = p.readAllStandardOutput().toStdString();
    std::vector<std::string> pages;
    size_t start = 0, ff;
    while ((ff = all.find('\f', start)) != std::string::npos) {
        pages.push_back(all.substr(start, ff - start));
        start = ff + 1;
    }
    return pages;
}

std::string unzipEntry(const QString& zip, const QString& entry)
{
    QProcess p;
    p.start("unzip", {"-p", zip, entry});
    EXPECT_TRUE(p.waitForFinished(30000));
    return p.readAllStandardOutput().toStdString();
}

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

} // namespace

TEST(SheetPrint, PdfPagesFollowThePagePlan)
{
    struct Case {
        const char* name;
        int steps;
        const char* stepsPerPage;
        int type, start, end;
    } cases[] = {
        {"breaks every 20 steps", 100, "20", PrintAll, 1, 1},
        {"full pages, no breaks", 256, "256", PrintAll, 1, 1},
        {"pages 2 to 3", 100, "20", PrintPageRange, 2, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Table t(5, 0, c.steps - 1);
        QTemporaryDir dir;
        const QString file = dir.filePath("table.pdf");
        std::vector<bool> saved;
        ASSERT_TRUE(PrintBreaks_Prepare(t.sheet, 5, "1", c.stepsPerPage, false, saved));
        PrintRange_Apply({c.type, c.start, c.end, 1, 7, 1, t.sheet.MaxRows()}, t.sheet);
        auto printer = pdfPrinter(file);
        const SheetPrintResult r = SheetPrint(t.sheet, *printer);
        ASSERT_EQ(r.error, PrintError::None);
        EXPECT_EQ(printer->docName(), "Axis_Print");
        const PagePlan& plan = r.plan;
        EXPECT_EQ(r.pagesPrinted, static_cast<int>(plan.pages.size()));
        if (c.stepsPerPage == std::string("20")) {
            ASSERT_EQ(plan.totalPages, 5);
            EXPECT_EQ(plan.pages.front().rows.size(), 40u);
        } else {
            EXPECT_GT(plan.totalPages, 2); // 512 rows do not fit on two A4 pages
        }
        const auto pages = pdfPages(file);
        ASSERT_EQ(pages.size(), plan.pages.size());
        for (size_t i = 0; i < pages.size(); ++i) {
            SCOPED_TRACE("page " + std::to_string(i + 1));
            const PlannedPage& page = plan.pages[i];
            EXPECT_TRUE(contains(pages[i], "Automatic operation data setting(JV-ZR)."));
            EXPECT_TRUE(contains(pages[i], "Target position")); // the column headers on every page
            EXPECT_TRUE(std::regex_search(pages[i], std::regex("-\\s*" + std::to_string(page.number) + "\\s*-")))
                << pages[i].substr(pages[i].size() > 200 ? pages[i].size() - 200 : 0);
            // The first and last step number on the page (a page may start on a step's second row).
            const int firstStep = page.rows.front() / 2, lastStep = (page.rows.back() - 1) / 2;
            EXPECT_TRUE(std::regex_search(pages[i], std::regex("(^|\\n)\\s*" + std::to_string(firstStep) + "\\s+Current data")));
            EXPECT_TRUE(std::regex_search(pages[i], std::regex("(^|\\n)\\s*" + std::to_string(lastStep) + "\\s+Current data")));
        }
    }
}

TEST(SheetPrint, CurrentPagePrintsThePageOfTheTopRowAndKeepsTheBreaks)
{
    Table t(7, 0, 99);
    QTemporaryDir dir;
    const QString file = dir.filePath("current.pdf");
    t.sheet.TopRow = 31;
    std::vector<bool> saved;
    ASSERT_TRUE(PrintBreaks_Prepare(t.sheet, 7, "1", "10", true, saved));
    PrintRange_Apply({PrintCurrentPage, 1, 1, 1, 7, 1, t.sheet.MaxRows()}, t.sheet);
    auto printer = pdfPrinter(file);
    const SheetPrintResult r = SheetPrint(t.sheet, *printer);
    PrintBreaks_Restore(t.sheet, saved);
    ASSERT_EQ(r.error, PrintError::None);
    ASSERT_EQ(r.plan.pages.size(), 1u);
    // Without the breaks row 31 lies on the first full page, which holds more than 10 steps.
    EXPECT_EQ(r.plan.pages[0].number, 1);
    EXPECT_GT(r.plan.pages[0].rows.size(), 31u);
    EXPECT_EQ(pdfPages(file).size(), 1u);
    EXPECT_TRUE(t.sheet.RowPageBreak(21));
    EXPECT_TRUE(t.sheet.RowPageBreak(41));
}

TEST(SheetPrint, ParameterTablePrintsItsRowNumbersAndScalesAWideTable)
{
    app();
    MemGrid g(13, 4);
    for (int r = 1; r <= 12; ++r) g.setTextMatrix(r, 2, "ABCD");
    PrintSource src;
    src.kind = 0;
    src.grids[0] = &g;
    PrintSheet s;
    Public pub;
    PrintPreview_Load(pub, s, src, SheetTextHeightTwips(), 1500);
    s.setColWidth(1, 30000); // far wider than A4
    QTemporaryDir dir;
    const QString file = dir.filePath("param.pdf");
    auto printer = pdfPrinter(file);
    const SheetPrintResult r = SheetPrint(s, *printer);
    ASSERT_EQ(r.error, PrintError::None);
    EXPECT_TRUE(r.plan.rowHeaders);
    EXPECT_LT(r.plan.scale, 0.5);
    const auto pages = pdfPages(file);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(contains(pages[0], "Setting data(Hex)")); // the last column is there, not cut off
    EXPECT_TRUE(contains(pages[0], "Home position data"));
    EXPECT_TRUE(std::regex_search(pages[0], std::regex("(^|\\n)\\s*12\\s+Home position data")));
}

TEST(SheetPrint, RefusedPrintsLeaveNoFile)
{
    struct Case { const char* name; double margin; bool missingFolder; int type; PrintError want; } cases[] = {
        {"missing folder", 720, true, PrintAll, PrintError::DeviceOpen},
        {"margins fill the page", 9000, false, PrintAll, PrintError::NoPrintableArea},
        {"pages beyond the last", 720, false, PrintPageRange, PrintError::NoPage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Table t(5, 0, 9);
        QTemporaryDir dir;
        const QString file = c.missingFolder ? dir.filePath("no/such/folder/x.pdf") : dir.filePath("x.pdf");
        t.sheet.PrintMarginLeft = t.sheet.PrintMarginRight = t.sheet.PrintMarginTop = t.sheet.PrintMarginBottom = c.margin;
        t.sheet.PrintType = c.type;
        t.sheet.PrintPageStart = 5;
        t.sheet.PrintPageEnd = 6;
        auto printer = pdfPrinter(file);
        const SheetPrintResult r = SheetPrint(t.sheet, *printer);
        EXPECT_EQ(r.error, c.want);
        EXPECT_EQ(r.pagesPrinted, 0);
        EXPECT_FALSE(QFile::exists(file));
        EXPECT_FALSE(PrintError_Message(r.error).empty());
    }
}

TEST(SheetExport, WorkbookHoldsTheSheetWithTextsAsStringsAndStepsAsNumbers)
{
    QtFileWriter writer;
    Table t(5, 3, 4);
    QTemporaryDir dir;
    const QString file = dir.filePath("table.xlsx");
    ASSERT_TRUE(SheetExport_Xlsx(t.sheet, file.toStdString(), "Sheet", writer));
    EXPECT_TRUE(contains(unzipEntry(file, "xl/workbook.xml"), "name=\"Sheet\""));
    const std::string strings = unzipEntry(file, "xl/sharedStrings.xml");
    for (const char* s : {"Step", "Setting", "Mode/Dwell", "Target position", "Current data", "1E10", "0011", "7FFFFFFF"})
        EXPECT_TRUE(contains(strings, std::string(">") + s + "<")) << s;
    const std::string sheet = unzipEntry(file, "xl/worksheets/sheet1.xml");
    // No row numbers here: "Step" is column A; the steps are numbers, the values strings.
    EXPECT_TRUE(std::regex_search(sheet, std::regex("<c r=\"A2\"[^>]*><v>3</v></c>"))) << sheet;
    EXPECT_TRUE(std::regex_search(sheet, std::regex("<c r=\"A4\"[^>]*><v>4</v></c>")));
    EXPECT_TRUE(std::regex_search(sheet, std::regex("<c r=\"C2\"[^>]* t=\"s\"")));
    EXPECT_FALSE(std::regex_search(sheet, std::regex("<c r=\"C2\"[^>]*><v>1E10")));
    EXPECT_TRUE(std::regex_search(sheet, std::regex("<c r=\"A1\"[^>]* t=\"s\"")));
    // Widths carried over: 600 and 1550 twips are 40 and about 103 pixels.
    std::smatch m;
    ASSERT_TRUE(std::regex_search(sheet, m, std::regex("<col min=\"1\" max=\"1\" width=\"([0-9.]+)\"")));
    const double narrow = std::stod(m[1]);
    ASSERT_TRUE(std::regex_search(sheet, m, std::regex("<col min=\"4\" max=\"4\" width=\"([0-9.]+)\"")));
    EXPECT_GT(std::stod(m[1]), 2 * narrow);

    // A parameter table writes its row numbers as numbers in column A.
    MemGrid g(13, 4);
    PrintSource src;
    src.kind = 0;
    src.grids[0] = &g;
    PrintSheet p;
    PrintTable_Build(p, src, 200, 1500);
    const QString pfile = dir.filePath("param.xlsx");
    ASSERT_TRUE(SheetExport_Xlsx(p, pfile.toStdString(), "Sheet", writer));
    const std::string psheet = unzipEntry(pfile, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(std::regex_search(psheet, std::regex("<c r=\"A13\"[^>]*><v>12</v></c>")));
    EXPECT_TRUE(contains(unzipEntry(pfile, "xl/sharedStrings.xml"), ">No.<"));
}

TEST(SheetExport, AFailureKeepsTheOldFileAndLeavesNothingBehind)
{
    QtFileWriter writer;
    Table t(5, 0, 1);
    QTemporaryDir dir;
    const QString file = dir.filePath("keep.xlsx");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old contents");
    }
    // A sheet name the workbook refuses makes the write fail after the temporary file exists.
    EXPECT_FALSE(SheetExport_Xlsx(t.sheet, file.toStdString(), "bad[name]", writer));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("old contents"));
    f.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    EXPECT_FALSE(SheetExport_Xlsx(t.sheet, dir.filePath("missing/x.xlsx").toStdString(), "Sheet", writer));
    EXPECT_FALSE(SheetExport_Xlsx(t.sheet, "", "Sheet", writer));

    // A good write replaces the old file whole.
    ASSERT_TRUE(SheetExport_Xlsx(t.sheet, file.toStdString(), "Sheet", writer));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("PK"));
    f.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    // A link is written where it points and stays a link; a folder is never replaced.
    const QString link = dir.filePath("link.xlsx");
    ASSERT_TRUE(QFile::link(file, link));
    QFile::remove(file);
    ASSERT_TRUE(SheetExport_Xlsx(t.sheet, link.toStdString(), "Sheet", writer));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(file).isFile());
    QDir().mkpath(dir.filePath("folder.xlsx/inside"));
    EXPECT_FALSE(SheetExport_Xlsx(t.sheet, dir.filePath("folder.xlsx").toStdString(), "Sheet", writer));
    EXPECT_TRUE(QDir(dir.filePath("folder.xlsx/inside")).exists());
}

TEST(SheetView, ShowsTheSheetReadOnlyAtFifteenTwipsAPixel)
{
    Table t(6, 0, 49);
    SheetView v;
    v.resize(800, 400);
    v.setSheet(&t.sheet);
    ASSERT_NE(v.model(), nullptr);
    EXPECT_EQ(v.model()->rowCount(), 100);
    EXPECT_EQ(v.model()->columnCount(), 9);
    EXPECT_EQ(v.model()->headerData(0, Qt::Horizontal).toString(), "Step");
    EXPECT_EQ(v.model()->data(v.model()->index(0, 0)).toString(), "0");
    EXPECT_EQ(v.model()->data(v.model()->index(1, 1)).toString(), "Setting data");
    EXPECT_FALSE(v.model()->flags(v.model()->index(0, 2)) & Qt::ItemIsEditable);
    EXPECT_EQ(v.columnWidth(0), 40);  // 600 twips
    EXPECT_EQ(v.columnWidth(1), 77);  // 1150 twips
    EXPECT_EQ(v.rowHeight(0), SheetView::twipsToPixels(t.sheet.RowHeight(1)));
    EXPECT_FALSE(v.verticalHeader()->isVisible());

    PreviewPaging paging{6, 1, t.layout.TotalPages};
    ASSERT_TRUE(Paging_NextPage(paging));
    Paging_Show(paging, t.sheet);
    v.showTopRow();
    EXPECT_EQ(v.topRow(), 31);
}
