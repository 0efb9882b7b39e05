// The three positioning editors, the range dialog and teaching, driven by keys and clicks in
// the real grids, boxes and lists, offscreen.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

#include <QDir>
#include <QFileDialog>

#include <deque>
#include <fstream>
#include <functional>
#include <sstream>

#include "FileScript.h"
#include "positioning/DefaultRange.h"
#include "positioning/StepEdit.h"
#include "positioning/ui/frmAutoRun7WMode.h"
#include "positioning/ui/frmAutoRunJVMode.h"
#include "positioning/ui/frmAutoRunZr4Mode.h"
#include "positioning/ui/frmDefault.h"
#include "positioning/ui/frmTeach_Command.h"
#include "shared/ModelTable.h"
#include "shared/NameTables.h"
#include "shared/ui/CellEditor.h"
#include "ui/EditorKeys.h"
#include "ui/UiFixture.h"

using namespace posmod;
using namespace posmod::test;

namespace {

using Message = std::pair<std::string, MsgIcon>;
Message Limit() { return {"Data Limit Error", MsgIcon::Exclamation}; }
Message Numeric() { return {"Data Numeric Error", MsgIcon::Exclamation}; }

constexpr const char* kDetail8000 = "Operation valid"
                                    "Cycle continued"
                                    "To be stopped by the Target stop position data"
                                    "Asynchronous operation"
                                    "position control mode"
                                    "absolute mode,forward";

class PositioningTest : public UiTest {
protected:
    // The model chosen and its table read for steps first..last as the main window reads it
    // (register row r holds r, its high word 1000 + r; four-axis word w of axis a of step s
    // holds s a w), then the editor opened as the main window opens it.
    template <class W> W& open(int moduleType, bool csv = false, int first = 0, int last = 2)
    {
        if (!forms) start();
        W& e = forms->window<W>();
        if (e.isVisible()) e.close();
        Public& p = forms->pub;
        Model_Choose(p, Model_ForType(moduleType).text);
        Model_BuildRegisters(p);
        const ModelRow& m = Model_ForType(moduleType);
        if (m.rowsPerStep > 0) {
            p.reg.AutoRange[0] += m.rowsPerStep * first;
            for (int r = 1; r <= RegisterTable::kRows; ++r) {
                p.reg.ReadData[static_cast<size_t>(r)] = hex4(r);
                if (p.reg.TwoWords[static_cast<size_t>(r)]) p.reg.ReadDataH[static_cast<size_t>(r)] = hex4(0x1000 + r);
            }
        }
        for (size_t s = 0; s < 256; ++s)
            for (size_t a = 0; a < 4; ++a)
                for (size_t w = 0; w < 9; ++w)
                    p.Z4AutoData[s][a][w].Word = hex4(static_cast<uint32_t>(s * 0x100 + a * 0x10 + w));
        p.StepRange = {3, first, last};
        p.DataSourceCaption = csv ? "[Csv file]" : "";
        forms->openAtMain(m.autoForm);
        EXPECT_TRUE(Activate(&e));
        messages.clear();
        return e;
    }

    // The grid focused with (row, col) current, as after the user's arrows.
    static void Go(FlexGrid* g, int row, int col)
    {
        g->setFocus();
        g->setRow(row);
        g->setCol(col);
    }
    static std::vector<std::string> Row(const FlexGrid* g, int row, int from, int to)
    {
        std::vector<std::string> v;
        for (int c = from; c <= to; ++c) v.push_back(g->TextMatrix(row, c));
        return v;
    }
    // Every value cell of every grid, row by row.
    template <class G> static std::vector<std::string> Values(const G& grids, int lastCol)
    {
        std::vector<std::string> v;
        for (const FlexGrid* g : grids)
            for (int r = 1; r < g->Rows(); ++r)
                for (int c = 2; c <= lastCol; ++c) v.push_back(g->TextMatrix(r, c));
        return v;
    }
    static void ClickTab(QTabWidget* tabs, int t)
    {
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(t).center());
    }

    // Answers the range dialog: steps typed (empty: left as preset), an axis chosen, then OK
    // (or Cancel / the close box).
    enum class Answer { Ok, Cancel, Close };
    void answerRange(const char* from, const char* to, int axis = 0, Answer how = Answer::Ok)
    {
        forms->runDialog = [=, this](QDialog& d) {
            auto* r = qobject_cast<frmDefault*>(&d);
            ASSERT_NE(r, nullptr);
            d.show();
            rangeTitles.push_back(r->windowTitle().toStdString());
            if (*from) r->DefaultText[0]->setText(from);
            if (*to) r->DefaultText[1]->setText(to);
            if (r->DefaultCombo->count() > 0) r->DefaultCombo->setCurrentIndex(axis);
            if (how == Answer::Ok) Click(r->DefaultCommand);
            else if (how == Answer::Cancel) Click(r->CancelCommand);
            else r->close();
        };
    }
    std::vector<std::string> rangeTitles;
};

} // namespace

// --- frmAutoRunJVMode ---

TEST_F(PositioningTest, OneAxisOpensOnTheStepWindowRead)
{
    frmAutoRunJVMode& e = open<frmAutoRunJVMode>(1, false, 10, 12);
    FlexGrid* g = e.RunModeGrid;
    EXPECT_EQ(e.windowTitle(), "Automatic operation data setting (JV-ZR)");
    EXPECT_EQ(forms->pub.AutoRowCount, 6);
    ASSERT_EQ(g->Rows(), 7);
    EXPECT_EQ(Row(g, 1, 0, 1), (std::vector<std::string>{"10", "Current data"}));
    EXPECT_EQ(Row(g, 2, 0, 1), (std::vector<std::string>{"", "Setting data"}));
    EXPECT_EQ(g->TextMatrix(5, 0), "12");
    // Step 10 is register rows 57-60: mode, acceleration/deceleration, velocity, target.
    EXPECT_EQ(Row(g, 1, 2, 6), (std::vector<std::string>{"0039", "003A", "103A", "003B", "103C003C"}));
    EXPECT_EQ(g->TextMatrix(3, 2), "003D");
    EXPECT_EQ(g->TextMatrix(1, 7), StepDetail_Text("0039", false));
    for (int r : {2, 4, 6}) EXPECT_EQ(Row(g, r, 2, 7), std::vector<std::string>(6)) << r;
    EXPECT_FALSE(e.AutoCsvJVFrame->isVisible());
    EXPECT_EQ(g->Row(), 2);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_TRUE(Covers(e.AutoSelText, *g, 2, 2));
    EXPECT_FALSE(e.AutoSelCombo->isVisible());
    EXPECT_TRUE(e.AutoHexOption->isChecked());
    EXPECT_TRUE(e.AutoJVOption2->isChecked());
    for (QPushButton* b : {e.AutoCancel_Command, e.AutoDefault_Command, e.AutoSend_Command, e.AutoEnd_Command})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(e.PrnCommand->isEnabled());

    // CSV work after that read: the whole table, empty, the CSV frames shown.
    frmAutoRunJVMode& c = open<frmAutoRunJVMode>(1, true, 10, 12);
    EXPECT_EQ(c.windowTitle(), "[Csv file]Automatic operation data setting (JV-ZR)");
    EXPECT_EQ(forms->pub.StepRange.FirstStep, 0);
    EXPECT_EQ(forms->pub.StepRange.LastStep, 255);
    EXPECT_EQ(forms->pub.AutoRowCount, 512);
    EXPECT_EQ(c.RunModeGrid->Rows(), 513);
    EXPECT_EQ(c.RunModeGrid->TextMatrix(511, 0), "255");
    EXPECT_EQ(c.RunModeGrid->TextMatrix(1, 2), "");
    EXPECT_EQ(c.RunModeGrid->TextMatrix(1, 7), "");
    EXPECT_TRUE(c.AutoCsvJVFrame->isVisible());
}

