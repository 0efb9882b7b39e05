#pragma once
// The controller CPU as a real peer: serves one pseudo-terminal (RS-232C, either
// procedure) or one TCP port on the loopback address, from a thread of its own, and
// answers through the protocol engines and a CpuModel.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "fakecpu/CpuModel.h"
#include "fakecpu/PeerProtocol.h"

namespace posmod {

class FakeCpu {
public:
    enum class Kind { Serial, Tcp };

    FakeCpu(CpuModel& model, Kind kind, PeerConfig cfg = {});
    ~FakeCpu();
    FakeCpu(const FakeCpu&) = delete;
    FakeCpu& operator=(const FakeCpu&) = delete;

    // Opens the pseudo-terminal or listens (port 0: any free port) and starts serving.
    bool start(std::string* error = nullptr, int tcpPort = 0);
    void stop();

    const std::string& ptyPath() const { return ptyPath_; }
    int tcpPort() const { return tcpPort_; }
    PeerState& state() { return state_; }
    // How late the peer sent what it meant to send at a given time (its line times, slow
    // answers), summed over the run: the part of a measured time that is the peer's.
    int64_t lateUs() const { return lateUs_; }
    // Runs f on the model while the peer is not using it.
    template <class F> auto withModel(F f) { std::lock_guard l(modelMutex_); return f(model_); }

private:
    void run();

    CpuModel& model_;
    Kind kind_;
    PeerConfig cfg_;
    PeerState state_;
    std::mutex modelMutex_;
    std::string ptyPath_;
    int tcpPort_ = 0;
    int masterFd_ = -1, slaveFd_ = -1, listenFd_ = -1;
    int wakeFd_[2] = {-1, -1};
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int64_t> lateUs_{0};
};

// Microseconds of the monotonic clock the peer stamps its transcript with.
int64_t fakeCpuNowUs();

} // namespace posmod
