// The positioning editors against the controller peer over TCP on the loopback address: the
// main window reads a small step window, the editor shows it, values typed with the keys are
// submitted through the wait window, and a second read shows what the module now holds.
// Teaching end to end on the four-axis module.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <memory>

#include "fakecpu/FakeCpu.h"
#include "fakecpu/ModuleModel.h"
#include "positioning/ui/frmAutoRun7WMode.h"
#include "positioning/ui/frmAutoRunJVMode.h"
#include "positioning/ui/frmAutoRunZr4Mode.h"
#include "positioning/ui/frmStepSet.h"
#include "positioning/ui/frmTeach_Command.h"
#include "shared/ModelTable.h"
#include "support/PeerSettings.h"
#include "ui/EditorKeys.h"
#include "ui/UiFixture.h"

using namespace posmod;
using namespace posmod::test;

namespace {

// Distinct step items of the one- and two-axis modules: item 0 mode, 1 acceleration (low
// word) and deceleration (high word), 2 velocity, 3 a negative target.
uint32_t stepValue(int axis, int step, int item)
{
    switch (item) {
    case 0: return 0x8000u + 0x10u * axis + step;
    case 1: return ((0x0300u + 0x10u * axis + step) << 16) | (0x0200u + 0x10u * axis + step);
    case 2: return 0x0400u + 0x10u * axis + step;
    default: return 0x80000000u + (axis << 20) + step;
    }
}
uint16_t z4Word(int step, int axis, int w) { return static_cast<uint16_t>(0x1000 * (w + 1) + 0x100 * axis + step); }

std::string hex8(uint32_t v) { return hex4(v >> 16) + hex4(v & 0xFFFF); }

// Values columns 2-6 of a one- or two-axis Current row hold for a step.
std::vector<std::string> stepRow(int axis, int step)
{
    const uint32_t ad = stepValue(axis, step, 1);
    return {hex4(stepValue(axis, step, 0)), hex4(ad & 0xFFFF), hex4(ad >> 16), hex4(stepValue(axis, step, 2)),
            hex8(stepValue(axis, step, 3))};
}

std::vector<std::string> Row(const FlexGrid* g, int row, int from, int to)
{
    std::vector<std::string> v;
    for (int c = from; c <= to; ++c) v.push_back(g->TextMatrix(row, c));
    return v;
}

// Every Current row's values of every grid.
template <class G> std::vector<std::string> CurrentRows(const G& grids, int lastCol)
{
    std::vector<std::string> v;
    for (const FlexGrid* g : grids)
        for (int r = 1; r < g->Rows(); r += 2)
            for (int c = 2; c <= lastCol; ++c) v.push_back(g->TextMatrix(r, c));
    return v;
}

class PositioningRoundTrip : public UiTest {
protected:
    std::unique_ptr<ModuleModel> model;
    std::unique_ptr<FakeCpu> peer;
    std::string firstStep = "0", lastStep = "1";
    std::function<void(QDialog&)> otherDialog;

