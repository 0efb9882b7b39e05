// The exchange, opening and closing on the virtual clock, against the in-process peer.
#include <gtest/gtest.h>

#include <memory>

#include "fakecpu/PeerProtocol.h"
#include "main/Frames.h"
#include "main/Link.h"
#include "support/CaptureSink.h"
#include "support/PeerSettings.h"
#include "support/VirtualPorts.h"
#include "support/VirtualRuntime.h"

using namespace posmod;

namespace {

using Texts = std::vector<std::string>;
const std::string kTaskErr = "Task Code Error Occurred";
const std::string kTimeOut = "Time Out Occurred";
const std::string kWatchdog = "Time Out(10s)Occurred\r\r";

// Default knobs with f applied.
template <class F> FaultKnobs knobsWith(F f)
{
    FaultKnobs k;
    f(k);
    return k;
}

struct HookModel : CpuModel {
    std::function<CpuAnswer(const std::string&)> hook;
    CpuAnswer answer(const std::string& t) override { return hook ? hook(t) : CpuAnswer{}; }
};

class LinkTest : public ::testing::Test {
public:
    void SetUp() override { setup(0, 1, ""); }
    void TearDown() override { EXPECT_EQ(shownWithWatchdog, 0) << "a message was shown while the watchdog ran"; }

