// The same cases against both implementations of each port: the in-process ports the core
// tests run on, and the Qt ports the program runs on (over a pseudo-terminal and over a
// TCP socket on the loopback address). What the link relies on must hold for both, or a
// core test proves something the program does not do.
#include <gtest/gtest.h>

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include "fakecpu/CpuModel.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"
#include "support/CoreApp.h"
#include "support/VirtualPorts.h"
#include "support/VirtualRuntime.h"

using namespace posmod;

namespace {

constexpr int kComPort = 7;

// Lets events run until pred holds or ms have passed on the rig's clock.
template <class P> bool WaitFor(Runtime& rt, P pred, int ms)
{
    const int64_t end = rt.nowMs() + ms;
    while (!pred()) {
        if (rt.nowMs() >= end) return false;
        rt.waitUntil(std::min(end, rt.nowMs() + 2));
    }
    return true;
}

// ------------------------------------------------------------------ serial rigs

struct VirtualSerialRig {
    static constexpr const char* kName = "InProcess";
    VirtualSerialRig()
    {
        port.peerOn = false;
        port.setCommPort(kComPort);
    }
    Runtime& rt() { return clock; }
    void peerSend(const std::string& b) { port.inject(b); }
    void hangUp() { port.hangUp(); }
    std::string peerReceived()
    {
        std::string all;
        for (const auto& w : port.written) all += w.bytes;
        return all;
    }

    VirtualRuntime clock;
    PlainCpuModel cpu;
    VirtualSerialPort port{clock, cpu};
};

// QtSerialPort on the slave side of a pseudo-terminal; the test plays the device on the
// master side.
struct QtSerialRig {
    static constexpr const char* kName = "QtOverPty";
    QtSerialRig()
    {
        CoreApp_Ensure("port_contract");
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return;
        char name[128];
        if (::ptsname_r(master, name, sizeof name) != 0) return;
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        ::setenv(("POSMOD_COM" + std::to_string(kComPort)).c_str(), name, 1);
        port.setCommPort(kComPort);
    }
    ~QtSerialRig()
    {
        port.close();
        if (master >= 0) ::close(master);
        ::unsetenv(("POSMOD_COM" + std::to_string(kComPort)).c_str());
    }
    Runtime& rt() { return clock; }
    void peerSend(const std::string& b) { (void)!::write(master, b.data(), b.size()); }
    void hangUp()
    {
        ::close(master);
        master = -1;
    }
    std::string peerReceived()
    {
        char buf[512];
        for (ssize_t n; (n = ::read(master, buf, sizeof buf)) > 0;) received.append(buf, std::size_t(n));
        return received;
    }

