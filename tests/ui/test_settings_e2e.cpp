// The whole program pointed at the controller peer through the settings dialogs alone: what
// a dialog stores is what the link sends next, and what Exit writes the next start reads.
// Real time, over a pseudo-terminal and over TCP on the loopback address.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <string>
#include <vector>

#include "UiFixture.h"
#include "fakecpu/FakeCpu.h"
#include "fakecpu/ModuleModel.h"
#include "params/ui/frmParmJV.h"
#include "params/ui/frmParmZr4.h"
#include "platform/FlexGrid.h"
#include "shared/ui/frmInsSetting.h"
#include "shared/ui/frmSetting.h"

using namespace posmod;

namespace {

class SettingsEndToEnd : public test::UiTest {
protected:
    // The program with its own link, as it runs; Exit only counted.
    frmMain& startProgram()
    {
        newForms();
        forms->endProgram = [this] { ++endings; };
        forms->Main().Form_Load();
        return forms->Main();
    }
    static void activate(QWidget& w)
    {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    static void type(QLineEdit* box, const std::string& text)
    {
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClicks(box, QString::fromStdString(text));
    }
    static void pick(QComboBox* list, const char* entry)
    {
        const int i = list->findText(entry);
        ASSERT_GE(i, 0) << entry;
        list->setCurrentIndex(i);
    }
    bool hasLine(const std::string& line) const { return readIni().find(line + "\r\n") != std::string::npos; }

    std::vector<PeerRecord> requests(FakeCpu& peer) const
    {
        std::vector<PeerRecord> out;
        for (const PeerRecord& r : peer.state().transcript())
            if (r.kind != PeerRecord::Enq) out.push_back(r);
        return out;
    }
};

} // namespace

TEST_F(SettingsEndToEnd, Rs232cDialogPointsTheLinkAtThePeerAndExitKeepsIt)
{
    ModuleModel model(ModuleFamily::OneAxis);
    model.remote = "1";
    model.unit = "2";
    model.slot = "3";
    for (int k = 1; k <= 12; ++k) model.parameter(0, k) = 0x200 + k;
    FakeCpu peer(model, FakeCpu::Kind::Serial, PeerConfig{1, "05", 0});
    std::string error;
    ASSERT_TRUE(peer.start(&error)) << error;

    frmMain& m = startProgram();
    ASSERT_EQ(forms->pub.set.R_PortNo, 1) << "no Setting.ini: the defaults, no port opens";
    qputenv("POSMOD_COM3", QByteArray::fromStdString(peer.ptyPath()));
    forms->runDialog = [&](QDialog& dlg) {
        auto& d = dynamic_cast<frmSetting&>(dlg);
        activate(d);
        EXPECT_EQ(d.PortCombo->itemData(2, Qt::ToolTipRole).toString().toStdString(), peer.ptyPath());
        pick(d.PortCombo, "COM3");
        QTest::mouseClick(d.StationOption[1], Qt::LeftButton, {}, QPoint(6, d.StationOption[1]->height() / 2));
        type(d.StationText, "05");
        QTest::mouseClick(d.NetworkOption[1], Qt::LeftButton, {}, QPoint(6, d.NetworkOption[1]->height() / 2));
        type(d.LoopText[0], "1");
        type(d.LoopText[1], "5");
        pick(d.Rus_Combo[0], "1");
        pick(d.Rus_Combo[1], "2");
        pick(d.Rus_Combo[2], "3");
        QTest::mouseClick(d.DataSetCommand, Qt::LeftButton);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    };
    m.mnuRS232C->trigger();
    ASSERT_EQ(forms->pub.set.R_PortNo, 3);

    m.ParmSetCommand->click();
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0].first);
    auto& editor = forms->window<frmParmJV>();
    ASSERT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.PrmFlexGrid->TextMatrix(1, 2), "0201");
    EXPECT_EQ(editor.PrmFlexGrid->TextMatrix(9, 2), "0209");
    const auto sent = requests(peer);
    ASSERT_GT(sent.size(), 12u);
    for (const PeerRecord& r : sent) {
        EXPECT_TRUE(r.addressed) << r.raw;
        EXPECT_EQ(r.raw.substr(0, 8), "\x02" "F050105") << "station 05, network address 0105";
    }
    EXPECT_TRUE(peer.withModel([&](CpuModel&) { return model.rejected.empty(); })) << "RUS 1.2.3 reached the module";
    // Every register and status task names the module's place: "0" or "00", then RUS 123.
    int placed = 0;
    for (const PeerRecord& r : sent) {
        if (r.taskText == "1000" || r.taskText == "1700" || r.taskText == "1600") continue;
        EXPECT_NE(r.taskText.find("0123"), std::string::npos) << r.taskText;
        ++placed;
    }
    EXPECT_GT(placed, 12);
    editor.close();

    m.mnuExit->trigger();
    EXPECT_EQ(endings, 1);
    EXPECT_TRUE(hasLine("S_SETTING=0"));
    EXPECT_TRUE(hasLine("R_LP_STAT=1.5"));
    EXPECT_TRUE(hasLine("R_PORT_NO=COM3"));
    EXPECT_TRUE(hasLine("R_STAT_NO=05"));
    EXPECT_TRUE(hasLine("R_RUSS_NO=1.2.3"));

    // The next start reads them back, and the dialog opens with them.
    forms.reset();
    frmMain& again = startProgram();
    const Settings& s = forms->pub.set;
    EXPECT_EQ(s.R_PortNo, 3);
    EXPECT_EQ(s.R_StatNo, "05");
    EXPECT_EQ(s.R_LpAddr, "0105");
    EXPECT_EQ(s.RusRemoteNo + s.RusUnitNo + s.RusSlotNo, "123");
    EXPECT_EQ(forms->pub.ReplyStatusOffset, 2);
    bool opened = false;
    forms->runDialog = [&](QDialog& dlg) {
        auto& d = dynamic_cast<frmSetting&>(dlg);
        opened = true;
        EXPECT_EQ(d.PortCombo->currentText(), "COM3");
        EXPECT_EQ(d.StationText->text(), "05");
        EXPECT_EQ(d.LoopText[1]->text(), "5");
        EXPECT_EQ(d.Rus_Combo[2]->currentText(), "3");
        d.reject();
    };
    again.mnuRS232C->trigger();
    EXPECT_TRUE(opened);
    qunsetenv("POSMOD_COM3");
}