TEST_F(PositioningTest, ArrowsInTheBoxCommitAndMoveAcrossTheStepRows)
{
    frmAutoRunJVMode& e = open<frmAutoRunJVMode>(1, false, 0, 1); // rows 1-4
    FlexGrid* g = e.RunModeGrid;
    QLineEdit* box = e.AutoSelText;
    QComboBox* list = e.AutoSelCombo;
    // Right commits and moves a column; from the target position it reaches the detail list.
    Go(g, 2, 2);
    Type("8000");
    Key(Qt::Key_Right);
    EXPECT_EQ(g->TextMatrix(2, 2), "8000");
    EXPECT_EQ(g->Col(), 3);
    EXPECT_TRUE(Covers(box, *g, 2, 3));
    Go(g, 2, 6);
    Type("ffff");
    Key(Qt::Key_Right);
    EXPECT_EQ(g->TextMatrix(2, 6), "ffff");
    EXPECT_EQ(g->Col(), 7);
    EXPECT_FALSE(box->isVisible());
    ASSERT_TRUE(Covers(list, *g, 2, 7));
    ASSERT_EQ(list->count(), 6);
    EXPECT_EQ(list->itemText(0), "Operation valid");
    EXPECT_EQ(list->itemText(5), "absolute mode,forward");
    EXPECT_EQ(g->TextMatrix(2, 7), ""); // the detail text comes from a read or a file only
    // Up commits and moves to the Current row above: nothing laid there.
    Go(g, 4, 3);
    Type("10");
    Key(Qt::Key_Up);
    EXPECT_EQ(g->TextMatrix(4, 3), "10");
    EXPECT_EQ(g->Row(), 3);
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(list->isVisible());
    // Down on the last row commits and stays; Enter stays; Left moves a column.
    Go(g, 4, 5);
    Type("20");
    Key(Qt::Key_Down);
    EXPECT_EQ(g->TextMatrix(4, 5), "20");
    EXPECT_EQ(g->Row(), 4);
    EXPECT_TRUE(Covers(box, *g, 4, 5));
    Type("30");
    Key(Qt::Key_Return);
    EXPECT_EQ(g->TextMatrix(4, 5), "30");
    EXPECT_TRUE(Covers(box, *g, 4, 5));
    Type("40");
    Key(Qt::Key_Left);
    EXPECT_EQ(g->TextMatrix(4, 5), "40");
    EXPECT_TRUE(Covers(box, *g, 4, 4));
    // Down from a Setting row below which a step follows: the next step's Current row.
    Go(g, 2, 4);
    Type("5");
    Key(Qt::Key_Down);
    EXPECT_EQ(g->TextMatrix(2, 4), "5");
    EXPECT_EQ(g->Row(), 3);
    EXPECT_FALSE(box->isVisible());
    // Keys on a Current row or the detail cell open nothing.
    Go(g, 1, 2);
    Type("7");
    EXPECT_TRUE(g->hasFocus());
    EXPECT_EQ(g->TextMatrix(1, 2), "0011");
    EXPECT_TRUE(messages.empty());
}

TEST_F(PositioningTest, EntriesAreCheckedByTheirColumnAndDisplay)
{
    frmAutoRunJVMode& e = open<frmAutoRunJVMode>(1, true);
    FlexGrid* g = e.RunModeGrid;
    struct Case { bool dec; int col; const char* typed; bool accepted; Message refusal; };
    const Case cases[] = {
        {false, 3, "0", false, Limit()},      {false, 2, "0", true, {}},          {false, 6, "0", true, {}},
        {false, 5, "8000", true, {}},         {false, 2, "12345", false, Limit()}, {false, 6, "123456789", false, Limit()},
        {true, 4, "-1", false, Limit()},      {true, 6, "-1", true, {}},          {true, 5, "65535", true, {}},
        {true, 5, "65536", false, Limit()},   {true, 3, "a", false, Numeric()},   {true, 6, "99999999999", false, Limit()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " in column " + std::to_string(c.col));
        (c.dec ? e.AutoDecOption : e.AutoHexOption)->click();
        g->setTextMatrix(4, c.col, "old");
        Go(g, 4, c.col);
        Type(c.typed);
        messages.clear();
        Key(Qt::Key_Return);
        if (c.accepted) {
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(g->TextMatrix(4, c.col), c.typed);
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0], c.refusal);
            EXPECT_EQ(g->TextMatrix(4, c.col), "old");
            EXPECT_TRUE(g->hasFocus());
            EXPECT_EQ(g->Row(), 4);
        }
    }
    // In hex display "-" opens nothing; in decimal display it does.
    e.AutoHexOption->click();
    Go(g, 2, 6);
    Type("-");
    EXPECT_TRUE(g->hasFocus());
    e.AutoDecOption->click();
    Go(g, 2, 6);
    Type("-");
    EXPECT_TRUE(e.AutoSelText->hasFocus());
}

