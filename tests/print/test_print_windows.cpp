// The preview, its page-setting and print dialogs offscreen: built from grids, paged, set,
// printed to PDF and exported, with the dialogs answered in-process.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <regex>

#include "platform/PrinterChoice.h"
#include "platform/QtFiles.h"
#include "platform/QtRuntime.h"
#include "platform/SheetView.h"
#include "print/ui/frmPrintDisp.h"
#include "print/ui/frmPrintPageForm.h"
#include "print/ui/frmPrintPrint.h"
#include "shared/Files.h"
#include "shared/Grid.h"
#include "shared/Public.h"
#include "shared/ui/WindowShell.h"
#include "support/CaptureSink.h"
#include "support/FakeFiles.h"
#include "ui/DialogCheck.h"
#include "ui/UiFixture.h"

using namespace posmod;

namespace {

// The one application object of the program, shared with the editors' tests in it.
using posmod::test::app;

// Modal dialogs handed to the next handler of a queue instead of a modal loop; the dialogs over
// the preview created as their rows create them, with the test's services.
struct DialogShell : WindowShell {
    std::deque<std::function<void(QDialog&)>> handlers;
    int dialogs = 0;
    PrintServices* services = nullptr;
    void FormControl_Enable(uint8_t, bool) override {}
    bool FormControl_Enabled(uint8_t) const override { return true; }
    QWidget* form(int) override { return nullptr; }
    bool operationRunning() const override { return false; }
    bool linkBusy() const override { return false; }
    void execDialog(QDialog& d) override
    {
        ++dialogs;
        for (const std::string& fault : test::DialogFaults(d, d.parentWidget() ? d.parentWidget()->window() : nullptr))
            ADD_FAILURE() << fault;
        if (handlers.empty()) return;
        auto h = std::move(handlers.front());
        handlers.pop_front();
        d.show();
        d.activateWindow();
        (void)QTest::qWaitForWindowActive(&d);
        h(d);
    }
    int openDialog(dialog::No dialogNo, QWidget& opener) override
    {
        const DialogPtr d = DialogTable_OverPreview(dialogNo, *services, opener);
        if (!d) {
            ADD_FAILURE() << "dialog " << dialogNo << " is no dialog of the preview";
            return QDialog::Rejected;
        }
        execDialog(*d);
        return d->result();
    }
    void openAtMain(int) override {}
    void closeForm(int) override {}
};

// The current printer: a PDF file of the test's, or none (the system has no printer).
struct FakePrinters : PrinterChoice {
    std::unique_ptr<QPrinter> printer;
    int setups = 0;
    bool setupAnswer = false;
    QPrinter* current() override { return printer.get(); }
    bool setup(QWidget*) override { ++setups; return setupAnswer; }
    void pdf(const QString& file)
    {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        printer->setPageSize(QPageSize(QPageSize::A4));
    }
};

std::vector<std::string> pdfPages(const QString& file)
{
    QProcess p;
    p.start("pdftotext", {"-layout", file, "-"});
    EXPECT_TRUE(p.waitForFinished(30000));
    const std::string all = p.readAllStandardOutput().toStdString();
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

std::string fileText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<none>");
}

class PrintWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Public pub;
    DialogShell shell;
    CaptureSink messages;
    ScriptedFileDialog csvFiles;
    RememberingFileDialog csvDialog{csvFiles};
    ScriptedFileDialog pdfFiles;
    FakePrinters printers;
    QtRuntime runtime;
    QtFileWriter files;
    PrintServices svc{pub, shell, messages, nullptr, csvDialog, pdfFiles, files, printers, runtime};
    std::array<MemGrid, 4> grids;
    PrintSource src;

    void SetUp() override
    {
        app();
        shell.services = &svc;
    }

    QString path(const char* name) const { return dir.filePath(name); }

    // A table of kind from grids whose cells name their grid, row and column.
    PrintSource& source(int kind, int firstStep = 0, int lastStep = 39)
    {
        const bool positioning = kind >= 5;
        const int rows = positioning ? 2 * (lastStep - firstStep + 1) : 23;
        for (size_t a = 0; a < 4; ++a) {
            grids[a] = MemGrid(rows + 1, 9);
            for (int r = 1; r <= rows; ++r)
                for (int c = 1; c <= 8; ++c)
                    grids[a].setTextMatrix(r, c, "G" + std::to_string(a) + "R" + std::to_string(r) + "C" + std::to_string(c));
        }
        src = PrintSource{};
        src.kind = kind;
        src.grids = {&grids[0], &grids[1], &grids[2], &grids[3]};
        src.axisNames = {"A axis", "B axis", "C axis", "D axis"};
        src.range = {0, firstStep, lastStep};
        pub.PrintDataKind = kind;
        return src;
    }

