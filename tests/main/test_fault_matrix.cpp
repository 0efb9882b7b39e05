// Every fault the controller peer can play, on each link it applies to, through the real Qt
// serial and TCP layers in real time: a status read (task 5 on a two-axis module) whose
// request meets the fault. Each row says the message (or none), whether the link is left
// open, and how long it may take; a failed exchange stores nothing.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "fakecpu/FakeCpu.h"
#include "fakecpu/ModuleModel.h"
#include "main/Link.h"
#include "main/TaskSend.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"
#include "support/CaptureSink.h"
#include "support/CoreApp.h"
#include "support/PeerSettings.h"

namespace posmod {
namespace {

using Texts = std::vector<std::string>;
const char* const kTaskErr = "Task Code Error Occurred";
const char* const kTimeOut = "Time Out Occurred";
const char* const kWatchdog = "Time Out(10s)Occurred\r\r";
const char* const kDropped = "Transmission Error on Ethernet.Err Number(40006)";
const char* const kLost = "Unexpected error is detected.Err Number(8018)";

enum class Via { Pty, Tcp };

struct Fault {
    const char* name;
    Via via;
    FaultKnobs knobs;  // played on the first status read
    const char* message; // "" none
    bool done;
    bool open;         // the link after the task
    int minMs, maxMs;  // the task's time
};

void PrintTo(const Fault& f, std::ostream* os) { *os << f.name; }

template <class F> FaultKnobs knobs(F f)
{
    FaultKnobs k;
    f(k);
    return k;
}

// The module, arming the fault when the task's opening request has been answered, so
// that it falls on the status read that follows.
struct ArmedModule : ModuleModel {
    ArmedModule() : ModuleModel(ModuleFamily::TwoAxis) {}
    CpuAnswer answer(const std::string& t) override
    {
        if (t == "1700" && state) state->setKnobs(armed);
        return ModuleModel::answer(t);
    }
    PeerState* state = nullptr;
    FaultKnobs armed;
};

class FaultMatrix : public testing::TestWithParam<Fault> {
public:
    static void SetUpTestSuite() { CoreApp_Ensure("fault_matrix"); }
};

TEST_P(FaultMatrix, StatusReadMeetsTheFault)
{
    const Fault& f = GetParam();
    const bool tcp = f.via == Via::Tcp;
    ArmedModule model;
    model.axisStatus = {0x0101, 0x0202, 0, 0};
    FakeCpu peer(model, tcp ? FakeCpu::Kind::Tcp : FakeCpu::Kind::Serial, PeerConfig{1, "", 19200});
    model.state = &peer.state();
    std::string error;
    ASSERT_TRUE(peer.start(&error)) << error;

    Public pub;
    Public_Reset(pub);
    LinkSettings_Set(pub, tcp ? 1 : 0, 1, "", 6);
    if (tcp) pub.set.L_PortNo = std::to_string(peer.tcpPort());
    else ::setenv("POSMOD_COM6", peer.ptyPath().c_str(), 1);
    ModuleAddress_Of(pub.set, model);
    ModuleType_Set(pub, 2);

    QtRuntime rt;
    QtSerialPort com(rt);
    QtTcpClient sock(rt);
    ASSERT_TRUE(com.setSettings("19200,e,7,1"));
    CaptureSink sink;
    Link link(pub, rt, com, sock, sink);
    Tasks tasks(pub, link, sink);
    // A message box stays up half a second, as a person reads it; the loop runs meanwhile.
    sink.onShow = [&](const std::string&) {
        const int64_t until = rt.nowMs() + 500;
        while (rt.nowMs() < until) rt.waitUntil(until);
    };

    ASSERT_EQ(link.CpuConnect(2), 1);
    ASSERT_TRUE(sink.texts.empty());
    model.armed = f.knobs;
    const auto t0 = std::chrono::steady_clock::now();
    const int result = tasks.TaskSend(5, 0);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0).count();

    EXPECT_EQ(result, f.done ? 1 : 2);
    EXPECT_EQ(sink.texts, *f.message ? Texts{f.message} : Texts{});
    EXPECT_EQ(tcp ? sock.state() == 7 : com.isOpen(), f.open);
    EXPECT_EQ(pub.StatusReg_Data[0], f.done ? "0101" : "") << "nothing stored from a failed exchange";
    EXPECT_EQ(pub.StatusReg_Data[1], f.done ? "0202" : "");
    EXPECT_GE(ms, f.minMs);
    EXPECT_LE(ms, f.maxMs);
    EXPECT_FALSE(link.Timer1.enabled());