// Every way out of the box puts the entry into the cell it was typed over, once, and nowhere else.
TEST_F(PositioningTest, EveryWayOutCommitsIntoTheCellTypedOver)
{
    struct Way { const char* name; bool csv; std::function<void(frmAutoRunZr4Mode&)> leave; };
    const Way ways[] = {
        {"Enter", true, [](frmAutoRunZr4Mode&) { Key(Qt::Key_Return); }},
        {"Tab", true, [](frmAutoRunZr4Mode&) { Key(Qt::Key_Tab); }},
        {"a click on another cell", true, [](frmAutoRunZr4Mode& e) { ClickCell(e.RunModeZr4Grid[0], 4, 5); }},
        {"a click on a Current row", true, [](frmAutoRunZr4Mode& e) { ClickCell(e.RunModeZr4Grid[0], 1, 2); }},
        {"a click on the grid below its rows", false,
         [](frmAutoRunZr4Mode& e) {
             QWidget* v = e.RunModeZr4Grid[0]->viewport();
             QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(20, v->height() - 5));
         }},
        {"the scroll bar", true,
         [](frmAutoRunZr4Mode& e) {
             QScrollBar* bar = e.RunModeZr4Grid[0]->verticalScrollBar();
             QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
         }},
        {"another tab", true, [](frmAutoRunZr4Mode& e) { ClickTab(e.AutoSSTab, 2); }},
        {"the display option in force", true, [](frmAutoRunZr4Mode& e) { Click(e.AutoHexZ4Option); }},
        {"a CSV option", true, [](frmAutoRunZr4Mode& e) { Click(e.AutoZ4Option1); }},
        {"Teaching", false, [](frmAutoRunZr4Mode& e) { Click(e.Teach_Command); }},
        {"Teaching in CSV work", true, [](frmAutoRunZr4Mode& e) { Click(e.Teach_Command); }},
        {"Exit", true, [](frmAutoRunZr4Mode& e) { Click(e.AutoEndZ4_Command); }},
    };
    for (const Way& w : ways) {
        SCOPED_TRACE(w.name);
        frmAutoRunZr4Mode& e = open<frmAutoRunZr4Mode>(5, w.csv);
        forms->runDialog = [](QDialog& d) { d.reject(); };
        auto& g = e.RunModeZr4Grid;
        const auto before = Values(g, 8);
        // One entry committed by Right, a second one pending.
        Go(g[0], 2, 3);
        Type("1234");
        Key(Qt::Key_Right);
        Type("AB");
        w.leave(e);
        auto want = before;
        want[static_cast<size_t>((2 - 1) * 7 + (3 - 2))] = "1234";
        want[static_cast<size_t>((2 - 1) * 7 + (4 - 2))] = "AB";
        EXPECT_EQ(Values(g, 8), want);
        EXPECT_TRUE(messages.empty());
        EXPECT_FALSE(e.cellEditor().editing());
    }
}

TEST_F(PositioningTest, TheDetailListReadsTheRowsModeWordAndWritesNothing)
{
    frmAutoRunJVMode& e = open<frmAutoRunJVMode>(1, false, 0, 1);
    FlexGrid* g = e.RunModeGrid;
    QComboBox* list = e.AutoSelCombo;
    g->setTextMatrix(1, 2, "8000");
    // A Current row's detail cell lists its word, in either display.
    Go(g, 1, 7);
    ASSERT_TRUE(Covers(list, *g, 1, 7));
    std::vector<std::string> entries;
    for (int k = 0; k < list->count(); ++k) entries.push_back(list->itemText(k).toStdString());
    EXPECT_EQ(entries, (std::vector<std::string>{"Operation valid", "Cycle continued",
                                                 "To be stopped by the Target stop position data",
                                                 "Asynchronous operation", "position control mode",
                                                 "absolute mode,forward"}));
    const std::string shown = g->TextMatrix(1, 7);
    // Choosing an entry writes nothing.
    list->setFocus();
    Key(Qt::Key_Down);
    EXPECT_EQ(g->TextMatrix(1, 7), shown);
    EXPECT_EQ(g->TextMatrix(1, 2), "8000");
    Click(e.AutoDecOption);
    Go(g, 1, 6);
    Go(g, 1, 7);
    EXPECT_EQ(list->count(), 6);
    EXPECT_EQ(list->itemText(0), "Operation valid");
    // An empty mode cell: an empty list.
    Go(g, 2, 7);
    EXPECT_TRUE(Covers(list, *g, 2, 7));
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PositioningTest, DisplaySwitchConvertsEveryValueCellAndCommitsThePendingEntryFirst)
{
    frmAutoRunJVMode& e = open<frmAutoRunJVMode>(1, false, 0, 0);
    FlexGrid* g = e.RunModeGrid;
    g->setTextMatrix(1, 6, "FFFFFFFE");
    g->setTextMatrix(1, 5, "FFFF");
    const std::string detail = g->TextMatrix(1, 7);
    Go(g, 2, 3);
    Type("3e8");
    Click(e.AutoDecOption); // the pending entry first, in the display it was typed in
    EXPECT_EQ(g->TextMatrix(2, 3), "1000");
    EXPECT_EQ(g->TextMatrix(1, 6), "-2");
    EXPECT_EQ(g->TextMatrix(1, 5), "65535");
    EXPECT_EQ(g->TextMatrix(1, 2), "17");
    EXPECT_EQ(g->TextMatrix(1, 7), detail);
    EXPECT_EQ(g->TextMatrix(0, 2), "Mode/Dwell");
    Go(g, 2, 6);
    Type("-1");
    Click(e.AutoHexOption);
    EXPECT_EQ(g->TextMatrix(2, 6), "FFFFFFFF");
    EXPECT_EQ(g->TextMatrix(2, 3), "03E8");
    EXPECT_EQ(g->TextMatrix(1, 6), "FFFFFFFE");
    EXPECT_EQ(g->TextMatrix(1, 2), "0011");
    // The display in force selected again converts nothing: short hex stays short.
    Go(g, 2, 4);
    Type("7");
    Key(Qt::Key_Return);
    Click(e.AutoHexOption);
    EXPECT_EQ(g->TextMatrix(2, 4), "7");
    // A refused entry keeps the display as it was.
    Go(g, 2, 5);
    Type("0");
    Click(e.AutoDecOption);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], Limit());
    EXPECT_TRUE(e.AutoHexOption->isChecked());
    EXPECT_EQ(g->TextMatrix(2, 3), "03E8");
}