    std::unique_ptr<frmPrintDisp> preview(int kind, int firstStep = 0, int lastStep = 39)
    {
        auto d = std::make_unique<frmPrintDisp>(svc, source(kind, firstStep, lastStep));
        d->show();
        return d;
    }

    // Shown and active, so that the focus moves between its controls.
    static void Activate(QWidget& w)
    {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    // The focus into a box, its text typed over, then the focus to `next` as a click gives it.
    static void typeInto(QLineEdit* box, const QString& text, QWidget* next = nullptr)
    {
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClicks(box, text);
        if (next) next->setFocus(Qt::MouseFocusReason);
    }
};

// --- the preview ---

TEST_F(PrintWindowTest, PreviewShowsTheTableAndItsPageFrameByKind)
{
    struct Case { int kind; bool paged; const char* caption; const char* label; } cases[] = {
        {0, false, "Common parameter setting(JV-ZR). Print Setting.", ""},
        {1, true, "Common parameter setting(JV-ZR4). Print Setting.", "1/4"},
        {3, false, "Common parameter setting(VELTAK7W). Print Setting.", ""},
        {5, true, "Automatic operation data setting(JV-ZR). Print Setting.", "1/3"},
        {6, true, "[A axis]Automatic operation data setting(JV-ZR4). Print Setting.", "1/3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        auto d = preview(c.kind);
        EXPECT_EQ(d->windowTitle().toStdString(), c.caption);
        EXPECT_EQ(d->PageFrame->isVisible(), c.paged);
        EXPECT_EQ(d->PageD_Label->text().toStdString(), c.label);
        EXPECT_EQ(d->Prn_Spread->model()->rowCount(), d->sheet().MaxRows());
        EXPECT_EQ(d->Prn_Spread->topRow(), 1);
        // The whole table fits the window beside the page frame.
        EXPECT_LE(d->Prn_Spread->geometry().right(), d->width());
        if (c.paged) {
            EXPECT_GT(d->PageFrame->geometry().left(), d->Prn_Spread->geometry().right());
            EXPECT_LE(d->PageFrame->geometry().right(), d->width());
        }
    }
    // A table's cells come from the grids: kind 5, step 0's setting row, column 3 = grid column 2.
    auto d = preview(5, 7, 9);
    EXPECT_EQ(d->sheet().cell(3, 2).text, "G0R2C2");
    EXPECT_EQ(d->sheet().cell(1, 3).number, 8);
}

// The fixed texts of every table, its column headers and the "Current data"/"Setting data"
// labels, are shown whole in the preview's columns.
TEST_F(PrintWindowTest, EveryTablesHeadersAndLabelsFitTheirColumns)
{
    for (int kind = 0; kind <= 9; ++kind) {
        SCOPED_TRACE(kind);
        auto d = preview(kind, 0, 1);
        SheetView* v = d->Prn_Spread;
        const PrintSheet& s = d->sheet();
        const QFontMetrics fm(v->font());
        const int cellMargin = 2 * (v->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, v) + 1);
        const int headerMargin = 2 * v->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, v);
        for (int c = 1; c <= s.MaxCols(); ++c) {
            const QString header = QString::fromStdString(s.cell(0, c).text);
            EXPECT_LE(fm.horizontalAdvance(header) + headerMargin, v->columnWidth(c - 1)) << header.toStdString();
            if (kind < 5) continue;
            for (int r = 1; r <= 2; ++r) {
                const QString label = QString::fromStdString(s.cell(r, 2).text);
                EXPECT_LE(fm.horizontalAdvance(label) + cellMargin, v->columnWidth(1)) << label.toStdString();
            }
        }
    }
}