TEST_F(SettingsEndToEnd, EthernetDialogPointsTheLinkAtThePeerAndExitKeepsIt)
{
    ModuleModel model(ModuleFamily::FourAxis);
    model.remote = "2";
    model.unit = "1";
    model.slot = "9";
    for (int a = 0; a < 4; ++a)
        for (int w = 0; w < 19; ++w) model.prm[a][w] = static_cast<uint16_t>(0x3000 + a * 0x100 + w);
    FakeCpu peer(model, FakeCpu::Kind::Tcp, PeerConfig{1, "07", 0});
    std::string error;
    ASSERT_TRUE(peer.start(&error)) << error;
    const int port = peer.tcpPort();
    const std::string portHex = hexText(static_cast<uint64_t>(port), 4);

    frmMain& m = startProgram();
    chooseModel(m, 1);
    m.Connect_Option[1]->click();
    forms->runDialog = [&](QDialog& dlg) {
        auto& d = dynamic_cast<frmInsSetting&>(dlg);
        activate(d);
        // Hexadecimal entry, ended by Enter in the port box.
        QTest::mouseClick(d.Check1, Qt::LeftButton, {}, QPoint(6, d.Check1->height() / 2));
        ASSERT_FALSE(d.Check1->isChecked());
        type(d.IPText[0], "7F00");
        type(d.IPText[1], "1");
        type(d.TBNText, "3F");
        QTest::mouseClick(d.NetworkOption[1], Qt::LeftButton, {}, QPoint(6, d.NetworkOption[1]->height() / 2));
        type(d.LoopText[0], "1");
        type(d.LoopText[1], "10");
        QTest::mouseClick(d.StationOption[1], Qt::LeftButton, {}, QPoint(6, d.StationOption[1]->height() / 2));
        type(d.StationText, "07");
        pick(d.Rus_Combo[0], "2");
        pick(d.Rus_Combo[1], "1");
        pick(d.Rus_Combo[2], "9");
        // The port typed last: only OK brings its decimal form in line.
        type(d.IPText[2], portHex);
        QTest::keyClick(d.IPText[2], Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    };
    m.mnuEthernet->trigger();
    ASSERT_EQ(forms->pub.set.L_IpAddr, "127.0.0.1");
    ASSERT_EQ(forms->pub.set.L_PortNo, std::to_string(port));

    auto readAndCheck = [&](frmMain& w) {
        peer.state().clearTranscript();
        w.ParmSetCommand->click();
        EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0].first);
        auto& editor = forms->window<frmParmZr4>();
        ASSERT_TRUE(editor.isVisible());
        EXPECT_EQ(forms->pub.Z4PrmData[3][18].Word, "3312");
        const auto sent = requests(peer);
        ASSERT_GT(sent.size(), 4u);
        for (const PeerRecord& r : sent) {
            EXPECT_TRUE(r.addressed) << r.raw;
            EXPECT_EQ(r.raw.substr(0, 14), "003F07010A0000") << "serial 3F, station 07, network address 010A";
        }
        EXPECT_TRUE(peer.withModel([&](CpuModel&) { return model.rejected.empty(); }))
            << "module addresses of RUS 2.1.9";
        editor.close();
    };
    readAndCheck(m);

    m.mnuExit->trigger();
    EXPECT_EQ(endings, 1);
    EXPECT_TRUE(hasLine("S_SETTING=1"));
    EXPECT_TRUE(hasLine("MODULE_NO=1"));
    EXPECT_TRUE(hasLine("L_IPAD_NO=127.0.0.1"));
    EXPECT_TRUE(hasLine("L_PORT_NO=" + std::to_string(port)));
    EXPECT_TRUE(hasLine("L_LP_STAT=1.10"));
    EXPECT_TRUE(hasLine("L_STAT_NO=07"));
    EXPECT_TRUE(hasLine("L_SERI_NO=3F"));
    EXPECT_TRUE(hasLine("R_RUSS_NO=2.1.9"));

    forms.reset();
    frmMain& again = startProgram();
    EXPECT_EQ(forms->pub.set.LinkKind, 1);
    bool opened = false;
    forms->runDialog = [&](QDialog& dlg) {
        auto& d = dynamic_cast<frmInsSetting&>(dlg);
        d.show();
        opened = true;
        std::string boxes;
        for (QLineEdit* b : d.IPText) boxes += b->text().toStdString() + "|";
        EXPECT_EQ(boxes, "7F00|0001|" + portHex + "|127|0|0|1|" + std::to_string(port) + "|");
        d.reject();
    };
    again.mnuEthernet->trigger();
    EXPECT_TRUE(opened);
    readAndCheck(again);
}