TEST_F(PositioningTest, DefaultFillsTheChosenStepsInHexAndCancelEmptiesTheSettingRows)
{
    frmAutoRunJVMode& e = open<frmAutoRunJVMode>(1, false, 10, 12);
    FlexGrid* g = e.RunModeGrid;
    g->setTextMatrix(4, 7, "detail");
    Click(e.AutoDecOption);
    answerRange("11", "11");
    Click(e.AutoDefault_Command);
    EXPECT_EQ(rangeTitles, std::vector<std::string>{"Default data setting range"});
    EXPECT_EQ(forms->pub.AxisStepRange.AxisNo, 3);
    EXPECT_TRUE(e.AutoHexOption->isChecked());
    EXPECT_EQ(g->TextMatrix(1, 2), "0039"); // converted back first
    EXPECT_EQ(Row(g, 4, 2, 7), (std::vector<std::string>{"8000", "03E8", "03E8", "0020", "00000000", "detail"}));
    EXPECT_EQ(Row(g, 2, 2, 6), std::vector<std::string>(5));
    EXPECT_EQ(Row(g, 6, 2, 6), std::vector<std::string>(5));
    // A refused range keeps the dialog: its message, then a cancel changes nothing.
    forms->runDialog = [this](QDialog& d) {
        auto* r = static_cast<frmDefault*>(&d);
        EXPECT_EQ(r->DefaultText[0]->text(), "0");
        Click(r->DefaultCommand);
        EXPECT_TRUE(r->result() != QDialog::Accepted);
        Click(r->CancelCommand);
    };
    Click(e.AutoDefault_Command);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], Limit());
    EXPECT_EQ(forms->pub.AxisStepRange.AxisNo, 99);
    EXPECT_EQ(Row(g, 2, 2, 6), std::vector<std::string>(5));
    // Cancel empties columns 2-7 of every Setting row; the Current rows stay.
    Click(e.AutoCancel_Command);
    EXPECT_EQ(Row(g, 4, 2, 7), std::vector<std::string>(6));
    EXPECT_EQ(g->TextMatrix(1, 2), "0039");
}

TEST_F(PositioningTest, SubmitWritesThroughTheWaitWindowAndEndsOnRowOne)
{
    frmAutoRunJVMode& e = open<frmAutoRunJVMode>(1, false, 0, 0);
    FlexGrid* g = e.RunModeGrid;
    Go(g, 2, 5);
    Type("64");
    Click(e.AutoSend_Command); // the pending entry goes in first
    EXPECT_TRUE(messages.empty()) << messages[0].first;
    EXPECT_EQ(link->connects, 1);
    EXPECT_EQ(forms->pub.reg.WriteData[19], "0064");
    EXPECT_EQ(g->TextMatrix(1, 5), "64");
    EXPECT_EQ(g->TextMatrix(2, 5), "");
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_FALSE(e.AutoSelText->isVisible());
    EXPECT_TRUE(e.AutoSend_Command->isEnabled());
}

TEST_F(PositioningTest, ClosingIsRefusedDuringATransferAndGivesTheMainWindowBack)
{
    frmAutoRunZr4Mode& e = open<frmAutoRunZr4Mode>(5);
    frmMain& m = forms->Main();
    m.hide();
    forms->FormControl_Enable(0, false);
    forms->pub.TransferBusy = true;
    forms->pub.SendCancel = 0;
    Click(e.AutoEndZ4_Command);
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(forms->pub.Z4AutoData[1][2][3].Word, "0123");
    forms->pub.Z4PrmData[0][0].Word = "1234";
    forms->pub.TransferBusy = false;
    forms->pub.SendCancel = -1;
    Click(e.AutoEndZ4_Command);
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(m.AutoSetCommand->isEnabled());
    // The four-axis stores are emptied with the window.
    EXPECT_EQ(forms->pub.Z4AutoData[1][2][3].Word, "");
    EXPECT_EQ(forms->pub.Z4PrmData[0][0].Word, "");
}

// --- frmAutoRun7WMode ---

TEST_F(PositioningTest, TwoAxisCaptionsTabsAndBothAxesRead)
{
    struct Case { int type; const char* title; };
    for (const Case c : {Case{2, "Automatic operation data setting(VELTA-7W)"},
                         Case{3, "Automatic operation data setting(VELTAK7W)"},
                         Case{4, "Automatic operation data setting(ZRH)"}}) {
        SCOPED_TRACE(c.title);
        frmAutoRun7WMode& e = open<frmAutoRun7WMode>(c.type, false, 2, 3);
        EXPECT_EQ(e.windowTitle(), c.title);
        EXPECT_EQ(e.font().family(), QFont("Arial").family());
        auto& g = e.RunMode7WGrid;
        // Step 2 starts at register row 32 + 16: X mode 48, Y mode 49, X acc/dec 50, ...
        EXPECT_EQ(Row(g[0], 1, 2, 6), (std::vector<std::string>{"0030", "0032", "1032", "0034", "10360036"}));
        EXPECT_EQ(Row(g[1], 1, 2, 6), (std::vector<std::string>{"0031", "0033", "1033", "0035", "10370037"}));
        EXPECT_EQ(g[1]->TextMatrix(3, 2), "0039");
        EXPECT_EQ(g[1]->TextMatrix(3, 0), "3");
        EXPECT_EQ(g[0]->TextMatrix(1, 7), StepDetail_Text("0030", false));
        EXPECT_FALSE(e.AutoRead7WFrame->isVisible());
        EXPECT_FALSE(e.AutoWrite7WFrame->isVisible());
        EXPECT_TRUE(Covers(e.AutoSel7WText, *g[0], 2, 2));
        EXPECT_EQ(e.cellEditor().selectedGrid(), 0);
    }
    // Tab captions: the names cut to 46 bytes, "&" shown as itself.
    forms->pub.set.AxisName[0] = std::string(50, 'x');
    forms->pub.set.AxisName[1] = "Y & Z";
    frmAutoRun7WMode& e = forms->window<frmAutoRun7WMode>();
    e.close();
    forms->openAtMain(form::frmAutoRun7WMode);
    EXPECT_EQ(e.AutoSSTab->tabText(0).toStdString(), std::string(46, 'x'));
    EXPECT_EQ(e.AutoSSTab->tabText(1), "Y && Z");
    EXPECT_EQ(e.AutoSSTab->currentIndex(), 0);
}