TEST_F(PrintWindowTest, PagesTurnAndJumpWithTheirMessages)
{
    auto d = preview(1);
    // Ex-page on the first page: nothing, no message.
    d->PageUp_Command->click();
    EXPECT_EQ(d->paging().CurrentPage, 1);
    d->PageDown_Command->click();
    EXPECT_EQ(d->PageD_Label->text(), "2/4");
    EXPECT_EQ(d->Prn_Spread->topRow(), 25);
    struct Jump { const char* text; const char* message; int page; } jumps[] = {
        {"4", nullptr, 4},
        {"", "Data isn't set.  Please set the data.", 4},
        {"1.5", "Data Numeric Error.", 4},
        {"A", "Data Numeric Error.", 4},
        {"0", "Data Limit Error.", 4},
        {"-1", "Data Limit Error.", 4},
        {"99999", "Data Limit Error.", 4},
        {"3", nullptr, 3},
    };
    for (const auto& j : jumps) {
        SCOPED_TRACE(j.text);
        messages.clear();
        d->PageText->setText(j.text);
        d->PjumpCommand->click();
        if (j.message) {
            ASSERT_EQ(messages.texts.size(), 1u);
            EXPECT_EQ(messages.texts[0], j.message);
            EXPECT_EQ(messages.icons[0], MsgIcon::Exclamation);
            EXPECT_EQ(d->PageText->text(), j.text); // the box keeps what was typed
        } else {
            EXPECT_TRUE(messages.texts.empty());
        }
        EXPECT_EQ(d->paging().CurrentPage, j.page);
        EXPECT_EQ(d->Prn_Spread->topRow(), (j.page - 1) * 24 + 1);
    }
    d->PageText->setText("4");
    d->PjumpCommand->click();
    d->PageDown_Command->click(); // on the last page: nothing
    EXPECT_EQ(d->PageD_Label->text(), "4/4");

    auto p = preview(5, 0, 255);
    EXPECT_EQ(p->PageD_Label->text(), "1/18");
    p->PageDown_Command->click();
    EXPECT_EQ(p->Prn_Spread->topRow(), 31);
}

// A last page shorter than the screen still starts with its own top row, blank below the
// table; Next page, Ex-page and Page jump clicked and keyed as the user does.
TEST_F(PrintWindowTest, EveryPageShowsItsOwnTopRow)
{
    struct Case { int kind, firstStep, lastStep, pages; } cases[] = {
        {5, 0, 39, 3},   // 80 rows: the last page holds 20
        {7, 3, 20, 2},   // 36 rows: the last page holds 6
        {6, 0, 255, 18}, // the whole table: the last page holds 2
        {1, 0, 0, 4},    // four whole axis blocks
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        auto d = preview(c.kind, c.firstStep, c.lastStep);
        Activate(*d);
        const int perPage = c.kind == 1 ? 24 : 30;
        SheetView* view = d->Prn_Spread;
        auto expectPage = [&](int page) {
            SCOPED_TRACE(page);
            EXPECT_EQ(d->PageD_Label->text(), QString("%1/%2").arg(page).arg(c.pages));
            EXPECT_EQ(d->sheet().TopRow, (page - 1) * perPage + 1);
            EXPECT_EQ(view->topRow(), d->sheet().TopRow);
        };
        for (int page = 2; page <= c.pages; ++page) {
            QTest::mouseClick(d->PageDown_Command, Qt::LeftButton);
            expectPage(page);
        }
        for (int page = c.pages - 1; page >= 1; --page) {
            d->PageUp_Command->setFocus(Qt::TabFocusReason);
            QTest::keyClick(d->PageUp_Command, Qt::Key_Space);
            expectPage(page);
        }
        typeInto(d->PageText, QString::number(c.pages), d->PjumpCommand);
        QTest::keyClick(d->PjumpCommand, Qt::Key_Space);
        expectPage(c.pages);

        // Below the last row the view is blank: no cells, no grid lines.
        const int lastRow = d->sheet().MaxRows() - 1;
        const int below = view->rowViewportPosition(lastRow) + view->rowHeight(lastRow);
        const QImage shot = view->viewport()->grab().toImage();
        int marks = 0;
        for (int y = below; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) marks += shot.pixel(x, y) != shot.pixel(0, shot.height() - 1);
        EXPECT_EQ(marks, 0);
        // A short last page ends inside the view.
        if (c.kind != 1) {
            EXPECT_LT(below, shot.height());
        }
        // A resize keeps the page's top row; the bar's end brings the last row to the top.
        view->resize(view->width(), view->height() + 45);
        EXPECT_EQ(view->topRow(), d->sheet().TopRow);
        view->resize(view->width(), view->height() - 90);
        EXPECT_EQ(view->topRow(), d->sheet().TopRow);
        QTest::keyClick(view->verticalScrollBar(), Qt::Key_End);
        EXPECT_EQ(view->topRow(), d->sheet().MaxRows());
    }
}

