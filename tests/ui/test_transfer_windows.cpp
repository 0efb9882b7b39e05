// The wait window, the step-range dialog and the store-range dialog, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "fakecpu/FakeCpu.h"
#include "fakecpu/ModuleModel.h"
#include "main/Link.h"
#include "main/TaskSend.h"
#include "platform/MessageBox.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"
#include "positioning/ui/frmStepSet.h"
#include "support/Hex.h"
#include "support/PeerSettings.h"
#include "transfer/ui/frmCsvRead.h"
#include "transfer/ui/frmWaitDisp.h"

#include "UiFixture.h"

using namespace posmod;

namespace {

template <class T> T* child(QWidget& w, const char* name)
{
    const auto found = w.findChildren<T*>(name);
    EXPECT_EQ(found.size(), 1) << name;
    return found.isEmpty() ? nullptr : found.first();
}

struct WindowTest : ::testing::Test {
    Public pub;
    std::vector<std::string> messages;
    // The dialogs' boxes: entry errors only.
    struct DialogSink : MessageSink {
        std::vector<std::string>& out;
        explicit DialogSink(std::vector<std::string>& o) : out(o) {}
        void show(const std::string& t, MsgIcon icon) override
        {
            EXPECT_EQ(icon, MsgIcon::Exclamation);
            out.push_back(t);
        }
    } dialogSink{messages};
    void SetUp() override
    {
        test::app();
        Public_Reset(pub);
        pub.SendCancel = -1;
    }
    // A sink for the core that fails the test on any message.
    MessageSink& sink()
    {
        struct Fail : MessageSink {
            void show(const std::string& t, MsgIcon) override { ADD_FAILURE() << t; }
        };
        static Fail f;
        return f;
    }
    static void type(QLineEdit* box, const char* text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }
};

// ---- frmStepSet -----------------------------------------------------------------------------

using StepSetTest = WindowTest;

TEST_F(StepSetTest, OkStoresAValidWindowElseNamesTheFirstFault)
{
    struct Case { const char* first; const char* last; const char* message; int f, l; };
    const Case cases[] = {
        {"0", "255", nullptr, 0, 255}, {"007", "7", nullptr, 7, 7},
        {"12", "10", "Data Limit Error", 0, 0}, {"-1", "5", "Data Limit Error", 0, 0},
        {"1A", "5", "Data Numeric Error", 0, 0}, {"-", "5", "Data Numeric Error", 0, 0},
        {"", "5", "Data Numeric Error", 0, 0},
    };
    frmStepSet dlg(pub, dialogSink);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " ~ " + c.last);
        messages.clear();
        pub.StepRange = {0, 1, 2};
        dlg.show();
        type(child<QLineEdit>(dlg, "StepText(0)"), c.first);
        type(child<QLineEdit>(dlg, "StepText(1)"), c.last);
        QTest::mouseClick(child<QPushButton>(dlg, "StepCommand"), Qt::LeftButton);
        if (c.message) {
            EXPECT_EQ(messages, std::vector<std::string>{c.message});
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_EQ(dlg.StepText[0]->text().toStdString(), c.first); // kept as typed
            EXPECT_EQ(pub.StepRange.Result, 0);
            EXPECT_EQ(pub.StepRange.FirstStep, 1);
            dlg.hide();
        } else {
            EXPECT_TRUE(messages.empty());
            EXPECT_FALSE(dlg.isVisible());
            EXPECT_EQ(dlg.result(), QDialog::Accepted);
            EXPECT_EQ(pub.StepRange.Result, 3);
            EXPECT_EQ(pub.StepRange.FirstStep, c.f);
            EXPECT_EQ(pub.StepRange.LastStep, c.l);
        }
    }
}

TEST_F(StepSetTest, CancelAndCloseBoxKeepTheEarlierStepsAndEveryShowingStartsEmpty)
{
    frmStepSet dlg(pub, dialogSink);
    EXPECT_EQ(dlg.windowTitle(), "Step cnt setting");
    EXPECT_EQ(child<QLabel>(dlg, "Label2")->text(), "Step No.");
    EXPECT_EQ(child<QLabel>(dlg, "Label3")->text(), "~");
    EXPECT_EQ(child<QPushButton>(dlg, "CancelCommand")->text(), "Cancel");
    pub.StepRange = {3, 4, 9};
    for (int viaCloseBox : {0, 1}) {
        dlg.show();
        EXPECT_TRUE(dlg.StepText[0]->text().isEmpty());
        EXPECT_TRUE(dlg.StepText[1]->text().isEmpty());
        type(dlg.StepText[0], "1");
        type(dlg.StepText[1], "2");
        pub.StepRange.Result = 3;
        if (viaCloseBox) dlg.close();
        else QTest::mouseClick(dlg.CancelCommand, Qt::LeftButton);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(pub.StepRange.Result, 2);
        EXPECT_EQ(pub.StepRange.FirstStep, 4);
        EXPECT_EQ(pub.StepRange.LastStep, 9);
    }
}

