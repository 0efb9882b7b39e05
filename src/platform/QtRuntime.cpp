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
void arm(int fd, int64_t atNs)
{
    itimerspec spec{};
    spec.it_value.tv_sec = time_t(atNs / 1'000'000'000);
    spec.it_value.tv_nsec = long(atNs % 1'000'000'000);
    timerfd_settime(fd, TFD_TIMER_ABSTIME, &spec, nullptr);
}

// Disarmed, so that a wait that ended early is not woken for again. An expiry that came
// just before is read by the notifier and at worst ends the next wait at that depth early,
// which its caller's loop takes as any wake-up.
void disarm(int fd)
{
    itimerspec none{};
    timerfd_settime(fd, 0, &none, nullptr);
}
#endif
} // namespace

QtRuntime::QtRuntime(QObject* parent) : QObject(parent), startNs_(monotonicNs()) {}

QtRuntime::~QtRuntime()
{
#ifdef __linux__
    for (auto& d : deadlines_) {
        d->expiry.reset();
        ::close(d->fd);
    }
#endif
}

int64_t QtRuntime::nowUs() const { return (monotonicNs() - startNs_) / 1000; }

QtRuntime::Deadline* QtRuntime::deadline(std::size_t depth)
{
#ifdef __linux__
    while (deadlines_.size() <= depth) {
        const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
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
    return deadlines_[depth].get();
#else
    (void)depth;
    return nullptr;
#endif
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
    if (Deadline* d = deadline(depth)) {
#ifdef __linux__
        // A timer of whole milliseconds would end a wait up to one late, which the frame
        // gaps and delays would pay every time: the deadline is set to the microsecond, on
        // the clock of nowUs. One timer per depth of nesting, kept from wait to wait.
        arm(d->fd, startNs_ + (deadlineUs - left + capped) * 1000);
        loops_.push_back(&loop);
        loop.exec();
        loops_.pop_back();
        disarm(d->fd);
        return;
#endif
    }
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // Whole milliseconds, rounded up: never short of the deadline.
    timer.start(int((capped + 999) / 1000));
    loops_.push_back(&loop);
    loop.exec();
    loops_.pop_back();
}

void QtRuntime::wake()
{
    // An outer wait ends too once the inner ones return: each re-tests its flags.
    for (QEventLoop* l : loops_) l->quit();
}

} // namespace posmod
