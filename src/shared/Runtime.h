#pragma once
// The clock and the wait of a single-threaded, event-driven program.
//
// Every wait in the core is a loop of the form
//     while (!done) rt.waitUntil(deadline);
// waitUntil blocks (in the program: a nested event loop) until an event has been
// handled (a timer, arriving bytes, a click) or the deadline has passed, whichever
// comes first. It never spins. Time is monotonic milliseconds.
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace posmod {

class Runtime {
public:
    virtual ~Runtime() = default;
    // Monotonic milliseconds; never goes back, unaffected by the wall clock.
    virtual int64_t nowMs() const = 0;
    // Let events run; return after at least one was handled or at deadlineMs.
    virtual void waitUntil(int64_t deadlineMs) = 0;
    // The same clock and wait in microseconds, so that a timer started part of the way into
    // a millisecond still runs its whole interval and no longer. A clock without them counts
    // whole milliseconds.
    virtual int64_t nowUs() const { return nowMs() * 1000; }
    virtual void waitUntilUs(int64_t deadlineUs) { waitUntil(deadlineUs / 1000 + (deadlineUs % 1000 > 0)); }
};

// A timer of a window: enabled flag, interval and handler, fired by TimerSet from
// within waits. Mirrors the semantics of the form timers the program was built around:
// switching it on (re)starts the interval.
class CoreTimer {
public:
    explicit CoreTimer(int intervalMs) : interval_(intervalMs) {}
    void setEnabled(bool on, int64_t nowUs) {
        if (on && !enabled_) due_ = nowUs + intervalUs();
        enabled_ = on;
    }
    bool enabled() const { return enabled_; }
    std::function<void()> onTimer;

private:
    friend class TimerSet;
    int64_t intervalUs() const { return int64_t(interval_) * 1000; }
    int interval_;
    bool enabled_ = false;
    int64_t due_ = 0; // microseconds
};

// The timers of one window; waits go through it so that due timers fire while waiting.
class TimerSet {
public:
    explicit TimerSet(Runtime& rt) : rt_(rt) {}
    void add(CoreTimer& t) { timers_.push_back(&t); }
    void enable(CoreTimer& t, bool on) { t.setEnabled(on, rt_.nowUs()); }
    Runtime& runtime() { return rt_; }

    // One step of a wait: block until the earlier of deadlineMs and the next due
    // timer, then fire every timer that is due. Returns after at least one event.
    void step(int64_t deadlineMs) {
        constexpr int64_t kMaxMs = std::numeric_limits<int64_t>::max() / 1000;
        stepUs(deadlineMs >= kMaxMs ? std::numeric_limits<int64_t>::max() : deadlineMs * 1000);
    }
    void stepUs(int64_t deadlineUs) {
        int64_t until = deadlineUs;
        for (auto* t : timers_)
            if (t->enabled_ && t->due_ < until) until = t->due_;
        if (until > rt_.nowUs()) rt_.waitUntilUs(until);
        fireDue();
    }
    // Fire timers whose time has come (each at most once per call).
    void fireDue() {
        const int64_t now = rt_.nowUs();
        for (auto* t : timers_) {
            if (t->enabled_ && t->due_ <= now) {
                t->due_ += t->intervalUs();
                if (t->due_ <= now) t->due_ = now + t->intervalUs();
                if (t->onTimer) t->onTimer();
            }
        }
    }

private:
    Runtime& rt_;
    std::vector<CoreTimer*> timers_;
};

} // namespace posmod