    // The whole program on its real link, pointed at a peer playing a module of the type;
    // the step dialog answered with firstStep..lastStep.
    frmMain& startOn(int type)
    {
        app();
        model = std::make_unique<ModuleModel>(ModuleFamily_Of(type));
        for (int a = 0; a < 2; ++a)
            for (int s = 0; s < 256; ++s)
                for (int i = 0; i < 4; ++i) model->stepItem(a, s, i) = stepValue(a, s, i);
        for (int s = 0; s < 256; ++s)
            for (int a = 0; a < 4; ++a)
                for (int w = 0; w < 9; ++w) model->steps[static_cast<size_t>(s)][static_cast<size_t>(a)][static_cast<size_t>(w)] = z4Word(s, a, w);
        peer = std::make_unique<FakeCpu>(*model, FakeCpu::Kind::Tcp);
        std::string error;
        EXPECT_TRUE(peer->start(&error)) << error;
        newForms();
        forms->endProgram = [this] { ++endings; };
        forms->runDialog = [this](QDialog& d) {
            if (auto* s = qobject_cast<frmStepSet*>(&d)) {
                d.show();
                s->StepText[0]->setText(QString::fromStdString(firstStep));
                s->StepText[1]->setText(QString::fromStdString(lastStep));
                Click(s->StepCommand);
            } else if (otherDialog) {
                otherDialog(d);
            }
        };
        frmMain& m = forms->Main();
        m.Form_Load();
        chooseModel(m, ModelRow_ForText(Model_ForType(type).text));
        TcpPeerSettings_Set(forms->pub, peer->tcpPort(), *model, type);
        return m;
    }
    template <class W> W& readWindow(frmMain& m)
    {
        m.AutoSetCommand->click();
        EXPECT_TRUE(messages.empty()) << messages[0].first;
        W& e = forms->window<W>();
        EXPECT_TRUE(Activate(&e));
        return e;
    }
    void TearDown() override
    {
        UiTest::TearDown();
        if (peer) peer->stop();
    }
    static void Go(FlexGrid* g, int row, int col)
    {
        g->setFocus();
        g->setRow(row);
        g->setCol(col);
    }
};

TEST_F(PositioningRoundTrip, OneAxisReadTypeSubmitReadAgain)
{
    firstStep = "3";
    lastStep = "4";
    frmMain& m = startOn(1);
    auto& e = readWindow<frmAutoRunJVMode>(m);
    FlexGrid* g = e.RunModeGrid;
    ASSERT_EQ(g->Rows(), 5);
    EXPECT_EQ(Row(g, 1, 2, 6), stepRow(0, 3));
    EXPECT_EQ(Row(g, 3, 2, 6), stepRow(0, 4));

    // Step 3 in hex with the arrows; step 4's velocity and a negative target in decimal.
    Go(g, 2, 2);
    Type("8001");
    Key(Qt::Key_Right);
    Type("1f4");
    Key(Qt::Key_Right);
    Type("1F5");
    Key(Qt::Key_Right);
    Type("20");
    Key(Qt::Key_Right);
    Type("0");
    Key(Qt::Key_Return);
    Click(e.AutoDecOption);
    Go(g, 4, 5);
    Type("300");
    Key(Qt::Key_Right);
    Type("-5");
    Click(e.AutoSend_Command);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    EXPECT_EQ(model->stepItem(0, 3, 0), 0x8001u);
    EXPECT_EQ(model->stepItem(0, 3, 1), 0x01F501F4u);
    EXPECT_EQ(model->stepItem(0, 3, 2), 0x20u);
    EXPECT_EQ(model->stepItem(0, 3, 3), 0u);
    EXPECT_EQ(model->stepItem(0, 4, 2), 300u);
    EXPECT_EQ(model->stepItem(0, 4, 3), static_cast<uint32_t>(-5));
    EXPECT_EQ(model->stepItem(0, 4, 0), stepValue(0, 4, 0)); // not typed, not written
    EXPECT_EQ(model->stepItem(0, 5, 2), stepValue(0, 5, 2)); // outside the window
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_TRUE(e.isEnabled() && e.AutoSend_Command->isEnabled());

    Click(e.AutoHexOption);
    const auto shown = CurrentRows(std::array<FlexGrid*, 1>{g}, 6);
    Click(e.AutoEnd_Command);
    ASSERT_FALSE(e.isVisible());
    auto& again = readWindow<frmAutoRunJVMode>(m);
    EXPECT_EQ(CurrentRows(std::array<FlexGrid*, 1>{again.RunModeGrid}, 6), shown);
    EXPECT_EQ(Row(again.RunModeGrid, 1, 2, 6), (std::vector<std::string>{"8001", "01F4", "01F5", "0020", "00000000"}));
    EXPECT_EQ(again.RunModeGrid->TextMatrix(3, 6), "FFFFFFFB");
}

class TwoAxisRoundTrip : public PositioningRoundTrip, public ::testing::WithParamInterface<int> {};

// VELTA-7W, VELTAK7W and ZRH.
TEST_P(TwoAxisRoundTrip, ReadTypeSubmitReadAgain)
{
    frmMain& m = startOn(GetParam());
    auto& e = readWindow<frmAutoRun7WMode>(m);
    auto& g = e.RunMode7WGrid;
    for (int a = 0; a < 2; ++a)
        for (int s = 0; s < 2; ++s)
            EXPECT_EQ(Row(g[static_cast<size_t>(a)], 2 * s + 1, 2, 6), stepRow(a, s)) << a << "/" << s;
    // X step 1's mode, Y step 0's acceleration, then Y step 1's target negative in decimal.
    ClickCell(g[0], 4, 2);
    Type("c000");
    Key(Qt::Key_Return);
    QTabBar* bar = e.AutoSSTab->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    ClickCell(g[1], 2, 3);
    Type("ABC");
    Key(Qt::Key_Return);
    Click(e.AutoDec7WOption);
    ClickCell(g[1], 4, 6);
    Type("-1000");
    Click(e.AutoSend7W_Command);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    EXPECT_EQ(model->stepItem(0, 1, 0), 0xC000u);
    EXPECT_EQ(model->stepItem(1, 1, 3), static_cast<uint32_t>(-1000));
    EXPECT_EQ(model->stepItem(0, 1, 3), stepValue(0, 1, 3));
    // A lone acceleration word is not written: its row needs both words.
    EXPECT_EQ(model->stepItem(1, 0, 1), stepValue(1, 0, 1));

    Click(e.AutoHex7WOption);
    EXPECT_EQ(g[1]->TextMatrix(3, 6), "FFFFFC18");
    Click(e.AutoEnd7W_Command);
    auto& again = readWindow<frmAutoRun7WMode>(m);
    EXPECT_EQ(again.RunMode7WGrid[0]->TextMatrix(3, 2), "C000");
    EXPECT_EQ(again.RunMode7WGrid[1]->TextMatrix(3, 6), "FFFFFC18");
    EXPECT_EQ(Row(again.RunMode7WGrid[1], 1, 2, 6), stepRow(1, 0));
}

INSTANTIATE_TEST_SUITE_P(Types, TwoAxisRoundTrip, ::testing::Values(2, 3, 4));

TEST_F(PositioningRoundTrip, FourAxisReadTypeSubmitReadAgain)
{
    frmMain& m = startOn(5);
    auto& e = readWindow<frmAutoRunZr4Mode>(m);
    auto& g = e.RunModeZr4Grid;
    for (int a = 0; a < 4; ++a) {
        const auto& w = model->steps[1][static_cast<size_t>(a)];
        EXPECT_EQ(Row(g[static_cast<size_t>(a)], 3, 2, 8),
                  (std::vector<std::string>{hex4(w[0]), hex4(w[1]), hex4(w[2]), hex4(w[3]), hex4(w[4]),
                                            hex4(w[6]) + hex4(w[5]), hex4(w[8]) + hex4(w[7])}))
            << a;
    }
    // Axis C, step 1: the whole row, a negative target typed in decimal.
    QTabBar* bar = e.AutoSSTab->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    Click(e.AutoDecZ4Option);
    ClickCell(g[2], 4, 2);
    for (const char* v : {"32768", "0", "1000", "1000", "4096", "-2", "65536"}) {
        Type(v);
        Key(Qt::Key_Right);
    }
    Click(e.AutoSendZ4_Command);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    const auto& w = model->steps[1][2];
    EXPECT_EQ((std::vector<int>{w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], w[8]}),
              (std::vector<int>{0x8000, 0, 0x3E8, 0x3E8, 0x1000, 0xFFFE, 0xFFFF, 0, 1}));
    EXPECT_EQ(model->steps[1][1][0], z4Word(1, 1, 0));
    EXPECT_EQ(model->steps[0][2][0], z4Word(0, 2, 0));