// ---- frmCsvRead -----------------------------------------------------------------------------

using CsvReadTest = WindowTest;

TEST_F(CsvReadTest, AxisListFollowsTheModelAndOkStoresTheChoice)
{
    struct Case { int type; std::vector<QString> axes; int pickData, pickAxis; int kind, axis; };
    const Case cases[] = {
        {1, {}, 2, 0, 2, 7},
        {5, {"All axis data", "A axis data only", "B axis data only", "C axis data only", "D axis data only"},
         1, 4, 1, 4},
        {2, {"X / Y axis data", "X axis data only", "Y axis data only"}, 0, 2, 0, 2},
        {4, {"X / Y axis data", "X axis data only", "Y axis data only"}, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        pub.ModuleType = c.type;
        pub.CsvStoreRange = {9, 7, 9, 9};
        frmCsvRead dlg(pub, dialogSink);
        dlg.show();
        auto* jik = child<QComboBox>(dlg, "JikCombo");
        auto* data = child<QComboBox>(dlg, "DataCombo");
        EXPECT_EQ(jik->isVisible(), c.type != 1);
        std::vector<QString> items;
        for (int i = 0; i < jik->count(); ++i) items.push_back(jik->itemText(i));
        EXPECT_EQ(items, c.axes);
        EXPECT_EQ(data->currentText(), "Common parameter/Operation Data");
        EXPECT_EQ(child<QLineEdit>(dlg, "StepText(0)")->text(), "0");
        EXPECT_EQ(child<QLineEdit>(dlg, "StepText(1)")->text(), "0");
        data->setCurrentIndex(c.pickData);
        if (c.type != 1) jik->setCurrentIndex(c.pickAxis);
        type(dlg.StepText[1], "12");
        QTest::mouseClick(child<QPushButton>(dlg, "DefaultCommand"), Qt::LeftButton);
        EXPECT_TRUE(messages.empty());
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(pub.CsvStoreRange, (std::array<int32_t, 4>{c.kind, c.axis, 0, 12}));
    }
}

TEST_F(CsvReadTest, FaultsKeepTheDialogOpenAndCancelsMarkOnlyTheKind)
{
    pub.ModuleType = 2;
    frmCsvRead dlg(pub, dialogSink);
    EXPECT_EQ(dlg.windowTitle(), "Csv format file store range");
    EXPECT_EQ(dlg.font().family(), "Arial");
    struct Case { const char* first; const char* last; const char* message; };
    const Case cases[] = {
        {"", "0", "Data Numeric Error"}, {"+1", "0", "Data Numeric Error"},
        {"-1", "0", "Data Limit Error"}, {"9", "8", "Data Limit Error"},
        {"5", "1a", "Data Numeric Error"},
    };
    pub.CsvStoreRange = {1, 1, 5, 6};
    dlg.show();
    for (const auto& c : cases) {
        messages.clear();
        type(dlg.StepText[0], c.first);
        type(dlg.StepText[1], c.last);
        QTest::mouseClick(dlg.DefaultCommand, Qt::LeftButton);
        EXPECT_EQ(messages, std::vector<std::string>{c.message}) << c.first << "~" << c.last;
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(pub.CsvStoreRange, (std::array<int32_t, 4>{1, 1, 5, 6}));
    }
    type(dlg.StepText[0], "2567");
    EXPECT_EQ(dlg.StepText[0]->text(), "256"); // three characters at most
    dlg.hide();

    for (int viaCloseBox : {0, 1}) {
        pub.CsvStoreRange = {1, 1, 5, 6};
        dlg.show();
        EXPECT_EQ(dlg.StepText[0]->text(), "0"); // filled afresh
        if (viaCloseBox) dlg.close();
        else QTest::mouseClick(dlg.CancelCommand, Qt::LeftButton);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(pub.CsvStoreRange, (std::array<int32_t, 4>{3, 1, 5, 6}));
    }
}

// ---- frmWaitDisp ----------------------------------------------------------------------------

struct ScriptTasks : TaskOps {
    std::function<void(int task, int index)> during;
    int sent = 0;
    int TaskSend(int taskNo, int index) override
    {
        ++sent;
        if (during) during(taskNo, index);
        return 1;
    }
};

using WaitDispTest = WindowTest;

TEST_F(WaitDispTest, ShownOverTheCallerDuringTheReadAndOnlyCancelledByCloseOrEsc)
{
    test::StubLink link;
    ScriptTasks tasks;
    QWidget caller;
    caller.setObjectName("frmMain");
    caller.move(140, 90);
    caller.show();
    frmWaitDisp wait(pub, link, tasks);
    wait.windowOf = [&](int formNo) { return formNo == form::frmMain ? &caller : nullptr; };
    EXPECT_EQ(wait.windowTitle(), "Communication");
    auto* bar = child<QProgressBar>(wait, "pbrLoading");
    auto* label = child<QLabel>(wait, "lblLoading");
    EXPECT_EQ(child<QPushButton>(wait, "cmdCancel")->text(), "Cancel");

    struct Case { const char* how; std::function<void()> press; };
    const Case cases[] = {
        {"button", [&] { QTest::mouseClick(wait.cmdCancel, Qt::LeftButton); }},
        {"close box", [&] { wait.close(); }},
        {"Esc", [&] { QTest::keyClick(&wait, Qt::Key_Escape); }},
    };
    pub.ModuleType = 5; // four axes
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        tasks.sent = 0;
        tasks.during = [&](int task, int index) {
            EXPECT_TRUE(wait.isVisible());
            EXPECT_EQ(wait.pos(), caller.pos());
            if (task == 6 && index == 1) {
                c.press();
                EXPECT_TRUE(wait.isVisible()); // the item in flight completes under the window
                EXPECT_TRUE(pub.TransferBusy);
            }
        };
        EXPECT_EQ(wait.SendMain(1), 3);
        EXPECT_EQ(tasks.sent, 3);
        EXPECT_FALSE(wait.isVisible());
        EXPECT_EQ(bar->maximum(), 4);
        EXPECT_EQ(bar->value(), 2);
        EXPECT_EQ(label->text(), "( 2  / 4  )  Data Count...");
    }
    // Idle, the close box and Esc change nothing.
    wait.show();
    wait.close();
    QTest::keyClick(&wait, Qt::Key_Escape);
    EXPECT_EQ(pub.SendCancel, -1);
}

