// The main window's commands for every model: which window opens, and how the main
// window is locked, hidden and shown again after a read that is done, cancelled or failed.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <map>

#include "UiFixture.h"
#include "shared/ui/FormBase.h"
#include "params/ui/frmParm7W.h"
#include "params/ui/frmParmJV.h"
#include "params/ui/frmParmZr4.h"
#include "platform/FlexGrid.h"
#include "positioning/ui/frmAutoRun7WMode.h"
#include "positioning/ui/frmAutoRunJVMode.h"
#include "positioning/ui/frmAutoRunZr4Mode.h"
#include "control/ui/frmSeigyoJVCmd.h"

using namespace posmod;
using posmod::test::UiTest;

namespace {

enum class Command { ParmSet, PaSetMenu, AutoSet, AutoSetMenu, RunStop, RunStopMenu, ParmCsv, AutoCsv };
enum class Outcome { Done, Cancelled, Failed, NotRun };

const char* CommandName(Command c)
{
    switch (c) {
    case Command::ParmSet: return "ParmSet";
    case Command::PaSetMenu: return "PaSetMenu";
    case Command::AutoSet: return "AutoSet";
    case Command::AutoSetMenu: return "AutoSetMenu";
    case Command::RunStop: return "RunStop";
    case Command::RunStopMenu: return "RunStopMenu";
    case Command::ParmCsv: return "ParmCsv";
    case Command::AutoCsv: return "AutoCsv";
    }
    return "";
}
const char* OutcomeName(Outcome o)
{
    switch (o) {
    case Outcome::Done: return "Done";
    case Outcome::Cancelled: return "Cancelled";
    case Outcome::Failed: return "Failed";
    case Outcome::NotRun: return "NotRun";
    }
    return "";
}

bool IsRead(Command c)
{
    return c == Command::ParmSet || c == Command::PaSetMenu || c == Command::AutoSet || c == Command::AutoSetMenu;
}
bool IsParam(Command c) { return c == Command::ParmSet || c == Command::PaSetMenu || c == Command::ParmCsv; }
bool IsControl(Command c) { return c == Command::RunStop || c == Command::RunStopMenu; }

// The window each kind of command opens, by module type.
std::string WindowFor(Command c, int type)
{
    const int family = type == 1 ? 0 : type == 5 ? 2 : 1;
    static const char* const param[] = {"frmParmJV", "frmParm7W", "frmParmZr4"};
    static const char* const autoRun[] = {"frmAutoRunJVMode", "frmAutoRun7WMode", "frmAutoRunZr4Mode"};
    static const char* const control[] = {"frmSeigyoJVCmd", "frmSeigyo7WCmd", "frmSeigyoZ4Cmd"};
    if (IsControl(c)) return control[family];
    return IsParam(c) ? param[family] : autoRun[family];
}

struct CommandCase {
    int type;
    Command command;
    Outcome outcome;
};
std::string CaseName(const CommandCase& c)
{
    return "Type" + std::to_string(c.type) + CommandName(c.command) + OutcomeName(c.outcome);
}
void PrintTo(const CommandCase& c, std::ostream* os) { *os << CaseName(c); }

std::vector<CommandCase> AllCases()
{
    std::vector<CommandCase> v;
    for (int type = 1; type <= 5; ++type)
        for (Command c : {Command::ParmSet, Command::PaSetMenu, Command::AutoSet, Command::AutoSetMenu,
                          Command::RunStop, Command::RunStopMenu, Command::ParmCsv, Command::AutoCsv}) {
            if (!IsRead(c)) {
                v.push_back({type, c, Outcome::Done});
                continue;
            }
            for (Outcome o : {Outcome::Done, Outcome::Cancelled, Outcome::Failed, Outcome::NotRun})
                v.push_back({type, c, o});
        }
    return v;
}

int ListIndexOfType(int type) { return type == 1 ? 0 : type == 5 ? 1 : type; }

using Check = std::function<void(Forms&)>;

// What the stub module reads into the stores shows up in the editor's current data
// (steps 2 to 3 for the positioning reads).
const std::map<std::string, Check>& ReadChecks()
{
    static const std::map<std::string, Check> checks = {
        {"frmParmJV",
         [](Forms& f) {
             FlexGrid* g = f.window<frmParmJV>().PrmFlexGrid;
             EXPECT_EQ(g->TextMatrix(1, 2), "0003");
             EXPECT_EQ(g->TextMatrix(9, 2), "000B");
             EXPECT_EQ(g->TextMatrix(10, 2), "100C000C");
             EXPECT_EQ(g->TextMatrix(1, 3), "");
         }},
        {"frmParm7W",
         [](Forms& f) {
             auto& g = f.window<frmParm7W>().PrmHFlexGrid;
             EXPECT_EQ(g[0]->TextMatrix(1, 2), "0005");
             EXPECT_EQ(g[1]->TextMatrix(1, 2), "0006");
             EXPECT_EQ(g[0]->TextMatrix(10, 2), "10170017");
             EXPECT_EQ(g[1]->TextMatrix(12, 2), "101C001C");
         }},
        {"frmParmZr4",
         [](Forms& f) {
             auto& g = f.window<frmParmZr4>().PrmZ4FlexGrid;
             EXPECT_EQ(g[2]->TextMatrix(2, 2), "High speed homing 1(Off edge stop)"); // code 2 of word 0 = 0200
             EXPECT_EQ(g[3]->TextMatrix(12, 2), "0303");  // word 3
             EXPECT_EQ(g[1]->TextMatrix(20, 2), "010C010B"); // words 12 & 11
             EXPECT_EQ(g[0]->TextMatrix(23, 2), "00120011");
         }},
        {"frmAutoRunJVMode",
         [](Forms& f) {
             FlexGrid* g = f.window<frmAutoRunJVMode>().RunModeGrid;
             ASSERT_EQ(g->Rows(), 5);
             EXPECT_EQ(g->TextMatrix(1, 0), "2");
             EXPECT_EQ(g->TextMatrix(3, 0), "3");
             EXPECT_EQ(g->TextMatrix(1, 2), "0019");
             EXPECT_EQ(g->TextMatrix(1, 3), "001A");
             EXPECT_EQ(g->TextMatrix(1, 4), "101A");
             EXPECT_EQ(g->TextMatrix(1, 5), "001B");
             EXPECT_EQ(g->TextMatrix(1, 6), "101C001C");
             EXPECT_EQ(g->TextMatrix(3, 2), "001D");
             EXPECT_EQ(g->TextMatrix(2, 2), "");
         }},
        {"frmAutoRun7WMode",
         [](Forms& f) {
             auto& g = f.window<frmAutoRun7WMode>().RunMode7WGrid;
             ASSERT_EQ(g[1]->Rows(), 5);
             EXPECT_EQ(g[0]->TextMatrix(1, 2), "0030");
             EXPECT_EQ(g[1]->TextMatrix(1, 2), "0031");
             EXPECT_EQ(g[0]->TextMatrix(1, 4), "1032");
             EXPECT_EQ(g[1]->TextMatrix(1, 6), "10370037");
             EXPECT_EQ(g[0]->TextMatrix(3, 2), "0038");
         }},
        {"frmAutoRunZr4Mode",
         [](Forms& f) {
             auto& g = f.window<frmAutoRunZr4Mode>().RunModeZr4Grid;
             ASSERT_EQ(g[3]->Rows(), 5);
             EXPECT_EQ(g[1]->TextMatrix(1, 2), "0210");
             EXPECT_EQ(g[1]->TextMatrix(1, 6), "0214");
             EXPECT_EQ(g[1]->TextMatrix(1, 7), "02160215");
             EXPECT_EQ(g[3]->TextMatrix(3, 8), "03380337");
         }},
    };
    return checks;
}

class MainCommand : public UiTest, public ::testing::WithParamInterface<CommandCase> {};

} // namespace