    Click(e.AutoHexZ4Option);
    const auto shown = CurrentRows(g, 8);
    EXPECT_EQ(g[2]->TextMatrix(3, 7), "FFFFFFFE");
    Click(e.AutoEndZ4_Command);
    auto& again = readWindow<frmAutoRunZr4Mode>(m);
    EXPECT_EQ(CurrentRows(again.RunModeZr4Grid, 8), shown);
}

// Whether an A5 request wrote word to register reg (item "0900" place reg word).
bool wroteRegister(const ModuleModel& model, int reg, const std::string& word)
{
    const std::string item = "0900" + model.remote + model.unit + model.slot + std::to_string(reg) + word;
    for (const std::string& r : model.requests)
        if (r.find(item) != std::string::npos) return true;
    return false;
}

TEST_F(PositioningRoundTrip, TeachingAStepReadsItBackInBothDisplays)
{
    frmMain& m = startOn(5);
    model->current = {0x00012345, 0xFFFFFFFE, 0x10, 0x20};
    auto& e = readWindow<frmAutoRunZr4Mode>(m);
    auto& g = e.RunModeZr4Grid;
    int mask = 0b0011;
    std::string step = "1";
    otherDialog = [&](QDialog& d) {
        auto* t = qobject_cast<frmTeach_Command*>(&d);
        ASSERT_NE(t, nullptr);
        d.show();
        for (int i = 0; i < 4; ++i) t->JikCheck[static_cast<size_t>(i)]->setChecked(mask & (1 << i));
        t->StepText->setText(QString::fromStdString(step));
        Click(t->DataSetCommand);
    };
    // Taught in decimal display: the read-back row is written in decimal.
    Click(e.AutoDecZ4Option);
    Click(e.Teach_Command);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], std::make_pair(std::string("Complete transmission"), MsgIcon::None));
    EXPECT_TRUE(wroteRegister(*model, 5, "0001"));
    EXPECT_TRUE(wroteRegister(*model, 4, "8903"));
    EXPECT_EQ(g[0]->TextMatrix(3, 7), std::to_string(0x12345));
    EXPECT_EQ(g[1]->TextMatrix(3, 7), "-2");
    EXPECT_EQ(g[2]->TextMatrix(3, 7), std::to_string(static_cast<int32_t>((z4Word(1, 2, 6) << 16) | z4Word(1, 2, 5))));
    EXPECT_EQ(forms->pub.Z4StepData, "");
    EXPECT_TRUE(e.Teach_Command->isEnabled());
    Click(e.AutoHexZ4Option);
    EXPECT_EQ(g[0]->TextMatrix(3, 7), "00012345");
    EXPECT_EQ(g[1]->TextMatrix(3, 7), "FFFFFFFE");
    EXPECT_EQ(g[0]->TextMatrix(1, 7), hex4(z4Word(0, 0, 6)) + hex4(z4Word(0, 0, 5))); // another step untouched
    EXPECT_EQ(model->steps[1][2][5], z4Word(1, 2, 5));                                 // C was not taught
}

