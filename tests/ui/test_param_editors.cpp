// The three parameter editors and the operation-mode display, driven by keys and clicks in
// the real grids and boxes, offscreen.
#include <gtest/gtest.h>

#include <QAbstractItemView>
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
#include "params/ParamLayout.h"
#include "params/ui/frmParm7W.h"
#include "params/ui/frmParmJV.h"
#include "params/ui/frmParmZr4.h"
#include "params/ui/frmRunMode.h"
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

class ParamEditorTest : public UiTest {
protected:
    // The model chosen, its register table rebuilt, every register row read as its own
    // number (high word 1000 + row); the editor of the model opened as the main window opens it.
    template <class W> W& open(int moduleType, bool csv = false)
    {
        if (!forms) start();
        Public& p = forms->pub;
        Model_Choose(p, Model_ForType(moduleType).text);
        Model_BuildRegisters(p);
        for (int r = 1; r <= RegisterTable::kRows; ++r) {
            p.reg.ReadData[static_cast<size_t>(r)] = hex4(r);
            if (p.reg.TwoWords[static_cast<size_t>(r)]) p.reg.ReadDataH[static_cast<size_t>(r)] = hex4(0x1000 + r);
        }
        for (size_t a = 0; a < 4; ++a)
            for (size_t w = 0; w < 19; ++w) p.Z4PrmData[a][w].Word = hex4(int(a) * 0x100 + int(w));
        p.DataSourceCaption = csv ? "[Csv file]" : "";
        W& e = forms->window<W>();
        if (e.isVisible()) e.close();
        forms->openAtMain(Model_ForType(moduleType).paramForm);
        EXPECT_TRUE(Activate(&e));
        messages.clear();
        return e;
    }

    // Column 3 of rows 1..rows of a grid.
    static std::vector<std::string> Setting(const FlexGrid* g, int rows)
    {
        std::vector<std::string> v;
        for (int k = 1; k <= rows; ++k) v.push_back(g->TextMatrix(k, 3));
        return v;
    }
    static std::vector<std::string> Only(int rows, int row, const std::string& text)
    {
        std::vector<std::string> v(static_cast<size_t>(rows));
        v[static_cast<size_t>(row - 1)] = text;
        return v;
    }
    // The grid focused with (row, col) current, as after the user's arrows.
    static void Go(FlexGrid* g, int row, int col = 3)
    {
        g->setFocus();
        g->setRow(row);
        g->setCol(col);
    }
};

} // namespace

// --- frmParmJV ---

TEST_F(ParamEditorTest, OneAxisOpensOnModuleDataWithTheBoxOverTheFirstSetting)
{
    frmParmJV& e = open<frmParmJV>(1);
    FlexGrid* g = e.PrmFlexGrid;
    EXPECT_EQ(e.windowTitle(), "Common parameter setting(JV-ZR)");
    EXPECT_FALSE(e.ParmCsvJVFrame->isVisible());
    EXPECT_EQ(g->TextMatrix(1, 1), "Operation mode(2)");
    EXPECT_EQ(g->TextMatrix(12, 1), "Home position data");
    EXPECT_EQ(g->TextMatrix(1, 2), "0003");
    EXPECT_EQ(g->TextMatrix(10, 2), "100C000C");
    EXPECT_EQ(Setting(g, 12), std::vector<std::string>(12));
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 3);
    EXPECT_TRUE(Covers(e.SelText, *g, 1, 3));
    EXPECT_TRUE(e.PramJVOption2->isChecked());
    EXPECT_TRUE(e.CpuReadOption->isChecked());
    EXPECT_TRUE(e.HexOption->isChecked());
    // Default, Cancel and Print work; the CSV files still to come stay off.
    EXPECT_TRUE(e.Default_Command->isEnabled());
    EXPECT_TRUE(e.Cancel_Command->isEnabled());
    EXPECT_TRUE(e.RunModeCommand->isEnabled());
    EXPECT_TRUE(e.PrnCommand->isEnabled());

    frmParmJV& c = open<frmParmJV>(1, true);
    EXPECT_EQ(c.windowTitle(), "[Csv file]Common parameter setting(JV-ZR)");
    EXPECT_TRUE(c.ParmCsvJVFrame->isVisible());
    EXPECT_EQ(c.PrmFlexGrid->TextMatrix(1, 2), "");
    EXPECT_EQ(c.PrmFlexGrid->TextMatrix(10, 2), "");
}

