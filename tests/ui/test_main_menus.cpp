// The main window's File, Setting and Help menus: which dialog each item opens, where, and
// when an item is refused.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

#include "UiFixture.h"
#include "params/ui/frmParm7W.h"
#include "shared/ui/FormBase.h"
#include "shared/ui/frmAxisName.h"
#include "shared/ui/frmInsSetting.h"
#include "shared/ui/frmSetting.h"

using namespace posmod;
using posmod::test::UiTest;

namespace {

struct Shown {
    std::string name;
    QPoint pos;
    bool hasParent = false;
};

class MenuTest : public UiTest {
protected:
    std::vector<Shown> shown;
    // Records each dialog the menus show, and closes it as Cancel would.
    void recordDialogs()
    {
        forms->runDialog = [this](QDialog& d) {
            d.show();
            shown.push_back({d.objectName().toStdString(), d.pos(), d.parentWidget() != nullptr});
            d.reject();
        };
    }
};

int ListIndexOfType(int type) { return type == 1 ? 0 : type == 5 ? 1 : type; }

} // namespace

TEST_F(MenuTest, EachItemOpensItsDialogAtTheMainWindowsCornerWhereverItWasBefore)
{
    frmMain& m = start();
    recordDialogs();
    chooseModel(m, 2);
    struct Item { QAction* action; const char* dialog; };
    const Item items[] = {
        {m.mnuAxisName, "frmAxisName"}, {m.mnuRS232C, "frmSetting"},
        {m.mnuEthernet, "frmInsSetting"}, {m.mnuAboutPassSet, "frmVerRev"},
    };
    for (const auto& it : items) {
        EXPECT_TRUE(ControlEnabled(it.action)) << it.dialog;
        for (QPoint at : {QPoint(40, 30), QPoint(300, 210)}) {
            m.move(at);
            shown.clear();
            it.action->trigger();
            ASSERT_EQ(shown.size(), 1u) << it.dialog;
            EXPECT_EQ(shown[0].name, it.dialog);
            EXPECT_EQ(shown[0].pos, m.pos()) << it.dialog;
            EXPECT_TRUE(shown[0].hasParent) << "modal over the main window";
        }
    }
    EXPECT_EQ(m.mnuFile->title(), "[File(&F)]");
    EXPECT_EQ(m.mnuSetting->title(), "[Setting(&S)]");
    EXPECT_EQ(m.mnuHelp->title(), "[Help(&H)]");
    EXPECT_EQ(m.mnuAxisName->text(), "Axis Name Setting(&J)");
    EXPECT_EQ(m.mnuRS232C->text(), "RS-232C(&R)");
    EXPECT_EQ(m.mnuEthernet->text(), "Ethernet(&E)");
    EXPECT_EQ(m.mnuAboutPassSet->text(), "Version Information(&A)");
}

TEST_F(MenuTest, AxisNameItemDoesNothingForTheOneAxisModel)
{
    frmMain& m = start();
    recordDialogs();
    for (int type = 1; type <= 5; ++type) {
        chooseModel(m, ListIndexOfType(type));
        shown.clear();
        m.mnuAxisName->trigger();
        EXPECT_EQ(shown.size(), type == 1 ? 0u : 1u) << type;
    }
}

// Each opening is a fresh dialog filled from the settings: what the last one stored.
TEST_F(MenuTest, EveryOpeningStartsFromTheSettingsAndAClosedDialogDropsAnOpenLink)
{
    frmMain& m = start();
    chooseModel(m, 1);
    int round = 0;
    forms->runDialog = [&](QDialog& d) {
        d.show();
        auto* names = dynamic_cast<frmAxisName*>(&d);
        if (names) {
            EXPECT_EQ(names->AxisText[0]->text().toStdString(), round == 0 ? "A axis" : "Lift");
            names->AxisText[0]->setText("Lift");
            QTest::mouseClick(names->OkCommand, Qt::LeftButton);
        }
        if (auto* rs = dynamic_cast<frmSetting*>(&d)) {
            EXPECT_EQ(rs->PortCombo->currentText().toStdString(), round == 0 ? "COM1" : "COM4");
            rs->PortCombo->setCurrentIndex(3);
            QTest::mouseClick(rs->DataSetCommand, Qt::LeftButton);
        }
        if (auto* eth = dynamic_cast<frmInsSetting*>(&d)) {
            EXPECT_EQ(eth->IPText[7]->text().toStdString(), round == 0 ? "3004" : "5000");
            eth->IPText[7]->setText("5000");
            QTest::mouseClick(eth->DataSetCommand, Qt::LeftButton);
        }
        EXPECT_EQ(d.result(), QDialog::Accepted);
    };
    for (round = 0; round < 2; ++round) {
        const int closesBefore = link->closes;
        m.mnuAxisName->trigger();
        EXPECT_EQ(link->closes, closesBefore) << "the axis names do not touch the link";
        m.mnuRS232C->trigger();
        EXPECT_EQ(link->closes, closesBefore + 1);
        m.mnuEthernet->trigger();
        EXPECT_EQ(link->closes, closesBefore + 2);
    }
    EXPECT_EQ(forms->pub.set.AxisName[0], "Lift");
    EXPECT_EQ(forms->pub.set.R_PortNo, 4);
    EXPECT_EQ(forms->pub.set.L_PortNo, "5000");
    EXPECT_TRUE(ControlEnabled(m.mnuSetting));
}

