// The exchange, opening and closing on the virtual clock, against the in-process peer.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "fakecpu/PeerProtocol.h"
#include "main/Frames.h"
#include "main/Link.h"
#include "main/TaskSend.h"
#include "shared/RegisterTable.h"
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
const std::string kDropped = "Transmission Error on Ethernet.Err Number(40006)";
const std::string kLost = "Unexpected error is detected.Err Number(8018)";

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
    ExchangeResult exchange(std::string task) { return link->TaskCode_Exchange(task); }
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

// A one-word read, so that the answer's data counts.
const char* const kReadTask = "A0080000001001";

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
        int64_t maxMs;
    } cases[] = {
        {"plain", {}, true, {}, true, 1, 1, 10},
        {"busy three times", knobsWith([](FaultKnobs& x) { x.busyTimes = 3; }), true, {}, true, 4, 4, 20},
        {"busy for ever", knobsWith([](FaultKnobs& x) { x.busyTimes = 1'000'000; }), false, {kWatchdog}, false, 100, 100'000, 10'001},
        {"error status", knobsWith([](FaultKnobs& x) { x.errorReplies = 1; }), false, {kTaskErr}, true, 1, 1, 10},
        // Short answers wait for the rest, which never comes, as a silent peer does.
        {"too short for the status", knobsWith([](FaultKnobs& x) { x.shortReplies = 1; x.shortLength = 6; }), false, {kWatchdog}, false, 1, 1, 10'001},
        {"data cut short", knobsWith([](FaultKnobs& x) { x.shortReplies = 1; x.shortLength = 8; }), false, {kWatchdog}, false, 1, 1, 10'001},
        {"silence", knobsWith([](FaultKnobs& x) { x.silentRequests = 1; }), false, {kWatchdog}, false, 1, 1, 10'001},
        {"dropped connection", knobsWith([](FaultKnobs& x) { x.dropConnections = 1; }), false, {kDropped}, false, 1, 1, 10},
        {"slow answer", knobsWith([](FaultKnobs& x) { x.slowMs = 9000; }), true, {}, true, 1, 1, 9010},
        {"late answer", knobsWith([](FaultKnobs& x) { x.lateAnswers = 1; }), false, {kWatchdog}, false, 1, 1, 10'001},
        {"split answer", knobsWith([](FaultKnobs& x) { x.splitAnswers = 1; x.splitBytes = 3; }), true, {}, true, 1, 1, 100},
        {"split busy answers", knobsWith([](FaultKnobs& x) { x.busyTimes = 2; x.splitAnswers = 3; x.splitBytes = 1; }), true, {}, true, 3, 3, 500},
    };
    cpu.hook = [](const std::string&) { return CpuAnswer{0, "BEEF"}; };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setup(1, 1, "");
        open();
        sock->peer().setKnobs(c.knobs);
        const int64_t t0 = rt->nowMs();
        const ExchangeResult r = exchange(kReadTask);
        EXPECT_LE(rt->nowMs() - t0, c.maxMs);
        EXPECT_EQ(r.done, c.ok);
        EXPECT_EQ(st().EthError, c.ok ? 0 : 1);
        EXPECT_EQ(sink.texts, c.messages);
        EXPECT_EQ(sock->state() == 7, c.open);
        EXPECT_GE(int(sock->sent.size()), c.minSends);
        EXPECT_LE(int(sock->sent.size()), c.maxSends);
        for (const auto& s : sock->sent) EXPECT_EQ(s.bytes, sock->sent.front().bytes) << "repeats send the request";
        EXPECT_EQ(r.reply, c.ok ? "00FFFF000000BEEF" : "");
        if (c.ok) {
            EXPECT_EQ(st().EthReplyHex, "00FFFF000000BEEF");
        }
        EXPECT_FALSE(link->Timer1.enabled());
    }
}

// TCP delivers an answer in whatever pieces the network makes of it: the pieces are
// gathered until the answer the request implies is whole, and it is judged once.
TEST_F(LinkTest, EthernetAnswerIsGatheredFromItsPieces)
{
    using Bytes = std::vector<uint8_t>;
    const Bytes head{0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00};
    auto answer = [&](uint8_t status, Bytes data) {
        Bytes a = head;
        a.push_back(status);
        a.insert(a.end(), data.begin(), data.end());
        return a;
    };
    const Bytes twoWords = answer(0x00, {0x12, 0x34, 0x56, 0x78});
    const Bytes memory = answer(0x00, {0x7F, 0xAB, 0xCD, 0xEF, 0x01});
    // Cuts a stream after the given lengths; what remains is the last piece.
    auto cut = [](const Bytes& all, std::vector<std::size_t> lengths) {
        std::vector<Bytes> pieces;
        std::size_t at = 0;
        for (std::size_t n : lengths) {
            pieces.emplace_back(all.begin() + long(at), all.begin() + long(at + n));
            at += n;
        }
        if (at < all.size()) pieces.emplace_back(all.begin() + long(at), all.end());
        return pieces;
    };
    auto join = [](Bytes a, const Bytes& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const struct {
        const char* name;
        const char* task;
        std::vector<Bytes> pieces; // 10 ms apart
        bool ok;
        const char* hex;
        Texts messages;
        int sends;
    } cases[] = {
        {"one piece", "A4020800000208000003", {twoWords}, true, "00FFFF00000012345678", {}, 1},
        {"one byte, then the rest", "A4020800000208000003", cut(twoWords, {1}), true, "00FFFF00000012345678", {}, 1},
        {"three and four bytes, then the data", "A4020800000208000003", cut(twoWords, {3, 4}), true, "00FFFF00000012345678", {}, 1},
        {"byte by byte", "A4020800000208000003", cut(twoWords, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), true, "00FFFF00000012345678", {}, 1},
        {"bytes beyond the answer are not kept", "A4020800000208000003", {join(twoWords, {0x9A, 0xBC})}, true, "00FFFF00000012345678", {}, 1},
        {"nor those arriving after it", "A4020800000208000003", {twoWords, {0x9A, 0xBC}}, true, "00FFFF00000012345678", {}, 1},
        {"a request without data is whole at its status", "0123", cut(join(answer(0x00, {}), {0x42}), {3}), true, "00FFFF000000", {}, 1},
        {"memory words after the echo", "7F0000C0602C04", cut(memory, {8}), true, "00FFFF0000007FABCDEF01", {}, 1},
        {"error status, whole at its status", "A4020800000208000003", cut(answer(0x51, {}), {6}), false, "", {kTaskErr}, 1},
        {"busy in pieces, then done", "A4020800000208000003", {{0x80, 0x00, 0xFF}, {0xFF, 0x00, 0x00, 0x08}}, true, "00FFFF00000012345678", {}, 2},
        {"too short for the status", "0123", {{0x80, 0x00, 0xFF}}, false, "", {kWatchdog}, 1},
        {"data cut short", "A4020800000208000003", {Bytes(twoWords.begin(), twoWords.begin() + 9)}, false, "", {kWatchdog}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setup(1, 1, "");
        open();
        sock->peerOn = false;
        // The first request is answered by the pieces, a repeat after busy by the whole answer.
        sock->onSend = [&](const Bytes&) {
            int64_t at = rt->nowMs() + 5;
            if (sock->sent.size() == 1)
                for (const Bytes& p : c.pieces) sock->deliver(p, at), at += 10;
            else
                sock->deliver(twoWords, at);
        };
        const ExchangeResult r = exchange(c.task);
        EXPECT_EQ(r.done, c.ok);
        EXPECT_EQ(r.reply, c.hex);
        EXPECT_EQ(sink.texts, c.messages);
        EXPECT_EQ(int(sock->sent.size()), c.sends);
        EXPECT_EQ(sock->state() == 7, c.messages != Texts{kWatchdog});
    }
}

// An answer that comes after the watchdog fired, while its message is still up, belongs to
// an exchange that has failed: nothing of it is stored, the opening or task fails, and the
// link stays closed. Both links.
TEST_F(LinkTest, AnswerAfterTheWatchdogFiredIsNotTaken)
{
    const int row = 100;
    const struct {
        const char* name;
        int kind;
        const char* before; // the request after this one is answered late ("" the first)
        int task;           // 0: the opening
    } cases[] = {
        {"opening, Ethernet", 1, "", 0},
        {"opening, RS-232C", 0, "", 0},
        {"status words, Ethernet", 1, "1700", 5},
        {"status words, RS-232C", 0, "1700", 5},
        {"register read, Ethernet", 1, "A403", 3},
        {"register read, RS-232C", 0, "A403", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setup(c.kind, 1, "");
        ModuleType_Set(pub, 2);
        CodeTable_Set7W(pub.reg);
        pub.set.RusRemoteNo = "0", pub.set.RusUnitNo = "1", pub.set.RusSlotNo = "2";
        Tasks tasks(pub, *link, sink);
        const std::string readBefore = pub.reg.ReadData[row];
        cpu.hook = [&](const std::string& t) {
            if (*c.before && t.rfind(c.before, 0) == 0) peer().withKnobs([](FaultKnobs& k) { k.lateAnswers = 1; });
            return CpuAnswer{0, "123456789ABC"}; // enough words for every read
        };
        // The message box stays up for a second; the answer arrives meanwhile (10.3 s).
        sink.onShow = [this](const std::string&) {
            if (link->Timer1.enabled()) ++shownWithWatchdog;
            rt->advance(1000);
        };
        int result = 0;
        if (c.task == 0) {
            peer().withKnobs([](FaultKnobs& k) { k.lateAnswers = 1; });
            result = link->CpuConnect(2);
        } else {
            ASSERT_EQ(link->CpuConnect(2), 1);
            result = tasks.TaskSend(c.task, row);
        }
        EXPECT_EQ(result, 2);
        EXPECT_EQ(sink.texts, Texts{kWatchdog});
        EXPECT_FALSE(linkOpen());
        EXPECT_EQ(pub.StatusReg_Data[0], "");
        EXPECT_EQ(pub.reg.ReadData[row], readBefore);
        const Texts sent = peer().tasks();
        EXPECT_TRUE(*c.before == 0 || std::find_if(sent.begin(), sent.end(), [&](const std::string& t) {
                        return t.rfind(c.before, 0) == 0;
                    }) != sent.end()) << "the late answer came where it should";
        rt->advance(20'000);
        EXPECT_EQ(sink.texts, Texts{kWatchdog}) << "nothing more follows";
        cpu.hook = nullptr;
    }
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

    // Dropped during an exchange: ended at once, unless the whole answer came before.
    const struct { const char* name; std::vector<uint8_t> before; bool ok; Texts messages; } cases[] = {
        {"part of the answer", {0x80, 0x00, 0xFF, 0xFF}, false, {kDropped}},
        {"nothing", {}, false, {kDropped}},
        {"the whole answer", {0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00}, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setup(1, 1, "");
        open();
        sock->peerOn = false;
        sock->onSend = [&](const std::vector<uint8_t>&) {
            if (!c.before.empty()) sock->inject(c.before, 5);
            rt->after(5, [this] { sock->dropNow(); });
        };
        const int64_t t0 = rt->nowMs();
        EXPECT_EQ(exchange("0123").done, c.ok);
        EXPECT_EQ(sink.texts, c.messages);
        EXPECT_LE(rt->nowMs() - t0, 10);
        rt->advance(10);
        EXPECT_EQ(sock->state(), c.ok ? 8 : 0) << "closed by the link when it failed";
    }
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

// A device that hangs up while the link is open, between exchanges: the next exchange
// reports it at once and sends nothing, the closing request too; a hang-up played by the
// peer in answer to a request ends that exchange the same way.
TEST_F(LinkTest, SerialHangUpIsReportedAndClosesTheLink)
{
    open();
    com->hangUp();
    const int64_t t0 = rt->nowMs();
    const ExchangeResult r = exchange("0123");
    EXPECT_FALSE(r.done);
    EXPECT_EQ(sink.texts, Texts{kLost});
    EXPECT_TRUE(com->written.empty());
    EXPECT_LT(rt->nowMs() - t0, 10);

    setup(0, 1, "");
    open();
    com->hangUp();
    link->TSK1600();
    EXPECT_EQ(sink.texts, (Texts{kLost, kTaskErr}));
    EXPECT_TRUE(com->written.empty());
    link->POCLS();
    link->TSK1600(); // closed by us now: nothing
    EXPECT_EQ(sink.texts.size(), 2u);

    for (int proc : {1, 2}) {
        setup(0, proc, "");
        open();
        com->peer().withKnobs([](FaultKnobs& k) { k.hangUps = 1; });
        const int64_t t1 = rt->nowMs();
        EXPECT_FALSE(exchange("0123").done);
        EXPECT_EQ(sink.texts, Texts{kLost});
        EXPECT_FALSE(com->isOpen());
        EXPECT_LT(rt->nowMs() - t1, 200);
        EXPECT_FALSE(link->Timer1.enabled());
    }
}

// A peer that floods characters without a CR: the line keeps at most the longest reply any
// request can get and drops the rest until the CR, then is judged as any line is; one that
// never ends ends on the watchdog. The longest legal reply still comes through whole.
TEST_F(LinkTest, SerialFloodWithoutCrIsCut)
{
    const std::string flood(1 << 20, 'A');
    const struct {
        const char* name;
        std::string answer; // after STX, sent in answer to the request (procedure 2)
        int code;
        Texts messages;
    } cases[] = {
        {"flood, then CR", flood + "\r", SumCode, {kTaskErr}},
        {"flood without end", flood, 0, {kWatchdog}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setup(0, 2, "");
        open();
        com->peerOn = false;
        com->onWrite = [&](const std::string& w) {
            if (w[0] == STX) com->inject(std::string(1, STX) + c.answer, 5);
        };
        EXPECT_FALSE(exchange("0123").done);
        EXPECT_EQ(sink.texts, c.messages);
        if (c.code) {
            EXPECT_EQ(st().TaskErrorCode, c.code);
        }
        EXPECT_LE(st().ReplyBody.size() + 2, SerialReplyLine_Max("0123"));
    }

    // A step read in the long memory form, with a station: the longest the tasks ask for.
    std::string words = "FF00000000007F";
    for (int w = 0; w < 36; ++w) words += "BEEF";
    cpu.hook = [&](const std::string&) { return CpuAnswer{0, words}; };
    setup(0, 1, "05");
    open();
    const ExchangeResult r = exchange("FF00000000007F0018006038" "0024");
    ASSERT_TRUE(r.done);
    EXPECT_EQ(r.reply, "F05FFFF00000" + words + peerSum("F05FFFF00000" + words));
    EXPECT_TRUE(sink.texts.empty());
    cpu.hook = nullptr;
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