TEST_F(ParamEditorTest, KeysOnTheGridOpenTheBox)
{
    frmParmJV& e = open<frmParmJV>(1);
    FlexGrid* g = e.PrmFlexGrid;
    Go(g, 3);
    g->setTextMatrix(3, 3, "07D0");
    // A digit replaces the shown text, the caret after it; Enter commits it as typed.
    Type("5");
    ASSERT_TRUE(e.SelText->hasFocus());
    EXPECT_EQ(e.SelText->text(), "5");
    EXPECT_EQ(e.SelText->cursorPosition(), 1);
    Key(Qt::Key_Return);
    EXPECT_EQ(g->TextMatrix(3, 3), "5");
    EXPECT_TRUE(g->hasFocus());
    EXPECT_TRUE(Covers(e.SelText, *g, 3, 3));
    EXPECT_EQ(e.SelText->text(), "5");
    // Enter opens it holding the cell's text, all selected.
    Key(Qt::Key_Return);
    ASSERT_TRUE(e.SelText->hasFocus());
    EXPECT_EQ(e.SelText->selectedText(), "5");
    Key(Qt::Key_Escape);
    e.SelText->clear();
    Key(Qt::Key_Return); // an emptied box clears its cell by Enter
    EXPECT_EQ(g->TextMatrix(3, 3), "");

    // Keys that open nothing: other characters, "-" in hex display, any key off column 3.
    for (char c : {'g', '-', ' ', '+'}) {
        Type(std::string(1, c));
        EXPECT_TRUE(g->hasFocus()) << c;
    }
    Go(g, 3, 2);
    Type("5");
    EXPECT_TRUE(g->hasFocus());
    EXPECT_FALSE(e.SelText->isVisible());
    EXPECT_EQ(g->TextMatrix(3, 2), "0005");
    // In decimal display "-" opens the box.
    Click(e.DecOption);
    Go(g, 11);
    Type("-1");
    EXPECT_EQ(e.SelText->text(), "-1");
    Key(Qt::Key_Return);
    EXPECT_EQ(g->TextMatrix(11, 3), "-1");
    Click(e.HexOption);
    EXPECT_EQ(g->TextMatrix(11, 3), "FFFFFFFF");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ParamEditorTest, ArrowsInTheBoxCommitAndMove)
{
    frmParmJV& e = open<frmParmJV>(1);
    FlexGrid* g = e.PrmFlexGrid;
    struct Case { int row; Qt::Key key; int toRow; int toCol; bool boxShown; };
    const Case cases[] = {
        {5, Qt::Key_Down, 6, 3, true},  {12, Qt::Key_Down, 12, 3, true}, {5, Qt::Key_Up, 4, 3, true},
        {1, Qt::Key_Up, 1, 3, true},    {5, Qt::Key_Left, 5, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        e.Cancel_Command->click();
        Go(g, c.row);
        Type("1A");
        Key(c.key);
        EXPECT_EQ(Setting(g, 12), Only(12, c.row, "1A"));
        EXPECT_EQ(g->Row(), c.toRow);
        EXPECT_EQ(g->Col(), c.toCol);
        EXPECT_TRUE(g->hasFocus());
        EXPECT_EQ(e.SelText->isVisible(), c.boxShown);
        if (c.boxShown) {
            EXPECT_TRUE(Covers(e.SelText, *g, c.toRow, c.toCol));
        }
    }
    // Right neither commits nor moves: the caret moves in the box.
    e.Cancel_Command->click();
    Go(g, 4);
    Type("12");
    e.SelText->setCursorPosition(0);
    Key(Qt::Key_Right);
    EXPECT_TRUE(e.SelText->hasFocus());
    EXPECT_EQ(e.SelText->cursorPosition(), 1);
    EXPECT_EQ(g->TextMatrix(4, 3), "");
    EXPECT_EQ(g->Row(), 4);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ParamEditorTest, EntriesAreCheckedByTheirRowAndDisplay)
{
    frmParmJV& e = open<frmParmJV>(1);
    FlexGrid* g = e.PrmFlexGrid;
    struct Case { bool dec; int row; const char* typed; bool accepted; Message refusal; };
    const Case cases[] = {
        {false, 2, "0000", false, Limit()},      {false, 1, "0000", true, {}},       {false, 9, "0000", true, {}},
        {false, 8, "12345", false, Limit()},     {false, 10, "00000000", true, {}},  {false, 10, "123456789", false, Limit()},
        {false, 4, "12G", false, Numeric()},     {true, 3, "65536", false, Limit()}, {true, 3, "-1", false, Limit()},
        {true, 3, "65535", true, {}},            {true, 11, "-1", true, {}},         {true, 11, "4294967295", false, Limit()},
        {true, 12, "FF", false, Numeric()},      {true, 12, "-2147483648", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " on row " + std::to_string(c.row));
        (c.dec ? e.DecOption : e.HexOption)->click();
        e.Cancel_Command->click();
        g->setTextMatrix(c.row, 3, "old");
        Go(g, c.row);
        Type(c.typed);
        messages.clear();
        Key(Qt::Key_Return);
        if (c.accepted) {
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(g->TextMatrix(c.row, 3), c.typed);
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0], c.refusal);
            EXPECT_EQ(g->TextMatrix(c.row, 3), "old");
            EXPECT_TRUE(g->hasFocus());
            EXPECT_EQ(g->Row(), c.row);
            EXPECT_EQ(e.SelText->text(), "old"); // the box shows the cell as it stayed
        }
    }
}

TEST_F(ParamEditorTest, RightChecksTheRowBeingTypedOn)
{
    frmParmJV& e = open<frmParmJV>(1);
    FlexGrid* g = e.PrmFlexGrid;
    // The cell left before is a 16-bit row; the row typed on takes 8 digits.
    Go(g, 9);
    Type("1");
    Key(Qt::Key_Down);
    Type("12345678");
    Key(Qt::Key_Right);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(e.SelText->text(), "12345678");
    EXPECT_TRUE(e.SelText->hasFocus());
    Key(Qt::Key_Return);
    EXPECT_EQ(g->TextMatrix(10, 3), "12345678");
    EXPECT_EQ(g->TextMatrix(9, 3), "1");
    // A bad entry is refused by Right as by the other keys, and nothing moves.
    Key(Qt::Key_Up);
    Type("12345");
    Key(Qt::Key_Right);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], Limit());
    EXPECT_EQ(g->TextMatrix(9, 3), "1");
    EXPECT_EQ(g->Row(), 9);
}