TEST_F(PrintWindowTest, FileMenuCaptionsAndExit)
{
    auto d = preview(0);
    EXPECT_EQ(d->mnuFile->title(), "File(&F)");
    QStringList captions;
    for (QAction* a : d->mnuFile->actions()) captions << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(captions.join("|").toStdString(),
              "Excel work sheet preservation(&E)|Page setting(&U)|Print(&P)|-|Exit(&X)");
    d->mnuFileEnd->trigger();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Rejected);
}

// --- the export ---

TEST_F(PrintWindowTest, ExportProposesTheLastCsvNameCutAndRemembersTheChoice)
{
    auto d = preview(5, 0, 1);
    const std::string folder = dir.path().toStdString() + "/a.b";
    QDir().mkpath(QString::fromStdString(folder));
    // The last CSV file chosen in the shared dialog.
    csvFiles.answers = {folder + "/line3.old.csv"};
    csvDialog.ask({});
    csvFiles.answers = {folder + "/line3"};
    d->mnuE_ExcelWrite->trigger();
    ASSERT_EQ(csvFiles.requests.size(), 2u);
    const FileNameRequest& r = csvFiles.requests[1];
    EXPECT_EQ(r.name, folder + "/line3");
    EXPECT_EQ(r.mode, FileNameRequest::Mode::Save);
    EXPECT_TRUE(r.confirmOverwrite); // the dialog's own question is the only one
    EXPECT_EQ(r.filters, (std::vector<std::string>{"Program Files (*.xlsx)", "All Files (*)"}));
    EXPECT_TRUE(messages.texts.empty());
    const QString xlsx = QString::fromStdString(folder + "/line3.xlsx");
    ASSERT_TRUE(QFile::exists(xlsx));
    EXPECT_TRUE(contains(unzipEntry(xlsx, "xl/workbook.xml"), "name=\"Sheet\""));
    const std::string strings = unzipEntry(xlsx, "xl/sharedStrings.xml");
    EXPECT_TRUE(contains(strings, "Target position"));
    EXPECT_TRUE(contains(strings, "G0R1C2"));
    // The chosen path stays for the next CSV or export dialog.
    EXPECT_EQ(csvDialog.lastName(), folder + "/line3");
    csvFiles.answers = {""};
    csvDialog.ask({});
    EXPECT_EQ(csvFiles.requests.back().name, folder + "/line3");
}

TEST_F(PrintWindowTest, ExportOverwriteConfirmedDeclinedAndFailed)
{
    auto d = preview(0);
    const QString target = path("table.xlsx");
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
    f.close();

    // Declined in the dialog: the dialog gives no name, nothing is written, nothing said.
    csvFiles.answers = {""};
    d->mnuE_ExcelWrite->trigger();
    EXPECT_EQ(fileText(target), "old");
    EXPECT_TRUE(messages.texts.empty());

    // A folder of that name cannot be replaced: the old folder stays, the message shows.
    const QString folder = path("folder.xlsx");
    QDir().mkpath(folder + "/inside");
    csvFiles.answers = {folder.toStdString()};
    d->mnuE_ExcelWrite->trigger();
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"File preservation failed."}));
    EXPECT_EQ(messages.icons, (std::vector<MsgIcon>{MsgIcon::Exclamation}));
    EXPECT_TRUE(QDir(folder + "/inside").exists());
    messages.clear();

    // Confirmed: the workbook replaces the file; no second question.
    csvFiles.answers = {target.toStdString()};
    d->mnuE_ExcelWrite->trigger();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(fileText(target).substr(0, 2), "PK");
    // The suffix is added to a name without it.
    csvFiles.answers = {path("plain").toStdString()};
    d->mnuE_ExcelWrite->trigger();
    EXPECT_TRUE(QFile::exists(path("plain.xlsx")));
    // No temporary file left beside them.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(" ").toStdString(), "plain.xlsx table.xlsx");
}

// --- the page setting ---

