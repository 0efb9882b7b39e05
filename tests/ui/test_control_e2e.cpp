// The control and status windows of the whole program, with its own link, against the
// controller peer in real time over a pseudo-terminal and TCP loopback: what reaches the
// module and in which order, the peer's command register afterwards, and a status snapshot
// of the peer's words as the status window shows it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "UiFixture.h"
#include "control/ui/frmSeigyo7WCmd.h"
#include "control/ui/frmSeigyoJVCmd.h"
#include "control/ui/frmSeigyoZ4Cmd.h"
#include "control/ui/frmSeigyoZ4Data.h"
#include "control/ui/frmStatusJV_Reg.h"
#include "control/ui/frmStatusZr4_Reg.h"
#include "fakecpu/FakeCpu.h"
#include "fakecpu/ModuleModel.h"
#include "platform/FlexGrid.h"
#include "shared/ModelTable.h"
#include "support/PeerSettings.h"

using namespace posmod;

namespace {

using Texts = std::vector<std::string>;

struct Route {
    bool tcp;
    int proc;            // RS-232C procedure
    const char* station; // RS-232C station number
};

class ControlEndToEnd : public test::UiTest {
protected:
    // The tool with its real link set up for the peer, the model of the list text chosen.
    void startOn(const ModuleModel& model, FakeCpu& peer, const Route& r, const char* modelText)
    {
        newForms();
        forms->endProgram = [this] { ++endings; };
        Public& pub = forms->pub;
        pub.SendCancel = -1;
        LinkSettings_Set(pub, r.tcp ? 1 : 0, r.proc, r.station, 5);
        if (r.tcp) pub.set.L_PortNo = std::to_string(peer.tcpPort());
        else qputenv("POSMOD_COM5", QByteArray::fromStdString(peer.ptyPath()));
        ModuleAddress_Of(pub.set, model);
        Model_Choose(pub, modelText);
        ASSERT_TRUE(forms->MSComm1.setSettings("19200,e,7,1"));
    }

    // The writes the peer received (register and memory writes) and the closing task, in order.
    static Texts writes(FakeCpu& peer)
    {
        Texts out;
        for (const std::string& t : peer.state().tasks())
            if (t.starts_with("A5") || t.starts_with("7F02") || t.starts_with("FF00000000007F02") || t == "1600")
                out.push_back(t);
        return out;
    }
};

// "0900" & place & register & word: one item of a register write.
std::string Item(const ModuleModel& m, char reg, const std::string& word)
{
    return "0900" + m.remote + m.unit + m.slot + reg + word;
}

struct CommandCase {
    const char* name;
    ModuleFamily family;
    const char* modelText;
    Route route;
    int variant;
    std::function<void(QWidget&)> choose;
    // What the command writes between the initial word and the closing, as items or texts.
    std::function<Texts(const ModuleModel&)> commandWrites;
    uint16_t commandRegister;
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

class ControlCommand : public ControlEndToEnd, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(ControlCommand, ReachesThePeerInOrder)
{
    const CommandCase& c = GetParam();
    ModuleModel model(c.family);
    model.unit = "1";
    model.slot = "3";
    model.variant = c.variant;
    model.flagLate = 1;
    FakeCpu peer(model, c.route.tcp ? FakeCpu::Kind::Tcp : FakeCpu::Kind::Serial,
                 PeerConfig{c.route.proc, c.route.station, 0});
    std::string error;
    ASSERT_TRUE(peer.start(&error)) << error;
    startOn(model, peer, c.route, c.modelText);

    QWidget* w = forms->form(Model_ForType(forms->pub.ModuleType).controlForm);
    ASSERT_NE(w, nullptr);
    static_cast<FormBase*>(w)->Form_Load();
    w->show();
    forms->runDialog = [](QDialog& d) {
        // The data dialog confirmed with its defaults.
        auto* data = dynamic_cast<frmSeigyoZ4Data*>(&d);
        ASSERT_NE(data, nullptr);
        d.show();
        QTest::mouseClick(data->DataSetCommand, Qt::LeftButton);
    };
    c.choose(*w);
    QTest::mouseClick(w->findChild<QPushButton*>("SendCommand"), Qt::LeftButton);