    // Whatever comes later (a late answer) changes nothing.
    const int64_t until = rt.nowMs() + 700;
    while (rt.nowMs() < until) rt.waitUntil(until);
    EXPECT_EQ(sink.texts.size(), *f.message ? 1u : 0u);
    EXPECT_EQ(pub.StatusReg_Data[0], f.done ? "0101" : "");
    link.TSK1600();
    link.POCLS();
    peer.stop();
    ::unsetenv("POSMOD_COM6");
}

// The watchdog's rows take its 10 s and the half second of its message; every other
// failure is met at once or by the Part's own shorter waits.
constexpr int kWatchdogMin = 9900, kWatchdogMax = 12'500;
INSTANTIATE_TEST_SUITE_P(
    Faults, FaultMatrix,
    testing::Values(
        Fault{"PtyNakFour", Via::Pty, knobs([](FaultKnobs& k) { k.nakLines = 4; }), "", true, true, 0, 2000},
        Fault{"PtyNakFive", Via::Pty, knobs([](FaultKnobs& k) { k.nakLines = 5; }), kTaskErr, false, false, 0, 2000},
        Fault{"PtyEotTwice", Via::Pty, knobs([](FaultKnobs& k) { k.eotTimes = 2; }), "", true, true, 0, 2000},
        Fault{"PtySilence", Via::Pty, knobs([](FaultKnobs& k) { k.silentRequests = 1; }), kWatchdog, false, false, kWatchdogMin, kWatchdogMax},
        Fault{"PtySilentEnqs", Via::Pty, knobs([](FaultKnobs& k) { k.silentEnqs = 3; }), kTimeOut, false, false, 2900, 4500},
        Fault{"PtyBadSum", Via::Pty, knobs([](FaultKnobs& k) { k.wrongSums = 1; }), kTaskErr, false, false, 0, 2000},
        Fault{"PtyErrorStatus", Via::Pty, knobs([](FaultKnobs& k) { k.errorReplies = 1; }), kTaskErr, false, false, 0, 2000},
        Fault{"PtyShort", Via::Pty, knobs([](FaultKnobs& k) { k.shortReplies = 1; }), kTaskErr, false, false, 0, 2000},
        Fault{"PtySlow", Via::Pty, knobs([](FaultKnobs& k) { k.slowMs = 400; }), "", true, true, 400, 3000},
        Fault{"PtyLate", Via::Pty, knobs([](FaultKnobs& k) { k.lateAnswers = 1; }), kWatchdog, false, false, kWatchdogMin, kWatchdogMax},
        Fault{"PtySplit", Via::Pty, knobs([](FaultKnobs& k) { k.splitAnswers = 2; }), "", true, true, 0, 2000},
        Fault{"PtyHangUp", Via::Pty, knobs([](FaultKnobs& k) { k.hangUps = 1; }), kLost, false, false, 0, 2000},
        Fault{"TcpSilence", Via::Tcp, knobs([](FaultKnobs& k) { k.silentRequests = 1; }), kWatchdog, false, false, kWatchdogMin, kWatchdogMax},
        Fault{"TcpErrorStatus", Via::Tcp, knobs([](FaultKnobs& k) { k.errorReplies = 1; }), kTaskErr, false, true, 0, 1500},
        Fault{"TcpBusyThrice", Via::Tcp, knobs([](FaultKnobs& k) { k.busyTimes = 3; }), "", true, true, 0, 1000},
        Fault{"TcpShortOfTheStatus", Via::Tcp, knobs([](FaultKnobs& k) { k.shortReplies = 1; k.shortLength = 5; }), kWatchdog, false, false, kWatchdogMin, kWatchdogMax},
        Fault{"TcpShortOfTheWord", Via::Tcp, knobs([](FaultKnobs& k) { k.shortReplies = 1; k.shortLength = 8; }), kWatchdog, false, false, kWatchdogMin, kWatchdogMax},
        Fault{"TcpSlow", Via::Tcp, knobs([](FaultKnobs& k) { k.slowMs = 400; }), "", true, true, 400, 1500},
        Fault{"TcpDrop", Via::Tcp, knobs([](FaultKnobs& k) { k.dropConnections = 1; }), kDropped, false, false, 0, 1500},
        Fault{"TcpLate", Via::Tcp, knobs([](FaultKnobs& k) { k.lateAnswers = 1; }), kWatchdog, false, false, kWatchdogMin, kWatchdogMax},
        Fault{"TcpSplit", Via::Tcp, knobs([](FaultKnobs& k) { k.splitAnswers = 2; k.splitBytes = 3; }), "", true, true, 0, 1000}),
    [](const testing::TestParamInfo<Fault>& i) { return std::string(i.param.name); });

} // namespace
} // namespace posmod