TEST_F(PositioningTest, TwoAxisCancelDefaultAndTabsKeepEachAxis)
{
    frmAutoRun7WMode& e = open<frmAutoRun7WMode>(2, false, 2, 4);
    auto& g = e.RunMode7WGrid;
    g[0]->setTextMatrix(2, 3, "0001");
    g[1]->setTextMatrix(2, 3, "0002");
    g[0]->setTextMatrix(2, 7, "x");
    g[1]->setTextMatrix(2, 7, "y");
    // Cancel on the Y tab clears Y only, the detail column included.
    ClickTab(e.AutoSSTab, 1);
    Click(e.AutoCancel7W_Command);
    EXPECT_EQ(Row(g[1], 2, 2, 7), std::vector<std::string>(6));
    EXPECT_EQ(g[0]->TextMatrix(2, 3), "0001");
    EXPECT_EQ(g[0]->TextMatrix(2, 7), "x");
    // Default on steps 3-4 of X in a window from step 2: rows 4 and 6 of grid 0.
    Click(e.AutoDec7WOption);
    answerRange("3", "4", 0);
    Click(e.AutoDefault7W_Command);
    EXPECT_TRUE(e.AutoHex7WOption->isChecked());
    for (int r : {4, 6}) EXPECT_EQ(Row(g[0], r, 2, 6), (std::vector<std::string>{"8000", "03E8", "03E8", "0020", "00000000"}));
    EXPECT_EQ(Row(g[0], 2, 3, 3), std::vector<std::string>{"0001"});
    EXPECT_EQ(Row(g[1], 4, 2, 6), std::vector<std::string>(5));
    // Equal axis names: the axis is the entry chosen, Y here.
    forms->pub.set.AxisName = {"same", "same", "", ""};
    answerRange("2", "2", 1);
    Click(e.AutoDefault7W_Command);
    EXPECT_EQ(forms->pub.AxisStepRange.AxisNo, 1);
    EXPECT_EQ(g[1]->TextMatrix(2, 2), "8000");
    EXPECT_EQ(g[0]->TextMatrix(2, 2), "");
    // An entry on X, then the Y tab: it stays on X; Y is typed over on its own.
    ClickTab(e.AutoSSTab, 0);
    Go(g[0], 2, 5);
    Type("AB");
    ClickTab(e.AutoSSTab, 1);
    EXPECT_EQ(g[0]->TextMatrix(2, 5), "AB");
    EXPECT_EQ(g[1]->TextMatrix(2, 5), "0020");
    Go(g[1], 2, 5);
    Type("CD");
    Key(Qt::Key_Return);
    EXPECT_EQ(e.cellEditor().selectedGrid(), 1);
    EXPECT_EQ(g[1]->TextMatrix(2, 5), "CD");
    EXPECT_EQ(g[0]->TextMatrix(2, 5), "AB");
    EXPECT_TRUE(messages.empty());
}

// --- frmAutoRunZr4Mode ---

TEST_F(PositioningTest, FourAxisOpensWithTenColumnsAndItsTabs)
{
    frmAutoRunZr4Mode& e = open<frmAutoRunZr4Mode>(5, false, 3, 4);
    EXPECT_EQ(e.windowTitle(), "Automatic operation data setting(JV-ZR4)");
    auto& g = e.RunModeZr4Grid;
    ASSERT_EQ(g[0]->Cols(), 10);
    EXPECT_EQ(g[0]->TextMatrix(0, 9), "detailed of operation mode");
    // Step 3 axis B: words 0-4, then target 6 & 5, circular 8 & 7.
    EXPECT_EQ(Row(g[1], 1, 2, 9),
              (std::vector<std::string>{"0310", "0311", "0312", "0313", "0314", "03160315", "03180317", ""}));
    EXPECT_EQ(g[3]->TextMatrix(3, 0), "4");
    EXPECT_EQ(g[3]->TextMatrix(3, 2), "0430");
    EXPECT_FALSE(e.AutoReadZ4Frame->isVisible());
    EXPECT_TRUE(Covers(e.AutoSelZ4Text, *g[0], 2, 2));
    EXPECT_TRUE(e.Teach_Command->isEnabled());
    EXPECT_TRUE(e.PrnZ4Command->isEnabled());

    // Tab captions cut to 22 bytes, "&" shown as itself; a 32-bit value missing one of its
    // words shows nothing.
    forms->pub.set.AxisName = {"A & B", std::string(30, 'b'), "C", ""};
    forms->pub.Z4AutoData[3][0][6].Word = "";
    e.Form_Load();
    EXPECT_EQ(e.AutoSSTab->tabText(0), "A && B");
    EXPECT_EQ(e.AutoSSTab->tabText(1).toStdString(), std::string(22, 'b'));
    EXPECT_EQ(e.AutoSSTab->tabText(3), "");
    EXPECT_EQ(g[0]->TextMatrix(1, 7), "");
    EXPECT_EQ(g[0]->TextMatrix(1, 8), "03080307");
}

TEST_F(PositioningTest, FourAxisDropDownDecodesTheModeWord)
{
    frmAutoRunZr4Mode& e = open<frmAutoRunZr4Mode>(5, true);
    FlexGrid* g = e.RunModeZr4Grid[0];
    QComboBox* list = e.AutoSelZ4Combo;
    Go(g, 2, 2);
    Type("c400");
    Key(Qt::Key_Return);
    Go(g, 2, 9);
    ASSERT_TRUE(Covers(list, *g, 2, 9));
    EXPECT_FALSE(e.AutoSelZ4Text->isVisible());
    std::vector<std::string> entries;
    for (int k = 0; k < list->count(); ++k) entries.push_back(list->itemText(k).toStdString());
    EXPECT_EQ(entries, (std::vector<std::string>{"Operation valid", "Continuous operation", "Arch-motion Invalid",
                                                 "Circular interpolation(Clockwise)", "Linear interpolation",
                                                 "position control mode", "absolute mode,forward"}));
    EXPECT_EQ(g->TextMatrix(2, 9), "");
    // A short hex word is its value: "8" is 0008, not 8000, in either display.
    Go(g, 2, 2);
    Type("8");
    Key(Qt::Key_Right);
    Go(g, 2, 9);
    EXPECT_EQ(list->itemText(0), "Invalid operation");
    Click(e.AutoDecZ4Option);
    EXPECT_EQ(g->TextMatrix(2, 2), "8");
    Go(g, 2, 8);
    Go(g, 2, 9);
    EXPECT_EQ(list->itemText(0), "Invalid operation");
    // Right from the circular value reaches the drop-down.
    Go(g, 2, 8);
    Type("-5");
    Key(Qt::Key_Right);
    EXPECT_EQ(g->TextMatrix(2, 8), "-5");
    EXPECT_TRUE(Covers(list, *g, 2, 9));
    // Nothing in the mode cell: nothing listed.
    Go(g, 4, 9);
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PositioningTest, FourAxisCancelAndDefaultActOnOneAxis)
{
    frmAutoRunZr4Mode& e = open<frmAutoRunZr4Mode>(5, false, 3, 8);
    auto& g = e.RunModeZr4Grid;
    for (FlexGrid* x : g) x->setTextMatrix(2, 4, "0100");
    ClickTab(e.AutoSSTab, 2);
    Click(e.AutoCancelZ4_Command);
    for (int a = 0; a < 4; ++a) EXPECT_EQ(g[static_cast<size_t>(a)]->TextMatrix(2, 4), a == 2 ? "" : "0100") << a;
    // Default for steps 5-7 of axis B in a window from step 3: rows 6, 8 and 10 of grid 1.
    Click(e.AutoDecZ4Option);
    answerRange("5", "7", 1);
    Click(e.AutoDefaultZ4_Command);
    EXPECT_TRUE(e.AutoHexZ4Option->isChecked());
    const std::vector<std::string> defaults = {"8000", "0000", "03E8", "03E8", "1000", "00010000", "00000000"};
    for (int r = 2; r <= 12; r += 2)
        EXPECT_EQ(Row(g[1], r, 2, 8), r >= 6 && r <= 10 ? defaults : (r == 2 ? std::vector<std::string>{"", "", "0100", "", "", "", ""}
                                                                            : std::vector<std::string>(7)))
            << r;
    EXPECT_EQ(g[1]->TextMatrix(6, 9), "");
    EXPECT_EQ(g[1]->TextMatrix(1, 2), "0310");
    EXPECT_EQ(Row(g[0], 6, 2, 8), std::vector<std::string>(7));
    // Cancelled by the close box: nothing happens.
    answerRange("3", "3", 0, Answer::Close);
    Click(e.AutoDefaultZ4_Command);
    EXPECT_EQ(forms->pub.AxisStepRange.AxisNo, 99);
    EXPECT_EQ(Row(g[0], 2, 2, 8), (std::vector<std::string>{"", "", "0100", "", "", "", ""}));
}