    EXPECT_EQ(messages, (std::vector<std::pair<std::string, MsgIcon>>{{"Complete transmission", MsgIcon::None}}));
    Texts expected = {"A501" + Item(model, '4', forms->pub.InitControlWord)};
    for (const std::string& t : c.commandWrites(model)) expected.push_back(t);
    expected.push_back("1600");
    EXPECT_EQ(writes(peer), expected);
    const Texts all = peer.state().tasks();
    ASSERT_FALSE(all.empty());
    EXPECT_FALSE(all.front().starts_with("A5")) << "the link's opening comes first";
    peer.withModel([&](CpuModel&) {
        EXPECT_EQ(model.reg[4], c.commandRegister);
        EXPECT_TRUE(model.rejected.empty()) << model.rejected.front();
        return 0;
    });
    EXPECT_FALSE(forms->pointer.hourglass());
    EXPECT_EQ(forms->Winsock1.state(), 0);
    peer.stop();
    qunsetenv("POSMOD_COM5");
}

INSTANTIATE_TEST_SUITE_P(
    Families, ControlCommand,
    ::testing::Values(
        CommandCase{"OneAxisStepPty", ModuleFamily::OneAxis, "JV-ZR", {false, 2, ""}, 0,
                    [](QWidget& w) {
                        auto& jv = static_cast<frmSeigyoJVCmd&>(w);
                        jv.SeigyoOption[6]->click();
                        jv.SeigyoText[0]->setText("10");
                    },
                    [](const ModuleModel& m) { return Texts{"A501" + Item(m, '4', "040A")}; }, 0x040A},
        CommandCase{"TwoAxisYTcp", ModuleFamily::TwoAxis, "VELTA-7W", {true, 1, ""}, 0,
                    [](QWidget& w) {
                        auto& tw = static_cast<frmSeigyo7WCmd&>(w);
                        tw.JikOption[1]->click();
                        tw.SeigyoOption[4]->click();
                        tw.SeigyoText[1]->setText("5");
                    },
                    [](const ModuleModel& m) { return Texts{"A501" + Item(m, '4', "2405")}; }, 0x2405},
        CommandCase{"FourAxisThreeRegistersPtyStation", ModuleFamily::FourAxis, "JV-ZR4", {false, 1, "17"}, 1,
                    [](QWidget& w) {
                        auto& z4 = static_cast<frmSeigyoZ4Cmd&>(w);
                        z4.JikCheck[1]->click();
                        z4.SeigyoOption[11]->click();
                        z4.SeigyoText[0]->setText("1");
                        z4.SeigyoText[1]->setText("10");
                        z4.SeigyoText[2]->setText("3");
                    },
                    [](const ModuleModel& m) {
                        return Texts{"A503" + Item(m, '5', "0001") + Item(m, '6', "000A") + Item(m, '7', "0003"),
                                     "A501" + Item(m, '4', "0602")};
                    },
                    0x0602},
        CommandCase{"FourAxisShortBlockTcp", ModuleFamily::FourAxis, "JV-ZR4", {true, 1, ""}, 0,
                    [](QWidget& w) {
                        auto& z4 = static_cast<frmSeigyoZ4Cmd&>(w);
                        z4.JikCheck[0]->click();
                        z4.SeigyoOption[8]->click();
                    },
                    [](const ModuleModel& m) {
                        char addr[9];
                        std::snprintf(addr, sizeof addr, "%08X", m.inputArea(false));
                        return Texts{"7F0200" + std::string(addr) + "0E" + std::string(28, '0'),
                                     "A501" + Item(m, '4', "0401")};
                    },
                    0x0401},
        CommandCase{"FourAxisLongBlockTcp", ModuleFamily::FourAxis, "JV-ZR4", {true, 1, ""}, 2,
                    [](QWidget& w) {
                        auto& z4 = static_cast<frmSeigyoZ4Cmd&>(w);
                        z4.JikCheck[1]->click();
                        z4.JikCheck[3]->click();
                        z4.SeigyoOption[10]->click();
                    },
                    [](const ModuleModel& m) {
                        char addr[9];
                        std::snprintf(addr, sizeof addr, "%08X", m.inputArea(true));
                        // Nine words of B, four of D.
                        return Texts{"FF00000000007F0200" + std::string(addr) + "000D" + std::string(52, '0'),
                                     "A501" + Item(m, '4', "051A")};
                    },
                    0x051A}),
    [](const ::testing::TestParamInfo<CommandCase>& i) { return std::string(i.param.name); });

// One snapshot per link: the status window shows the peer's words, decoded, while the link
// is held open under it; afterwards the link is closed without the closing task.
TEST_F(ControlEndToEnd, FourAxisSnapshotOverTcpShowsThePeersWords)
{
    ModuleModel model(ModuleFamily::FourAxis);
    model.unit = "1";
    model.slot = "2";
    model.axisStatus = {0x4305, 0x0101, 0x7FFF, 0x0000};
    model.errorCode = {0x00E1, 0x00E2, 0x00E3, 0x00E4};
    model.current = {0x00001000, 0xFFFFF000, 0x7FFFFFFF, 0x80000000};
    FakeCpu peer(model, FakeCpu::Kind::Tcp);
    std::string error;
    ASSERT_TRUE(peer.start(&error)) << error;
    startOn(model, peer, {true, 1, ""}, "JV-ZR4");
    auto& w = forms->window<frmSeigyoZ4Cmd>();
    w.Form_Load();
    w.show();

    int shown = 0;
    forms->runDialog = [&](QDialog& d) {
        ++shown;
        auto& s = dynamic_cast<frmStatusZr4_Reg&>(d);
        EXPECT_NE(forms->Winsock1.state(), 0) << "the link is open under the window";
        d.show();
        EXPECT_EQ(s.StLabel2->text(), "H4305");
        EXPECT_EQ(s.ErLabel2->text(), "H00E1");
        EXPECT_EQ(s.IchiLabel2->text(), "H00001000");
        EXPECT_EQ(s.StatusZr4_RegGrid[0]->TextMatrix(1, 2), "During normal");
        EXPECT_EQ(s.StatusZr4_RegGrid[0]->TextMatrix(2, 2), "During handshake");
        EXPECT_EQ(s.StatusZr4_RegGrid[0]->TextMatrix(9, 2), "H05");
        s.Zr4RegSSTab->setCurrentIndex(3);
        EXPECT_EQ(s.StLabel1->text(), "D axis, Status resister :");
        EXPECT_EQ(s.IchiLabel2->text(), "H80000000");
        EXPECT_EQ(s.ErLabel2->text(), "H00E4");
        QTest::mouseClick(s.Status_RegCommand, Qt::LeftButton);
    };
    QTest::mouseClick(w.StRegCommand, Qt::LeftButton);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(forms->Winsock1.state(), 0);
    for (const std::string& t : peer.state().tasks()) EXPECT_NE(t, "1600");
    EXPECT_TRUE(ControlEnabled(w.StRegCommand));
    peer.stop();
}

TEST_F(ControlEndToEnd, OneAxisSnapshotOverAPtyShowsThePeersWord)
{
    ModuleModel model(ModuleFamily::OneAxis);
    model.unit = "1";
    model.slot = "3";
    model.axisStatus[0] = 0xC305;
    FakeCpu peer(model, FakeCpu::Kind::Serial, PeerConfig{2, "", 0});
    std::string error;
    ASSERT_TRUE(peer.start(&error)) << error;
    startOn(model, peer, {false, 2, ""}, "JV-ZR");
    auto& w = forms->window<frmSeigyoJVCmd>();
    w.show();

    int shown = 0;
    forms->runDialog = [&](QDialog& d) {
        ++shown;
        auto& s = dynamic_cast<frmStatusJV_Reg&>(d);
        EXPECT_EQ(s.StLabel2->text(), "HC305");
        EXPECT_EQ(s.Status_RegGrid->TextMatrix(1, 2), "During communication error");
        EXPECT_EQ(s.Status_RegGrid->TextMatrix(5, 2), "During HALT");
        EXPECT_EQ(s.Status_RegGrid->TextMatrix(8, 2), "During RUN");
        EXPECT_EQ(s.Status_RegGrid->TextMatrix(9, 2), "H05");
        d.show();
        QTest::mouseClick(s.Status_RegCommand, Qt::LeftButton);
    };
    QTest::mouseClick(w.StRegCommand, Qt::LeftButton);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(messages.empty());
    for (const std::string& t : peer.state().tasks()) EXPECT_NE(t, "1600");
    peer.stop();
    qunsetenv("POSMOD_COM5");
}

} // namespace