TEST_P(MainCommand, OpensTheWindowOfTheTypeAndLocksAsItShould)
{
    const CommandCase& c = GetParam();
    frmMain& m = start();
    chooseModel(m, ListIndexOfType(c.type));
    ASSERT_EQ(forms->pub.ModuleType, c.type);
    m.move(40, 30);

    std::string dialogShown;
    forms->runDialog = [&](QDialog& d) {
        dialogShown = d.objectName().toStdString();
        forms->pub.StepRange = {3, 2, 3};
    };
    switch (c.outcome) {
    case Outcome::Done: break;
    case Outcome::Cancelled: tasks->cancelOnItem = 1; break;
    case Outcome::Failed: tasks->failOnItem = 1; break;
    case Outcome::NotRun: link->connectResult = 0; break;
    }

    switch (c.command) {
    case Command::ParmSet: m.ParmSetCommand->click(); break;
    case Command::PaSetMenu: m.mnuPaSet->trigger(); break;
    case Command::AutoSet: m.AutoSetCommand->click(); break;
    case Command::AutoSetMenu: m.mnuAutoSet->trigger(); break;
    case Command::RunStop: m.CpuRunStopCommand->click(); break;
    case Command::RunStopMenu: m.mnuRunStop->trigger(); break;
    case Command::ParmCsv: m.ParmCsvCommand->click(); break;
    case Command::AutoCsv: m.AutoCsvCommand->click(); break;
    }

    const bool read = IsRead(c.command);
    const bool opens = c.outcome == Outcome::Done;
    const std::string expected = WindowFor(c.command, c.type);
    EXPECT_EQ(link->connects, read ? 1 : 0);
    EXPECT_EQ(dialogShown, c.command == Command::AutoSet || c.command == Command::AutoSetMenu ? "frmStepSet" : "");
    EXPECT_EQ(forms->pub.DataSourceCaption,
              c.command == Command::ParmCsv || c.command == Command::AutoCsv ? "[Csv file]" : "");
    EXPECT_EQ(forms->pub.SendCancel, -1);

    // Exactly the expected window is shown, at the main window's corner.
    for (int n = 1; n < form::kCount; ++n) {
        QWidget* w = forms->existingForm(n);
        if (!w) continue;
        const bool isExpected = w->objectName().toStdString() == expected;
        EXPECT_EQ(w->isVisible(), opens && isExpected) << w->objectName().toStdString();
        if (opens && isExpected) {
            EXPECT_EQ(w->pos(), m.pos());
        }
    }
    // An editor hides the main window and keeps it locked; a control window leaves it as it was.
    const bool editor = opens && !IsControl(c.command);
    EXPECT_EQ(m.isVisible(), !editor);
    EXPECT_EQ(ControlEnabled(m.ParmSetCommand), !editor);
    EXPECT_EQ(ControlEnabled(m.mnuMode), !editor);

    if (opens && read) ReadChecks().at(expected)(*forms);
    if (!opens) return;

    QWidget* w = forms->existingForm(expected);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(ControlEnabled(m.ParmSetCommand));
    EXPECT_TRUE(ControlEnabled(m.ExitCommand));
}