    int master = -1;
    std::string received;
    QtRuntime clock;
    QtSerialPort port{clock};
};

template <class Rig> class SerialPortContract : public ::testing::Test {
protected:
    Rig rig;
    SerialPort& port() { return rig.port; }
    // Waits until the peer has received n bytes, and gives them.
    std::string received(std::size_t n)
    {
        WaitFor(rig.rt(), [&] { return rig.peerReceived().size() >= n; }, 2000);
        return rig.peerReceived();
    }
    // Reads what waits at the port, character by character.
    std::string readAll(std::size_t n)
    {
        std::string got;
        WaitFor(rig.rt(), [&] {
            while (port().inBufferCount() > 0) {
                const std::string c = port().input();
                if (c.empty()) break;
                EXPECT_EQ(c.size(), 1u);
                got += c;
            }
            return got.size() >= n;
        }, 2000);
        return got;
    }
};

// Cases print by the rig's name.
struct RigNames {
    template <class T> static std::string GetName(int) { return T::kName; }
};

using SerialRigs = ::testing::Types<VirtualSerialRig, QtSerialRig>;
TYPED_TEST_SUITE(SerialPortContract, SerialRigs, RigNames);

TYPED_TEST(SerialPortContract, SettingsTexts)
{
    const struct { const char* text; bool ok; } cases[] = {
        {"19200,e,7,1", true}, {"9600,N,8,2", true}, {"38400,o,7,1.5", true}, {"1200, m, 5, 1", true},
        {"19200,s,6,2", true}, {",e,7,1", false}, {"19200,x,7,1", false}, {"19200,e,9,1", false},
        {"19200,e,4,1", false}, {"19200,e,7,3", false}, {"19200,e,7", false}, {"19200,e,7,1,1", false},
        {"abc,e,7,1", false}, {"0,e,7,1", false}, {"12345678,e,7,1", false}, {"19200,ee,7,1", false}, {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(this->port().setSettings(c.text), c.ok) << c.text;
        EXPECT_EQ(this->port().settings(), c.text);
    }
    // A refused text leaves the port unable to open.
    ASSERT_FALSE(this->port().setSettings("19200,x,7,1"));
    EXPECT_FALSE(this->port().open());
    EXPECT_FALSE(this->port().isOpen());
    EXPECT_FALSE(this->port().ctsHolding());
    ASSERT_TRUE(this->port().setSettings("19200,e,7,1"));
    EXPECT_TRUE(this->port().open());
    EXPECT_TRUE(this->port().isOpen());
}

TYPED_TEST(SerialPortContract, BytesBothWaysOneCharacterAtATime)
{
    SerialPort& p = this->port();
    ASSERT_TRUE(p.setSettings("19200,e,7,1"));
    EXPECT_EQ(p.commPort(), kComPort);
    ASSERT_TRUE(p.open());
    EXPECT_TRUE(p.open()) << "opening an open port keeps it open";
    // A device without modem lines (the pty) counts them as held; the fake holds them.
    EXPECT_TRUE(p.ctsHolding());
    EXPECT_TRUE(p.dsrHolding());
    EXPECT_EQ(p.inBufferCount(), 0);
    EXPECT_EQ(p.input(), "");

    const std::string frame = std::string("\x02" "F") + "FFFF00001000DF\r";
    p.output(frame);
    EXPECT_EQ(this->received(frame.size()), frame);

    // Every byte value but NUL comes through, in order; NUL is discarded.
    std::string sent;
    for (int c = 1; c < 128; ++c) sent += char(c);
    this->rig.peerSend(std::string("\x06" "F\r") + '\0' + sent);
    const std::string want = std::string("\x06" "F\r") + sent;
    EXPECT_EQ(this->readAll(want.size()), want);
    EXPECT_EQ(p.inBufferCount(), 0);

    // What waits is thrown away by clearInput.
    this->rig.peerSend("\x15" "F06\r");
    ASSERT_TRUE(WaitFor(this->rig.rt(), [&] { return p.inBufferCount() == 5; }, 2000));
    p.clearInput();
    p.clearOutput();
    EXPECT_EQ(p.inBufferCount(), 0);
    EXPECT_EQ(p.input(), "");
}

TYPED_TEST(SerialPortContract, ClosedPortIsInert)
{
    SerialPort& p = this->port();
    ASSERT_TRUE(p.setSettings("19200,e,7,1"));
    ASSERT_TRUE(p.open());
    this->rig.peerSend("\x06" "F\r");
    ASSERT_TRUE(WaitFor(this->rig.rt(), [&] { return p.inBufferCount() == 3; }, 2000));
    p.close();
    p.close();
    EXPECT_FALSE(p.isOpen());
    EXPECT_EQ(p.inBufferCount(), 0);
    EXPECT_EQ(p.input(), "");
    EXPECT_FALSE(p.ctsHolding());
    EXPECT_FALSE(p.dsrHolding());
    p.output("\x05" "F1\r"); // dropped, no fault
    p.clearInput();
    WaitFor(this->rig.rt(), [] { return false; }, 50);
    EXPECT_EQ(this->rig.peerReceived(), "");

    // Opened again, what came meanwhile and before is not there.
    ASSERT_TRUE(p.open());
    EXPECT_EQ(p.inBufferCount(), 0);
}

// The device at the other end goes away: the port closes itself, so nothing is left to
// wake the program over and over (a hung-up pty is readable for ever), and the link sees a
// port it did not close.
TYPED_TEST(SerialPortContract, HangUpClosesThePort)
{
    SerialPort& p = this->port();
    ASSERT_TRUE(p.setSettings("19200,e,7,1"));
    ASSERT_TRUE(p.open());
    this->rig.peerSend("\x06" "F\r");
    ASSERT_TRUE(WaitFor(this->rig.rt(), [&] { return p.inBufferCount() == 3; }, 2000));
    this->rig.hangUp();
    EXPECT_TRUE(WaitFor(this->rig.rt(), [&] { return !p.isOpen(); }, 1000));
    EXPECT_EQ(p.inBufferCount(), 0);
    p.output("\x05" "F1\r"); // dropped, no fault
    p.close();
    EXPECT_FALSE(p.isOpen());
}

// ------------------------------------------------------------------ TCP rigs

struct VirtualTcpRig {
    static constexpr const char* kName = "InProcess";
    VirtualTcpRig() { sock.peerOn = false; }
    Runtime& rt() { return clock; }
    int port() const { return 3004; }
    void stopListening() { sock.reachable = false; }
    bool peerConnected() { return sock.state() == 7; }
    void peerSend(const std::vector<uint8_t>& b) { sock.inject(b); }
    std::vector<uint8_t> peerReceived()
    {
        std::vector<uint8_t> all;
        for (const auto& s : sock.sent) all.insert(all.end(), s.bytes.begin(), s.bytes.end());
        return all;
    }
    // After whatever was sent before, as the connection carries it.
    void peerClose() { clock.after(0, [this] { sock.dropNow(); }); }

    VirtualRuntime clock;
    PlainCpuModel cpu;
    VirtualTcpClient sock{clock, cpu};
};

// QtTcpClient against a listening socket of the test's own on the loopback address.
struct QtTcpRig {
    static constexpr const char* kName = "QtOverLoopback";
    QtTcpRig()
    {
        CoreApp_Ensure("port_contract");
        listener = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(listener, 2) != 0) return;
        socklen_t len = sizeof a;
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
    }
    ~QtTcpRig()
    {
        sock.close();
        for (int fd : {peer, listener})
            if (fd >= 0) ::close(fd);
    }
    Runtime& rt() { return clock; }
    int port() const { return port_; }
    void stopListening()
    {
        ::close(listener);
        listener = -1;
    }
    bool peerConnected()
    {
        if (peer < 0 && listener >= 0) peer = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK);
        return peer >= 0;
    }
    void peerSend(const std::vector<uint8_t>& b) { (void)!::send(peer, b.data(), b.size(), MSG_NOSIGNAL); }
    std::vector<uint8_t> peerReceived()
    {
        uint8_t buf[512];
        for (ssize_t n; peer >= 0 && (n = ::recv(peer, buf, sizeof buf, 0)) > 0;)
            received.insert(received.end(), buf, buf + n);
        return received;
    }
    void peerClose()
    {
        ::close(peer);
        peer = -1;
    }

