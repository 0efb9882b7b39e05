#pragma once
// The link to the controller CPU: opening and closing it, the task-code exchange over
// RS-232C or TCP, and the main window's four timers that bound and pace it.
//
// Single-threaded: every wait steps the timers and lets events run (Runtime), so the
// serial and socket events and the timers run nested inside the waits and talk to the
// waiting code only through flags.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "main/Frames.h"
#include "main/LinkApi.h"
#include "shared/LinkPorts.h"
#include "shared/Messages.h"
#include "shared/Public.h"
#include "shared/Runtime.h"

namespace posmod {

class Link : public Exchange, public LinkOps {
public:
    // What only the link reads and writes, kept between exchanges; readable for tests.
    struct State {
        int ProbeActive = 0;           // 1 while CpuConnect probes the code set
        int SerialError = 0;           // RS-232C: 1 from the start of an exchange until it succeeded
        int TaskErrorCode = 0;         // code 1-4 of the last RS-232C failure
        std::string ReplyBody;         // the last RS-232C reply line without STX and CR, sum kept
        std::string EthReplyHex;       // the last Ethernet answer from byte 1 on, as hex
        std::vector<uint8_t> EthBytes; // the request bytes sent, then the answer bytes received
        int EthBusy = 0;               // 1 when the last Ethernet answer was busy
        int EthError = 0;              // Ethernet: 1 when the last exchange failed
        int EthReceived = 0;           // set when an Ethernet answer has arrived
        int WatchdogTicks = 0;         // ticks of Timer1 in the running exchange
    };

    Link(Public& pub, Runtime& rt, SerialPort& MSComm1, TcpClient& Winsock1, MessageSink& msg);
    ~Link() override;
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // Timers of the main window: watchdog, 30 ms delay, frame gap, 100 ms delay.
    CoreTimer Timer1{100}, Timer2{30}, Timer3{50}, Timer4{100};

    // 0 the link did not open, 1 open with the code set chosen, 2 the opening request failed.
    // Refused (0, nothing done) while another link operation runs.
    int CpuConnect(int moduleType) override;
    bool Commopen();
    void POCLS() override;
    void TSK1600() override;

    ExchangeResult TaskCode_Exchange(std::string& taskText) override;
    void TaskErrorCode_Clear() override { st_.TaskErrorCode = 0; }
    // Frame gap, line wait, then one frame written; false when nothing was written.
    bool StxFrame_Send(const std::string& taskText);
    bool EnqFrame_Send();
    void TaskError_Report(int code);
    void CommLine_WaitReady(bool& ready);
    // Throws the port-not-open fault when the port was closed under a running exchange.
    void portLostCheck();

    void Winsock1_DataArrival(int bytesTotal);
    void MSComm1_OnComm(int commEvent);

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer2_Wait() override;
    void Timer4_Wait() override;
    void Wait_Ms(int ms) override;

    // A link procedure is running (the window that started it must stay, Exit and a second
    // link operation are refused).
    bool busy() const { return depth_ > 0; }

    // Raised by POCLS, on every close of the link.
    std::function<void()> onClosed;

    const State& state() const { return st_; }
    TimerSet& timers() { return timers_; }

private:
    struct Depth {
        explicit Depth(int& d) : d_(d) { ++d_; }
        ~Depth() { --d_; }
        int& d_;
    };

    ExchangeResult outcome(bool serial) const;
    void watchdogStart();
    void watchdogStop();
    void waitStep();
    // Starts a timer that stops itself and waits for its tick.
    void oneShot(CoreTimer& timer);
    bool frameGapAndLine();
    // Reads one line up to CR; false when the watchdog stopped, the port closed, or
    // (maxTicks >= 0) that many watchdog ticks passed without a full line.
    bool readLine(std::string& line, int maxTicks);
    void serialExchange(const std::string& task);
    void ethernetExchange(const std::string& task);
    void faultEnd(int number);
    void show(const std::string& text);

    Public& pub_;
    State st_;
    TimerSet timers_;
    SerialPort& MSComm1;
    TcpClient& Winsock1;
    MessageSink& msg_;

    int depth_ = 0;
    bool exchanging_ = false;
    bool serialOpen_ = false;   // the port is open by Commopen and not yet closed by POCLS
    std::size_t lineMax_ = 0;   // the longest reply line the running request can get
    bool ethAwaiting_ = false;  // an Ethernet exchange waits for its answer
    EthAnswerGather gather_;
    std::vector<uint8_t> ethRequest_;
};

} // namespace posmod
