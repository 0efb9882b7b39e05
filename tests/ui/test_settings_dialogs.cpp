// The RS-232C, Ethernet, axis-name and version dialogs, offscreen, driven as a user does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "UiFixture.h"
#include "shared/FakeProbePort.h"
#include "shared/SettingsFile.h"
#include "shared/ui/SettingsControls.h"
#include "shared/ui/frmAxisName.h"
#include "shared/ui/frmInsSetting.h"
#include "shared/ui/frmSetting.h"
#include "shared/ui/frmVerRev.h"
#include "support/CaptureSink.h"

using namespace posmod;

namespace {

template <class T> T* child(QWidget& w, const QString& name)
{
    const auto found = w.findChildren<T*>(name);
    EXPECT_EQ(found.size(), 1) << name.toStdString();
    return found.isEmpty() ? nullptr : found.first();
}

// The colour a widget is painted with beside its text, at its right edge.
QColor shownBackground(QWidget* w) { return w->grab().toImage().pixelColor(w->width() - 2, w->height() / 2); }

QString focusName(QWidget& dlg) { return dlg.focusWidget() ? dlg.focusWidget()->objectName() : QString(); }

std::vector<std::string> entries(QComboBox* c)
{
    std::vector<std::string> v;
    for (int i = 0; i < c->count(); ++i) v.push_back(c->itemText(i).toStdString());
    return v;
}

// Every settings field the dialogs may change, as one text.
std::string snapshot(const Public& p)
{
    const Settings& s = p.set;
    std::string t = std::to_string(s.R_LpStat) + s.R_LoopNo + "." + s.R_LinkStNo + "|" + s.R_LpAddr + "|" +
                    std::to_string(s.R_StatFlag) + s.R_StatNo + "|" + std::to_string(s.R_ProcNo) + "|" +
                    std::to_string(s.R_PortNo) + "|" + s.R_RateNo + "|" + s.RusRemoteNo + s.RusUnitNo +
                    s.RusSlotNo + "|" + s.L_IpAddr + "|" + s.L_IpHexU + s.L_IpHexL + s.L_PortHex + "|" +
                    s.L_IpDec1 + "," + s.L_IpDec2 + "," + s.L_IpDec3 + "," + s.L_IpDec4 + "|" + s.L_PortNo + "|" +
                    std::to_string(s.L_LpStat) + s.L_LoopNo + "." + s.L_LinkStNo + s.L_LpAddr + "|" + s.L_SeriNo +
                    "|" + std::to_string(s.L_StatFlag) + s.L_StatNo + "|" + std::to_string(p.ReplyStatusOffset);
    for (int32_t a : s.ModuleAddr) t += "|" + std::to_string(a);
    for (const std::string& n : s.AxisName) t += "|" + n;
    return t;
}

struct DialogTest : ::testing::Test {
    Public pub;
    CaptureSink sink;
    FakeProbePort comm;