TEST_F(WaitDispTest, NothingToCountKeepsADeterminateBar)
{
    test::StubLink link;
    ScriptTasks tasks;
    frmWaitDisp wait(pub, link, tasks);
    wait.transfer().Progress_Initsub(0);
    EXPECT_EQ(wait.pbrLoading->minimum(), 0);
    EXPECT_EQ(wait.pbrLoading->maximum(), 1);
    EXPECT_EQ(wait.lblLoading->text(), "(  0  / 0  )  Data Count...");
}

// The real link on the loopback address: the click reaches the window while the link
// waits for the module, the item in flight completes, the exchange is closed.
TEST_F(WaitDispTest, CancelClickedDuringARealReadOverTcp)
{
    ModuleModel model(ModuleFamily::OneAxis);
    for (int k = 1; k <= 12; ++k) model.parameter(0, k) = 0x100 + k;
    FakeCpu peer(model, FakeCpu::Kind::Tcp);
    std::string error;
    ASSERT_TRUE(peer.start(&error)) << error;

    TcpPeerSettings_Set(pub, peer.tcpPort(), model, 1);
    QtRuntime rt;
    QtSerialPort com(rt);
    QtTcpClient sock(rt);
    Link link(pub, rt, com, sock, sink());
    Tasks tasks(pub, link, sink());
    frmWaitDisp wait(pub, link, tasks);

    auto reads = [&] {
        int n = 0;
        for (const auto& t : peer.state().tasks()) n += t.find("5F0") != std::string::npos;
        return n;
    };
    int clickedAt = 0;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (reads() >= 3) {
            poll.stop();
            clickedAt = reads();
            QTest::mouseClick(wait.cmdCancel, Qt::LeftButton);
        }
    });
    poll.start();
    EXPECT_EQ(wait.SendMain(1), 3);
    ASSERT_GE(clickedAt, 3);
    ASSERT_LT(clickedAt, 12);
    EXPECT_EQ(reads(), clickedAt); // no further item was started
    EXPECT_EQ(pub.reg.ReadData[2 + clickedAt], hex4(0x100 + clickedAt)); // the item in flight completed
    EXPECT_EQ(pub.reg.ReadData[3 + clickedAt], "0");
    EXPECT_EQ(wait.lblLoading->text().toStdString(),
              "( " + std::to_string(clickedAt) + "  / 12  )  Data Count...");
    EXPECT_EQ(peer.state().tasks().back(), "1600");
    EXPECT_EQ(sock.state(), 0);
    EXPECT_FALSE(pub.TransferBusy);
}

} // namespace