// Every way out of the box puts the entry into the cell it was typed over, once, and nowhere else.
TEST_F(ParamEditorTest, EveryWayOutCommitsIntoTheCellTypedOver)
{
    struct Way { const char* name; std::function<void(frmParmJV&)> leave; int boxRow; };
    const Way ways[] = {
        {"Enter", [](frmParmJV&) { Key(Qt::Key_Return); }, 2},
        {"Down", [](frmParmJV&) { Key(Qt::Key_Down); }, 3},
        {"Up", [](frmParmJV&) { Key(Qt::Key_Up); }, 1},
        {"Left", [](frmParmJV&) { Key(Qt::Key_Left); }, 0},
        {"Tab", [](frmParmJV&) { Key(Qt::Key_Tab); }, 0},
        {"a click on another cell", [](frmParmJV& e) { ClickCell(e.PrmFlexGrid, 7, 3); }, 7},
        {"a click on a name", [](frmParmJV& e) { ClickCell(e.PrmFlexGrid, 9, 1); }, 0},
        {"the display option in force", [](frmParmJV& e) { Click(e.HexOption); }, 0},
        {"an option", [](frmParmJV& e) { Click(e.CpuWriteOption); }, 0},
        {"a CSV option", [](frmParmJV& e) { Click(e.PramJVOption1); }, 0},
        {"the window's background", [](frmParmJV& e) { QTest::mouseClick(&e, Qt::LeftButton, {}, QPoint(2, 2)); }, 2},
        {"Exit", [](frmParmJV& e) { Click(e.End_Command); }, -1},
    };
    for (const Way& w : ways) {
        SCOPED_TRACE(w.name);
        frmParmJV& e = open<frmParmJV>(1, true);
        FlexGrid* g = e.PrmFlexGrid;
        Go(g, 2);
        Type("1234");
        w.leave(e);
        EXPECT_EQ(Setting(g, 12), Only(12, 2, "1234"));
        EXPECT_TRUE(messages.empty());
        EXPECT_FALSE(e.cellEditor().editing());
        if (w.boxRow < 0) {
            EXPECT_FALSE(e.isVisible());
        } else if (w.boxRow == 0) {
            EXPECT_FALSE(e.SelText->isVisible());
        } else {
            EXPECT_TRUE(Covers(e.SelText, *g, w.boxRow, 3));
            EXPECT_EQ(e.SelText->text().toStdString(), g->TextMatrix(w.boxRow, 3));
        }
    }
}

TEST_F(ParamEditorTest, AnEmptiedBoxClearsItsCellOnlyByAKeyOrAfterAMousePress)
{
    frmParmJV& e = open<frmParmJV>(1);
    FlexGrid* g = e.PrmFlexGrid;
    // Typed over and emptied, then left by a click elsewhere: the cell keeps its text.
    g->setTextMatrix(4, 3, "0100");
    Go(g, 4);
    Type("7");
    e.SelText->clear();
    Click(e.CpuWriteOption);
    EXPECT_EQ(g->TextMatrix(4, 3), "0100");
    // Pressed with the mouse, emptied and left: the cell is emptied.
    Go(g, 4);
    ASSERT_TRUE(e.SelText->isVisible());
    Click(e.SelText);
    EXPECT_TRUE(e.SelText->hasFocus());
    EXPECT_EQ(e.SelText->selectedText(), "0100");
    Key(Qt::Key_Delete);
    Click(e.CpuReadOption);
    EXPECT_EQ(g->TextMatrix(4, 3), "");
    // Emptied and ended by Down: emptied.
    g->setTextMatrix(5, 3, "0200");
    Go(g, 5);
    Key(Qt::Key_Return);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Down);
    EXPECT_EQ(g->TextMatrix(5, 3), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ParamEditorTest, AClickThatLeftARefusedEntryIsDropped)
{
    struct Way { const char* name; std::function<void(frmParmJV&)> click; std::function<bool(frmParmJV&)> ran; };
    const Way ways[] = {
        {"Default", [](frmParmJV& e) { Click(e.Default_Command); },
         [](frmParmJV& e) { return e.PrmFlexGrid->TextMatrix(1, 3) == "0000"; }},
        {"Cancel", [](frmParmJV& e) { Click(e.Cancel_Command); },
         [](frmParmJV& e) { return e.PrmFlexGrid->TextMatrix(6, 3).empty(); }},
        {"Exit", [](frmParmJV& e) { Click(e.End_Command); }, [](frmParmJV& e) { return !e.isVisible(); }},
        {"Submit", [](frmParmJV& e) { Click(e.Send_Command); },
         [this](frmParmJV&) { return link->connects > 0; }},
        {"Dec display", [](frmParmJV& e) { Click(e.DecOption); }, [](frmParmJV& e) { return e.DecOption->isChecked(); }},
        {"another cell", [](frmParmJV& e) { ClickCell(e.PrmFlexGrid, 8, 3); },
         [](frmParmJV& e) { return e.PrmFlexGrid->Row() == 8; }},
    };
    for (const Way& w : ways) {
        SCOPED_TRACE(w.name);
        frmParmJV& e = open<frmParmJV>(1);
        FlexGrid* g = e.PrmFlexGrid;
        g->setTextMatrix(6, 3, "0020");
        Go(g, 2);
        Type("0");
        w.click(e);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], Limit());
        EXPECT_FALSE(w.ran(e));
        EXPECT_TRUE(e.isVisible());
        EXPECT_EQ(g->TextMatrix(2, 3), "");
        EXPECT_EQ(g->TextMatrix(6, 3), "0020");
        EXPECT_TRUE(g->hasFocus());
        // The next click is the user's own.
        QCoreApplication::processEvents();
        messages.clear();
        w.click(e);
        EXPECT_TRUE(w.ran(e));
        EXPECT_TRUE(messages.empty());
    }
}