    void SetUp() override
    {
        test::app();
        Public_Reset(pub);
        pub.SendCancel = -1;
        Setting_DefaultSub(pub.set, comm); // every port refuses: COM1
        ModuleAddress_Set(pub.set);
        comm.settingsSet.clear();
    }
    // Shown and active, so the focus moves as it does for a user.
    static void showActive(QWidget& w)
    {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    static void type(QLineEdit* box, const std::string& text)
    {
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        if (text.empty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, QString::fromStdString(text));
    }
    // Near the left edge, where an option's or check box's indicator is.
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }
};

// ---- frmSetting ---------------------------------------------------------------------------------

using RsDialogTest = DialogTest;

TEST_F(RsDialogTest, ControlsCaptionsListsAndFillingFromTheSettings)
{
    pub.set.R_LpStat = 1;
    pub.set.R_LoopNo = "2";
    pub.set.R_LinkStNo = "12";
    pub.set.R_StatFlag = 1;
    pub.set.R_StatNo = "07";
    pub.set.R_ProcNo = 2;
    pub.set.R_RateNo = "38400";
    pub.set.R_PortNo = 5;
    pub.set.RusRemoteNo = "2";
    pub.set.RusUnitNo = "3";
    pub.set.RusSlotNo = "A";
    frmSetting d(pub, sink, comm);
    EXPECT_EQ(d.windowTitle(), "Setting Communication");
    std::vector<std::string> frames;
    for (auto* f : d.findChildren<QGroupBox*>()) frames.push_back(f->title().toStdString());
    std::sort(frames.begin(), frames.end());
    EXPECT_EQ(frames, (std::vector<std::string>{"Communication", "Network Address", "QV-PROTOCOL", "RUS Setting",
                                                "Station No", "Transmission Control"}));
    EXPECT_EQ(child<QGroupBox>(d, "StationFrame")->parentWidget(), d.ProtocolFrame);
    EXPECT_EQ(d.ProcedureFrame->parentWidget(), d.ProtocolFrame);
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"NetworkOption(0)", "Own Station"}, {"NetworkOption(1)", "Another Station"},
        {"StationOption(0)", "None"},        {"StationOption(1)", "Station No."},
        {"ProcedureOption(0)", "Procedure 1"}, {"ProcedureOption(1)", "Procedure 2"},
        {"DataSetCommand", "OK(&O)"},        {"DataCancelCommand", "Cancel(&C)"},
    };
    for (const auto& [name, caption] : captions) EXPECT_EQ(child<QAbstractButton>(d, name)->text(), caption) << name;
    const std::vector<std::pair<const char*, const char*>> labels = {
        {"LoopLabel(0)", "Loop No."}, {"LoopLabel(1)", "LINK's Station No."}, {"TrLabel", "Transfer rate"},
        {"PoLabel", "Port No"},       {"ReLabel", "Remote No"}, {"UnLabel", "Unit No"}, {"SlLabel", "Slot No"},
    };
    for (const auto& [name, caption] : labels) EXPECT_EQ(child<QLabel>(d, name)->text(), caption) << name;
    EXPECT_EQ(d.LoopText[0]->maxLength(), 1);
    EXPECT_EQ(d.LoopText[1]->maxLength(), 2);
    EXPECT_EQ(d.StationText->maxLength(), 2);
    EXPECT_EQ(entries(d.BitCombo), (std::vector<std::string>{"4800", "9600", "19200", "38400", "57600"}));
    EXPECT_EQ(entries(d.PortCombo),
              (std::vector<std::string>{"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"}));
    EXPECT_EQ(entries(d.Rus_Combo[0]).size(), 5u);
    EXPECT_EQ(entries(d.Rus_Combo[1]).size(), 10u);
    EXPECT_EQ(entries(d.Rus_Combo[2]).back(), "A");
    for (QComboBox* c : d.findChildren<QComboBox*>()) EXPECT_FALSE(c->isEditable()) << "choose-only";

    EXPECT_TRUE(d.NetworkOption[1]->isChecked());
    EXPECT_EQ(d.LoopText[0]->text(), "2");
    EXPECT_EQ(d.LoopText[1]->text(), "12");
    EXPECT_TRUE(d.LoopText[1]->isEnabled());
    EXPECT_TRUE(d.StationOption[1]->isChecked());
    EXPECT_EQ(d.StationText->text(), "07");
    EXPECT_TRUE(d.ProcedureOption[1]->isChecked());
    EXPECT_EQ(d.BitCombo->currentText(), "38400");
    EXPECT_EQ(d.PortCombo->currentText(), "COM5");
    EXPECT_EQ(d.Rus_Combo[0]->currentText() + d.Rus_Combo[1]->currentText() + d.Rus_Combo[2]->currentText(), "23A");
}

TEST_F(RsDialogTest, PortEntriesShowTheDeviceTheyStandFor)
{
    const QByteArray saved1 = qgetenv("POSMOD_COM1"), saved2 = qgetenv("POSMOD_COM2");
    qunsetenv("POSMOD_COM1");
    qputenv("POSMOD_COM2", "/dev/pts/77");
    frmSetting d(pub, sink, comm);
    EXPECT_EQ(d.PortCombo->itemData(0, Qt::ToolTipRole).toString(), "/dev/ttyS0");
    EXPECT_EQ(d.PortCombo->itemData(1, Qt::ToolTipRole).toString(), "/dev/pts/77");
    EXPECT_EQ(d.PortCombo->itemData(7, Qt::ToolTipRole).toString(), "/dev/ttyS7");
    qputenv("POSMOD_COM1", saved1);
    qputenv("POSMOD_COM2", saved2);
}