TEST_F(PositioningTest, OverlaysHideWhenTheirCellScrollsOutAndReturnWithIt)
{
    frmAutoRunZr4Mode& e = open<frmAutoRunZr4Mode>(5, true);
    FlexGrid* g = e.RunModeZr4Grid[0];
    Go(g, 2, 3);
    ASSERT_TRUE(Covers(e.AutoSelZ4Text, *g, 2, 3));
    Wheel(g->viewport(), 10);
    ASSERT_FALSE(g->CellInView(2, 3));
    EXPECT_FALSE(e.AutoSelZ4Text->isVisible());
    Wheel(g->viewport(), -10);
    EXPECT_TRUE(Covers(e.AutoSelZ4Text, *g, 2, 3));
    Go(g, 4, 9);
    ASSERT_TRUE(e.AutoSelZ4Combo->isVisible());
    Wheel(g->viewport(), 10);
    EXPECT_FALSE(e.AutoSelZ4Combo->isVisible());
    Wheel(g->viewport(), -10);
    EXPECT_TRUE(Covers(e.AutoSelZ4Combo, *g, 4, 9));
    // Down walks to the last row and stays there; the box follows its cell.
    Go(g, 500, 6);
    for (int k = 0; k < 20; ++k) Key(Qt::Key_Down);
    EXPECT_EQ(g->Row(), 512);
    EXPECT_TRUE(Covers(e.AutoSelZ4Text, *g, 512, 6));
    Type("9");
    Key(Qt::Key_Down);
    EXPECT_EQ(g->Row(), 512);
    EXPECT_EQ(g->TextMatrix(512, 6), "9");
}

// --- frmDefault ---

TEST_F(PositioningTest, RangeDialogByModelAndUse)
{
    start();
    Public& p = forms->pub;
    p.set.AxisName = {"X", "Y", "C", "D"};
    p.StepRange = {3, 10, 20};
    struct Case { int type; int axes; };
    for (const Case c : {Case{1, 0}, Case{2, 2}, Case{5, 4}}) {
        SCOPED_TRACE(c.type);
        p.ModuleType = c.type;
        p.RangeTitle = kRangeTitleDefault;
        frmDefault d(p, sink);
        EXPECT_EQ(d.windowTitle(), "Default data setting range");
        EXPECT_EQ(d.DefaultCombo->count(), c.axes);
        EXPECT_EQ(d.DefaultCombo->isHidden(), c.axes == 0);
        EXPECT_EQ(d.Label1->isHidden(), c.axes == 0);
        if (c.axes) {
            EXPECT_EQ(d.DefaultCombo->currentText(), "X");
        }
        EXPECT_FALSE(d.DefaultCombo->isEditable());
        EXPECT_EQ(d.DefaultText[0]->text(), "0");
        EXPECT_EQ(d.DefaultText[1]->text(), "0");
        // The preset lies outside the window 10-20.
        messages.clear();
        d.DefaultCommand_Click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], Limit());
        d.DefaultText[0]->setText("12");
        d.DefaultText[1]->setText("1x");
        d.DefaultCommand_Click();
        EXPECT_EQ(messages.back(), Numeric());
        d.DefaultText[1]->setText("15");
        if (c.axes) d.DefaultCombo->setCurrentIndex(c.axes - 1);
        d.DefaultCommand_Click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(p.AxisStepRange.AxisNo, c.axes ? c.axes - 1 : 3);
        EXPECT_EQ(p.AxisStepRange.FirstStep, 12);
        EXPECT_EQ(p.AxisStepRange.LastStep, 15);
    }
    // The print use: "Printrange", the step window preset, only the axis shown.
    p.ModuleType = 2;
    p.RangeTitle = kRangeTitlePrint;
    frmDefault d(p, sink);
    d.HideSteps();
    EXPECT_EQ(d.windowTitle(), "Printrange");
    EXPECT_EQ(d.DefaultText[0]->text(), "10");
    EXPECT_EQ(d.DefaultText[1]->text(), "20");
    for (QWidget* w : {static_cast<QWidget*>(d.Label2), static_cast<QWidget*>(d.Label3),
                       static_cast<QWidget*>(d.DefaultText[0]), static_cast<QWidget*>(d.DefaultText[1])})
        EXPECT_TRUE(w->isHidden());
    EXPECT_FALSE(d.DefaultCombo->isHidden());
    d.DefaultCombo->setCurrentIndex(1);
    d.DefaultCommand_Click();
    EXPECT_EQ(p.AxisStepRange.AxisNo, 1);
    EXPECT_EQ(p.AxisStepRange.FirstStep, 10);
    EXPECT_EQ(p.AxisStepRange.LastStep, 20);
    // Cancel and the close box both give 99.
    frmDefault c1(p, sink);
    c1.show();
    Click(c1.CancelCommand);
    EXPECT_EQ(p.AxisStepRange.AxisNo, 99);
    p.AxisStepRange.AxisNo = 0;
    frmDefault c2(p, sink);
    c2.show();
    c2.close();
    EXPECT_EQ(p.AxisStepRange.AxisNo, 99);
}


// --- CSV files in CSV work ---

class PositioningCsvTest : public PositioningTest {
protected:
    std::deque<std::string> answers; // names the file dialog answers in turn ("" Cancel)
    template <class W> W& openCsv(int moduleType)
    {
        W& e = open<W>(moduleType, true);
        forms->fileDialog.exec = [this](QFileDialog& d) { return AnswerFrom(answers, d); };
        return e;
    }
    std::string path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
    static std::string read(const std::string& p) { return ReadFile(p); }
    static void write(const std::string& p, const std::string& text) { WriteFile(p, text); }
    // The file's text with one value replaced.
    static std::string replaced(std::string text, const std::string& from, const std::string& to)
    {
        return Replaced(std::move(text), from, to);
    }
};