// The focus Qt moves on when the grid is locked (a transfer from a key, or a window that was
// not active when Submit was clicked) may land in the box laid over the grid: that starts no
// entry, so the value the box shows never goes back into a cell the transfer emptied.
TEST_F(ParamEditorTest, LockingTheGridUnderTheLaidBoxStartsNoEntry)
{
    frmParmJV& e = open<frmParmJV>(1);
    FlexGrid* g = e.PrmFlexGrid;
    Go(g, 10);
    Type("FFFFFFF0");
    Key(Qt::Key_Return);
    ASSERT_TRUE(g->hasFocus());
    ASSERT_TRUE(Covers(e.SelText, *g, 10, 3));
    forms->FormControl_Enable(form::frmParmJV, false);
    g->setTextMatrix(10, 2, g->TextMatrix(10, 3)); // as a written cell moves
    g->setTextMatrix(10, 3, "");
    forms->FormControl_Enable(form::frmParmJV, true);
    g->setRow(1);
    g->setCol(2);
    EXPECT_FALSE(e.cellEditor().editing());
    EXPECT_EQ(g->TextMatrix(10, 3), "");
    // Tab from the grid passes the box by.
    Go(g, 4);
    Key(Qt::Key_Tab);
    EXPECT_FALSE(e.SelText->hasFocus());
    EXPECT_EQ(Setting(g, 12), std::vector<std::string>(12));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ParamEditorTest, ADisplaySwitchCommitsThePendingEntryFirst)
{
    frmParmJV& e = open<frmParmJV>(1);
    FlexGrid* g = e.PrmFlexGrid;
    Go(g, 9);
    Type("ffff");
    Click(e.DecOption);
    EXPECT_EQ(g->TextMatrix(0, 2), "Current data(Dec)");
    EXPECT_EQ(g->TextMatrix(0, 3), "Setting data(Dec)");
    EXPECT_EQ(g->TextMatrix(9, 3), "65535");
    EXPECT_EQ(g->TextMatrix(9, 2), "11");
    EXPECT_EQ(g->TextMatrix(10, 2), "269221900");
    // Typed in decimal, switched back: the decimal entry converted, padded.
    Go(g, 12);
    Type("-2");
    Click(e.HexOption);
    EXPECT_EQ(g->TextMatrix(0, 3), "Setting data(Hex)");
    EXPECT_EQ(g->TextMatrix(12, 3), "FFFFFFFE");
    EXPECT_EQ(g->TextMatrix(9, 3), "FFFF");
    EXPECT_EQ(g->TextMatrix(9, 2), "000B");
    EXPECT_EQ(g->TextMatrix(10, 2), "100C000C");
    // A switch to the display in force converts nothing: short hex stays short.
    Go(g, 5);
    Type("7");
    Key(Qt::Key_Return);
    Click(e.HexOption);
    EXPECT_EQ(g->TextMatrix(5, 3), "7");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ParamEditorTest, DefaultSelectsHexFirstAndCancelEmptiesTheSettingsOnly)
{
    frmParmJV& e = open<frmParmJV>(1);
    FlexGrid* g = e.PrmFlexGrid;
    // In decimal display: the shown values go back to hex, then the hex defaults come in.
    Click(e.DecOption);
    ASSERT_EQ(g->TextMatrix(2, 2), "4");
    Click(e.Default_Command);
    EXPECT_TRUE(e.HexOption->isChecked());
    EXPECT_EQ(g->TextMatrix(0, 3), "Setting data(Hex)");
    EXPECT_EQ(g->TextMatrix(2, 2), "0004");
    const std::vector<std::string> defaults = {"0000", "07D0", "07D0", "1F40", "0010",     "0020",
                                               "0010", "03E8", "0000", "3FFFFFFF", "C0000000", "00000000"};
    EXPECT_EQ(Setting(g, 12), defaults);
    // In hex display nothing is converted: "07D0" stays, never read as decimal.
    Click(e.Default_Command);
    EXPECT_EQ(Setting(g, 12), defaults);
    EXPECT_EQ(g->TextMatrix(2, 2), "0004");
    Click(e.Cancel_Command);
    EXPECT_EQ(Setting(g, 12), std::vector<std::string>(12));
    EXPECT_EQ(g->TextMatrix(2, 2), "0004");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ParamEditorTest, OperationModeDecodesTheChosenColumnOrSaysThereIsNoData)
{
    frmParmJV& e = open<frmParmJV>(1, true);
    FlexGrid* g = e.PrmFlexGrid;
    std::vector<std::vector<std::string>> shown;
    forms->runDialog = [&](QDialog& d) {
        auto* m = qobject_cast<frmRunMode*>(&d);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->windowTitle(), "Common parameter operation mode");
        std::vector<std::string> rows;
        for (int r = 0; r < m->RunModeGrid->Rows(); ++r)
            for (int c = 0; c < m->RunModeGrid->Cols(); ++c) rows.push_back(m->RunModeGrid->TextMatrix(r, c));
        shown.push_back(rows);
    };
    // CSV data: no current data to decode.
    Click(e.RunModeCommand);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], Message("No data the requirements", MsgIcon::Exclamation));
    EXPECT_TRUE(shown.empty());
    // The setting column in decimal display: 12288 is the word 3000.
    Click(e.CpuWriteOption);
    Click(e.DecOption);
    Go(g, 1);
    Type("12288");
    Click(e.RunModeCommand);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(forms->pub.RunModeCol, 3);
    EXPECT_EQ(forms->pub.RunModeDecimal, 1);
    const std::vector<std::string> want = {
        "No.", "Parameter", "Setting Data",
        "1", "Homing mode", "High speed homing 2(marker end/Reverse)",
        "2", "Velocity mode", "6.25(pulse/s)",
        "3", "Acceleration/Deceleration mode", "trapezoid acceleration mode",
        "4", "Position specifying unit 1", "x1",
        "5", "Position specifying unit 2", "Pulse"};
    EXPECT_EQ(shown[0], want);
    EXPECT_EQ(g->TextMatrix(1, 3), "12288"); // nothing written back
}