// A stub module that opens the menus while the wait window's transfer runs.
struct MenusDuringTransfer : TaskOps {
    std::function<void()> duringItem;
    int TaskSend(int taskNo, int) override
    {
        if (taskNo != 1 && duringItem) {
            duringItem();
            duringItem = nullptr;
        }
        return 1;
    }
};

TEST_F(MenuTest, SettingsAndAxisNameItemsAreRefusedWhileATransferRuns)
{
    start(false);
    MenusDuringTransfer module;
    forms->taskOps = &module;
    frmMain& m = forms->Main();
    m.Form_Load();
    chooseModel(m, 2);
    recordDialogs();
    module.duringItem = [&] {
        ASSERT_TRUE(forms->operationRunning());
        m.mnuAxisName_Click();
        m.mnuRS232C_Click();
        m.mnuEthernet_Click();
        m.mnuAboutPassSet_Click();
    };
    m.ParmSetCommand->click();
    ASSERT_EQ(module.duringItem, nullptr) << "the transfer reached an item";
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].name, "frmVerRev") << "only the version dialog opens";
    forms->window<frmParm7W>().close();

    // A control command with its messages: no link call may be running just then.
    shown.clear();
    forms->pub.ControlBusy = true;
    m.mnuRS232C->trigger();
    m.mnuAxisName->trigger();
    EXPECT_TRUE(shown.empty());
    forms->pub.ControlBusy = false;

    // Idle again: the same items open their dialogs.
    shown.clear();
    m.mnuAxisName->trigger();
    m.mnuRS232C->trigger();
    m.mnuEthernet->trigger();
    EXPECT_EQ(shown.size(), 3u);
}

TEST_F(MenuTest, ExitFromTheFileMenuIsTheExitButton)
{
    for (bool viaMenu : {true, false}) {
        SCOPED_TRACE(viaMenu);
        frmMain& m = start();
        chooseModel(m, 3);
        forms->pub.set.L_PortNo = "4321";
        if (viaMenu) m.mnuExit->trigger();
        else m.ExitCommand->click();
        EXPECT_EQ(endings, 1);
        EXPECT_EQ(link->closings, 1);
        EXPECT_EQ(link->closes, 1);
        const std::string ini = readIni();
        EXPECT_NE(ini.find("MODULE_NO=3\r\n"), std::string::npos);
        EXPECT_NE(ini.find("L_PORT_NO=4321\r\n"), std::string::npos);
        forms.reset();
        endings = 0;
    }
}

// A name nobody changed keeps the bytes it was read with (a file of the original platform's
// code page); a changed one is written anew, and both read back.
TEST_F(MenuTest, AxisNamesThroughTheDialogKeepTheirBytesUnlessChanged)
{
    const std::string ax = "\x8E\xB2"; // a CP932 character
    writeIni("MODULE_NO=1\r\nAX_NAME_A=" + ax + "A\r\nAX_NAME_B=" + ax + "B\r\nAX_NAME_C=C\r\nAX_NAME_D=D\r\n");
    frmMain& m = start();
    const std::string a = forms->pub.set.AxisName[0];
    ASSERT_NE(a, ax + "A") << "read as text, not as bytes";
    forms->runDialog = [&](QDialog& d) {
        auto& names = dynamic_cast<frmAxisName&>(d);
        d.show();
        EXPECT_EQ(names.AxisText[0]->text().toStdString(), a);
        names.AxisText[3]->setText(names.AxisText[1]->text() + "2");
        QTest::mouseClick(names.OkCommand, Qt::LeftButton);
    };
    m.mnuAxisName->trigger();
    const std::string b = forms->pub.set.AxisName[1];
    EXPECT_EQ(forms->pub.set.AxisName[3], b + "2");
    m.mnuExit->trigger();
    const std::string ini = readIni();
    EXPECT_NE(ini.find("AX_NAME_A=" + ax + "A\r\n"), std::string::npos);
    EXPECT_NE(ini.find("AX_NAME_B=" + ax + "B\r\n"), std::string::npos);
    EXPECT_EQ(ini.find("AX_NAME_D=D\r\n"), std::string::npos);
    start();
    EXPECT_EQ(forms->pub.set.AxisName[0], a);
    EXPECT_EQ(forms->pub.set.AxisName[3], b + "2");
}