TEST_F(RsDialogTest, OptionsEnableTheBoxesAndLabelsMoveTheFocus)
{
    frmSetting d(pub, sink, comm);
    showActive(d);
    // Opened for the own station without a station number.
    EXPECT_TRUE(d.NetworkOption[0]->isChecked());
    EXPECT_TRUE(d.StationOption[0]->isChecked());
    for (QLineEdit* b : {d.LoopText[0], d.LoopText[1], d.StationText}) {
        EXPECT_FALSE(b->isEnabled());
        EXPECT_EQ(b->palette().color(QPalette::Base), ButtonFaceColour());
    }
    EXPECT_EQ(d.LoopText[0]->text(), "0");
    EXPECT_EQ(d.StationText->text(), "");

    click(d.NetworkOption[1]);
    for (QLineEdit* b : d.LoopText) {
        EXPECT_TRUE(b->isEnabled());
        EXPECT_EQ(b->text(), "0") << "the 0 stays";
        EXPECT_EQ(b->palette().color(QPalette::Base), WindowBackColour());
    }
    type(d.LoopText[0], "2");
    type(d.LoopText[1], "45");
    click(d.NetworkOption[0]);
    EXPECT_EQ(d.LoopText[0]->text(), "0");
    EXPECT_EQ(d.LoopText[1]->text(), "0");
    EXPECT_FALSE(d.LoopText[1]->isEnabled());

    click(d.StationOption[1]);
    type(d.StationText, "12");
    click(d.StationOption[0]);
    EXPECT_EQ(d.StationText->text(), "");
    EXPECT_FALSE(d.StationText->isEnabled());
    click(d.StationOption[1]);
    EXPECT_EQ(d.StationText->text(), "");
    EXPECT_TRUE(d.StationText->isEnabled());
    EXPECT_EQ(d.StationText->palette().color(QPalette::Base), WindowBackColour());

    QTest::mouseClick(d.PoLabel, Qt::LeftButton);
    EXPECT_EQ(focusName(d), "PortCombo");
    QTest::mouseClick(d.TrLabel, Qt::LeftButton);
    EXPECT_EQ(focusName(d), "BitCombo");
}

TEST_F(RsDialogTest, OkChecksTheStationFirstThenTheNetworkAndStoresOnlyWhenBothPass)
{
    struct Case {
        bool station; const char* statNo; bool another; const char* loop; const char* link;
        const char* message; const char* focus; const char* addr; const char* stored;
    };
    const Case cases[] = {
        {true, "5", false, "", "", "Length Error", "StationText", nullptr, nullptr},
        {true, "05", false, "", "", nullptr, nullptr, "FFFF", "05"},
        {true, "32", false, "", "", "Data Limit Error", "StationText", nullptr, nullptr},
        {true, "3a", false, "", "", "Data Limit Error", "StationText", nullptr, nullptr},
        {true, "31", false, "", "", nullptr, nullptr, "FFFF", "31"},
        {true, "00", false, "", "", nullptr, nullptr, "FFFF", "00"},
        {true, "", false, "", "", nullptr, nullptr, "FFFF", ""},
        {false, "", true, "0", "5", "Data Limit Error", "LoopText(0)", nullptr, nullptr},
        {false, "", true, "3", "5", "Data Limit Error", "LoopText(0)", nullptr, nullptr},
        {false, "", true, "1", "64", "Data Limit Error", "LoopText(1)", nullptr, nullptr},
        {false, "", true, "", "5", "Length Error", "LoopText(0)", nullptr, nullptr},
        {false, "", true, "1", "", "Length Error", "LoopText(1)", nullptr, nullptr},
        {false, "", true, "1", "5", nullptr, nullptr, "0105", ""},
        {false, "", true, "1", "05", nullptr, nullptr, "0105", ""},
        {false, "", true, "2", "63", nullptr, nullptr, "023F", ""},
        {true, "5", true, "3", "5", "Length Error", "StationText", nullptr, nullptr}, // only the station
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.statNo) + " / " + c.loop + "." + c.link);
        SetUp();
        sink.clear();
        const std::string before = snapshot(pub);
        frmSetting d(pub, sink, comm);
        showActive(d);
        if (c.station) {
            click(d.StationOption[1]);
            type(d.StationText, c.statNo);
        }
        if (c.another) {
            click(d.NetworkOption[1]);
            type(d.LoopText[0], c.loop);
            type(d.LoopText[1], c.link);
        }
        click(d.DataSetCommand);
        if (c.message) {
            EXPECT_EQ(sink.texts, std::vector<std::string>{c.message});
            EXPECT_EQ(sink.icons, std::vector<MsgIcon>{MsgIcon::Exclamation});
            EXPECT_EQ(focusName(d), c.focus);
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(snapshot(pub), before);
            click(d.DataCancelCommand);
            EXPECT_FALSE(d.isVisible());
            EXPECT_EQ(d.result(), QDialog::Rejected);
            EXPECT_EQ(snapshot(pub), before) << "a failed OK, then Cancel";
            EXPECT_TRUE(comm.settingsSet.empty());
            continue;
        }
        EXPECT_TRUE(sink.texts.empty());
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(pub.set.R_LpAddr, c.addr);
        EXPECT_EQ(pub.set.R_LpStat, c.another ? 1 : 0);
        if (c.another) {
            EXPECT_EQ(pub.set.R_LoopNo + "." + pub.set.R_LinkStNo, std::string(c.loop) + "." + c.link);
        }
        EXPECT_EQ(pub.set.R_StatNo, c.stored);
        EXPECT_EQ(pub.set.R_StatFlag, *c.stored ? 1 : 0);
        EXPECT_EQ(pub.ReplyStatusOffset, *c.stored ? 2 : 0);
        EXPECT_EQ(comm.settingsSet, std::vector<std::string>{"19200,e,7,1"});
    }
}