TEST_F(PositioningCsvTest, OneAxisSaveClearLoadAndBadValuesLeftOut)
{
    frmAutoRunJVMode& e = openCsv<frmAutoRunJVMode>(1);
    FlexGrid* g = e.RunModeGrid;
    EXPECT_TRUE(e.AutoJVCsv_Cmd1->isEnabled() && e.AutoJVCsv_Cmd2->isEnabled());
    // Step 0 typed in decimal, step 255's mode in hex.
    Click(e.AutoDecOption);
    Go(g, 2, 2);
    for (const char* v : {"32769", "1000", "1000", "32", "-2"}) {
        Type(v);
        Key(Qt::Key_Right);
    }
    Click(e.AutoHexOption);
    Go(g, 512, 2);
    Type("c000");
    answers = {path("jv.csv")};
    Click(e.AutoJVCsv_Cmd2);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 2);
    const std::string saved = read(path("jv.csv"));
    ASSERT_FALSE(saved.empty());
    Click(e.AutoCancel_Command);
    EXPECT_EQ(Row(g, 2, 2, 7), std::vector<std::string>(6));

    // Loaded back from a decimal display: hex first, the values and the detail text.
    Click(e.AutoDecOption);
    answers = {path("jv.csv")};
    Click(e.AutoJVCsv_Cmd1);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    EXPECT_TRUE(e.AutoHexOption->isChecked());
    EXPECT_EQ(Row(g, 2, 2, 6), (std::vector<std::string>{"8001", "03E8", "03E8", "0020", "FFFFFFFE"}));
    EXPECT_EQ(g->TextMatrix(512, 2), "C000");
    EXPECT_FALSE(g->TextMatrix(2, 7).empty());
    EXPECT_EQ(g->TextMatrix(1, 2), "");
    EXPECT_TRUE(e.AutoJVCsv_Cmd1->isEnabled());

    // A value that is no hex word is left out, its cell kept, and the load says so once.
    g->setTextMatrix(512, 2, "kept");
    write(path("bad.csv"), replaced(saved, "59FF,c000,", "59FF,G000,"));
    answers = {path("bad.csv")};
    Click(e.AutoJVCsv_Cmd1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].second, MsgIcon::Exclamation);
    EXPECT_EQ(messages[0].first.substr(0, 8), "1 value ");
    EXPECT_EQ(g->TextMatrix(512, 2), "kept");
    EXPECT_EQ(g->TextMatrix(2, 2), "8001");
    // Cancel in the file dialog: nothing changes, no message.
    messages.clear();
    answers = {""};
    Click(e.AutoJVCsv_Cmd1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(g->TextMatrix(512, 2), "kept");
}

TEST_F(PositioningCsvTest, TwoAxisLoadFillsBothGridsAndRenamesTheTabs)
{
    frmAutoRun7WMode& e = openCsv<frmAutoRun7WMode>(2);
    auto& g = e.RunMode7WGrid;
    ClickCell(g[0], 2, 2);
    Type("8000");
    Key(Qt::Key_Return);
    ClickTab(e.AutoSSTab, 1);
    ClickCell(g[1], 4, 6);
    Type("12345678");
    Key(Qt::Key_Return);
    answers = {path("7w.csv")};
    Click(e.Auto7WCsv_Cmd2);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    std::string text = read(path("7w.csv"));
    ASSERT_FALSE(text.empty());
    text = replaced(text, "X Axis,X axis", "X Axis,Left&Right");
    write(path("7w.csv"), text);
    for (FlexGrid* x : g) x->setTextMatrix(2, 2, ""), x->setTextMatrix(4, 6, "");
    answers = {path("7w.csv")};
    Click(e.Auto7WCsv_Cmd1);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    EXPECT_EQ(g[0]->TextMatrix(2, 2), "8000");
    EXPECT_EQ(g[0]->TextMatrix(2, 7).substr(0, 15), "Operation valid");
    EXPECT_EQ(g[1]->TextMatrix(4, 6), "12345678");
    EXPECT_EQ(g[1]->TextMatrix(2, 2), "");
    EXPECT_EQ(e.AutoSSTab->tabText(0).toStdString(), "Left&&Right");
    EXPECT_EQ(e.AutoSSTab->currentIndex(), 0);
}

