#pragma once
// In-process serial port and TCP client on the virtual clock, with the controller CPU
// behind them played by the peer's protocol engines and a CpuModel. Usable by any core
// test that runs the real Link:
//
//     VirtualRuntime rt;  PlainCpuModel cpu;
//     VirtualSerialPort com(rt, cpu);  VirtualTcpClient sock(rt, cpu);
//     Link link(pub, rt, com, sock, sink);
//
// With `peerOn = false` nothing answers automatically; a test then feeds bytes itself
// (deliver / inject).
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "fakecpu/CpuModel.h"
#include "fakecpu/PeerProtocol.h"
#include "shared/LinkPorts.h"
#include "support/VirtualRuntime.h"

namespace posmod {

namespace virtual_detail {
inline int64_t ceilMs(int64_t us) { return (us + 999) / 1000; }
} // namespace virtual_detail

class VirtualSerialPort : public SerialPort {
public:
    VirtualSerialPort(VirtualRuntime& rt, CpuModel& model, PeerConfig cfg = {})
        : rt_(rt), engine_(model, peer_, std::move(cfg))
    {
    }

    PeerState& peer() { return peer_; }

    // --- what the port does ---
    bool cts = true, dsr = true;   // modem lines while open
    bool openFails = false;        // the device cannot be opened
    bool peerOn = true;            // the CPU answers
    int latencyMs = 1;             // before each answer, on top of the peer's own delays
    std::function<void(const std::string&)> onWrite; // sees every write (scripted replies)

    // --- what happened ---
    struct Write { int64_t atMs; std::string bytes; };
    std::vector<Write> written;    // everything the tool wrote, with the virtual time
    int opens = 0, closes = 0;
    int writesWhileClosed = 0;

    // Bytes arriving at the port at the given virtual time (dropped if it is closed then).
    void deliver(std::string bytes, int64_t atMs)
    {
        const uint64_t gen = gen_;
        rt_.at(atMs, [this, gen, b = std::move(bytes)] {
            if (open_ && gen == gen_) {
                in_.insert(in_.end(), b.begin(), b.end());
                engine_.noteSent(rt_.nowMs() * 1000);
            }
        });
    }
    void inject(std::string bytes, int64_t afterMs = 0) { deliver(std::move(bytes), rt_.nowMs() + afterMs); }
    void raiseComm(int event) { if (onComm) onComm(event); }
    // The device at the other end goes away: the port closes itself, as the Qt port does.
    void hangUp() { close(); }

    // --- SerialPort ---
    // Takes the texts the Qt port takes: rate, parity n/e/o/m/s, data bits 5-8, stop bits
    // 1, 1.5 or 2, spaces ignored.
    bool setSettings(const std::string& s) override
    {
        settings_ = s;
        std::vector<std::string> f(1);
        for (char c : s) {
            if (c == ',') f.emplace_back();
            else if (c != ' ') f.back() += c;
        }
        auto digits = [](const std::string& t) {
            if (t.empty() || t.size() > 7) return false;
            for (char c : t)
                if (c < '0' || c > '9') return false;
            return std::stol(t) > 0;
        };
        valid_ = f.size() == 4 && digits(f[0]) && f[1].size() == 1 &&
                 std::string("neoms").find(char(f[1][0] | 0x20)) != std::string::npos &&
                 (f[2] == "5" || f[2] == "6" || f[2] == "7" || f[2] == "8") &&
                 (f[3] == "1" || f[3] == "1.5" || f[3] == "2");
        return valid_;
    }
    std::string settings() const override { return settings_; }
    void setCommPort(int p) override { port_ = p; }
    int commPort() const override { return port_; }
    bool open() override
    {
        if (open_) return true;
        if (!valid_ || openFails) return false;
        open_ = true;
        ++opens;
        return true;
    }
    void close() override
    {
        if (!open_) return;
        open_ = false;
        ++closes;
        ++gen_;
        in_.clear();
    }
    bool isOpen() const override { return open_; }
    bool ctsHolding() override { return open_ && cts; }
    bool dsrHolding() override { return open_ && dsr; }
    void clearInput() override { in_.clear(); }
    void clearOutput() override {}
    int inBufferCount() override { return int(in_.size()); }
    std::string input() override
    {
        while (!in_.empty()) {
            const char c = in_.front();
            in_.pop_front();
            if (c != '\0') return std::string(1, c); // NUL characters are discarded
        }
        return {};
    }
    void output(const std::string& bytes) override
    {
        if (!open_) {
            ++writesWhileClosed;
            return;
        }
        written.push_back({rt_.nowMs(), bytes});
        if (onWrite) onWrite(bytes);
        if (!peerOn) return;
        int64_t t = std::max(rt_.nowMs() * 1000, lastDueUs_);
        bool first = true;
        for (const PeerOut& o : engine_.receive(bytes, rt_.nowMs() * 1000)) {
            t += o.delayUs + (first ? int64_t(latencyMs) * 1000 : 0);
            first = false;
            if (o.closeConnection) {
                const uint64_t gen = gen_;
                rt_.at(virtual_detail::ceilMs(t), [this, gen] { if (gen == gen_) hangUp(); });
            } else {
                deliver(o.bytes, virtual_detail::ceilMs(t));
            }
        }
        lastDueUs_ = t;
    }