TEST_F(PrintWindowTest, PageSettingEnablesThePerPageValuesByKind)
{
    struct Case { int kind; bool frame, axes, steps; } cases[] = {
        {0, false, false, false}, {2, false, false, false}, {1, true, true, false},
        {5, true, false, true},   {9, true, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        auto d = preview(c.kind);
        frmPrintPageForm f(svc, d->sheet());
        EXPECT_EQ(f.windowTitle(), "Page setting");
        EXPECT_EQ(f.NextPage_Frame->isEnabled(), c.frame);
        EXPECT_EQ(f.AxisCombo->isEnabled(), c.axes);
        EXPECT_EQ(f.Page_Label1[0]->isEnabled(), c.axes);
        EXPECT_EQ(f.Page_Label1[1]->isEnabled(), c.axes);
        EXPECT_EQ(f.LineCombo->isEnabled(), c.steps);
        EXPECT_EQ(f.Page_Label2[1]->isEnabled(), c.steps);
        EXPECT_EQ(f.AxisCombo->currentText(), "1");
        EXPECT_EQ(f.LineCombo->currentText(), "20");
        EXPECT_EQ(f.LineCombo->count(), 10);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(f.txtMargin[static_cast<size_t>(i)]->text(), "720");
    }
}

TEST_F(PrintWindowTest, PageSettingMarginsKeptAppliedOrRestored)
{
    auto d = preview(0);
    d->sheet().PrintMarginLeft = 1440.5; // read back rounded half to even
    {
        frmPrintPageForm f(svc, d->sheet());
        Activate(f);
        EXPECT_EQ(f.txtMargin[2]->text(), "1440");
        typeInto(f.txtMargin[0], "12.5", f.txtMargin[1]);
        typeInto(f.txtMargin[1], "abc", f.txtMargin[2]);
        EXPECT_EQ(messages.texts, (std::vector<std::string>{"Cannot input it besides a number."}));
        EXPECT_EQ(f.txtMargin[1]->text(), "720"); // the last valid value again
        // Cancel: the sheet keeps its margins.
        f.cmdCancel->click();
        EXPECT_EQ(d->sheet().PrintMarginTop, 720);
        EXPECT_EQ(f.result(), QDialog::Rejected);
    }
    messages.clear();
    {
        frmPrintPageForm f(svc, d->sheet());
        Activate(f);
        typeInto(f.txtMargin[0], "12.5", f.txtMargin[3]);
        f.cmdOK->click();
        EXPECT_EQ(f.result(), QDialog::Accepted);
        EXPECT_EQ(d->sheet().PrintMarginTop, 12.5);
        EXPECT_EQ(d->sheet().PrintMarginLeft, 1440);
        EXPECT_TRUE(messages.texts.empty());
    }
}

TEST_F(PrintWindowTest, PageSettingOkChecksTheBoxStillHoldingTheFocus)
{
    auto d = preview(5);
    struct Case { const char* text; bool accepted; double top; } cases[] = {
        {"900", true, 900},    // Enter on the default button: the typed margin is used
        {"1e99", false, 720},  // beyond single precision: no number, the box restored, OK stops
        {"inf", false, 720},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        messages.clear();
        d->sheet().PrintMarginTop = 720;
        frmPrintPageForm f(svc, d->sheet());
        Activate(f);
        typeInto(f.txtMargin[0], c.text);
        QTest::keyClick(f.txtMargin[0], Qt::Key_Return);
        EXPECT_EQ(f.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(d->sheet().PrintMarginTop, c.top);
        if (!c.accepted) {
            EXPECT_EQ(messages.texts, (std::vector<std::string>{"Cannot input it besides a number."}));
            EXPECT_EQ(f.txtMargin[0]->text(), "720");
            EXPECT_TRUE(f.isVisible());
        }
    }
    // A click on OK after a refused entry: the message once, and OK stops.
    messages.clear();
    frmPrintPageForm f(svc, d->sheet());
    Activate(f);
    typeInto(f.txtMargin[0], "x");
    QTest::mouseClick(f.cmdOK, Qt::LeftButton);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Cannot input it besides a number."}));
    EXPECT_TRUE(f.isVisible());
}

TEST_F(PrintWindowTest, AnotherWindowTakingTheFocusRunsNoCheck)
{
    auto d = preview(0);
    frmPrintPageForm f(svc, d->sheet());
    Activate(f);
    typeInto(f.txtMargin[0], "abc");
    // The focus goes to another window and comes back: no check, the text stays as typed.
    Activate(*d);
    Activate(f);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(f.txtMargin[0]->text(), "abc");
    // Moving on within the dialog checks it.
    f.txtMargin[1]->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Cannot input it besides a number."}));
}

TEST_F(PrintWindowTest, PageSettingRefusesPerPageValuesOutsideTheirRange)
{
    struct Case { int kind; const char* axes; const char* steps; const char* message; int focus; } cases[] = {
        {5, "1", "0", "Data Limit Error.", 1},
        {5, "1", "-3", "Data Limit Error.", 1},
        {5, "1", "257", "Data Limit Error.", 1},
        {5, "1", "ten", "Cannot input it besides a number.", 1},
        {1, "5", "20", "Data Limit Error.", 0},
        {1, "0.4", "20", "Data Limit Error.", 0}, // rounds to 0
        {5, "junk", "2.5", nullptr, -1},          // the unused combo is skipped; 2.5 rounds to 2
        {0, "junk", "junk", nullptr, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " " + c.axes + " " + c.steps);
        messages.clear();
        auto d = preview(c.kind);
        frmPrintPageForm f(svc, d->sheet());
        Activate(f);
        f.AxisCombo->setCurrentText(c.axes);
        f.LineCombo->setCurrentText(c.steps);
        f.cmdOK->click();
        if (c.message) {
            EXPECT_EQ(messages.texts, (std::vector<std::string>{c.message}));
            EXPECT_EQ(messages.icons, (std::vector<MsgIcon>{MsgIcon::Exclamation}));
            EXPECT_TRUE(f.isVisible());
            EXPECT_EQ(QApplication::focusWidget(), c.focus == 0 ? f.AxisCombo : f.LineCombo);
            EXPECT_EQ(pub.PrintStepsPerPage, "20");
            EXPECT_EQ(pub.PrintAxesPerPage, "1");
        } else {
            EXPECT_TRUE(messages.texts.empty());
            EXPECT_EQ(f.result(), QDialog::Accepted);
        }
    }
    EXPECT_EQ(pub.PrintStepsPerPage, "junk"); // a disabled combo passes its text unchanged
}

TEST_F(PrintWindowTest, PrinterSetUpGoesToTheSystemDialogAndSaysNothing)
{
    auto d = preview(0);
    frmPrintPageForm f(svc, d->sheet());
    EXPECT_EQ(f.Prn_Command->text(), "Printer Set up(&P)");
    f.Prn_Command->click();
    EXPECT_EQ(printers.setups, 1);
    EXPECT_TRUE(messages.texts.empty());
}

// --- the print dialog ---

TEST_F(PrintWindowTest, PrintDialogLoadsFromTheSheetAndChecksItsBoxes)
{
    auto d = preview(5, 0, 39); // 7 columns, 80 rows
    d->sheet().PrintType = PrintPageRange;
    d->sheet().PrintPageStart = 2;
    d->sheet().PrintPageEnd = 3;
    frmPrintPrint p(svc, d->sheet(), [] { return 1; });
    Activate(p);
    EXPECT_EQ(p.windowTitle(), "Print");
    EXPECT_TRUE(p.optPrintType[3]->isChecked());
    EXPECT_TRUE(p.fraPage->isEnabled());
    EXPECT_FALSE(p.fraPrintRange->isEnabled());
    EXPECT_EQ(p.txtPageStart->text(), "2");
    EXPECT_EQ(p.txtCol2->text(), "7");
    EXPECT_EQ(p.txtRow2->text(), "80");
    p.optPrintType[1]->click();
    EXPECT_EQ(p.range().PrintType, PrintCellBlock);
    EXPECT_TRUE(p.fraPrintRange->isEnabled());
    EXPECT_FALSE(p.fraPage->isEnabled());

    struct Case { QLineEdit* box; const char* text; const char* message; const char* shown; } cases[] = {
        {p.txtCol, "7", nullptr, "7"},
        {p.txtCol, "8", "Cannot input a value more than maximum row number.", "7"},
        {p.txtCol, "2.5", nullptr, "2.5"},
        {p.txtRow, "81", "Cannot input a value more than maximum line number.", "1"},
        {p.txtRow2, "-1", "Cannot input a value less than 0.", "80"},
        {p.txtRow, "3.5", nullptr, "3.5"},
        {p.txtCol2, "abc", "Cannot input it besides a number.", "7"},
        {p.txtCol2, "0x10", "Cannot input it besides a number.", "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        messages.clear();
        typeInto(c.box, c.text, p.txtRow2 == c.box ? p.txtCol : p.txtRow2);
        if (c.message) EXPECT_EQ(messages.texts, (std::vector<std::string>{c.message}));
        else EXPECT_TRUE(messages.texts.empty());
        EXPECT_EQ(c.box->text(), c.shown);
    }
    EXPECT_EQ(p.range().Col, 2); // 2.5 halves to the even number
    EXPECT_EQ(p.range().Row, 4); // 3.5 too
    p.optPrintType[3]->click();
    for (auto [text, message] : {std::pair{"32767", (const char*)nullptr},
                                 std::pair{"32768", "Cannot input a value more than integer types and a value less than 0."}}) {
        messages.clear();
        typeInto(p.txtPageEnd, text, p.txtPageStart);
        if (message) EXPECT_EQ(messages.texts, (std::vector<std::string>{message}));
        else EXPECT_TRUE(messages.texts.empty());
    }
    EXPECT_EQ(p.range().PageEnd, 32767);
    // Cancel: nothing goes to the sheet.
    p.cmdCancel->click();
    EXPECT_EQ(d->sheet().PrintPageEnd, 3);
}

TEST_F(PrintWindowTest, PrintOkChecksTheBoxStillHoldingTheFocus)
{
    auto d = preview(0); // 3 columns
    printers.pdf(path("block.pdf"));
    frmPrintPrint p(svc, d->sheet(), [] { return 1; });
    Activate(p);
    p.optPrintType[1]->click();
    typeInto(p.txtCol, "9");
    QTest::keyClick(p.txtCol, Qt::Key_Return); // Enter on the default button
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Cannot input a value more than maximum row number."}));
    EXPECT_EQ(p.txtCol->text(), "1");
    EXPECT_TRUE(p.isVisible());
    EXPECT_FALSE(QFile::exists(path("block.pdf")));
    // A value that passes is used at once: the block of column 2 alone.
    messages.clear();
    typeInto(p.txtCol, "2");
    QTest::keyClick(p.txtCol, Qt::Key_Return);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(p.result(), QDialog::Accepted);
    EXPECT_EQ(d->sheet().PrintCol, 2);
    EXPECT_TRUE(QFile::exists(path("block.pdf")));
}

TEST_F(PrintWindowTest, PrintToPdfBlinksRefusesToCloseAndRestoresTheBreaks)
{
    auto d = preview(5, 0, 39); // 80 rows: 20 steps a page gives a break before row 41
    const QString file = path("table.pdf");
    printers.pdf(file);
    frmPrintPrint p(svc, d->sheet(), [] { return 41; });
    Activate(p);
    p.optPrintType[2]->click(); // current page
    bool seen = false;
    p.onPrinting = [&] {
        seen = true;
        EXPECT_TRUE(p.printing());
        EXPECT_TRUE(p.Print_Label->isVisible());
        EXPECT_EQ(p.Print_Label->text(), "Automatic operation data setting(JV-ZR) printing.");
        EXPECT_TRUE(p.Timer100ms->isActive());
        EXPECT_EQ(p.Timer100ms->interval(), 100);
        EXPECT_FALSE(p.cmdOK->isEnabled());
        EXPECT_FALSE(p.cmdCancel->isEnabled());
        EXPECT_FALSE(p.fraPrintType->isEnabled());
        // The breaks are cleared for the current page, the close box and Esc do nothing.
        EXPECT_FALSE(d->sheet().RowPageBreak(41));
        EXPECT_FALSE(p.close());
        QTest::keyClick(&p, Qt::Key_Escape);
        EXPECT_TRUE(p.isVisible());
        // The label blinks between red and the button-text colour (the real timer may have
        // ticked already during the short wait).
        auto colour = [&] { return p.Print_Label->palette().color(QPalette::WindowText).rgb(); };
        const QRgb red = qRgb(0xFF, 0, 0), plain = p.palette().color(QPalette::ButtonText).rgb();
        const QRgb before = colour();
        EXPECT_TRUE(before == red || before == plain);
        p.Timer100ms_Timer();
        EXPECT_EQ(colour(), before == red ? plain : red);
        p.Timer100ms_Timer();
        EXPECT_EQ(colour(), before);
        EXPECT_EQ(d->sheet().TopRow, 41);
    };
    p.cmdOK->click();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(messages.texts.empty()) << messages.texts[0];
    EXPECT_EQ(p.result(), QDialog::Accepted);
    EXPECT_FALSE(p.Print_Label->isVisible());
    EXPECT_FALSE(p.Timer100ms->isActive());
    EXPECT_TRUE(d->sheet().RowPageBreak(41)); // the breaks of the page setting are back
    EXPECT_EQ(d->sheet().PrintJobName, "Axis_Print");
    const auto pages = pdfPages(file);
    ASSERT_EQ(pages.size(), 1u); // the printed page that holds row 41, breaks cleared
    EXPECT_TRUE(std::regex_search(pages[0], std::regex("-\\s*1\\s*-")));
}

TEST_F(PrintWindowTest, PrintAllPagesFollowsThePageSetting)
{
    auto d = preview(5, 0, 39);
    pub.PrintStepsPerPage = "10";
    // No system printer: a PDF file is asked for at print time, not through the CSV dialog.
    const QString file = path("all.pdf");
    pdfFiles.answers = {file.toStdString()};
    frmPrintPrint p(svc, d->sheet(), [] { return 1; });
    p.show();
    p.cmdOK->click();
    ASSERT_EQ(pdfFiles.requests.size(), 1u);
    EXPECT_EQ(pdfFiles.requests[0].defaultSuffix, "pdf");
    EXPECT_TRUE(csvFiles.requests.empty());
    EXPECT_TRUE(messages.texts.empty());
    const auto pages = pdfPages(file);
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_TRUE(std::regex_search(pages[2], std::regex("-\\s*3\\s*-")));
    EXPECT_TRUE(std::regex_search(pages[3], std::regex("(^|\\n)\\s*30\\s+Current data")));
}

TEST_F(PrintWindowTest, PrintFailuresShowTheirMessageAndLeaveNoFile)
{
    struct Case { const char* name; const char* file; double margin; int type; const char* message; } cases[] = {
        {"missing folder", "no/such/dir/t.pdf", 720, PrintAll, "30001:The printer or the file cannot be opened"},
        {"no printable area", "t1.pdf", 20000, PrintAll, "30003:The margins leave no printable area"},
        {"pages beyond the last", "t2.pdf", 720, PrintPageRange, "30004:No page lies in the page range"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        auto d = preview(0);
        d->sheet().PrintMarginTop = c.margin;
        d->sheet().PrintType = c.type;
        d->sheet().PrintPageStart = 5;
        d->sheet().PrintPageEnd = 6;
        printers.pdf(path(c.file));
        frmPrintPrint p(svc, d->sheet(), [] { return 1; });
        p.show();
        p.cmdOK->click();
        EXPECT_EQ(messages.texts, (std::vector<std::string>{c.message}));
        EXPECT_EQ(p.result(), QDialog::Accepted); // the dialog still unloads
        EXPECT_FALSE(p.Print_Label->isVisible());
        EXPECT_FALSE(QFile::exists(path(c.file)));
    }
    // A cancelled PDF name prints nothing, says nothing, and leaves the dialog open.
    messages.clear();
    printers.printer.reset();
    pdfFiles.answers = {""};
    auto d = preview(0);
    frmPrintPrint p(svc, d->sheet(), [] { return 1; });
    p.show();
    p.cmdOK->click();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(p.isVisible());
    EXPECT_TRUE(p.cmdOK->isEnabled());
}

TEST_F(PrintWindowTest, MenuOpensTheDialogsAtThePreview)
{
    auto d = preview(1);
    d->move(40, 50);
    QPoint pageAt, printAt;
    shell.handlers.push_back([&](QDialog& dlg) {
        pageAt = dlg.pos();
        auto& f = dynamic_cast<frmPrintPageForm&>(dlg);
        f.AxisCombo->setCurrentText("2");
        f.cmdOK->click();
    });
    d->mnuFileConfig->trigger();
    EXPECT_EQ(pub.PrintAxesPerPage, "2");
    printers.pdf(path("axes.pdf"));
    shell.handlers.push_back([&](QDialog& dlg) {
        printAt = dlg.pos();
        dynamic_cast<frmPrintPrint&>(dlg).cmdOK->click();
    });
    d->mnuFilePrint->trigger();
    EXPECT_EQ(shell.dialogs, 2);
    EXPECT_EQ(pageAt, d->pos());
    EXPECT_EQ(printAt, d->pos());
    EXPECT_TRUE(messages.texts.empty());
    // Two axes a page: one break, before row 49.
    EXPECT_EQ(pdfPages(path("axes.pdf")).size(), 2u);
    EXPECT_TRUE(d->sheet().RowPageBreak(49));
    EXPECT_FALSE(d->sheet().RowPageBreak(25));
}

} // namespace
