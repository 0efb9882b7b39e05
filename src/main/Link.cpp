#include "main/Link.h"

#include <limits>

#include "main/Frames.h"
#include "shared/Conversions.h"
#include "shared/ModelTable.h"

namespace posmod {

namespace {
constexpr int kWatchdogLimit = 100;   // ticks of 100 ms
constexpr int kEnqWaitTicks = 10;     // 1 s for a line answering an ENQ
constexpr int kAnswerTries = 5;
constexpr int kEnqsPerCycle = 3;
constexpr int kReconnects = 3;
constexpr int kOpenWaitMs = 1000;
constexpr int kConnected = 7;
constexpr int kPortNotOpen = 8018; // the serial control's "port not open"
constexpr int kWrongState = 40006; // the socket control's "wrong protocol or connection state"
constexpr int kClosed = 0;
constexpr int64_t kForever = std::numeric_limits<int64_t>::max();
constexpr const char* kTaskCodeError = "Task Code Error Occurred";
constexpr const char* kTimeOut = "Time Out Occurred";

// Socket errors that mean the link itself failed; any other number is unexpected.
bool transmissionError(int number) { return number == 40006 || number == 40020 || number == 0; }

std::string ethErrorText(int number)
{
    return (transmissionError(number) ? "Transmission Error on Ethernet.Err Number("
                                      : "Unexpected error is detected.Err Number(") +
           std::to_string(number) + ")";
}
} // namespace

Link::Link(Public& pub, Runtime& rt, SerialPort& comm, TcpClient& sock, MessageSink& msg)
    : pub_(pub), timers_(rt), MSComm1(comm), Winsock1(sock), msg_(msg)
{
    for (CoreTimer* t : {&Timer1, &Timer2, &Timer3, &Timer4}) timers_.add(*t);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
    Timer4.onTimer = [this] { Timer4_Timer(); };
    MSComm1.onComm = [this](int ev) { MSComm1_OnComm(ev); };
    Winsock1.onDataArrival = [this](int n) { Winsock1_DataArrival(n); };
}

Link::~Link()
{
    MSComm1.onComm = nullptr;
    Winsock1.onDataArrival = nullptr;
}

void Link::show(const std::string& text) { msg_.show(text, MsgIcon::Critical); }

ExchangeResult Link::outcome(bool serial) const
{
    if ((serial ? st_.SerialError : st_.EthError) != 0) return {};
    return {true, serial ? st_.ReplyBody : st_.EthReplyHex};
}

void Link::watchdogStart()
{
    // Off and on again: every exchange gets its full 10 s.
    timers_.enable(Timer1, false);
    st_.WatchdogTicks = 0;
    timers_.enable(Timer1, true);
}

void Link::watchdogStop()
{
    timers_.enable(Timer1, false);
    st_.WatchdogTicks = 0;
}

void Link::waitStep() { timers_.step(kForever); }

// ---------------------------------------------------------------- opening and closing

int Link::CpuConnect(int moduleType)
{
    if (depth_ > 0) return 0;
    Depth d(depth_);
    st_.ProbeActive = 0;
    if (!Commopen()) {
        POCLS();
        return 0;
    }
    std::string task = "1000";
    if (!TaskCode_Exchange(task).done) return 2;
    bool fullSet = true;
    if (Model_Family(moduleType) != ModelFamily::OneAxis) {
        st_.ProbeActive = 1;
        task = "A00200000001";
        fullSet = TaskCode_Exchange(task).done;
        st_.ProbeActive = 0;
    }
    pub_.TaskCode1 = fullSet ? "A5" : "45";
    pub_.TaskCode2 = fullSet ? "A0" : "40";
    pub_.TaskCode3 = fullSet ? "A4" : "44";
    return 1;
}

bool Link::Commopen()
{
    Depth d(depth_);
    st_.TaskErrorCode = 0;
    Runtime& rt = timers_.runtime();
    const Settings& s = pub_.set;
    if (s.LinkKind == 0) {
        MSComm1.setCommPort(s.R_PortNo);
        if (!MSComm1.isOpen()) MSComm1.open(); // a failure shows in the line test below
        Wait_Ms(kOpenWaitMs);
        if (!MSComm1.ctsHolding() || !MSComm1.dsrHolding()) {
            show("PortOpen Error Occurred");
            MSComm1.close();
            return false;
        }
        serialOpen_ = true;
        return true;
    }

    if (Winsock1.state() == kConnected) return true; // left open by the last operation: reused
    const int64_t port = decimalValue(s.L_PortNo).value_or(0);
    const int remotePort = port > std::numeric_limits<int32_t>::max() ? 0 : int(port);
    Winsock1.connectTo(s.L_IpAddr, remotePort);
    int reconnects = 0;
    int64_t since = rt.nowMs();
    for (;;) {
        if (Winsock1.state() == kConnected) return true;
        if (rt.nowMs() - since > kOpenWaitMs) {
            if (reconnects == kReconnects) break;
            Winsock1.close();
            rt.waitUntil(rt.nowMs());
            timers_.fireDue();
            ++reconnects;
            Winsock1.connectTo(s.L_IpAddr, remotePort);
            since = rt.nowMs();
            continue;
        }
        timers_.step(since + kOpenWaitMs + 1);
    }
    const int err = Winsock1.lastError();
    if (transmissionError(err)) Winsock1.close();
    show(ethErrorText(err));
    return false;
}

void Link::POCLS()
{
    // Both links: an option changed during an operation must not leave one open.
    if (MSComm1.isOpen()) MSComm1.close();
    serialOpen_ = false;
    if (Winsock1.state() != kClosed) Winsock1.close();
    ethAwaiting_ = false;
    watchdogStop();
    if (onClosed) onClosed();
}

void Link::TSK1600()
{
    if (depth_ > 0) return;
    Depth d(depth_);
    const bool serial = pub_.set.LinkKind == 0;
    // A port that went away under us is not closed: the exchange reports it.
    if (serial ? !serialOpen_ && !MSComm1.isOpen() : Winsock1.state() == kClosed) return;
    std::string task = "1600";
    if (!TaskCode_Exchange(task).done) show(kTaskCodeError);
}

void Link::CommLine_WaitReady(bool& ready)
{
    ready = true; // stays so when a port fault throws out of the wait
    // False when the watchdog stopped before the line came up.
    auto waitFor = [this](auto holding) {
        while (!holding()) {
            if (!Timer1.enabled()) return false;
            portLostCheck();
            waitStep();
        }
        return true;
    };
    ready = waitFor([this] { return MSComm1.ctsHolding(); }) && waitFor([this] { return MSComm1.dsrHolding(); });
}

void Link::portLostCheck()
{
    // Every close of ours goes through POCLS; a port that closed otherwise went away (an
    // adapter pulled out, the device hung up), which the user must hear of.
    if (serialOpen_ && !MSComm1.isOpen()) throw PortFault(kPortNotOpen);
}

void Link::MSComm1_OnComm(int commEvent)
{
    if (commEvent != 1002 && commEvent != 1003 && commEvent != 1007) return;
    watchdogStop();
    show(kTimeOut);
    POCLS();
}

// ---------------------------------------------------------------- timers and delays

void Link::Timer1_Timer()
{
    ++st_.WatchdogTicks;
    if (st_.WatchdogTicks >= kWatchdogLimit) {
        // From here on the running exchange has failed: an answer arriving while the
        // message is up is not taken.
        ethAwaiting_ = false;
        watchdogStop();
        show("Time Out(10s)Occurred\r\r");
        POCLS();
    }
}

void Link::Timer2_Timer() { timers_.enable(Timer2, false); }
void Link::Timer3_Timer() { timers_.enable(Timer3, false); }
void Link::Timer4_Timer() { timers_.enable(Timer4, false); }

void Link::oneShot(CoreTimer& timer)
{
    // Each of these timers switches itself off on its first tick.
    timers_.enable(timer, true);
    while (timer.enabled()) waitStep();
}

void Link::Timer2_Wait()
{
    Depth d(depth_);
    oneShot(Timer2);
}

void Link::Timer4_Wait()
{
    Depth d(depth_);
    oneShot(Timer4);
}

void Link::Wait_Ms(int ms)
{
    Depth d(depth_);
    Runtime& rt = timers_.runtime();
    const int64_t until = rt.nowUs() + int64_t(ms > 0 ? ms : 0) * 1000;
    while (rt.nowUs() < until) timers_.stepUs(until);
}

// ---------------------------------------------------------------- the exchange

ExchangeResult Link::TaskCode_Exchange(std::string& taskText)
{
    Depth d(depth_);
    taskText = asciiUpper(taskText);
    const bool serial = pub_.set.LinkKind == 0;
    if (exchanging_) {
        // Started from an event inside another exchange: refused.
        (serial ? st_.SerialError : st_.EthError) = 1;
        return {};
    }
    exchanging_ = true;
    try {
        if (serial)
            serialExchange(taskText);
        else
            ethernetExchange(taskText);
    } catch (const PortFault& f) {
        faultEnd(f.number);
    }
    exchanging_ = false;
    return outcome(serial);
}

void Link::faultEnd(int number)
{
    ethAwaiting_ = false;
    watchdogStop();
    show(ethErrorText(number));
    st_.EthError = 1;
    st_.SerialError = 1;
    POCLS();
}

bool Link::frameGapAndLine()
{
    oneShot(Timer3);
    bool ready = false;
    CommLine_WaitReady(ready);
    if (ready) portLostCheck();
    return ready && MSComm1.isOpen();
}

bool Link::StxFrame_Send(const std::string& taskText)
{
    if (!frameGapAndLine()) return false;
    const Settings& s = pub_.set;
    // Whatever is still waiting belongs to an earlier exchange.
    MSComm1.clearInput();
    MSComm1.output(RequestFrame_Build(taskText, s.R_StatNo, s.R_LpAddr, s.R_ProcNo));
    return true;
}

bool Link::EnqFrame_Send()
{
    if (!frameGapAndLine()) return false;
    MSComm1.output(EnqPollFrame_Build(pub_.set.R_StatNo));
    return true;
}

void Link::TaskError_Report(int code)
{
    (void)code; // every code gives the same message
    if (st_.ProbeActive != 0) return;
    watchdogStop();
    show(kTaskCodeError);
    POCLS();
}

bool Link::readLine(std::string& line, int maxTicks)
{
    line.clear();
    const int startTicks = st_.WatchdogTicks;
    for (;;) {
        while (MSComm1.isOpen() && MSComm1.inBufferCount() > 0) {
            const std::string c = MSComm1.input();
            if (c.empty()) break;
            if (c.back() == CR) {
                line += c;
                return true;
            }
            // A line longer than any answer is cut there and judged when its CR comes.
            if (line.size() + 1 < lineMax_) line += c;
        }
        portLostCheck();
        if (!Timer1.enabled()) return false;
        if (maxTicks >= 0 && st_.WatchdogTicks - startTicks >= maxTicks) return false;
        waitStep();
    }
}

void Link::serialExchange(const std::string& task)
{
    const Settings& s = pub_.set;
    st_.SerialError = 1;
    watchdogStart();
    if (!MSComm1.isOpen()) {
        watchdogStop();
        portLostCheck();
        return;
    }
    lineMax_ = SerialReplyLine_Max(task);
    const int proc = s.R_ProcNo == 2 ? 2 : 1;
    if (!StationNo_IsValid(s.R_StatNo) || (proc == 1 && !NetAddr_IsValid(s.R_LpAddr))) {
        watchdogStop();
        TaskError_Report(0);
        return;
    }
    auto fail = [this](int code) {
        st_.TaskErrorCode = code;
        watchdogStop();
        TaskError_Report(code);
    };

    bool ready = false;
    CommLine_WaitReady(ready);
    if (!ready || !StxFrame_Send(task)) {
        watchdogStop();
        return;
    }

    std::string line;
    bool ack = false, direct = false;
    for (int t = 0; t < kAnswerTries && !ack && !direct; ++t) {
        st_.ReplyBody.clear();
        if (!readLine(line, -1)) {
            watchdogStop();
            return;
        }
        if (line[0] == ACK)
            ack = true;
        else if (proc == 2 && line[0] == STX)
            direct = true;
    }
    if (!ack && !direct) {
        fail(NoAckCode);
        return;
    }

    if (ack) {
        int unanswered = 0;
        for (;;) {
            MSComm1.clearInput();
            MSComm1.clearOutput();
            if (!EnqFrame_Send()) {
                watchdogStop();
                return;
            }
            if (readLine(line, kEnqWaitTicks)) {
                if (line[0] == EOT) {
                    unanswered = 0; // a new poll cycle
                    continue;
                }
                break;
            }
            if (!Timer1.enabled() || !MSComm1.isOpen()) {
                watchdogStop();
                return;
            }
            if (++unanswered == kEnqsPerCycle) {
                watchdogStop();
                show(kTimeOut);
                POCLS();
                return;
            }
        }
    }

    const int code = ReplyFrame_Check(line, proc, pub_.ReplyStatusOffset, st_.ReplyBody);
    if (code != ReplyOk) {
        fail(code);
        return;
    }
    st_.SerialError = 0;
    watchdogStop();
}

void Link::ethernetExchange(const std::string& task)
{
    const Settings& s = pub_.set;
    watchdogStart();
    if (Winsock1.state() == kClosed) { // closed by us: nothing to send on
        st_.EthError = 1;
        watchdogStop();
        return;
    }
    // Dropped by the peer or failed: the send would raise "wrong state", so say it as such.
    if (Winsock1.state() != kConnected) throw PortFault(kWrongState);
    std::vector<uint8_t> request;
    if (!EthRequest_Build(s.L_SeriNo, s.L_StatNo, s.L_LpAddr, task, request)) {
        st_.EthError = 1;
        watchdogStop();
        show(kTaskCodeError);
        return;
    }
    // The code-set probe is judged by its status alone: its words are never read.
    const AnswerShape shape = st_.ProbeActive != 0 ? AnswerShape{} : AnswerShape_Of(task);
    ethRequest_ = request;
    st_.EthBytes = request;
    for (;;) {
        // Whatever is still waiting belongs to an earlier exchange.
        (void)Winsock1.getData();
        st_.EthReceived = 0;
        st_.EthBusy = 0;
        st_.EthError = 0;
        gather_.reset(shape);
        ethAwaiting_ = true;
        Winsock1.sendData(ethRequest_);
        while (st_.EthReceived == 0) {
            if (!Timer1.enabled()) {
                ethAwaiting_ = false;
                st_.EthError = 1;
                return;
            }
            if (Winsock1.state() != kConnected) {
                // What came before the connection went is still taken; short of a whole
                // answer the link is lost.
                Winsock1_DataArrival(0);
                if (st_.EthReceived != 0) break;
                throw PortFault(kWrongState);
            }
            waitStep();
        }
        st_.EthReceived = 0;
        if (st_.EthError == 1) return; // an error status, reported on arrival
        if (!Timer1.enabled()) {       // the watchdog fired after the answer came: it counts
            st_.EthError = 1;
            return;
        }
        if (st_.EthBusy != 1) break;
    }
    watchdogStop();
}

void Link::Winsock1_DataArrival(int bytesTotal)
{
    (void)bytesTotal; // what was actually taken counts
    std::vector<uint8_t> bytes = Winsock1.getData();
    // Between exchanges, or after the watchdog fired: belongs to no exchange.
    if (!ethAwaiting_ || !Timer1.enabled()) return;
    if (!gather_.add(bytes)) return;
    ethAwaiting_ = false;
    st_.EthBytes = gather_.bytes();
    st_.EthError = 0;
    std::string hex;
    const EthAnswer a = EthReply_Classify(st_.EthBytes, hex);
    st_.EthReceived = 1;
    st_.EthReplyHex = hex;
    switch (a) {
    case EthAnswer::Done: st_.EthBusy = 0; break;
    case EthAnswer::Busy: st_.EthBusy = 1; break;
    default:
        st_.EthError = 1;
        st_.EthBusy = 0;
        watchdogStop();
        show(kTaskCodeError);
        break;
    }
}

} // namespace posmod
