// The parameter editors against the controller peer over TCP on the loopback address: the
// main window reads the module, the editor shows what was read, values typed with the keys.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <memory>

#include "fakecpu/FakeCpu.h"
#include "fakecpu/ModuleModel.h"
#include "params/ui/frmParm7W.h"
#include "params/ui/frmParmJV.h"
#include "params/ui/frmParmZr4.h"
#include "shared/ModelTable.h"
#include "support/PeerSettings.h"
#include "ui/EditorKeys.h"
#include "ui/UiFixture.h"

using namespace posmod;
using namespace posmod::test;

namespace {

// Distinct values of every parameter, 16-bit items below 0x10000, 32-bit ones negative.
uint32_t paramValue(int axis, int k) { return k >= 10 ? 0x80000000u + (axis << 20) + k * 0x1111 : 0x100u * (axis + 1) + k; }

std::string hex8(uint32_t v) { return hex4(v >> 16) + hex4(v & 0xFFFF); }

class ParamRoundTrip : public UiTest {
protected:
    std::unique_ptr<ModuleModel> model;
    std::unique_ptr<FakeCpu> peer;

    // The whole program on its real link, pointed at a peer playing a module of the type.
    frmMain& startOn(int type)
    {
        app();
        model = std::make_unique<ModuleModel>(ModuleFamily_Of(type));
        for (int a = 0; a < 2; ++a)
            for (int k = 1; k <= 12; ++k) model->parameter(a, k) = paramValue(a, k);
        // Option words whose fields all have texts; then distinct values.
        for (int a = 0; a < 4; ++a) {
            auto& w = model->prm[static_cast<size_t>(a)];
            w[0] = static_cast<uint16_t>(a);
            w[1] = 0x0123;
            w[2] = 0x1005;
            for (size_t k = 3; k < 19; ++k) w[k] = static_cast<uint16_t>(0x0100 * (a + 1) + k);
        }
        peer = std::make_unique<FakeCpu>(*model, FakeCpu::Kind::Tcp);
        std::string error;
        EXPECT_TRUE(peer->start(&error)) << error;
        newForms();
        forms->endProgram = [this] { ++endings; };
        frmMain& m = forms->Main();
        m.Form_Load();
        const int row = ModelRow_ForText(Model_ForType(type).text);
        chooseModel(m, row);
        TcpPeerSettings_Set(forms->pub, peer->tcpPort(), *model, type);
        return m;
    }
    void TearDown() override
    {
        UiTest::TearDown();
        if (peer) peer->stop();
    }
};

// Column 2 of every grid in hex display.
template <class G> std::vector<std::string> CurrentColumn(const G& grids, int rows)
{
    std::vector<std::string> v;
    for (const FlexGrid* g : grids)
        for (int k = 1; k <= rows; ++k) v.push_back(g->TextMatrix(k, 2));
    return v;
}

TEST_F(ParamRoundTrip, OneAxisReadTypeSubmitReadAgain)
{
    frmMain& m = startOn(1);
    m.ParmSetCommand->click();
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    frmParmJV& e = forms->window<frmParmJV>();
    ASSERT_TRUE(Activate(&e));
    FlexGrid* g = e.PrmFlexGrid;
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(g->TextMatrix(k, 2), k >= 10 ? hex8(paramValue(0, k)) : hex4(paramValue(0, k))) << k;

    // Typed in both displays, short and lower-case hex, a negative 32-bit value.
    g->setFocus();
    Key(Qt::Key_Down);
    Type("1f4");
    Key(Qt::Key_Down);
    for (int k = 3; k < 10; ++k) Key(Qt::Key_Down);
    Type("7FFFFFFF");
    Key(Qt::Key_Return);
    Click(e.DecOption);
    EXPECT_EQ(g->TextMatrix(10, 2), std::to_string(static_cast<int32_t>(paramValue(0, 10))));
    g->setFocus();
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Type("-5");
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    Type("300");
    Click(e.Send_Command);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    EXPECT_EQ(model->parameter(0, 2), 0x1F4u);
    EXPECT_EQ(model->parameter(0, 10), 300u);
    EXPECT_EQ(model->parameter(0, 12), static_cast<uint32_t>(-5));
    EXPECT_EQ(model->parameter(0, 1), paramValue(0, 1)); // not typed, not written
    // The written values moved to "Current data"; the grid back on row 1, column 2.
    EXPECT_EQ(g->TextMatrix(12, 2), "-5");
    EXPECT_EQ(g->TextMatrix(12, 3), "");
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_TRUE(e.isEnabled() && e.Send_Command->isEnabled());

    Click(e.HexOption);
    const auto shown = CurrentColumn(std::array<FlexGrid*, 1>{g}, 12);
    Click(e.End_Command);
    ASSERT_FALSE(e.isVisible());
    m.ParmSetCommand->click();
    ASSERT_TRUE(Activate(&e));
    EXPECT_EQ(CurrentColumn(std::array<FlexGrid*, 1>{g}, 12), shown);
    EXPECT_EQ(g->TextMatrix(2, 2), "01F4");
    EXPECT_EQ(g->TextMatrix(12, 2), "FFFFFFFB");
}

class TwoAxisRoundTrip : public ParamRoundTrip, public ::testing::WithParamInterface<int> {};

// VELTA-7W, VELTAK7W and ZRH.
TEST_P(TwoAxisRoundTrip, ReadTypeSubmitReadAgain)
{
    const int type = GetParam();
    {
        frmMain& m = startOn(type);
        m.ParmSetCommand->click();
        ASSERT_TRUE(messages.empty()) << messages[0].first;
        frmParm7W& e = forms->window<frmParm7W>();
        ASSERT_TRUE(Activate(&e));
        auto& g = e.PrmHFlexGrid;
        for (int a = 0; a < 2; ++a)
            for (int k = 1; k <= 12; ++k)
                EXPECT_EQ(g[static_cast<size_t>(a)]->TextMatrix(k, 2),
                          k >= 10 ? hex8(paramValue(a, k)) : hex4(paramValue(a, k)))
                    << a << "/" << k;
        // X row 3 and Y row 3, then Y row 11 negative in decimal display.
        ClickCell(g[0], 3, 3);
        Type("abc");
        ClickCell(g[1], 3, 3);
        Type("DEF");
        Key(Qt::Key_Return);
        Click(e.DecHOption);
        ClickCell(g[1], 11, 3);
        Type("-1000");
        Click(e.SendH_Command);
        ASSERT_TRUE(messages.empty()) << messages[0].first;
        EXPECT_EQ(model->parameter(0, 3), 0xABCu);
        EXPECT_EQ(model->parameter(1, 3), 0xDEFu);
        EXPECT_EQ(model->parameter(1, 11), static_cast<uint32_t>(-1000));
        EXPECT_EQ(model->parameter(0, 11), paramValue(0, 11));
        Click(e.HexHOption);
        const auto shown = CurrentColumn(g, 12);
        EXPECT_EQ(g[1]->TextMatrix(11, 2), "FFFFFC18");
        Click(e.EndH_Command);
        m.ParmSetCommand->click();
        ASSERT_TRUE(Activate(&e));
        EXPECT_EQ(CurrentColumn(g, 12), shown);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, TwoAxisRoundTrip, ::testing::Values(2, 3, 4));

TEST_F(ParamRoundTrip, FourAxisReadChooseTypeSubmitReadAgain)
{
    frmMain& m = startOn(5);
    m.ParmSetCommand->click();
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    frmParmZr4& e = forms->window<frmParmZr4>();
    ASSERT_TRUE(Activate(&e));
    for (int a = 0; a < 4; ++a) {
        FlexGrid* g = e.PrmZ4FlexGrid[static_cast<size_t>(a)];
        const auto& w = model->prm[static_cast<size_t>(a)];
        EXPECT_EQ(g->TextMatrix(5, 2), "x10");
        for (int row = 12; row <= 19; ++row) EXPECT_EQ(g->TextMatrix(row, 2), hex4(w[static_cast<size_t>(row - 9)]));
        for (int row = 20; row <= 23; ++row) {
            const auto low = static_cast<size_t>(11 + 2 * (row - 20));
            EXPECT_EQ(g->TextMatrix(row, 2), hex4(w[low + 1]) + hex4(w[low])) << a << "/" << row;
        }
    }
    // Axis B: an option chosen in the list, a 16-bit value, a negative 32-bit value in decimal.
    QTabBar* bar = e.AutoSSTab->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    FlexGrid* b = e.PrmZ4FlexGrid[1];
    ClickCell(b, 2, 3);
    ASSERT_TRUE(e.PrmSelZ4Combo->isVisible());
    e.PrmSelZ4Combo->setFocus();
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(b->TextMatrix(2, 3), "High speed homing 1(Off edge stop)");
    ClickCell(b, 12, 3);
    Type("1234");
    Key(Qt::Key_Return);
    Click(e.DecZ4Option);
    b->setFocus();
    for (int row = 12; row < 20; ++row) Key(Qt::Key_Down);
    ASSERT_EQ(b->Row(), 20);
    Type("-1");
    Click(e.SendZ4_Command);
    ASSERT_TRUE(messages.empty()) << messages[0].first;
    const auto& w = model->prm[1];
    EXPECT_EQ(w[0], 0x0201);
    EXPECT_EQ(w[3], 0x1234);
    EXPECT_EQ(w[11], 0xFFFF);
    EXPECT_EQ(w[12], 0xFFFF);
    EXPECT_EQ(w[4], 0x0204); // sent again as it was read
    EXPECT_EQ(model->prm[0][3], 0x0103);
    // Back at the start: tab 0, grid 0 at row 1, column 1.
    EXPECT_EQ(e.AutoSSTab->currentIndex(), 0);
    EXPECT_EQ(e.PrmZ4FlexGrid[0]->Row(), 1);
    EXPECT_EQ(e.PrmZ4FlexGrid[0]->Col(), 1);

    Click(e.HexZ4Option);
    const auto shown = CurrentColumn(e.PrmZ4FlexGrid, 23);
    EXPECT_EQ(b->TextMatrix(20, 2), "FFFFFFFF");
    Click(e.EndZ4_Command);
    m.ParmSetCommand->click();
    ASSERT_TRUE(Activate(&e));
    EXPECT_EQ(CurrentColumn(e.PrmZ4FlexGrid, 23), shown);
}

} // namespace