TEST_F(ParamEditorTest, ClosingIsRefusedDuringATransferAndGivesTheMainWindowBack)
{
    frmParmJV& e = open<frmParmJV>(1);
    frmMain& m = forms->Main();
    m.hide();
    forms->FormControl_Enable(0, false);
    forms->pub.TransferBusy = true;
    forms->pub.SendCancel = 0;
    Click(e.End_Command);
    EXPECT_TRUE(e.isVisible());
    forms->pub.TransferBusy = false;
    forms->pub.SendCancel = -1;
    Click(e.End_Command);
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(m.ParmSetCommand->isEnabled());
}

// --- frmParm7W ---

TEST_F(ParamEditorTest, TwoAxisCaptionsNamesAndLabelsByModel)
{
    struct Case { int type; const char* title; const char* row3; const char* row5; };
    const Case cases[] = {
        {2, "Common parameter setting(VELTA-7W)", "Manual initial speed", "Auto initial speed"},
        {3, "Common parameter setting(VELTAK7W)", "In position value", "Deviation quantity warning value"},
        {4, "Common parameter setting(ZRH)", "Manual initial speed", "Auto initial speed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        frmParm7W& e = open<frmParm7W>(c.type);
        EXPECT_EQ(e.windowTitle(), c.title);
        for (FlexGrid* g : e.PrmHFlexGrid) {
            EXPECT_EQ(g->TextMatrix(3, 1), c.row3);
            EXPECT_EQ(g->TextMatrix(5, 1), c.row5);
        }
        EXPECT_EQ(e.PrmHFlexGrid[0]->TextMatrix(1, 2), "0005");
        EXPECT_EQ(e.PrmHFlexGrid[1]->TextMatrix(1, 2), "0006");
        EXPECT_EQ(e.PrmHFlexGrid[1]->TextMatrix(12, 2), "101C001C");
        EXPECT_FALSE(e.ParmCsv7WFrame->isVisible());
        EXPECT_TRUE(Covers(e.SelHText, *e.PrmHFlexGrid[0], 1, 3));
        EXPECT_EQ(e.cellEditor().selectedGrid(), 0);
    }
    // Axis names: cut to 50 bytes, shown as plain text.
    frmParm7W& e = open<frmParm7W>(3, true);
    EXPECT_EQ(e.windowTitle(), "[Csv file]Common parameter setting(VELTAK7W)");
    forms->pub.set.AxisName[0] = std::string(60, 'x');
    forms->pub.set.AxisName[1] = "<b>Y</b> & Z";
    e.close();
    forms->openAtMain(3);
    EXPECT_EQ(e.X_Label->text().toStdString(), std::string(50, 'x'));
    EXPECT_EQ(e.Y_Label->text(), "<b>Y</b> & Z");
    EXPECT_EQ(e.Y_Label->textFormat(), Qt::PlainText);
}

TEST_F(ParamEditorTest, OneBoxServesBothGridsAndAnXEntryNeverLandsInY)
{
    frmParm7W& e = open<frmParm7W>(2);
    auto& g = e.PrmHFlexGrid;
    // Typed over X row 4, then a key on Y row 4: the box goes to Y, Enter commits into Y.
    Go(g[0], 4);
    Type("11");
    Key(Qt::Key_Return);
    ClickCell(g[1], 4, 3);
    EXPECT_EQ(e.cellEditor().selectedGrid(), 1);
    Type("22");
    Key(Qt::Key_Return);
    EXPECT_EQ(Setting(g[0], 12), Only(12, 4, "11"));
    EXPECT_EQ(Setting(g[1], 12), Only(12, 4, "22"));
    // Typing over X row 2 and clicking the Y cell at the same place: into X, the box to Y.
    e.CancelH_Command->click();
    g[1]->setRow(2);
    g[1]->setCol(3);
    Go(g[0], 2);
    Type("1234");
    ClickCell(g[1], 2, 3);
    EXPECT_EQ(Setting(g[0], 12), Only(12, 2, "1234"));
    EXPECT_EQ(Setting(g[1], 12), std::vector<std::string>(12));
    EXPECT_EQ(e.cellEditor().selectedGrid(), 1);
    EXPECT_TRUE(Covers(e.SelHText, *g[1], 2, 3));
    EXPECT_TRUE(g[1]->hasFocus());
    // And from Y to another X cell: into Y.
    Type("99");
    ClickCell(g[0], 7, 3);
    EXPECT_EQ(g[1]->TextMatrix(2, 3), "99");
    EXPECT_EQ(g[0]->TextMatrix(7, 3), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ParamEditorTest, TwoAxisCommandsActOnBothGrids)
{
    frmParm7W& e = open<frmParm7W>(4);
    auto& g = e.PrmHFlexGrid;
    Click(e.DecHOption);
    EXPECT_EQ(g[1]->TextMatrix(0, 2), "Current data(Dec)");
    EXPECT_EQ(g[1]->TextMatrix(1, 2), "6");
    Click(e.DefaultH_Command);
    EXPECT_EQ(g[1]->TextMatrix(1, 2), "0006");
    EXPECT_EQ(Setting(g[0], 12), Setting(g[1], 12));
    EXPECT_EQ(g[1]->TextMatrix(11, 3), "C0000000");
    Click(e.CancelH_Command);
    EXPECT_EQ(Setting(g[0], 12), std::vector<std::string>(12));
    EXPECT_EQ(Setting(g[1], 12), std::vector<std::string>(12));

    // The mode display needs row 1 in both grids.
    std::vector<std::string> y;
    forms->runDialog = [&](QDialog& d) {
        auto* m = static_cast<frmRunMode*>(&d);
        EXPECT_EQ(m->RunModeGrid->TextMatrix(0, 3), "Setting Data(Y axis)");
        for (int r = 1; r <= 4; ++r) y.push_back(m->RunModeGrid->TextMatrix(r, 3));
        EXPECT_EQ(m->RunModeGrid->TextMatrix(1, 2), "High speed homing 2(marker end)");
    };
    Click(e.CpuWrite7WOption);
    Go(g[0], 1);
    Type("3010");
    Key(Qt::Key_Return);
    Click(e.RunModeHCommand);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, "No data the requirements");
    EXPECT_TRUE(y.empty());
    Go(g[1], 1);
    Type("2010");
    Key(Qt::Key_Return);
    Click(e.RunModeHCommand);
    EXPECT_EQ(y, (std::vector<std::string>{"High speed homing 1(off edge)", "6.25(pulse/s)", "number of pulses 0", "0ms"}));
}

// --- frmParmZr4 ---

TEST_F(ParamEditorTest, FourAxisOpensWithTabsListsAndFrames)
{
    frmParmZr4& e = open<frmParmZr4>(5);
    EXPECT_EQ(e.windowTitle(), "Common parameter setting(JV-ZR4)");
    EXPECT_TRUE(e.PramReadZ4Frame->isVisible());
    EXPECT_TRUE(e.PramWriteZ4Frame->isVisible());
    EXPECT_EQ(e.AutoSSTab->currentIndex(), 0);
    FlexGrid* g = e.PrmZ4FlexGrid[0];
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 1);
    EXPECT_FALSE(e.SelHText->isVisible());
    EXPECT_FALSE(e.PrmSelZ4Combo->isVisible());
    EXPECT_EQ(g->TextMatrix(12, 1), "Pulse number for one rotation");
    EXPECT_EQ(e.PrmZ4FlexGrid[1]->TextMatrix(20, 2), "010C010B");
    EXPECT_EQ(e.PrmZ4FlexGrid[3]->TextMatrix(12, 2), "0303");

    // Tab captions: the names cut to 20 bytes, "&" shown as itself.
    forms->pub.set.AxisName = {"A & B", std::string(30, 'b'), "C", ""};
    e.close();
    forms->openAtMain(2);
    EXPECT_EQ(e.AutoSSTab->tabText(0), "A && B");
    EXPECT_EQ(e.AutoSSTab->tabText(1).toStdString(), std::string(20, 'b'));
    EXPECT_EQ(e.AutoSSTab->tabText(3), "");
}