    // The frames written, without the ENQ polls.
    std::vector<std::string> requests() const
    {
        std::vector<std::string> out;
        for (const auto& w : written)
            if (!w.bytes.empty() && w.bytes[0] == 0x02) out.push_back(w.bytes);
        return out;
    }

private:
    VirtualRuntime& rt_;
    PeerState peer_;
    SerialPeer engine_;
    std::string settings_;
    bool valid_ = true;
    int port_ = 1;
    bool open_ = false;
    uint64_t gen_ = 0;
    std::deque<char> in_;
    int64_t lastDueUs_ = 0;
};

class VirtualTcpClient : public TcpClient {
public:
    VirtualTcpClient(VirtualRuntime& rt, CpuModel& model, PeerConfig cfg = {})
        : rt_(rt), engine_(model, peer_, std::move(cfg))
    {
    }

    PeerState& peer() { return peer_; }

    // --- what the peer does ---
    bool reachable = true;     // connections complete after connectMs
    int connectMs = 2;
    int connectError = 0;      // lastError() after each connect
    bool peerOn = true;
    int latencyMs = 1;
    int faultOnSend = 0;       // non-zero: sendData raises this error number
    std::function<void(const std::vector<uint8_t>&)> onSend; // sees every request (scripted answers)

    // --- what happened ---
    std::vector<int64_t> connectTimes;
    struct Send { int64_t atMs; std::vector<uint8_t> bytes; };
    std::vector<Send> sent;

    // Bytes arriving at the given virtual time, raising the data-arrival event.
    void deliver(std::vector<uint8_t> bytes, int64_t atMs)
    {
        const uint64_t gen = gen_;
        rt_.at(atMs, [this, gen, b = std::move(bytes)] {
            if (state_ != 7 || gen != gen_) return;
            in_.insert(in_.end(), b.begin(), b.end());
            engine_.noteSent(rt_.nowMs() * 1000);
            if (onDataArrival) onDataArrival(int(in_.size()));
        });
    }
    void inject(std::vector<uint8_t> bytes, int64_t afterMs = 0) { deliver(std::move(bytes), rt_.nowMs() + afterMs); }
    void dropNow() { state_ = 8; ++gen_; }

    // --- TcpClient ---
    void connectTo(const std::string& host, int port) override
    {
        host_ = host;
        port_ = port;
        connectTimes.push_back(rt_.nowMs());
        lastError_ = connectError;
        state_ = 6;
        ++gen_;
        if (reachable) {
            const uint64_t gen = gen_;
            rt_.after(connectMs, [this, gen] { if (gen == gen_ && state_ == 6) state_ = 7; });
        }
    }
    int state() const override { return state_; }
    void close() override
    {
        state_ = 0;
        ++gen_;
        in_.clear();
    }
    void sendData(const std::vector<uint8_t>& bytes) override
    {
        if (faultOnSend) throw PortFault(faultOnSend);
        if (state_ != 7) throw PortFault(40006);
        sent.push_back({rt_.nowMs(), bytes});
        if (onSend) onSend(bytes);
        if (!peerOn) return;
        int64_t t = rt_.nowMs() * 1000 + int64_t(latencyMs) * 1000;
        for (const PeerOut& o : engine_.receive(bytes, rt_.nowMs() * 1000)) {
            t += o.delayUs;
            if (o.closeConnection) {
                const uint64_t gen = gen_;
                rt_.at(virtual_detail::ceilMs(t), [this, gen] { if (gen == gen_) dropNow(); });
            } else {
                deliver(std::vector<uint8_t>(o.bytes.begin(), o.bytes.end()), virtual_detail::ceilMs(t));
            }
        }
    }
    std::vector<uint8_t> getData() override
    {
        std::vector<uint8_t> out(in_.begin(), in_.end());
        in_.clear();
        return out;
    }
    int lastError() const override { return lastError_; }

    const std::string& host() const { return host_; }
    int port() const { return port_; }

private:
    VirtualRuntime& rt_;
    PeerState peer_;
    TcpPeer engine_;
    int state_ = 0;
    int lastError_ = 0;
    uint64_t gen_ = 0;
    std::vector<uint8_t> in_;
    std::string host_;
    int port_ = 0;
};

} // namespace posmod
