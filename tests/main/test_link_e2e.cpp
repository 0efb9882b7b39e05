// The link's own code on the Qt adapters against the controller peer, in real time: over a
// pseudo-terminal and over a TCP socket on the loopback address. Kept few: each opening
// of the serial port waits its 1 s.
#include <gtest/gtest.h>

#include <QTimer>
#include <cstdlib>

#include "fakecpu/FakeCpu.h"
#include "main/Link.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"
#include "support/CaptureSink.h"
#include "support/CoreApp.h"
#include "support/PeerSettings.h"

using namespace posmod;

namespace {

using Texts = std::vector<std::string>;

class LinkEndToEnd : public ::testing::Test {
public:
    static void SetUpTestSuite() { CoreApp_Ensure("link_e2e"); }

protected:
    void configure(int kind, int proc, const std::string& station)
    {
        Public_Reset(pub);
        LinkSettings_Set(pub, kind, proc, station, 3);
    }

    Public pub;
    PlainCpuModel cpu;
    CaptureSink sink;
    QtRuntime rt;
};

TEST_F(LinkEndToEnd, SerialOperationOverPty)
{
    const struct { int proc; const char* station; } cases[] = {{1, ""}, {2, "07"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "procedure " << c.proc << " station '" << c.station << "'");
        configure(0, c.proc, c.station);
        FakeCpu peer(cpu, FakeCpu::Kind::Serial, PeerConfig{c.proc, c.station, 19200});
        std::string error;
        ASSERT_TRUE(peer.start(&error)) << error;
        ::setenv("POSMOD_COM3", peer.ptyPath().c_str(), 1);
        QtSerialPort com(rt);
        QtTcpClient sock(rt);
        ASSERT_TRUE(com.setSettings("19200,e,7,1"));
        Link link(pub, rt, com, sock, sink);

        ASSERT_EQ(link.CpuConnect(2), 1);
        EXPECT_TRUE(com.linesAssumed()); // a pty reports no modem lines
        EXPECT_EQ(pub.TaskCode1, "A5");
        link.TSK1600();
        link.POCLS();
        EXPECT_FALSE(com.isOpen());
        EXPECT_TRUE(sink.texts.empty()) << sink.texts.front();
        EXPECT_EQ(peer.state().tasks(), (Texts{"1000", "A00200000001", "1600"}));
        int frames = 0;
        for (const auto& r : peer.state().transcript()) {
            EXPECT_TRUE(r.sumOk && r.addressed) << r.raw;
            if (r.gapUs >= 0) {
                EXPECT_GE(r.gapUs, 50'000) << r.raw;
            }
            ++frames;
        }
        EXPECT_EQ(frames, c.proc == 1 ? 6 : 3);
        ::unsetenv("POSMOD_COM3");
    }
}

TEST_F(LinkEndToEnd, EthernetOperationOverTcp)
{
    configure(1, 1, "");
    FakeCpu peer(cpu, FakeCpu::Kind::Tcp);
    std::string error;
    ASSERT_TRUE(peer.start(&error)) << error;
    pub.set.L_PortNo = std::to_string(peer.tcpPort());
    QtSerialPort com(rt);
    QtTcpClient sock(rt);
    Link link(pub, rt, com, sock, sink);

    ASSERT_EQ(link.CpuConnect(2), 1);
    EXPECT_EQ(pub.TaskCode1, "A5");
    // Busy answers: the identical request again, within the one exchange.
    peer.state().withKnobs([](FaultKnobs& k) { k.busyTimes = 2; });
    std::string task = "0123";
    link.TaskCode_Exchange(task);
    EXPECT_EQ(link.state().EthError, 0);
    EXPECT_EQ(link.state().EthReplyHex, "00FFFF000000");
    // An error status: message, failure, the connection stays.
    peer.state().withKnobs([](FaultKnobs& k) { k.errorReplies = 1; });
    link.TaskCode_Exchange(task);
    EXPECT_EQ(link.state().EthError, 1);
    EXPECT_EQ(sink.texts, Texts{"Task Code Error Occurred"});
    EXPECT_EQ(sock.state(), 7);
    link.TSK1600();
    link.POCLS();
    EXPECT_EQ(sock.state(), 0);

    EXPECT_EQ(peer.state().tasks(), (Texts{"1000", "A00200000001", "0123", "0123", "0123", "0123", "1600"}));
    const auto tr = peer.state().transcript();
    ASSERT_EQ(tr.size(), 7u);
    EXPECT_EQ(tr[2].raw, "0000FFFF00000123");
    EXPECT_EQ(tr[3].raw, tr[2].raw);
    EXPECT_EQ(tr[4].raw, tr[2].raw);
}

// The runtime's waits end at their deadline, never before it (a frame gap must be whole),
// one within another alike, or as soon as an event wakes them.
TEST(QtRuntimeTest, WaitsEndAtTheirDeadlineOrWhenWoken)
{
    CoreApp_Ensure("link_e2e");
    QtRuntime rt;
    for (int64_t us : {1, 999, 1000, 1500, 20'000}) {
        const int64_t deadline = rt.nowUs() + us;
        rt.waitUntilUs(deadline);
        EXPECT_GE(rt.nowUs(), deadline) << us;
    }
    // A wait inside a wait (a message box inside a timer tick), each with its own deadline.
    const int64_t outer = rt.nowUs() + 30'000;
    int64_t innerEnd = 0, innerDeadline = 0;
    QTimer::singleShot(5, [&] {
        innerDeadline = rt.nowUs() + 10'000;
        while (rt.nowUs() < innerDeadline) rt.waitUntilUs(innerDeadline);
        innerEnd = rt.nowUs();
    });
    while (rt.nowUs() < outer) rt.waitUntilUs(outer);
    EXPECT_GE(rt.nowUs(), outer);
    ASSERT_GT(innerEnd, 0);
    EXPECT_GE(innerEnd, innerDeadline);
    // Woken: a far deadline does not hold the wait.
    QTimer::singleShot(5, [&] { rt.wake(); });
    const int64_t far = rt.nowUs() + 60'000'000;
    rt.waitUntilUs(far);
    EXPECT_LT(rt.nowUs(), far);
}

TEST(QtSerialPortTest, SettingsAndDevices)
{
    CoreApp_Ensure("link_e2e");
    QtRuntime rt;
    QtSerialPort com(rt);
    const struct { const char* text; bool ok; } cases[] = {
        {"19200,e,7,1", true}, {"9600,N,8,2", true}, {"38400,o,7,1.5", true},
        {",e,7,1", false}, {"19200,x,7,1", false}, {"19200,e,9,1", false}, {"19200,e,7", false}, {"abc,e,7,1", false},
    };
    for (const auto& c : cases) EXPECT_EQ(com.setSettings(c.text), c.ok) << c.text;
    ASSERT_FALSE(com.setSettings(",e,7,1"));
    EXPECT_FALSE(com.open()); // an unusable text: the port refuses to open
    EXPECT_FALSE(com.isOpen());

    ::unsetenv("POSMOD_COM4");
    EXPECT_EQ(serialDeviceForPort(4), "/dev/ttyS3");
    ::setenv("POSMOD_COM4", "/dev/pts/99", 1);
    EXPECT_EQ(serialDeviceForPort(4), "/dev/pts/99");
    ::unsetenv("POSMOD_COM4");
}

} // namespace