INSTANTIATE_TEST_SUITE_P(AllTypes, MainCommand, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) { return CaseName(info.param); });

TEST_F(UiTest, StepRangeCancelStartsNoTransfer)
{
    frmMain& m = start();
    forms->runDialog = [&](QDialog&) { forms->pub.StepRange.Result = 2; };
    m.AutoSetCommand->click();
    EXPECT_EQ(link->connects, 0);
    EXPECT_EQ(tasks->items, 0);
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(ControlEnabled(m.AutoSetCommand));
    EXPECT_FALSE(forms->existingForm(4) && forms->existingForm(4)->isVisible());
}

// The main window stays usable beside a control window: opening it again only brings it
// forward, it does not throw away the command the user had chosen.
TEST_F(UiTest, ControlWindowOpenedAgainKeepsTheChosenCommand)
{
    frmMain& m = start();
    m.CpuRunStopCommand->click();
    auto& w = forms->window<frmSeigyoJVCmd>();
    ASSERT_TRUE(w.isVisible());
    w.SeigyoOption[3]->setChecked(true);
    m.CpuRunStopCommand->click();
    EXPECT_TRUE(w.SeigyoOption[3]->isChecked());
    w.close();
    m.CpuRunStopCommand->click();
    EXPECT_TRUE(w.SeigyoOption[0]->isChecked()) << "a fresh opening starts from the first command";
}

