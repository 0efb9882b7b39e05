#pragma once
// A Runtime on a virtual clock for core tests: waits jump straight to the next scheduled
// event or deadline, so a 10 s watchdog takes microseconds and no test sleeps.
#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <utility>

#include "shared/Runtime.h"

namespace posmod {

class VirtualRuntime : public Runtime {
public:
    int64_t nowMs() const override { return now_; }

    // Runs the earliest event due by the deadline (the clock moves to it), or moves the
    // clock to the deadline when none is.
    void waitUntil(int64_t deadlineMs) override
    {
        if (++waits_ > maxWaits) throw std::runtime_error("virtual clock: too many waits");
        if (!events_.empty() && events_.begin()->first.first <= deadlineMs) {
            auto it = events_.begin();
            if (it->first.first > now_) now_ = it->first.first;
            auto fn = std::move(it->second);
            events_.erase(it);
            fn();
            return;
        }
        if (deadlineMs - now_ > kNeverMs) throw std::runtime_error("virtual clock: a wait that nothing ends");
        if (deadlineMs > now_) now_ = deadlineMs;
    }

    void at(int64_t ms, std::function<void()> fn) { events_.emplace(std::make_pair(ms, seq_++), std::move(fn)); }
    void after(int64_t ms, std::function<void()> fn) { at(now_ + ms, std::move(fn)); }
    // Outside any wait: runs every event up to now + ms and leaves the clock there.
    void advance(int64_t ms)
    {
        const int64_t until = now_ + ms;
        while (!events_.empty() && events_.begin()->first.first <= until) waitUntil(until);
        now_ = until;
    }
    std::size_t pending() const { return events_.size(); }
    uint64_t waits() const { return waits_; }

    uint64_t maxWaits = 50'000'000;

private:
    static constexpr int64_t kNeverMs = 24LL * 3600 * 1000;
    int64_t now_ = 0;
    uint64_t seq_ = 0;
    uint64_t waits_ = 0;
    std::multimap<std::pair<int64_t, uint64_t>, std::function<void()>> events_;
};

} // namespace posmod