TEST_F(RsDialogTest, OkStoresProcedureRatePortAndRusAndRecomputesTheAddresses)
{
    frmSetting d(pub, sink, comm);
    showActive(d);
    click(d.ProcedureOption[1]);
    d.BitCombo->setCurrentText("9600");
    d.PortCombo->setCurrentText("COM6");
    d.Rus_Combo[0]->setCurrentText("4");
    d.Rus_Combo[1]->setCurrentText("1");
    d.Rus_Combo[2]->setCurrentText("9");
    click(d.DataSetCommand);
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(pub.set.R_ProcNo, 2);
    EXPECT_EQ(pub.set.R_RateNo, "9600");
    EXPECT_EQ(comm.settingsSet, std::vector<std::string>{"9600,e,7,1"});
    EXPECT_EQ(pub.set.R_PortNo, 6);
    EXPECT_EQ(pub.set.RusRemoteNo + pub.set.RusUnitNo + pub.set.RusSlotNo, "419");
    EXPECT_EQ(pub.set.ModuleAddr[0], 1152 + 0x426008);
    EXPECT_EQ(pub.set.ModuleAddr[4], 1152 + 0x18014010);
}

// A hand-edited Setting.ini: values that are none of the list entries.
TEST_F(RsDialogTest, StoredValuesOutsideTheListsSelectNothingAndOkKeepsThem)
{
    pub.set.R_PortNo = 0;
    pub.set.R_RateNo = "1200";
    pub.set.RusRemoteNo = "7";
    pub.set.RusUnitNo = "";
    pub.set.RusSlotNo = "B";
    ModuleAddress_Set(pub.set);
    const std::string before = snapshot(pub);
    frmSetting d(pub, sink, comm);
    showActive(d);
    for (QComboBox* c : {d.PortCombo, d.BitCombo, d.Rus_Combo[0], d.Rus_Combo[1], d.Rus_Combo[2]}) {
        EXPECT_EQ(c->currentIndex(), -1) << c->objectName().toStdString();
        EXPECT_EQ(c->currentText(), "");
    }
    click(d.DataSetCommand);
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(snapshot(pub), before);
    EXPECT_TRUE(comm.settingsSet.empty()) << "no settings text of an empty rate";
}

TEST_F(RsDialogTest, CancelAndTheCloseBoxStoreNothing)
{
    for (bool closeBox : {false, true}) {
        const std::string before = snapshot(pub);
        frmSetting d(pub, sink, comm);
        showActive(d);
        click(d.NetworkOption[1]);
        type(d.LoopText[0], "1");
        type(d.LoopText[1], "3");
        d.PortCombo->setCurrentIndex(3);
        d.BitCombo->setCurrentIndex(0);
        if (closeBox) d.close();
        else click(d.DataCancelCommand);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(snapshot(pub), before);
        EXPECT_TRUE(comm.settingsSet.empty());
    }
}

// ---- frmInsSetting ------------------------------------------------------------------------------

using EthDialogTest = DialogTest;

std::string boxesOf(frmInsSetting& d)
{
    std::string s;
    for (QLineEdit* b : d.IPText) s += b->text().toStdString() + "|";
    return s;
}

