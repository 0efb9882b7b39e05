#pragma once
// What the benchmarks share: a message sink that counts (and tells) what the tool shows,
// and the wall and CPU time of a run.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

#include "shared/Messages.h"

namespace posmod {

class QuietSink : public MessageSink {
public:
    void show(const std::string& text, MsgIcon) override
    {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        ++count;
    }
    int count = 0;
};

// Wall time, the CPU time of this thread (the tool) and of the whole process (with the peer).
class RunClock {
public:
    RunClock()
        : wall0_(wallSeconds()), tool0_(cpuSeconds(CLOCK_THREAD_CPUTIME_ID)),
          proc0_(cpuSeconds(CLOCK_PROCESS_CPUTIME_ID))
    {
    }
    void stop()
    {
        wall = wallSeconds() - wall0_;
        toolCpu = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - tool0_;
        procCpu = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - proc0_;
    }
    // peerLate: how late the peer itself was in the run (its own waits), shown apart.
    void printOverMinimum(double minimum, double peerLate = 0) const
    {
        std::printf("    wall %8.3f s   minimum %8.3f s   over the minimum %+6.2f %%\n", wall, minimum,
                    100.0 * (wall - minimum) / minimum);
        if (peerLate > 0)
            std::printf("    of that the peer's own lateness %.3f s; the tool over the minimum %+6.2f %%\n", peerLate,
                        100.0 * (wall - peerLate - minimum) / minimum);
    }
    void printCpu() const
    {
        std::printf("    CPU tool thread %7.3f s = %5.2f %% of wall;  whole process incl. peer %7.3f s = %5.2f %%\n",
                    toolCpu, 100.0 * toolCpu / wall, procCpu, 100.0 * procCpu / wall);
    }
    double wall = 0, toolCpu = 0, procCpu = 0;

private:
    static double cpuSeconds(clockid_t id)
    {
        timespec ts{};
        clock_gettime(id, &ts);
        return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
    }
    static double wallSeconds()
    {
        using namespace std::chrono;
        return duration<double>(steady_clock::now().time_since_epoch()).count();
    }
    double wall0_, tool0_, proc0_;
};

} // namespace posmod
