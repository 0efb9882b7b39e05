#include "platform/QtRuntime.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <ctime>

#ifdef __linux__
#include <QSocketNotifier>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace posmod {

namespace {
int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

#ifdef __linux__
bool arm(const DeadlineTimerCalls& calls, int fd, int64_t atNs)
{
    itimerspec spec{};
    spec.it_value.tv_sec = time_t(atNs / 1'000'000'000);
    spec.it_value.tv_nsec = long(atNs % 1'000'000'000);
    return calls.settime(fd, TFD_TIMER_ABSTIME, &spec, nullptr) == 0;
}

// Disarmed, so that a wait that ended early is not woken for again. An expiry that came
// just before is read by the notifier and at worst ends the next wait at that depth early,
// which its caller's loop takes as any wake-up.
bool disarm(const DeadlineTimerCalls& calls, int fd)
{
    itimerspec none{};
    return calls.settime(fd, 0, &none, nullptr) == 0;
}
#endif
} // namespace

#ifdef __linux__
DeadlineTimerCalls SystemDeadlineTimers() { return {::timerfd_create, ::timerfd_settime}; }
#else
DeadlineTimerCalls SystemDeadlineTimers() { return {}; }
#endif

QtRuntime::QtRuntime(QObject* parent) : QtRuntime(SystemDeadlineTimers(), parent) {}

QtRuntime::QtRuntime(DeadlineTimerCalls calls, QObject* parent)
    : QObject(parent), calls_(std::move(calls)), startNs_(monotonicNs())
{
}

QtRuntime::~QtRuntime()
{
#ifdef __linux__
    for (auto& d : deadlines_) retire(*d);
#endif
}

int64_t QtRuntime::nowUs() const { return (monotonicNs() - startNs_) / 1000; }

QtRuntime::Deadline* QtRuntime::deadline(std::size_t depth)
{
#ifdef __linux__
    if (!calls_.create || !calls_.settime) return nullptr;
    // A timer that could not be made is asked for again by the next wait (the system may
    // have run short of descriptors only for a while); until then the waits use Qt timers.
    while (deadlines_.size() <= depth) {
        const int fd = calls_.create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (fd < 0) return nullptr;
        auto d = std::make_unique<Deadline>();
        d->fd = fd;
        d->expiry = std::make_unique<QSocketNotifier>(qintptr(fd), QSocketNotifier::Read);
        const std::size_t at = deadlines_.size();
        connect(d->expiry.get(), &QSocketNotifier::activated, this, [this, at, fd] {
            uint64_t expirations = 0;
            (void)!::read(fd, &expirations, sizeof expirations);
            if (at < loops_.size()) loops_[at]->quit();
        });
        deadlines_.push_back(std::move(d));
    }
    Deadline* d = deadlines_[depth].get();
    return d->fd >= 0 ? d : nullptr;
#else
    (void)depth;
    return nullptr;
#endif
}

void QtRuntime::retire(Deadline& d)
{
#ifdef __linux__
    d.expiry.reset();
    if (d.fd >= 0) ::close(d.fd);
#endif
    d.fd = -1;
}

void QtRuntime::waitUntilUs(int64_t deadlineUs)
{
    const int64_t left = deadlineUs - nowUs();
    if (left <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QEventLoop loop;
    // A far deadline is re-armed by the caller's loop.
    const int64_t capped = std::min<int64_t>(left, 3'600'000'000);
    const std::size_t depth = loops_.size();
    // A timer of whole milliseconds would end a wait up to one late, which the frame gaps
    // and delays would pay every time: the deadline is set to the microsecond, on the clock
    // of nowUs. One timer per depth of nesting, kept from wait to wait.
    Deadline* d = deadline(depth);
#ifdef __linux__
    // A timer the kernel would not set is of no use to this wait or any later one at its
    // depth: those take the Qt timer below.
    if (d && !arm(calls_, d->fd, startNs_ + (deadlineUs - left + capped) * 1000)) {
        retire(*d);
        d = nullptr;
    }
#endif
    QTimer timer;
    if (!d) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        // Whole milliseconds, rounded up: never short of the deadline.
        timer.start(int((capped + 999) / 1000));
    }
    loops_.push_back(&loop);
    loop.exec();
    loops_.pop_back();
#ifdef __linux__
    // One it would not clear could still end a later wait early, long after its deadline
    // meant anything: it goes too.
    if (d && !disarm(calls_, d->fd)) retire(*d);
#endif
}

void QtRuntime::wake()
{
    // An outer wait ends too once the inner ones return: each re-tests its flags.
    for (QEventLoop* l : loops_) l->quit();
}

} // namespace posmod