TEST_F(EthDialogTest, ControlsOpenInDecimalEntryFilledFromTheSettings)
{
    pub.set.L_LpStat = 1;
    pub.set.L_LoopNo = "1";
    pub.set.L_LinkStNo = "7";
    pub.set.L_StatFlag = 1;
    pub.set.L_StatNo = "03";
    pub.set.L_SeriNo = "2A";
    pub.set.RusUnitNo = "5";
    frmInsSetting d(pub, sink);
    EXPECT_EQ(d.windowTitle(), "Configuration of connection attention for Ethernet");
    const std::vector<std::pair<const char*, const char*>> labels = {
        {"Label1(0)", "IP address U (&U)"}, {"Label1(1)", "IP address L (&L)"}, {"Label2", "Port number (&P)"},
        {"Label8", "Dec (&A)"}, {"Label3", "Dec (&G)"}, {"Label10", "Dec (&J)"}, {"Label4(3)", "."},
        {"ReLabel", "Remote No"}, {"UnLabel", "Unit No"}, {"SlLabel", "Slot No"},
    };
    for (const auto& [name, caption] : labels) EXPECT_EQ(child<QLabel>(d, name)->text(), caption) << name;
    EXPECT_EQ(d.Check1->text(), "Dec Input (&H)");
    EXPECT_EQ(d.DefCommand->text(), "Example(&X)");
    EXPECT_EQ(d.ModuleFrame->title(), "Module(NEX-KOR / TORLI-V)");
    EXPECT_EQ(d.SerialFrame->title(), "Serial Number");
    EXPECT_EQ(d.TBNText->maxLength(), 2);
    for (QLineEdit* b : d.IPText) {
        EXPECT_EQ(b->maxLength(), 32767) << "no limit";
        EXPECT_EQ(b->parentWidget(), d.ModuleFrame);
    }
    EXPECT_EQ(boxesOf(d), "||||||||") << "filled when it becomes active";
    showActive(d);
    EXPECT_EQ(boxesOf(d), "C0A8|0001|0BBC|192|168|0|1|3004|");
    EXPECT_EQ(d.TBNText->text(), "2A");
    EXPECT_TRUE(d.NetworkOption[1]->isChecked());
    EXPECT_EQ(d.LoopText[1]->text(), "7");
    EXPECT_EQ(d.StationText->text(), "03");
    EXPECT_EQ(d.Rus_Combo[1]->currentText(), "5");

    EXPECT_TRUE(d.Check1->isChecked());
    EXPECT_EQ(d.Check1->palette().color(QPalette::Window), QColor(255, 255, 128));
    EXPECT_EQ(shownBackground(d.Check1), QColor(255, 255, 128));
    for (int i = 0; i < 8; ++i) {
        QLineEdit* b = d.IPText[static_cast<size_t>(i)];
        EXPECT_EQ(b->isEnabled(), i >= 3) << i;
        EXPECT_EQ(b->palette().color(QPalette::Base), i >= 3 ? QColor(255, 255, 128) : ButtonFaceColour()) << i;
    }
    // The check box converts nothing: only which boxes may be edited, and the colours.
    d.IPText[3]->setText("10");
    d.Check1->click();
    EXPECT_EQ(boxesOf(d), "C0A8|0001|0BBC|10|168|0|1|3004|");
    EXPECT_EQ(d.Check1->palette().color(QPalette::Window), QColor(255, 128, 128));
    EXPECT_EQ(shownBackground(d.Check1), QColor(255, 128, 128));
    for (int i = 0; i < 8; ++i) {
        QLineEdit* b = d.IPText[static_cast<size_t>(i)];
        EXPECT_EQ(b->isEnabled(), i < 3) << i;
        EXPECT_EQ(b->palette().color(QPalette::Base), i < 3 ? QColor(255, 128, 128) : ButtonFaceColour()) << i;
    }

    // Filled once per opening: becoming active again keeps what was typed.
    QWidget other;
    showActive(other);
    showActive(d);
    EXPECT_EQ(d.IPText[3]->text(), "10");
}