TEST_F(UiTest, CsvEditorsRebuildTheTableOnlyForRegisterModels)
{
    frmMain& m = start();
    struct Case { int type; const char* row3; const char* caption; } cases[] = {
        {1, "5F01", "[Csv file]Common parameter setting(JV-ZR)"},
        {3, "5800", "[Csv file]Common parameter setting(VELTAK7W)"},
        {5, "KEEP", "[Csv file]Common parameter setting(JV-ZR4)"},
    };
    for (const auto& c : cases) {
        chooseModel(m, ListIndexOfType(c.type));
        forms->pub.reg.ReadAddr[3] = "KEEP";
        m.ParmCsvCommand->click();
        EXPECT_EQ(forms->pub.reg.ReadAddr[3], c.row3) << c.type;
        QWidget* editor = forms->existingForm(WindowFor(Command::ParmCsv, c.type));
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->windowTitle().toStdString(), c.caption);
        editor->close();
    }
}

TEST_F(UiTest, PositioningEditorOnEmptyDataTakesTheWholeTable)
{
    frmMain& m = start();
    chooseModel(m, 1);
    forms->pub.StepRange = {3, 7, 9};
    m.AutoCsvCommand->click();
    EXPECT_EQ(forms->pub.StepRange.Result, 3);
    EXPECT_EQ(forms->pub.StepRange.FirstStep, 0);
    EXPECT_EQ(forms->pub.StepRange.LastStep, 255);
    EXPECT_EQ(forms->pub.AutoRowCount, 512);
    auto& g = forms->window<frmAutoRunZr4Mode>().RunModeZr4Grid;
    EXPECT_EQ(g[0]->Rows(), 513);
    EXPECT_EQ(g[0]->TextMatrix(511, 0), "255");
    EXPECT_EQ(g[0]->TextMatrix(512, 1), "Setting data");
    EXPECT_EQ(g[0]->TextMatrix(1, 2), "");
    EXPECT_TRUE(forms->window<frmAutoRunZr4Mode>().AutoReadZ4Frame->isVisible());
}

// An editor stays open while a transfer runs; closed afterwards it empties the four-axis stores.
TEST_F(UiTest, EditorRefusesToCloseWhileATransferRuns)
{
    frmMain& m = start();
    chooseModel(m, 1);
    forms->runDialog = [&](QDialog&) { forms->pub.StepRange = {3, 2, 3}; };
    m.AutoSetCommand->click();
    frmAutoRunZr4Mode& e = forms->window<frmAutoRunZr4Mode>();
    ASSERT_TRUE(e.isVisible());
    for (auto running : {std::pair{0, false}, std::pair{-1, true}}) {
        forms->pub.SendCancel = running.first;
        forms->pub.TransferBusy = running.second;
        EXPECT_FALSE(e.close());
        EXPECT_TRUE(e.isVisible());
        EXPECT_FALSE(m.isVisible());
    }
    forms->pub.SendCancel = -1;
    forms->pub.TransferBusy = false;
    EXPECT_FALSE(forms->pub.Z4AutoData[2][1][0].Word.empty());
    EXPECT_TRUE(e.close());
    EXPECT_TRUE(forms->pub.Z4AutoData[2][1][0].Word.empty());
    EXPECT_TRUE(m.isVisible());
}

TEST_F(UiTest, DecimalDisplayShowsTheValuesReadSigned)
{
    frmMain& m = start();
    // The module answers these words to the parameter read.
    tasks->onRead = [this](int row) {
        if (row == 12) {
            forms->pub.reg.ReadDataH[12] = "FFFF";
            forms->pub.reg.ReadData[12] = "FFFE";
        } else if (row == 4) {
            forms->pub.reg.ReadData[4] = "FFFF";
        }
    };
    m.ParmSetCommand->click();
    frmParmJV& e = forms->window<frmParmJV>();
    ASSERT_TRUE(e.isVisible());
    e.DecOption->click();
    EXPECT_EQ(e.PrmFlexGrid->TextMatrix(0, 2), "Current data(Dec)");
    EXPECT_EQ(e.PrmFlexGrid->TextMatrix(1, 2), "3");
    EXPECT_EQ(e.PrmFlexGrid->TextMatrix(2, 2), "65535");
    EXPECT_EQ(e.PrmFlexGrid->TextMatrix(10, 2), "-2");
    e.HexOption->click();
    EXPECT_EQ(e.PrmFlexGrid->TextMatrix(10, 2), "FFFFFFFE");
    EXPECT_EQ(e.PrmFlexGrid->TextMatrix(0, 3), "Setting data(Hex)");
}
