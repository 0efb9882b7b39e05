// The runtime's waits when the kernel's deadline timer cannot be had, set or cleared: each
// falls back to a Qt timer and still ends at its deadline, or as soon as it is woken.
#include <gtest/gtest.h>

#include <QObject>
#include <QTimer>

#include <cerrno>
#include <memory>
#include <ostream>
#include <sys/timerfd.h>

#include "platform/QtRuntime.h"
#include "support/CoreApp.h"

using namespace posmod;

namespace {

struct TimerFault {
    const char* name;
    bool createRefused; // no timer to be had
    bool setRefused;    // a deadline is never set
    bool clearRefused;  // a deadline set is never cleared
};

void PrintTo(const TimerFault& f, std::ostream* os) { *os << f.name; }

const TimerFault kFaults[] = {
    {"CreateRefused", true, false, false},
    {"SetRefused", false, true, false},
    {"ClearRefused", false, false, true},
};

// A wait whose deadline nothing set would never end by itself: a rescue ends it long after
// every deadline below, and says so.
constexpr int kRescueMs = 2000;

class QtRuntimeFallback : public ::testing::TestWithParam<TimerFault> {
protected:
    static void SetUpTestSuite() { CoreApp_Ensure("platform_runtime_tests"); }

    QtRuntimeFallback()
    {
        const TimerFault f = GetParam();
        const DeadlineTimerCalls system = SystemDeadlineTimers();
        DeadlineTimerCalls calls;
        calls.create = [this, f, system](int clock, int flags) {
            if (!f.createRefused) return system.create(clock, flags);
            ++refused;
            errno = EMFILE;
            return -1;
        };
        calls.settime = [this, f, system](int fd, int flags, const itimerspec* value, itimerspec* old) {
            const bool clearing = value->it_value.tv_sec == 0 && value->it_value.tv_nsec == 0;
            if (clearing ? !f.clearRefused : !f.setRefused) return system.settime(fd, flags, value, old);
            ++refused;
            errno = EINVAL;
            return -1;
        };
        rt = std::make_unique<QtRuntime>(calls);
    }

    // One wait; false when only the rescue ended it.
    bool waitEnds(int64_t deadlineUs)
    {
        bool rescued = false;
        QTimer rescue;
        rescue.setSingleShot(true);
        QObject::connect(&rescue, &QTimer::timeout, [&] {
            rescued = true;
            rt->wake();
        });
        rescue.start(kRescueMs);
        rt->waitUntilUs(deadlineUs);
        return !rescued;
    }

    int refused = 0;
    std::unique_ptr<QtRuntime> rt;
};

TEST_P(QtRuntimeFallback, WaitsEndAtTheirDeadlineOrWhenWoken)
{
    for (int64_t us : {1, 999, 1000, 1500, 20'000}) {
        const int64_t deadline = rt->nowUs() + us;
        EXPECT_TRUE(waitEnds(deadline)) << us;
        EXPECT_GE(rt->nowUs(), deadline) << us;
    }
    // A wait inside a wait, each with its own deadline: the inner one on a timer of its own.
    const int64_t outer = rt->nowUs() + 30'000;
    int64_t innerEnd = 0, innerDeadline = 0;
    bool innerEnded = true;
    QTimer::singleShot(5, [&] {
        innerDeadline = rt->nowUs() + 10'000;
        while (innerEnded && rt->nowUs() < innerDeadline) innerEnded = waitEnds(innerDeadline);
        innerEnd = rt->nowUs();
    });
    bool outerEnded = true;
    while (outerEnded && rt->nowUs() < outer) outerEnded = waitEnds(outer);
    EXPECT_TRUE(outerEnded);
    EXPECT_GE(rt->nowUs(), outer);
    ASSERT_GT(innerEnd, 0);
    EXPECT_TRUE(innerEnded);
    EXPECT_GE(innerEnd, innerDeadline);
    // Woken: a far deadline does not hold the wait.
    QTimer::singleShot(5, [&] { rt->wake(); });
    EXPECT_TRUE(waitEnds(rt->nowUs() + 60'000'000));

    EXPECT_GT(refused, 0); // the failing calls were made
}

INSTANTIATE_TEST_SUITE_P(Faults, QtRuntimeFallback, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<TimerFault>& i) { return std::string(i.param.name); });

} // namespace