TEST_F(EthDialogTest, LeavingABoxBringsTheOtherFormInLine)
{
    struct Case { bool decimal; int box; const char* typed; const char* after; };
    // The boxes open as C0A8|0001|0BBC|192|168|0|1|3004.
    const Case cases[] = {
        {false, 0, "a", "000A|0001|0BBC|0|10|0|1|3004|"},
        {false, 2, "0BBC", "C0A8|0001|0BBC|192|168|0|1|3004|"},
        {false, 2, "FFFF", "C0A8|0001|FFFF|192|168|0|1|65535|"},
        {false, 2, "bb", "C0A8|0001|00BB|192|168|0|1|187|"},
        {false, 1, "", "C0A8||0BBC|192|168|||3004|"},
        {false, 1, "12C00", "C0A8|12C00|0BBC|192|168|18|0|3004|"},
        {false, 2, "", "C0A8|0001||192|168|0|1|0|"},
        {true, 3, "10", "0AA8|0001|0BBC|10|168|0|1|3004|"},
        {true, 5, "300", "C0A8|12C01|0BBC|192|168|300|1|3004|"},
        {true, 7, "3004", "C0A8|0001|0BBC|192|168|0|1|3004|"},
        {true, 7, "8080", "C0A8|0001|1F90|192|168|0|1|8080|"},
        {true, 7, "", "C0A8|0001|0BBC|192|168|0|1||"},
        {true, 4, "99999999999999999999", "FFFFFFFFFFFFFFFF|0001|0BBC|192|99999999999999999999|0|1|3004|"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.box) + " '" + c.typed + "'");
        frmInsSetting d(pub, sink);
        showActive(d);
        if (!c.decimal) d.Check1->click();
        type(d.IPText[static_cast<size_t>(c.box)], c.typed);
        // Through the keyboard: the focus moves on to the next control.
        QTest::keyClick(d.IPText[static_cast<size_t>(c.box)], Qt::Key_Tab);
        EXPECT_NE(focusName(d), d.IPText[static_cast<size_t>(c.box)]->objectName());
        EXPECT_EQ(boxesOf(d), c.after);
    }
}

TEST_F(EthDialogTest, DecimalEntryOfBothHalves)
{
    frmInsSetting d(pub, sink);
    showActive(d);
    type(d.IPText[3], "10");
    type(d.IPText[4], "1");
    click(d.DefCommand); // the click leaves box 4 first
    EXPECT_EQ(boxesOf(d), "C0A8|0001|0BBC|192|168|0|1|3004|") << "then the example fills all eight";
    type(d.IPText[3], "10");
    type(d.IPText[4], "1");
    type(d.IPText[5], "");
    EXPECT_EQ(d.IPText[0]->text(), "0A01");
    type(d.IPText[6], "");
    QTest::mouseClick(d.IPText[7], Qt::LeftButton);
    EXPECT_EQ(d.IPText[1]->text(), "0001") << "both empty: left as it was";
    type(d.IPText[4], "");
    type(d.IPText[3], "10");
    QTest::keyClick(d.IPText[3], Qt::Key_Tab);
    EXPECT_EQ(d.IPText[0]->text(), "0A00");
}

// Focus taken by another window or a popup is no move within the dialog.
TEST_F(EthDialogTest, AnotherWindowBecomingActiveConvertsNothing)
{
    frmInsSetting d(pub, sink);
    showActive(d);
    d.Check1->click();
    type(d.IPText[0], "a");
    QWidget box;
    showActive(box);
    EXPECT_EQ(d.IPText[0]->text(), "a");
    EXPECT_EQ(d.IPText[3]->text(), "192");
    showActive(d);
    EXPECT_EQ(focusName(d), "IPText(0)");
    QTest::keyClick(d.IPText[0], Qt::Key_Tab);
    EXPECT_EQ(d.IPText[0]->text(), "000A");
}

TEST_F(EthDialogTest, ExampleFillsAllEightBoxesAlsoInHexadecimalEntry)
{
    frmInsSetting d(pub, sink);
    showActive(d);
    d.Check1->click();
    for (QLineEdit* b : d.IPText) b->setText("9");
    const std::string before = snapshot(pub);
    click(d.DefCommand);
    EXPECT_EQ(boxesOf(d), "C0A8|0001|0BBC|192|168|0|1|3004|");
    EXPECT_EQ(snapshot(pub), before) << "nothing stored before OK";
}

TEST_F(EthDialogTest, OkStoresTheOctetsAsPlainDecimalAndTheAddressOfExactlyThoseTexts)
{
    frmInsSetting d(pub, sink);
    showActive(d);
    d.DataSetCommand->setFocus(); // no box loses the focus: nothing is converted
    d.IPText[3]->setText("010");
    d.IPText[4]->setText("");
    d.IPText[5]->setText("5");
    d.IPText[6]->setText("1");
    d.IPText[7]->setText("5000");
    click(d.DataSetCommand);
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(pub.set.L_IpDec1 + "," + pub.set.L_IpDec2 + "," + pub.set.L_IpDec3 + "," + pub.set.L_IpDec4, "10,0,5,1");
    EXPECT_EQ(pub.set.L_IpAddr, "10.0.5.1");
    EXPECT_EQ(pub.set.L_IpHexU + pub.set.L_IpHexL + pub.set.L_PortHex, "C0A800010BBC") << "OK converts nothing";
    EXPECT_EQ(pub.set.L_PortNo, "5000");
    EXPECT_EQ(pub.ReplyStatusOffset, 0);
    EXPECT_TRUE(comm.settingsSet.empty());
}

