// The main window's start-up on a given Setting.ini, the model choice, the link option,
// the close box and Exit.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMenu>
#include <QRadioButton>

#include "UiFixture.h"
#include "shared/ui/FormBase.h"
#include "shared/SettingsFile.h"
#include "transfer/ui/frmWaitDisp.h"

using namespace posmod;
using posmod::test::UiTest;

namespace {

struct StartCase {
    const char* name;
    const char* ini; // nullptr: no file
    const char* combo;
    int moduleType;
    const char* initWord;
    int linkKind;
    int offset;
    std::array<const char*, 4> axes;
};

const char* const kNames = "AX_NAME_A=Alpha\r\nAX_NAME_B=Beta\r\nAX_NAME_C=Gamma\r\nAX_NAME_D=Delta\r\n";

std::string iniText(const StartCase& c) { return std::string(c.ini) + kNames; }

const StartCase kStarts[] = {
    {"FourAxisEthernetStation", "S_SETTING=1\r\nMODULE_NO=1\r\nR_RATE_NO=19200\r\nR_STAT_NO=05\r\n", "JV-ZR4", 5,
     "0000", 1, 2, {"Alpha", "Beta", "Gamma", "Delta"}},
    {"TwoAxis", "S_SETTING=0\r\nMODULE_NO=2\r\nR_RATE_NO=9600\r\nR_STAT_NO=NOOP\r\n", "VELTA-7W", 2, "1100", 0, 0,
     {"Alpha", "Beta", "", ""}},
    {"TwoAxisK", "S_SETTING=0\r\nMODULE_NO=3\r\nR_RATE_NO=9600\r\n", "VELTAK7W", 3, "1100", 0, 0,
     {"Alpha", "Beta", "", ""}},
    {"Zrh", "MODULE_NO=4\r\nR_STAT_NO=1\r\n", "ZRH", 4, "1100", 0, 2, {"Alpha", "Beta", "", ""}},
    {"OneAxis", "MODULE_NO=0\r\nS_SETTING=1\r\n", "JV-ZR", 1, "5100", 1, 0, {"", "", "", ""}},
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class Startup : public UiTest, public ::testing::WithParamInterface<StartCase> {};

} // namespace

TEST_P(Startup, SelectsTheStoredModelLinkAndNames)
{
    const StartCase& c = GetParam();
    writeIni(iniText(c));
    frmMain& m = start();
    const Public& p = forms->pub;

    EXPECT_EQ(m.CpuCombo->currentText().toStdString(), c.combo);
    EXPECT_EQ(p.ModuleType, c.moduleType);
    EXPECT_EQ(p.InitControlWord, c.initWord);
    EXPECT_EQ(p.set.LinkKind, c.linkKind);
    EXPECT_EQ(m.Connect_Option[static_cast<size_t>(c.linkKind)]->isChecked(), true);
    EXPECT_EQ(m.Connect_Option[static_cast<size_t>(1 - c.linkKind)]->isChecked(), false);
    EXPECT_EQ(p.ReplyStatusOffset, c.offset);
    for (size_t a = 0; a < 4; ++a) EXPECT_EQ(p.set.AxisName[a], c.axes[a]) << a;

    EXPECT_EQ(p.SendCancel, -1);
    EXPECT_EQ(p.ModelSelectReady, 1);
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(ControlEnabled(m.mnuSetting));
    for (const CoreTimer* t : {&forms->link.Timer1, &forms->link.Timer2, &forms->link.Timer3, &forms->link.Timer4})
        EXPECT_FALSE(t->enabled());
    // The wait window is loaded, hidden, at the main window's corner.
    QWidget* wait = forms->existingForm("frmWaitDisp");
    ASSERT_NE(wait, nullptr);
    EXPECT_FALSE(wait->isVisible());
    EXPECT_EQ(wait->pos(), m.pos());
    // The list holds the five models in their order.
    ASSERT_EQ(m.CpuCombo->count(), 5);
    const char* order[] = {"JV-ZR", "JV-ZR4", "VELTA-7W", "VELTAK7W", "ZRH"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(m.CpuCombo->itemText(i).toStdString(), order[i]);
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, Startup, ::testing::ValuesIn(kStarts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UiTest, MissingFileStartsOnTheDefaults)
{
    frmMain& m = start();
    const Public& p = forms->pub;
    EXPECT_EQ(m.CpuCombo->currentText().toStdString(), "JV-ZR");
    EXPECT_EQ(p.ModuleType, 1);
    EXPECT_EQ(p.set.LinkKind, 0);
    EXPECT_TRUE(m.Connect_Option[0]->isChecked());
    EXPECT_EQ(p.set.R_RateNo, "19200");
    EXPECT_EQ(forms->MSComm1.settings(), "19200,e,7,1");
    EXPECT_EQ(p.ReplyStatusOffset, 0);
}

// A file without a rate leaves the port unusable; start-up goes on and the port refuses to open.
TEST_F(UiTest, FileWithoutRateStartsAndThePortRefusesToOpen)
{
    writeIni("S_SETTING=1\r\n");
    frmMain& m = start();
    EXPECT_TRUE(m.isVisible());
    EXPECT_EQ(forms->pub.set.LinkKind, 1);
    EXPECT_EQ(forms->pub.set.R_RateNo, "");
    EXPECT_FALSE(forms->MSComm1.open());
    EXPECT_EQ(forms->pub.SendCancel, -1);
}

TEST_F(UiTest, ChoosingAModelSetsItsDefaults)
{
    writeIni(iniText(kStarts[0]));
    frmMain& m = start();
    struct Case { int index; int type; const char* word; std::array<const char*, 4> axes; } cases[] = {
        {1, 5, "0000", {"A axis", "B axis", "C axis", "D axis"}},
        {2, 2, "1100", {"X axis", "Y axis", "", ""}},
        {3, 3, "1100", {"X axis", "Y axis", "", ""}},
        {4, 4, "1100", {"X axis", "Y axis", "", ""}},
        {0, 1, "5100", {"", "", "", ""}},
    };
    for (const auto& c : cases) {
        forms->pub.set.AxisName = {"p", "q", "r", "s"};
        chooseModel(m, c.index);
        EXPECT_EQ(forms->pub.ModuleType, c.type) << c.index;
        EXPECT_EQ(forms->pub.InitControlWord, c.word) << c.index;
        for (size_t a = 0; a < 4; ++a) EXPECT_EQ(forms->pub.set.AxisName[a], c.axes[a]) << c.index;
    }
    EXPECT_EQ(link->connects, 0);
    EXPECT_EQ(readIni(), iniText(kStarts[0]));
}

TEST_F(UiTest, ModelChoiceBeforeStartUpChangesNothing)
{
    frmMain& m = start(false);
    m.CpuCombo->addItem("JV-ZR4");
    m.CpuCombo_Click();
    EXPECT_EQ(forms->pub.ModuleType, 0);
    EXPECT_EQ(forms->pub.InitControlWord, "");
}

TEST_F(UiTest, LinkOptionSetsTheLinkKind)
{
    frmMain& m = start();
    m.Connect_Option[1]->click();
    EXPECT_EQ(forms->pub.set.LinkKind, 1);
    m.Connect_Option[0]->click();
    EXPECT_EQ(forms->pub.set.LinkKind, 0);
}

// While a transfer runs (also after its Cancel, until the item in flight is done) the
// close box changes nothing; when idle it ends the tool as Exit does.
TEST_F(UiTest, CloseBoxRefusedWhileATransferRuns)
{
    writeIni(iniText(kStarts[1]));
    frmMain& m = start();
    struct Running { int sendCancel; bool busy; } running[] = {{0, false}, {-1, true}, {0, true}};
    for (const auto& r : running) {
        forms->pub.SendCancel = r.sendCancel;
        forms->pub.TransferBusy = r.busy;
        EXPECT_FALSE(m.close());
        EXPECT_TRUE(m.isVisible());
        m.ExitCommand_Click();
    }
    EXPECT_EQ(endings, 0);
    EXPECT_EQ(link->closings + link->closes, 0);
    EXPECT_EQ(readIni(), iniText(kStarts[1]));

    forms->pub.SendCancel = -1;
    forms->pub.TransferBusy = false;
    m.Connect_Option[1]->click();
    chooseModel(m, 3);
    EXPECT_TRUE(m.close());
    EXPECT_EQ(endings, 1);
    EXPECT_EQ(link->closings, 1);
    EXPECT_EQ(link->closes, 1);
    const std::string written = readIni();
    EXPECT_EQ(written.substr(0, 26), "S_SETTING=1\r\nMODULE_NO=3\r\n");
    EXPECT_NE(written.find("R_RATE_NO=9600\r\n"), std::string::npos);
    EXPECT_TRUE(messages.empty());
}

TEST_F(UiTest, ExitReportsSettingsThatCouldNotBeSaved)
{
    writeIni(iniText(kStarts[1]));
    frmMain& m = start();
    forms->settingsPath = QDir(dir.path()).filePath("missing/folder/Setting.ini").toStdString();
    m.mnuExit->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, kSettingsNotSavedMessage);
    EXPECT_EQ(messages[0].second, MsgIcon::Exclamation);
    EXPECT_EQ(endings, 1);
    EXPECT_EQ(link->closings, 1);
    EXPECT_EQ(readIni(), iniText(kStarts[1]));
}
