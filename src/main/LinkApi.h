#pragma once
// The seams between the link, the task sequences and the transfers, so each can be
// tested against a stub of the one below it.
#include <string>

namespace posmod {

// What one task-code exchange gives back to the task that asked for it.
struct ExchangeResult {
    bool done = false;  // false: the exchange failed (the link has reported it where it reports)
    // The answer of a done exchange: RS-232C the reply line without STX and CR (sum kept),
    // Ethernet the answer's bytes from byte 1 on as hex. Empty when the exchange failed.
    std::string reply;
};

// What the task sequences need of the link (the main window's exchange and delays).
class Exchange {
public:
    virtual ~Exchange() = default;
    virtual ExchangeResult TaskCode_Exchange(std::string& taskText) = 0;
    // The start of every task forgets the failure code of the last RS-232C exchange.
    virtual void TaskErrorCode_Clear() {}
    virtual void Timer2_Wait() = 0;   // 30 ms
    virtual void Timer4_Wait() = 0;   // 100 ms
    virtual void Wait_Ms(int ms) = 0; // yielding wait on the monotonic clock
};

// Opening and closing of the link, as the operations call them.
class LinkOps {
public:
    virtual ~LinkOps() = default;
    virtual int CpuConnect(int moduleType) = 0; // 0 not opened, 1 open, 2 opening request failed
    virtual void TSK1600() = 0;
    virtual void POCLS() = 0;
};

// One numbered task.
class TaskOps {
public:
    virtual ~TaskOps() = default;
    virtual int TaskSend(int taskNo, int index) = 0; // 1 done, 2 failed, 0 no such task
};

} // namespace posmod
