#pragma once
// The program's clock and wait: a nested event loop that ends at the deadline or as
// soon as an I/O event has been handled (the adapters call wake()).
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "shared/Runtime.h"

class QEventLoop;
class QSocketNotifier;
struct itimerspec;

namespace posmod {

// The kernel's timer calls a wait sets its deadline with (timerfd_create, timerfd_settime),
// so a test can make them fail.
struct DeadlineTimerCalls {
    std::function<int(int clock, int flags)> create;
    std::function<int(int fd, int flags, const itimerspec* value, itimerspec* old)> settime;
};
// The system's own; empty where it has none.
DeadlineTimerCalls SystemDeadlineTimers();

class QtRuntime : public QObject, public Runtime {
    Q_OBJECT
public:
    explicit QtRuntime(QObject* parent = nullptr);
    explicit QtRuntime(DeadlineTimerCalls calls, QObject* parent = nullptr);
    ~QtRuntime() override;
    int64_t nowMs() const override { return nowUs() / 1000; }
    void waitUntil(int64_t deadlineMs) override { waitUntilUs(deadlineMs * 1000); }
    // The monotonic clock in microseconds since this runtime was made.
    int64_t nowUs() const override;
    // Ends at the deadline to the microsecond (as the system can wake), or at the first
    // event handled that calls wake(). Where the kernel's timer cannot be had, set or
    // cleared, the deadline is kept by a Qt timer of whole milliseconds, never short of it.
    void waitUntilUs(int64_t deadlineUs) override;
    // Ends every wait in progress, so each re-tests what it waits for.
    void wake();

private:
    // The deadline of the wait at one depth of nesting, kept from wait to wait.
    struct Deadline {
        int fd = -1;
        std::unique_ptr<QSocketNotifier> expiry;
    };
    // The timer of a depth; nullptr when there is none to use (the wait takes a Qt timer).
    Deadline* deadline(std::size_t depth);
    // Given up: its notifier and descriptor go, its depth waits on Qt timers from then on.
    void retire(Deadline& d);

    DeadlineTimerCalls calls_;
    int64_t startNs_ = 0;
    std::vector<QEventLoop*> loops_;
    std::vector<std::unique_ptr<Deadline>> deadlines_;
};

} // namespace posmod