// The step box takes what is typed, whatever its length: leading zeros name the step, a
// number of any size is refused by its range, "-0" is step 0.
TEST_F(PositioningRoundTrip, TeachingTakesTheStepAsTyped)
{
    frmMain& m = startOn(5);
    auto& e = readWindow<frmAutoRunZr4Mode>(m);
    std::string typed;
    otherDialog = [&](QDialog& d) {
        auto* t = qobject_cast<frmTeach_Command*>(&d);
        ASSERT_NE(t, nullptr);
        d.show();
        QTest::mouseClick(t->JikCheck[3], Qt::LeftButton);
        t->StepText->setFocus();
        QTest::keyClicks(t->StepText, QString::fromStdString(typed));
        EXPECT_EQ(t->StepText->text().toStdString(), typed);
        QTest::keyClick(t->StepText, Qt::Key_Return);
        if (d.isVisible()) Click(t->Cancel_Command); // refused: the user gives up
    };
    struct Case {
        const char* typed;
        const char* stepNo; // register 5 as sent; nullptr: refused, nothing sent
    };
    const Case cases[] = {
        {"007", "0007"},
        {"0000000255", "00FF"},
        {"00000000000000000200", "00C8"},
        {"-0", "0000"},
        {"0256", nullptr},
        {"12345678901234567890", nullptr},
        {"-00000000000000000001", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        typed = c.typed;
        messages.clear();
        model->requests.clear();
        Click(e.Teach_Command);
        if (!c.stepNo) {
            EXPECT_EQ(messages, (std::vector<std::pair<std::string, MsgIcon>>{{"Step No. Limit Error", MsgIcon::Exclamation}}));
            EXPECT_TRUE(model->requests.empty());
            continue;
        }
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages[0], std::make_pair(std::string("Complete transmission"), MsgIcon::None));
        EXPECT_TRUE(wroteRegister(*model, 5, c.stepNo));
        EXPECT_TRUE(wroteRegister(*model, 4, "8908"));
    }
}

} // namespace