TEST_F(ParamEditorTest, FourAxisOptionListCommitsOnlyAChoiceTheUserMade)
{
    frmParmZr4& e = open<frmParmZr4>(5, true);
    FlexGrid* g = e.PrmZ4FlexGrid[0];
    QComboBox* list = e.PrmSelZ4Combo;
    g->setTextMatrix(3, 3, "No Corresponding Data");
    // Passing over the option rows: the list shows their entries, nothing is written.
    Go(g, 1);
    ASSERT_TRUE(Covers(list, *g, 1, 3));
    EXPECT_FALSE(e.SelHText->isVisible());
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentText(), "Move to CW");
    for (int r = 2; r <= 11; ++r) {
        Key(Qt::Key_Down);
        ASSERT_EQ(g->Row(), r);
        EXPECT_TRUE(Covers(list, *g, r, 3)) << r;
    }
    EXPECT_EQ(list->itemText(list->count() - 1), "Cancel");
    std::vector<std::string> want(23);
    want[2] = "No Corresponding Data";
    EXPECT_EQ(Setting(g, 23), want);
    // Row 12 takes the box; Up from it reaches row 11's list.
    Key(Qt::Key_Down);
    EXPECT_TRUE(Covers(e.SelHText, *g, 12, 3));
    EXPECT_FALSE(list->isVisible());
    Type("8");
    Key(Qt::Key_Up);
    EXPECT_EQ(g->TextMatrix(12, 3), "8");
    EXPECT_TRUE(Covers(list, *g, 11, 3));
    // A choice by keys in the list is the user's: written as the table spells it.
    Go(g, 2);
    list->setFocus();
    ASSERT_TRUE(list->hasFocus());
    Key(Qt::Key_Down);
    EXPECT_EQ(g->TextMatrix(2, 3), "Low speed homing");
    // "Cancel" empties the cell.
    list->setFocus();
    list->setCurrentIndex(list->count() - 2);
    Key(Qt::Key_Down);
    EXPECT_EQ(g->TextMatrix(2, 3), "");
    // Back to the grid: the list hides when the focus leaves it, comes back with a cell.
    ClickCell(g, 5, 3);
    EXPECT_TRUE(Covers(list, *g, 5, 3));
    EXPECT_EQ(list->currentText(), "x1");
    EXPECT_EQ(g->TextMatrix(5, 3), "");
    EXPECT_TRUE(messages.empty());
}