    int listener = -1, peer = -1, port_ = 0;
    std::vector<uint8_t> received;
    QtRuntime clock;
    QtTcpClient sock{clock};
};

template <class Rig> class TcpClientContract : public ::testing::Test {
protected:
    Rig rig;
    TcpClient& sock() { return rig.sock; }
    void connect()
    {
        sock().connectTo("127.0.0.1", rig.port());
        ASSERT_TRUE(WaitFor(rig.rt(), [&] { return sock().state() == 7 && rig.peerConnected(); }, 2000));
    }
};

using TcpRigs = ::testing::Types<VirtualTcpRig, QtTcpRig>;
TYPED_TEST_SUITE(TcpClientContract, TcpRigs, RigNames);

TYPED_TEST(TcpClientContract, ConnectSendReceiveClose)
{
    TcpClient& s = this->sock();
    EXPECT_EQ(s.state(), 0);
    int arrivals = 0, lastTotal = 0;
    s.onDataArrival = [&](int n) { ++arrivals, lastTotal = n; };
    this->connect();
    EXPECT_EQ(s.lastError(), 0);

    const std::vector<uint8_t> request{0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x10, 0x00};
    s.sendData(request);
    ASSERT_TRUE(WaitFor(this->rig.rt(), [&] { return this->rig.peerReceived().size() >= request.size(); }, 2000));
    EXPECT_EQ(this->rig.peerReceived(), request);

    // Arrivals are announced; getData takes every byte that has arrived, once.
    std::vector<uint8_t> answer{0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00};
    for (int b = 0; b < 256; ++b) answer.push_back(uint8_t(b));
    this->rig.peerSend(answer);
    std::vector<uint8_t> got;
    ASSERT_TRUE(WaitFor(this->rig.rt(), [&] {
        const std::vector<uint8_t> more = s.getData();
        got.insert(got.end(), more.begin(), more.end());
        return got.size() >= answer.size();
    }, 2000));
    EXPECT_EQ(got, answer);
    EXPECT_GE(arrivals, 1);
    EXPECT_GT(lastTotal, 0);
    EXPECT_TRUE(s.getData().empty());

    s.close();
    EXPECT_EQ(s.state(), 0);
    EXPECT_TRUE(s.getData().empty());
    try {
        s.sendData(request);
        ADD_FAILURE() << "sending on a closed socket must raise";
    } catch (const PortFault& f) {
        EXPECT_EQ(f.number, 40006);
    }
    s.onDataArrival = nullptr;
}

TYPED_TEST(TcpClientContract, PeerThatClosesOrIsNotThere)
{
    TcpClient& s = this->sock();
    this->connect();
    // What the peer sent right before it closed is still taken.
    const std::vector<uint8_t> last{0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x12, 0x34};
    this->rig.peerSend(last);
    this->rig.peerClose();
    std::vector<uint8_t> got;
    ASSERT_TRUE(WaitFor(this->rig.rt(), [&] {
        const std::vector<uint8_t> more = s.getData();
        got.insert(got.end(), more.begin(), more.end());
        return s.state() != 7 && got.size() >= last.size();
    }, 2000));
    EXPECT_EQ(got, last);
    EXPECT_NE(s.state(), 0);
    s.close();

    this->connect();
    this->rig.peerClose();
    // Dropped by the peer: neither connected nor closed by us, until we close it.
    ASSERT_TRUE(WaitFor(this->rig.rt(), [&] { return s.state() != 7; }, 2000));
    EXPECT_NE(s.state(), 0);
    EXPECT_THROW(s.sendData({0x00}), PortFault);
    s.close();
    EXPECT_EQ(s.state(), 0);

    // Nobody listening: the connection never completes.
    this->rig.stopListening();
    s.connectTo("127.0.0.1", this->rig.port());
    EXPECT_FALSE(WaitFor(this->rig.rt(), [&] { return s.state() == 7; }, 300));
    s.close();
    EXPECT_EQ(s.state(), 0);
}

} // namespace