TEST_F(EthDialogTest, AWrongStationKeepsTheAddressStoredAlsoAfterCancel)
{
    frmInsSetting d(pub, sink);
    showActive(d);
    type(d.IPText[3], "10");
    type(d.IPText[6], "7");
    type(d.TBNText, "1F");
    click(d.NetworkOption[1]);
    type(d.LoopText[0], "2");
    type(d.LoopText[1], "9");
    click(d.StationOption[1]);
    type(d.StationText, "5");
    d.Rus_Combo[0]->setCurrentText("3");
    click(d.DataSetCommand);
    EXPECT_EQ(sink.texts, std::vector<std::string>{"Length Error"});
    EXPECT_EQ(focusName(d), "StationText");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(pub.set.L_IpAddr, "10.168.0.7");
    EXPECT_EQ(pub.set.L_IpHexU + pub.set.L_IpHexL, "0AA80007");
    EXPECT_EQ(pub.set.L_LpAddr, "0209");
    EXPECT_EQ(pub.set.L_SeriNo, "1F");
    EXPECT_EQ(pub.set.L_StatFlag, 0);
    EXPECT_EQ(pub.set.RusRemoteNo, "0");
    click(d.DataCancelCommand);
    EXPECT_EQ(pub.set.L_IpAddr, "10.168.0.7");

    // A wrong loop number stores nothing.
    sink.clear();
    const std::string before = snapshot(pub);
    frmInsSetting e(pub, sink);
    showActive(e);
    type(e.IPText[3], "11");
    click(e.NetworkOption[1]);
    type(e.LoopText[0], "3");
    click(e.DataSetCommand);
    EXPECT_EQ(sink.texts, std::vector<std::string>{"Data Limit Error"});
    EXPECT_EQ(focusName(e), "LoopText(0)");
    EXPECT_EQ(snapshot(pub), before);
}

// Enter on the default button leaves the focus in the box: OK lines it up first, so a keyboard
// OK stores what a mouse OK stores.
TEST_F(EthDialogTest, KeyboardOkWithAPendingHexadecimalEntryStoresItAsTheMouseDoes)
{
    std::string stored[2];
    for (int keyboard : {0, 1}) {
        SetUp();
        frmInsSetting d(pub, sink);
        showActive(d);
        d.Check1->click();
        type(d.IPText[1], "0102");
        type(d.IPText[2], "1F90");
        if (keyboard)
            QTest::keyClick(d.IPText[2], Qt::Key_Return);
        else
            click(d.DataSetCommand);
        ASSERT_EQ(d.result(), QDialog::Accepted) << keyboard;
        EXPECT_EQ(pub.set.L_PortNo, "8080") << keyboard;
        EXPECT_EQ(pub.set.L_PortHex, "1F90");
        EXPECT_EQ(pub.set.L_IpAddr, "192.168.1.2") << "box 1 was lined up when the focus left it";
        stored[keyboard] = snapshot(pub);
    }
    EXPECT_EQ(stored[0], stored[1]);
}