TEST_F(PositioningCsvTest, FourAxisSaveAndLoadBackPointByPoint)
{
    frmAutoRunZr4Mode& e = openCsv<frmAutoRunZr4Mode>(5);
    auto& g = e.RunModeZr4Grid;
    ClickTab(e.AutoSSTab, 3);
    ClickCell(g[3], 4, 2);
    for (const char* v : {"8000", "0", "3e8", "3E8", "1000", "FFFFFFFF", "1"}) {
        Type(v);
        Key(Qt::Key_Right);
    }
    answers = {path("z4.csv")};
    Click(e.AutoZ4Csv_Cmd2);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    const std::string saved = read(path("z4.csv"));
    Click(e.AutoCancelZ4_Command);
    EXPECT_EQ(Row(g[3], 4, 2, 8), std::vector<std::string>(7));
    answers = {path("z4.csv")};
    Click(e.AutoZ4Csv_Cmd1);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    // Padded to their column's width as they come in.
    EXPECT_EQ(Row(g[3], 4, 2, 8),
              (std::vector<std::string>{"8000", "0000", "03E8", "03E8", "1000", "FFFFFFFF", "00000001"}));
    EXPECT_EQ(Row(g[0], 4, 2, 8), std::vector<std::string>(7));
    EXPECT_EQ(g[0]->Row(), 1);
    EXPECT_EQ(g[0]->Col(), 1);
    // A nine-digit target in the file is left out.
    write(path("bad.csv"), replaced(saved, "3001,5,FFFFFFFF", "3001,5,1FFFFFFFF"));
    EXPECT_EQ(e.AutoSSTab->currentIndex(), 0);
    ClickTab(e.AutoSSTab, 3);
    Click(e.AutoCancelZ4_Command);
    answers = {path("bad.csv")};
    Click(e.AutoZ4Csv_Cmd1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(g[3]->TextMatrix(4, 7), "");
    EXPECT_EQ(g[3]->TextMatrix(4, 2), "8000");
}

// --- teaching ---

namespace {

// Answers the teaching dialog: axes ticked (mask), the step typed, then Submit (or Cancel).
struct TeachAnswer {
    int mask = 0;
    std::string step;
    bool submit = true;
};

} // namespace

class TeachingTest : public PositioningTest {
protected:
    TeachAnswer answer;
    // What the dialog showed when it opened.
    std::vector<std::string> captions;
    bool lockedWhileOpen = false;
    std::vector<std::pair<int, int>> tasksSeen;

    void answerTeach()
    {
        forms->runDialog = [this](QDialog& d) {
            auto* t = qobject_cast<frmTeach_Command*>(&d);
            ASSERT_NE(t, nullptr);
            d.show();
            captions.clear();
            for (QCheckBox* c : t->JikCheck) {
                captions.push_back(c->text().toStdString());
                EXPECT_FALSE(c->isChecked());
            }
            EXPECT_EQ(t->StepText->text(), "");
            lockedWhileOpen = !forms->window<frmAutoRunZr4Mode>().Teach_Command->isEnabled();
            for (int i = 0; i < 4; ++i) t->JikCheck[static_cast<size_t>(i)]->setChecked(answer.mask & (1 << i));
            t->StepText->setText(QString::fromStdString(answer.step));
            Click(answer.submit ? t->DataSetCommand : t->Cancel_Command);
            // A refused submit leaves the dialog open: the user gives up.
            if (d.isVisible()) Click(t->Cancel_Command);
        };
    }
};

TEST_F(TeachingTest, TheDialogChecksInOrderAndCancelSendsNothing)
{
    frmAutoRunZr4Mode& e = open<frmAutoRunZr4Mode>(5, false, 0, 3);
    forms->pub.set.AxisName = {"Axis & A", std::string(20, 'n'), "C", ""};
    answerTeach();
    struct Case { int mask; const char* step; const char* message; };
    const Case cases[] = {
        {0, "", "Selected axes Setting"},         {1, "", "Selected Step No Setting"},
        {1, "1A", "Data Numeric Error"},          {3, "256", "Step No. Limit Error"},
        {8, "-1", "Step No. Limit Error"},        {8, "999", "Step No. Limit Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        messages.clear();
        answer.mask = c.mask;
        answer.step = c.step;
        Click(e.Teach_Command);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], Message(c.message, MsgIcon::Exclamation));
        EXPECT_EQ(link->connects, 0);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Axis && A", std::string(14, 'n'), "C", ""}));
    EXPECT_TRUE(lockedWhileOpen);
    EXPECT_TRUE(e.Teach_Command->isEnabled());
    // Cancel sends nothing, even with a confirmation left over from other work.
    forms->pub.Z4StepData = "OK";
    forms->pub.Z4StepNo = "0001";
    messages.clear();
    answer = {5, "1", false};
    const int items = tasks->items;
    Click(e.Teach_Command);
    EXPECT_EQ(link->connects, 0);
    EXPECT_EQ(tasks->items, items);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(forms->pub.Z4StepData, "");
    EXPECT_EQ(e.RunModeZr4Grid[0]->TextMatrix(3, 2), "0100");
}

TEST_F(TeachingTest, AConfirmedStepIsReadBackInTheDisplayInForce)
{
    frmAutoRunZr4Mode& e = open<frmAutoRunZr4Mode>(5, false, 0, 3);
    auto& g = e.RunModeZr4Grid;
    // What the module holds after teaching: the read-back answers (stub) these words.
    for (int a = 0; a < 4; ++a) g[static_cast<size_t>(a)]->setTextMatrix(5, 2, "old");
    g[0]->setTextMatrix(6, 2, "1234");
    Click(e.AutoDecZ4Option);
    answerTeach();
    answer = {5, "2"};
    Click(e.Teach_Command);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], Message("Complete transmission", MsgIcon::None));
    EXPECT_EQ(forms->pub.Z4StepNo, "0002");
    EXPECT_EQ(forms->pub.Z4StepCmd, "8905");
    EXPECT_EQ(forms->pub.TeachStepNo, 2);
    EXPECT_EQ(forms->pub.Z4StepData, "");   // used, emptied
    EXPECT_EQ(link->closings, 2);           // the dialog's exchange, then the read-back
    // All four axes of step 2 rewritten (row 5), in decimal: the stub answers 0x200 + a 0x10 + w.
    for (int a = 0; a < 4; ++a) {
        const FlexGrid* x = g[static_cast<size_t>(a)];
        EXPECT_EQ(x->TextMatrix(5, 2), std::to_string(0x200 + a * 0x10)) << a;
        EXPECT_EQ(x->TextMatrix(5, 7), std::to_string((0x206 + a * 0x10) * 0x10000 + 0x205 + a * 0x10)) << a;
    }
    EXPECT_EQ(g[0]->TextMatrix(6, 2), "4660"); // the Setting row below is not touched
    EXPECT_TRUE(e.Teach_Command->isEnabled());
    // A later switch reads the row right.
    Click(e.AutoHexZ4Option);
    EXPECT_EQ(g[1]->TextMatrix(5, 2), "0210");
    EXPECT_EQ(g[1]->TextMatrix(5, 8), "02180217");
}

TEST_F(TeachingTest, NoReadBackOutsideTheWindowNorInCsvWork)
{
    frmAutoRunZr4Mode& e = open<frmAutoRunZr4Mode>(5, false, 0, 3);
    answerTeach();
    answer = {15, "200"};
    const auto before = Values(e.RunModeZr4Grid, 8);
    Click(e.Teach_Command);
    EXPECT_EQ(messages, std::vector<Message>{Message("Complete transmission", MsgIcon::None)});
    EXPECT_EQ(link->closings, 1); // taught, nothing read
    EXPECT_EQ(Values(e.RunModeZr4Grid, 8), before);
    EXPECT_EQ(forms->pub.Z4StepData, "");

    frmAutoRunZr4Mode& c = open<frmAutoRunZr4Mode>(5, true);
    answerTeach();
    answer = {1, "0"};
    link->closings = 0;
    Click(c.Teach_Command);
    EXPECT_EQ(link->closings, 1);
    EXPECT_EQ(forms->pub.Z4StepData, "OK"); // CSV work leaves it
    EXPECT_EQ(c.RunModeZr4Grid[0]->TextMatrix(1, 2), "");
    // A link that does not open: no message of the dialog's own, nothing read.
    messages.clear();
    link->connectResult = 0;
    frmAutoRunZr4Mode& m = open<frmAutoRunZr4Mode>(5, false, 0, 3);
    answerTeach();
    answer = {1, "1"};
    Click(m.Teach_Command);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(forms->pub.Z4StepData, "");
    EXPECT_EQ(m.RunModeZr4Grid[0]->TextMatrix(3, 2), "0100");
}