// The list's popup is part of the list: opened with the mouse it keeps the list laid, and a
// choice made in it goes into the cell the list lies over, on the axis shown.
TEST_F(ParamEditorTest, FourAxisChoiceFromTheOpenedList)
{
    frmParmZr4& e = open<frmParmZr4>(5, true);
    QTabBar* bar = e.AutoSSTab->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    FlexGrid* b = e.PrmZ4FlexGrid[1];
    ClickCell(b, 2, 3);
    QComboBox* list = e.PrmSelZ4Combo;
    ASSERT_TRUE(Covers(list, *b, 2, 3));
    Click(list);
    QWidget* popup = list->view()->window();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_TRUE(list->isVisible());
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_TRUE(Covers(list, *b, 2, 3));
    EXPECT_EQ(b->TextMatrix(2, 3), "Low speed homing");
    EXPECT_EQ(e.PrmZ4FlexGrid[0]->TextMatrix(2, 3), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ParamEditorTest, FourAxisValueRowsAndTheScrollBand)
{
    frmParmZr4& e = open<frmParmZr4>(5);
    FlexGrid* g = e.PrmZ4FlexGrid[0];
    struct Case { int row; const char* typed; bool accepted; };
    const Case cases[] = {{12, "0", false}, {18, "0000", false}, {19, "0", true}, {20, "123456789", false},
                          {23, "FFFFFFFF", true}, {13, "FFFF", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        Go(g, c.row);
        messages.clear();
        Type(c.typed);
        Key(Qt::Key_Return);
        EXPECT_EQ(messages.empty(), c.accepted);
        EXPECT_EQ(g->TextMatrix(c.row, 3), c.accepted ? c.typed : "");
        EXPECT_TRUE(Covers(e.SelHText, *g, c.row, 3));
    }
    // Down walks to row 23 and stays; the grid scrolls, the box follows its cell.
    Go(g, 12);
    for (int r = 13; r <= 24; ++r) Key(Qt::Key_Down);
    EXPECT_EQ(g->Row(), 23);
    EXPECT_TRUE(Covers(e.SelHText, *g, 23, 3));
    Type("1");
    Key(Qt::Key_Down);
    EXPECT_EQ(g->Row(), 23);
    EXPECT_EQ(g->TextMatrix(23, 3), "1");

    // Decimal display: rows 12-23 only.
    Click(e.DecZ4Option);
    EXPECT_EQ(g->TextMatrix(13, 3), "65535");
    EXPECT_EQ(g->TextMatrix(23, 3), "1");
    EXPECT_EQ(e.PrmZ4FlexGrid[2]->TextMatrix(12, 2), "515");
    EXPECT_EQ(g->TextMatrix(0, 3), "Setting data(Dec)");
    Click(e.HexZ4Option);
    EXPECT_EQ(g->TextMatrix(23, 3), "00000001");
    EXPECT_EQ(g->TextMatrix(19, 3), "0000");
}

TEST_F(ParamEditorTest, FourAxisCancelDefaultAndTabsKeepEachAxis)
{
    frmParmZr4& e = open<frmParmZr4>(5, true);
    auto& g = e.PrmZ4FlexGrid;
    Click(e.DecZ4Option);
    Click(e.DefaultZ4_Command);
    EXPECT_TRUE(e.HexZ4Option->isChecked());
    EXPECT_EQ(g[0]->TextMatrix(1, 3), "Move to CW");
    EXPECT_EQ(g[0]->TextMatrix(12, 3), "8000");
    EXPECT_EQ(g[0]->TextMatrix(20, 3), "7FFFFFFF");
    EXPECT_EQ(g[1]->TextMatrix(12, 3), "");
    // An entry on axis A, then a tab: the entry stays on A, B shown with its own cells.
    Go(g[0], 15);
    Type("AB");
    QTabBar* bar = e.AutoSSTab->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(e.AutoSSTab->currentIndex(), 1);
    EXPECT_EQ(g[0]->TextMatrix(15, 3), "AB");
    EXPECT_EQ(g[1]->TextMatrix(15, 3), "");
    EXPECT_FALSE(e.SelHText->isVisible());
    Click(e.DefaultZ4_Command);
    EXPECT_EQ(g[1]->TextMatrix(13, 3), "8000");
    Click(e.CancelZ4_Command);
    EXPECT_EQ(Setting(g[1], 23), std::vector<std::string>(23));
    EXPECT_EQ(g[0]->TextMatrix(15, 3), "AB");
    EXPECT_EQ(g[0]->TextMatrix(12, 3), "8000");
    // A refused entry keeps the tab where it is.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    Go(g[0], 14);
    Type("0");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], Limit());
    EXPECT_EQ(e.AutoSSTab->currentIndex(), 0);
    EXPECT_EQ(g[0]->TextMatrix(14, 3), "FFFF");
}

// --- CSV files ---

namespace {

class ParamCsvTest : public ParamEditorTest {
protected:
    std::deque<std::string> answers; // names the file dialog answers in turn ("" Cancel)
    template <class W> W& openCsv(int moduleType, bool csv = true)
    {
        W& e = open<W>(moduleType, csv);
        forms->fileDialog.exec = [this](QFileDialog& d) { return AnswerFrom(answers, d); };
        return e;
    }
    std::string path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
    static std::string read(const std::string& p) { return ReadFile(p); }
    static void write(const std::string& p, const std::string& text) { WriteFile(p, text); }
    static std::string replaced(std::string text, const std::string& from, const std::string& to)
    {
        return Replaced(std::move(text), from, to);
    }
};

} // namespace