    // kind 0 RS-232C, 1 Ethernet; the peer answers to the same procedure and station.
    void setup(int kind, int proc, const std::string& station)
    {
        link.reset();
        com.reset();
        sock.reset();
        rt = std::make_unique<VirtualRuntime>();
        Public_Reset(pub);
        LinkSettings_Set(pub, kind, proc, station, 1);
        pub.set.L_PortNo = "3004";
        PeerConfig cfg{proc, station, 0};
        com = std::make_unique<VirtualSerialPort>(*rt, cpu, cfg);
        sock = std::make_unique<VirtualTcpClient>(*rt, cpu, cfg);
        link = std::make_unique<Link>(pub, *rt, *com, *sock, sink);
        sink.clear();
        sink.onShow = [this](const std::string&) {
            if (link->Timer1.enabled()) ++shownWithWatchdog;
        };
    }
    PeerState& peer() { return pub.set.LinkKind == 0 ? com->peer() : sock->peer(); }
    const Link::State& st() const { return link->state(); }
    bool failed() const { return pub.set.LinkKind == 0 ? st().SerialError == 1 : st().EthError == 1; }
    bool linkOpen() const { return pub.set.LinkKind == 0 ? com->isOpen() : sock->state() == 7; }
    void exchange(std::string task) { link->TaskCode_Exchange(task); }
    // Opens the link with the opening request only and forgets what that sent.
    void open()
    {
        ASSERT_EQ(link->CpuConnect(1), 1);
        peer().clearTranscript();
        com->written.clear();
        sock->sent.clear();
        sink.clear();
    }
    int enqs() const
    {
        int n = 0;
        for (const auto& r : com->peer().transcript()) n += r.kind == PeerRecord::Enq;
        return n;
    }
    // Every RS-232C frame came at least 50 ms after the peer last sent something.
    void expectFrameGaps()
    {
        for (const auto& r : com->peer().transcript()) {
            if (r.gapUs >= 0) {
                EXPECT_GE(r.gapUs, 50'000) << r.raw;
            }
        }
    }

    Public pub;
    HookModel cpu;
    CaptureSink sink;
    std::unique_ptr<VirtualRuntime> rt;
    std::unique_ptr<VirtualSerialPort> com;
    std::unique_ptr<VirtualTcpClient> sock;
    std::unique_ptr<Link> link;
    int shownWithWatchdog = 0;
};

// ------------------------------------------------------------------ opening

TEST_F(LinkTest, CpuConnectSendsOpeningAndProbe)
{
    const struct {
        int kind, proc;
        const char* station;
        int moduleType;
        Texts tasks;
    } cases[] = {
        {0, 1, "", 1, {"1000"}},
        {0, 1, "", 2, {"1000", "A00200000001"}},
        {0, 1, "05", 5, {"1000", "A00200000001"}},
        {0, 2, "", 3, {"1000", "A00200000001"}},
        {0, 2, "31", 1, {"1000"}},
        {1, 1, "", 1, {"1000"}},
        {1, 1, "07", 4, {"1000", "A00200000001"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " proc " << c.proc << " station '" << c.station
                                        << "' module " << c.moduleType);
        setup(c.kind, c.proc, c.station);
        EXPECT_EQ(link->CpuConnect(c.moduleType), 1);
        EXPECT_EQ(peer().tasks(), c.tasks);
        for (const auto& r : peer().transcript()) {
            EXPECT_TRUE(r.sumOk) << r.raw;
            EXPECT_TRUE(r.addressed) << r.raw;
        }
        EXPECT_EQ(pub.TaskCode1 + pub.TaskCode2 + pub.TaskCode3, "A5A0A4");
        EXPECT_TRUE(sink.texts.empty());
        EXPECT_TRUE(linkOpen());
        EXPECT_FALSE(link->Timer1.enabled());
        EXPECT_EQ(enqs(), c.kind == 0 && c.proc == 1 ? int(c.tasks.size()) : 0);
        expectFrameGaps();
        EXPECT_FALSE(link->busy());
    }
}

TEST_F(LinkTest, FailedProbeChoosesOldCodeSet)
{
    // Knobs set when a request reaches the model hit what follows it: the ENQs of that
    // request, or (counted per request) the next request.
    const struct {
        int kind;
        FaultKnobs atOpening, atProbe;
        bool refuseProbe; // the model answers the probe with an error status
        Texts messages;
        bool open;
    } cases[] = {
        {0, {}, {}, true, {}, true},
        {0, knobsWith([](FaultKnobs& x) { x.wrongSums = 1; }), {}, false, {}, true},
        {0, knobsWith([](FaultKnobs& x) { x.nakLines = 5; }), {}, false, {}, true},
        {0, knobsWith([](FaultKnobs& x) { x.shortReplies = 1; }), {}, false, {}, true},
        {0, {}, knobsWith([](FaultKnobs& x) { x.silentEnqs = 3; }), false, {kTimeOut}, false},
        {1, {}, {}, true, {kTaskErr}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " messages " << c.messages.size());
        setup(c.kind, 1, "");
        cpu.hook = [&](const std::string& t) {
            if (t == "1000") peer().setKnobs(c.atOpening);
            if (t == "A00200000001") peer().setKnobs(c.atProbe);
            return CpuAnswer{uint8_t(c.refuseProbe && t == "A00200000001" ? 0x51 : 0), ""};
        };
        EXPECT_EQ(link->CpuConnect(2), 1);
        EXPECT_EQ(pub.TaskCode1 + pub.TaskCode2 + pub.TaskCode3, "454044");
        EXPECT_EQ(sink.texts, c.messages);
        EXPECT_EQ(linkOpen(), c.open);
        EXPECT_EQ(st().ProbeActive, 0);
        // No watchdog left running after the silent failure.
        EXPECT_FALSE(link->Timer1.enabled());
        rt->advance(20'000);
        EXPECT_EQ(sink.texts, c.messages);
        cpu.hook = nullptr;
    }
}

TEST_F(LinkTest, OpeningFailures)
{
    const struct {
        int kind;
        std::function<void(LinkTest&)> arrange;
        int result;
        Texts messages;
        int64_t minMs, maxMs;
        int connects;
    } cases[] = {
        {0, [](LinkTest& t) { t.com->cts = false; }, 0, {"PortOpen Error Occurred"}, 1000, 1001, 0},
        {0, [](LinkTest& t) { t.com->dsr = false; }, 0, {"PortOpen Error Occurred"}, 1000, 1001, 0},
        {0, [](LinkTest& t) { t.com->openFails = true; }, 0, {"PortOpen Error Occurred"}, 1000, 1001, 0},
        {0, [](LinkTest& t) { t.com->setSettings(",e,7,1"); }, 0, {"PortOpen Error Occurred"}, 1000, 1001, 0},
        {1, [](LinkTest& t) { t.sock->reachable = false; }, 0,
         {"Transmission Error on Ethernet.Err Number(0)"}, 3900, 4200, 4},
        {1, [](LinkTest& t) { t.sock->reachable = false; t.sock->connectError = 40020; }, 0,
         {"Transmission Error on Ethernet.Err Number(40020)"}, 3900, 4200, 4},
        {1, [](LinkTest& t) { t.sock->reachable = false; t.sock->connectError = 10061; }, 0,
         {"Unexpected error is detected.Err Number(10061)"}, 3900, 4200, 4},
        {1, [](LinkTest& t) { t.sock->reachable = false; t.rt->at(2500, [&t] { t.sock->reachable = true; }); },
         1, {}, 3003, 3100, 4}, // the fourth attempt connects
        {0, [](LinkTest& t) { t.com->peer().withKnobs([](FaultKnobs& k) { k.nakLines = 5; }); }, 2, {kTaskErr}, 1000, 3000, 0},
        {1, [](LinkTest& t) { t.sock->peer().withKnobs([](FaultKnobs& k) { k.errorReplies = 1; }); }, 2, {kTaskErr}, 0, 100, 1},
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << row++);
        setup(c.kind, 1, "");
        c.arrange(*this);
        const int64_t t0 = rt->nowMs();
        EXPECT_EQ(link->CpuConnect(2), c.result);
        const int64_t took = rt->nowMs() - t0;
        EXPECT_GE(took, c.minMs);
        EXPECT_LE(took, c.maxMs);
        EXPECT_EQ(sink.texts, c.messages);
        if (c.kind == 1) {
            EXPECT_EQ(int(sock->connectTimes.size()), c.connects);
        }
        if (c.result == 0) {
            EXPECT_FALSE(com->isOpen());
            EXPECT_EQ(sock->state(), 0);
            EXPECT_TRUE(com->written.empty());
        }
    }
    // The four attempts are about 1 s apart.
    setup(1, 1, "");
    sock->reachable = false;
    link->CpuConnect(2);
    ASSERT_EQ(sock->connectTimes.size(), 4u);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_GE(sock->connectTimes[i] - sock->connectTimes[i - 1], 1001);
        EXPECT_LE(sock->connectTimes[i] - sock->connectTimes[i - 1], 1010);
    }
}

// ------------------------------------------------------------------ RS-232C exchange

TEST_F(LinkTest, SerialExchangeFaults)
{
    const struct {
        const char* name;
        int proc;
        FaultKnobs knobs;
        bool ok;
        int code;
        Texts messages;
        int enqCount;
        int64_t maxMs;
    } cases[] = {
        {"plain", 1, {}, true, 0, {}, 1, 200},
        {"procedure 2 direct reply", 2, {}, true, 0, {}, 0, 200},
        {"slow answers", 1, knobsWith([](FaultKnobs& x) { x.slowMs = 400; }), true, 0, {}, 1, 1000},
        {"four NAK lines then ACK", 1, knobsWith([](FaultKnobs& x) { x.nakLines = 4; }), true, 0, {}, 1, 300},
        {"five NAK lines", 1, knobsWith([](FaultKnobs& x) { x.nakLines = 5; }), false, NoAckCode, {kTaskErr}, 0, 200},
        {"five NAK lines, procedure 2", 2, knobsWith([](FaultKnobs& x) { x.nakLines = 5; }), false, NoAckCode, {kTaskErr}, 0, 200},
        {"EOT twice", 1, knobsWith([](FaultKnobs& x) { x.eotTimes = 2; }), true, 0, {}, 3, 400},
        {"EOT six times", 1, knobsWith([](FaultKnobs& x) { x.eotTimes = 6; }), true, 0, {}, 7, 700},
        {"two silent ENQs", 1, knobsWith([](FaultKnobs& x) { x.silentEnqs = 2; }), true, 0, {}, 3, 2400},
        {"three silent ENQs", 1, knobsWith([](FaultKnobs& x) { x.silentEnqs = 3; }), false, 0, {kTimeOut}, 3, 3400},
        {"EOT starts a new poll cycle", 1, knobsWith([](FaultKnobs& x) { x.enqPlan = "sses"; }), true, 0, {}, 5, 3500},
        {"silent, EOT, three silent", 1, knobsWith([](FaultKnobs& x) { x.enqPlan = "sesss"; }), false, 0, {kTimeOut}, 5, 4500},
        {"wrong sum", 1, knobsWith([](FaultKnobs& x) { x.wrongSums = 1; }), false, SumCode, {kTaskErr}, 1, 200},
        {"error status", 1, knobsWith([](FaultKnobs& x) { x.errorReplies = 1; }), false, StatusCode, {kTaskErr}, 1, 200},
        {"error status, procedure 2", 2, knobsWith([](FaultKnobs& x) { x.errorReplies = 1; }), false, StatusCode, {kTaskErr}, 0, 200},
        {"short reply", 1, knobsWith([](FaultKnobs& x) { x.shortReplies = 1; x.shortLength = 3; }), false, SumCode, {kTaskErr}, 1, 200},
        {"short reply, procedure 2", 2, knobsWith([](FaultKnobs& x) { x.shortReplies = 1; x.shortLength = 1; }), false, SumCode, {kTaskErr}, 0, 200},
        {"silent request", 1, knobsWith([](FaultKnobs& x) { x.silentRequests = 1; }), false, 0, {kWatchdog}, 0, 10'050},
        {"EOT for ever", 1, knobsWith([](FaultKnobs& x) { x.eotTimes = 1000; }), false, 0, {kWatchdog}, -1, 10'050},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setup(0, c.proc, "");
        open();
        com->peer().setKnobs(c.knobs);
        const int64_t t0 = rt->nowMs();
        exchange("0123");
        EXPECT_LE(rt->nowMs() - t0, c.maxMs);
        EXPECT_EQ(st().SerialError, c.ok ? 0 : 1);
        if (c.code) {
            EXPECT_EQ(st().TaskErrorCode, c.code);
        }
        EXPECT_EQ(sink.texts, c.messages);
        EXPECT_EQ(com->isOpen(), c.ok);
        if (c.enqCount >= 0) {
            EXPECT_EQ(enqs(), c.enqCount);
        }
        EXPECT_EQ(com->requests().size(), 1u) << "the request is never sent again";
        EXPECT_FALSE(link->Timer1.enabled());
        if (c.ok) {
            const std::string& body = st().ReplyBody;
            EXPECT_EQ(body.substr(body.size() - 2), peerSum(body.substr(0, body.size() - 2)));
        }
        expectFrameGaps();
    }
}

TEST_F(LinkTest, ReplyBodyAndStatusPositionWithStation)
{
    cpu.hook = [](const std::string&) { return CpuAnswer{0, "12AB"}; };
    for (int proc : {1, 2}) {
        setup(0, proc, "05");
        open();
        exchange("0123");
        ASSERT_EQ(st().SerialError, 0);
        const std::string head = proc == 1 ? "F05FFFF00000" : "0500";
        EXPECT_EQ(st().ReplyBody.substr(0, head.size() + 4), head + "12AB");
    }
    // An error status at the station-shifted position is seen.
    setup(0, 1, "05");
    open();
    com->peer().withKnobs([](FaultKnobs& k) { k.errorReplies = 1; });
    exchange("0123");
    EXPECT_EQ(st().TaskErrorCode, StatusCode);
}

TEST_F(LinkTest, LineAnsweringEnqMustBeStxOrEot)
{
    open();
    com->peerOn = false;
    // The request gets an ACK; the ENQ gets a NAK line.
    const std::size_t before = com->written.size();
    rt->at(rt->nowMs() + 60, [this] { com->inject(std::string{ACK, 'F', CR}); });
    rt->at(rt->nowMs() + 200, [this] { com->inject(std::string{NAK, 'F', '0', '6', CR}); });
    exchange("0123");
    EXPECT_EQ(com->written.size(), before + 2);
    EXPECT_EQ(st().TaskErrorCode, NotStxCode);
    EXPECT_EQ(sink.texts, Texts{kTaskErr});
    EXPECT_FALSE(com->isOpen());
}

TEST_F(LinkTest, LeftoverInputIsNotTakenForTheReply)
{
    open();
    // A late reply of an earlier exchange, with an error status, waits in the buffer.
    std::string stale = std::string{ACK, 'F', CR, STX} + "FFFFF00051" + peerSum("FFFFF00051") + CR;
    com->inject(stale);
    rt->advance(1);
    ASSERT_GT(com->inBufferCount(), 0);
    exchange("0123");
    EXPECT_EQ(st().SerialError, 0);
    EXPECT_TRUE(sink.texts.empty());
}

TEST_F(LinkTest, LineWaitAndCommEvents)
{
    // CTS dropped after opening: the exchange waits for it, the watchdog ends the wait
    // and nothing is written.
    open();
    com->cts = false;
    exchange("0123");
    EXPECT_EQ(st().SerialError, 1);
    EXPECT_TRUE(com->written.empty());
    EXPECT_EQ(sink.texts, Texts{kWatchdog});

    // CTS back within the watchdog: the exchange goes on.
    setup(0, 1, "");
    open();
    com->cts = false;
    rt->at(rt->nowMs() + 700, [this] { com->cts = true; });
    exchange("0123");
    EXPECT_EQ(st().SerialError, 0);

    const struct { int event; bool closes; } events[] = {{1002, true}, {1003, true}, {1007, true}, {1001, false}, {2, false}};
    for (const auto& e : events) {
        setup(0, 1, "");
        open();
        com->raiseComm(e.event);
        EXPECT_EQ(com->isOpen(), !e.closes) << e.event;
        EXPECT_EQ(sink.texts, e.closes ? Texts{kTimeOut} : Texts{}) << e.event;
    }
}

// ------------------------------------------------------------------ Ethernet exchange

TEST_F(LinkTest, EthernetExchangeFaults)
{
    const struct {
        const char* name;
        FaultKnobs knobs;
        bool ok;
        Texts messages;
        bool open;
        int minSends; // -1: do not check
        int maxSends;
    } cases[] = {
        {"plain", {}, true, {}, true, 1, 1},
        {"busy three times", knobsWith([](FaultKnobs& x) { x.busyTimes = 3; }), true, {}, true, 4, 4},
        {"busy for ever", knobsWith([](FaultKnobs& x) { x.busyTimes = 1'000'000; }), false, {kWatchdog}, false, 100, 100'000},
        {"error status", knobsWith([](FaultKnobs& x) { x.errorReplies = 1; }), false, {kTaskErr}, true, 1, 1},
        {"too short for the status", knobsWith([](FaultKnobs& x) { x.shortReplies = 1; x.shortLength = 6; }), false, {kTaskErr}, true, 1, 1},
        {"silence", knobsWith([](FaultKnobs& x) { x.silentRequests = 1; }), false, {kWatchdog}, false, 1, 1},
        {"dropped connection", knobsWith([](FaultKnobs& x) { x.dropConnections = 1; }), false, {kWatchdog}, false, 1, 1},
        {"slow answer", knobsWith([](FaultKnobs& x) { x.slowMs = 9000; }), true, {}, true, 1, 1},
    };
    cpu.hook = [](const std::string&) { return CpuAnswer{0, "BEEF"}; };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setup(1, 1, "");
        open();
        sock->peer().setKnobs(c.knobs);
        exchange("0123");
        EXPECT_EQ(st().EthError, c.ok ? 0 : 1);
        EXPECT_EQ(sink.texts, c.messages);
        EXPECT_EQ(sock->state() == 7, c.open);
        EXPECT_GE(int(sock->sent.size()), c.minSends);
        EXPECT_LE(int(sock->sent.size()), c.maxSends);
        for (const auto& s : sock->sent) EXPECT_EQ(s.bytes, sock->sent.front().bytes) << "repeats send the request";
        if (c.ok) {
            EXPECT_EQ(st().EthReplyHex, "00FFFF000000BEEF");
        }
        EXPECT_FALSE(link->Timer1.enabled());
    }
}

TEST_F(LinkTest, EthernetOneByteAnswerIsIgnored)
{
    setup(1, 1, "");
    open();
    sock->peerOn = false;
    rt->at(rt->nowMs() + 5, [this] { sock->inject({0x80}); });
    rt->at(rt->nowMs() + 20, [this] { sock->inject({0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x42}); });
    exchange("0123");
    EXPECT_EQ(st().EthError, 0);
    EXPECT_EQ(st().EthReplyHex, "00FFFF00000042");
    EXPECT_TRUE(sink.texts.empty());
}

TEST_F(LinkTest, EthernetLateAnswerBetweenExchangesIsDropped)
{
    setup(1, 1, "");
    open();
    sock->inject({0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x51});
    rt->advance(5);
    EXPECT_TRUE(sink.texts.empty());
    exchange("0123");
    EXPECT_EQ(st().EthError, 0);
    EXPECT_EQ(st().EthReplyHex, "00FFFF000000");
}

// A connection the peer dropped between two exchanges is reported, and the socket closed.
TEST_F(LinkTest, EthernetExchangeOnADroppedConnectionIsReported)
{
    setup(1, 1, "");
    open();
    sock->dropNow();
    exchange("0123");
    EXPECT_EQ(st().EthError, 1);
    EXPECT_TRUE(sock->sent.empty());
    EXPECT_EQ(sink.texts, Texts{"Transmission Error on Ethernet.Err Number(40006)"});
    EXPECT_EQ(sock->state(), 0);
    EXPECT_FALSE(link->Timer1.enabled());
}

// ------------------------------------------------------------------ guards and closing

TEST_F(LinkTest, ExchangeOnClosedLinkFailsCleanly)
{
    for (int kind : {0, 1}) {
        setup(kind, 1, "");
        exchange("0123");
        EXPECT_TRUE(failed());
        EXPECT_TRUE(com->written.empty());
        EXPECT_EQ(com->writesWhileClosed, 0);
        EXPECT_TRUE(sock->sent.empty());
        EXPECT_TRUE(sink.texts.empty());
        EXPECT_FALSE(link->Timer1.enabled());
    }
}

TEST_F(LinkTest, MalformedAddressingFailsBeforeSending)
{
    const struct { int kind; std::function<void(Settings&)> spoil; } cases[] = {
        {0, [](Settings& s) { s.R_StatNo = "5"; }},
        {0, [](Settings& s) { s.R_StatNo = "0A"; }},
        {0, [](Settings& s) { s.R_LpAddr = "FFF"; }},
        {0, [](Settings& s) { s.R_LpAddr = "0G0C"; }},
        {1, [](Settings& s) { s.L_SeriNo = "0"; }},
        {1, [](Settings& s) { s.L_SeriNo = "XY"; }},
        {1, [](Settings& s) { s.L_StatNo = "123"; }},
        {1, [](Settings& s) { s.L_LpAddr = ""; }},
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(row++);
        setup(c.kind, 1, "");
        open();
        c.spoil(pub.set);
        exchange("0123");
        EXPECT_TRUE(failed());
        EXPECT_TRUE(com->written.empty());
        EXPECT_TRUE(sock->sent.empty());
        EXPECT_EQ(sink.texts, Texts{kTaskErr});
    }
    // A procedure 2 request carries no address, so the address is not needed there.
    setup(0, 2, "");
    open();
    pub.set.R_LpAddr = "";
    exchange("0123");
    EXPECT_EQ(st().SerialError, 0);
}

TEST_F(LinkTest, SecondOperationRefusedWhileOneRuns)
{
    int nested = -1;
    bool busyInside = false;
    rt->at(500, [&] { // inside the 1 s wait of the opening
        busyInside = link->busy();
        nested = link->CpuConnect(2);
        link->TSK1600();
    });
    EXPECT_FALSE(link->busy());
    EXPECT_EQ(link->CpuConnect(1), 1);
    EXPECT_TRUE(busyInside);
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(com->peer().tasks(), Texts{"1000"});
    EXPECT_FALSE(link->busy());

    // An exchange started from an event inside another exchange is refused.
    int innerError = -1;
    rt->at(rt->nowMs() + 20, [&] {
        std::string t = "0456";
        link->TaskCode_Exchange(t);
        innerError = st().SerialError;
    });
    exchange("0123");
    EXPECT_EQ(innerError, 1);
    EXPECT_EQ(st().SerialError, 0);
    EXPECT_EQ(com->peer().tasks(), (Texts{"1000", "0123"}));
}

TEST_F(LinkTest, ClosingRequestAndClose)
{
    int menuEnabled = 0;
    for (int kind : {0, 1}) {
        setup(kind, 1, "");
        link->onClosed = [&] { ++menuEnabled; };
        // Closed link: nothing sent, nothing shown.
        link->TSK1600();
        EXPECT_TRUE(peer().tasks().empty());
        EXPECT_TRUE(sink.texts.empty());

        open();
        link->TSK1600();
        EXPECT_EQ(peer().tasks(), Texts{"1600"});
        EXPECT_TRUE(linkOpen());
        EXPECT_TRUE(sink.texts.empty());
        menuEnabled = 0;
        link->POCLS();
        link->POCLS();
        EXPECT_FALSE(linkOpen());
        EXPECT_EQ(menuEnabled, 2);
        if (kind == 0) {
            EXPECT_EQ(com->closes, 1);
        }

        // A link left open (an Ethernet error status leaves it so) is reused by the next opening.
        open();
        EXPECT_EQ(link->CpuConnect(1), 1);
        EXPECT_EQ(kind == 0 ? com->opens : int(sock->connectTimes.size()), 2);

        // A failing closing request: the exchange's message, then its own.
        open();
        peer().withKnobs([](FaultKnobs& k) { k.errorReplies = 1; });
        link->TSK1600();
        EXPECT_EQ(sink.texts, (Texts{kTaskErr, kTaskErr}));
    }
}

TEST_F(LinkTest, PlatformFaultEndsTheExchange)
{
    const struct { int number; const char* text; } cases[] = {
        {40006, "Transmission Error on Ethernet.Err Number(40006)"},
        {10054, "Unexpected error is detected.Err Number(10054)"},
    };
    for (const auto& c : cases) {
        setup(1, 1, "");
        open();
        sock->faultOnSend = c.number;
        exchange("0123");
        EXPECT_EQ(st().EthError, 1);
        EXPECT_EQ(st().SerialError, 1);
        EXPECT_EQ(sink.texts, Texts{c.text});
        EXPECT_EQ(sock->state(), 0);
    }
}

// A serial device that goes away in the middle of an exchange (an adapter pulled out) is
// reported at once, wherever the exchange was waiting, instead of failing without a word.
TEST_F(LinkTest, SerialPortLostDuringTheExchangeIsReported)
{
    for (int at : {20, 70, 300}) { // frame gap, waiting for the ACK, polling
        SCOPED_TRACE(at);
        setup(0, 1, "");
        open();
        com->peerOn = false;
        rt->at(rt->nowMs() + 60, [this] { com->inject(std::string{ACK, 'F', CR}); });
        rt->at(rt->nowMs() + at, [this] { com->close(); });
        const int64_t start = rt->nowMs();
        exchange("0123");
        EXPECT_EQ(st().SerialError, 1);
        EXPECT_EQ(sink.texts, Texts{"Unexpected error is detected.Err Number(8018)"});
        EXPECT_FALSE(link->Timer1.enabled());
        EXPECT_LT(rt->nowMs() - start, 1000) << "no waiting for the watchdog";
    }
}

TEST_F(LinkTest, Delays)
{
    const struct { std::function<void(Link&)> wait; int64_t ms; } cases[] = {
        {[](Link& l) { l.Timer2_Wait(); }, 30},
        {[](Link& l) { l.Timer4_Wait(); }, 100},
        {[](Link& l) { l.Wait_Ms(250); }, 250},
        {[](Link& l) { l.Wait_Ms(0); }, 0},
    };
    for (const auto& c : cases) {
        const int64_t t0 = rt->nowMs();
        c.wait(*link);
        EXPECT_EQ(rt->nowMs() - t0, c.ms);
    }
}

} // namespace