TEST_F(EthDialogTest, OversizedNumbersNeverCrashAndKeepTheirLongerTexts)
{
    frmInsSetting d(pub, sink);
    showActive(d);
    type(d.IPText[3], "300");
    type(d.IPText[4], "0");
    type(d.IPText[5], "99999999999999999999999");
    type(d.IPText[7], "70000");
    QTest::keyClick(d.IPText[7], Qt::Key_Return);
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(pub.set.L_IpHexU, "12C00");
    EXPECT_EQ(pub.set.L_IpHexL, "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(pub.set.L_PortHex, "11170");
    EXPECT_EQ(pub.set.L_IpAddr, "300.0.18446744073709551615.1");
    EXPECT_EQ(pub.set.L_PortNo, "70000");
}

// ---- frmAxisName and frmVerRev --------------------------------------------------------------------

using AxisNameTest = DialogTest;

TEST_F(AxisNameTest, TwoAxisModelsNameXAndYAndEmptyTheOthers)
{
    for (int moduleType : {2, 3, 4}) {
        SCOPED_TRACE(moduleType);
        pub.ModuleType = moduleType;
        pub.set.AxisName = {"X axis", "Y axis", "", ""};
        frmAxisName d(pub, sink);
        showActive(d);
        EXPECT_EQ(d.windowTitle(), "Axis Name Setting");
        EXPECT_EQ(d.font().family(), "Arial");
        EXPECT_EQ(d.AxisLabel[0]->text(), "X axis Name :");
        EXPECT_EQ(d.AxisLabel[1]->text(), "Y axis Name :");
        EXPECT_EQ(d.AxisText[1]->text(), "Y axis");
        for (size_t k : {2u, 3u}) {
            EXPECT_FALSE(d.AxisLabel[k]->isVisible());
            EXPECT_FALSE(d.AxisText[k]->isVisible());
        }
        EXPECT_EQ(d.OkCommand->text(), "OK");
        EXPECT_EQ(d.CancelCommand->text(), "Cancel");
        pub.set.AxisName[2] = "stale";
        type(d.AxisText[0], "Feed  ");
        type(d.AxisText[1], " ");
        click(d.OkCommand);
        EXPECT_FALSE(d.isVisible());
        EXPECT_TRUE(sink.texts.empty());
        EXPECT_EQ(pub.set.AxisName, (std::array<std::string, 4>{"Feed  ", " ", "", ""}));
    }
}

TEST_F(AxisNameTest, FourAxisNamesAllRequiredCancelAndCloseBoxKeepThem)
{
    pub.ModuleType = 5;
    pub.set.AxisName = {"A axis", "B axis", "C axis", "D axis"};
    frmAxisName d(pub, sink);
    showActive(d);
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(d.AxisLabel[k]->text().toStdString(), std::string(1, char('A' + k)) + " axis Name :");
        EXPECT_TRUE(d.AxisText[k]->isVisible());
        EXPECT_EQ(d.AxisText[k]->text().toStdString(), pub.set.AxisName[k]);
    }
    type(d.AxisText[0], "Lift");
    type(d.AxisText[2], "");
    click(d.OkCommand);
    EXPECT_EQ(sink.texts, std::vector<std::string>{"No data.Please specify it"});
    EXPECT_EQ(sink.icons, std::vector<MsgIcon>{MsgIcon::Exclamation});
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(pub.set.AxisName[0], "A axis");
    for (bool closeBox : {false, true}) {
        frmAxisName e(pub, sink);
        showActive(e);
        type(e.AxisText[3], "Turn");
        if (closeBox) e.close();
        else click(e.CancelCommand);
        EXPECT_FALSE(e.isVisible());
        EXPECT_EQ(pub.set.AxisName, (std::array<std::string, 4>{"A axis", "B axis", "C axis", "D axis"}));
    }
    type(d.AxisText[2], "Grip");
    click(d.OkCommand);
    EXPECT_EQ(pub.set.AxisName, (std::array<std::string, 4>{"Lift", "B axis", "Grip", "D axis"}));
}

// The window manager elides a caption its title bar has no room for.
TEST_F(DialogTest, EachDialogIsWideEnoughForItsCaption)
{
    pub.ModuleType = 2; // two names: the narrowest axis-name dialog
    frmSetting rs(pub, sink, comm);
    frmInsSetting eth(pub, sink);
    frmAxisName names(pub, sink);
    frmVerRev version;
    for (QDialog* d : std::initializer_list<QDialog*>{&rs, &eth, &names, &version}) {
        showActive(*d);
        QFont bold = QApplication::font();
        bold.setBold(true);
        // Room for the window's icon and its three buttons, each about a line high, and margins.
        const QFontMetrics m(bold);
        EXPECT_GE(d->width(), m.horizontalAdvance(d->windowTitle()) + 7 * m.height())
            << d->objectName().toStdString();
    }
}

TEST_F(DialogTest, VersionDialogShowsTheNameAndVersionAsPlainText)
{
    frmVerRev d;
    showActive(d);
    EXPECT_EQ(d.windowTitle(), "Version Information");
    EXPECT_EQ(d.font().family(), "Arial");
    EXPECT_EQ(d.lblVerNo->text(), "DRAVEL          Version 5.02");
    EXPECT_EQ(d.lblVerNo->textFormat(), Qt::PlainText);
    EXPECT_EQ(d.cmdOK->text(), "OK(&O)");
    click(d.cmdOK);
    EXPECT_FALSE(d.isVisible());
}

} // namespace