TEST_F(ParamCsvTest, OneAxisSaveThenLoadIntoAFreshEditorAndBadValuesLeftOut)
{
    frmParmJV& e = openCsv<frmParmJV>(1);
    FlexGrid* g = e.PrmFlexGrid;
    EXPECT_TRUE(e.ParmJVCsv_Cmd1->isEnabled() && e.ParmJVCsv_Cmd2->isEnabled());
    Go(g, 2);
    Type("1f4");
    Key(Qt::Key_Down);
    Click(e.DecOption);
    Go(g, 10);
    Type("-2");
    answers = {path("jv.csv")};
    Click(e.ParmJVCsv_Cmd2);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 2);
    const std::string saved = read(path("jv.csv"));
    ASSERT_FALSE(saved.empty());

    // A fresh editor in decimal display: hex first, then the file's values.
    e.close();
    frmParmJV& f = openCsv<frmParmJV>(1);
    g = f.PrmFlexGrid;
    Click(f.DecOption);
    g->setTextMatrix(4, 3, "77");
    answers = {path("jv.csv")};
    Click(f.ParmJVCsv_Cmd1);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    EXPECT_TRUE(f.HexOption->isChecked());
    EXPECT_EQ(g->TextMatrix(2, 3), "01F4");
    EXPECT_EQ(g->TextMatrix(10, 3), "FFFFFFFE");
    EXPECT_EQ(g->TextMatrix(4, 3), "004D"); // not in the file: kept, converted to hex
    EXPECT_EQ(g->TextMatrix(1, 3), "");
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_TRUE(f.ParmJVCsv_Cmd1->isEnabled());

    // A word that is no hex word is left out, its cell kept, and the load says so once.
    g->setTextMatrix(2, 3, "kept");
    write(path("bad.csv"), replaced(saved, "01F4", "G1F4"));
    answers = {path("bad.csv")};
    Click(f.ParmJVCsv_Cmd1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], Message("1 value of the file was not valid for their cells and left out", MsgIcon::Exclamation));
    EXPECT_EQ(g->TextMatrix(2, 3), "kept");
    EXPECT_EQ(g->TextMatrix(10, 3), "FFFFFFFE");
    // Cancel in the file dialog: nothing changes, no message.
    messages.clear();
    answers = {""};
    Click(f.ParmJVCsv_Cmd1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(g->TextMatrix(2, 3), "kept");
}

TEST_F(ParamCsvTest, TwoAxisSaveLoadsBothGridsBack)
{
    frmParm7W& e = openCsv<frmParm7W>(3);
    auto& g = e.PrmHFlexGrid;
    ClickCell(g[0], 3, 3);
    Type("abc");
    ClickCell(g[1], 3, 3);
    Type("DEF");
    ClickCell(g[1], 11, 3);
    Type("12345678");
    Key(Qt::Key_Return);
    answers = {path("7w.csv")};
    Click(e.Parm7WCsv_Cmd2);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    e.close();
    frmParm7W& f = openCsv<frmParm7W>(3);
    answers = {path("7w.csv")};
    Click(f.Parm7WCsv_Cmd1);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    EXPECT_EQ(Setting(f.PrmHFlexGrid[0], 12), Only(12, 3, "0ABC"));
    auto y = Only(12, 3, "0DEF");
    y[10] = "12345678";
    EXPECT_EQ(Setting(f.PrmHFlexGrid[1], 12), y);
    EXPECT_EQ(f.X_Label->text().toStdString(), StrByte_Cut(forms->pub.set.AxisName[0], 50));
}

TEST_F(ParamCsvTest, FourAxisSaveLoadsOptionsAndValuesBackOnEveryAxis)
{
    frmParmZr4& e = openCsv<frmParmZr4>(5);
    auto& g = e.PrmZ4FlexGrid;
    Click(e.DefaultZ4_Command);
    QTabBar* bar = e.AutoSSTab->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    Click(e.DefaultZ4_Command);
    Go(g[2], 20);
    Type("1");
    Key(Qt::Key_Return);
    answers = {path("z4.csv")};
    Click(e.ParmZ4Csv_Cmd2);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    EXPECT_EQ(e.AutoSSTab->currentIndex(), 0);
    const std::vector<std::string> a = Setting(g[0], 23), c = Setting(g[2], 23);
    EXPECT_EQ(c[19], "1");
    e.close();
    frmParmZr4& f = openCsv<frmParmZr4>(5);
    QTest::mouseClick(f.AutoSSTab->tabBar(), Qt::LeftButton, {}, f.AutoSSTab->tabBar()->tabRect(1).center());
    Click(f.DecZ4Option);
    answers = {path("z4.csv")};
    Click(f.ParmZ4Csv_Cmd1);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    EXPECT_TRUE(f.HexZ4Option->isChecked());
    EXPECT_EQ(f.AutoSSTab->currentIndex(), 0);
    EXPECT_EQ(f.PrmZ4FlexGrid[0]->Row(), 1);
    EXPECT_EQ(f.PrmZ4FlexGrid[0]->Col(), 1);
    EXPECT_EQ(Setting(f.PrmZ4FlexGrid[0], 23), a);
    auto want = c;
    want[19] = "00000001";
    EXPECT_EQ(Setting(f.PrmZ4FlexGrid[2], 23), want);
    EXPECT_EQ(Setting(f.PrmZ4FlexGrid[1], 23), std::vector<std::string>(23));
}
