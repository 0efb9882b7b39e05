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

#include "main/LinkApi.h"
#include "shared/LinkPorts.h"
#include "shared/Messages.h"
#include "shared/Public.h"
#include "shared/Runtime.h"

namespace posmod {

class Link : public Exchange, public LinkOps {
public:
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

    void TaskCode_Exchange(std::string& taskText) override;
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

    // Called by POCLS: the [Setting] menu is enabled again.
    std::function<void()> SettingMenu_Enable;

    TimerSet& timers() { return timers_; }

private:
    struct Depth {
        explicit Depth(int& d) : d_(d) { ++d_; }
        ~Depth() { --d_; }
        int& d_;
    };

    bool failed() const;
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
    TimerSet timers_;
    SerialPort& MSComm1;
    TcpClient& Winsock1;
    MessageSink& msg_;

    int depth_ = 0;
    bool exchanging_ = false;
    bool ethAwaiting_ = false;
    std::vector<uint8_t> ethRequest_;
};

} // namespace posmod
