#pragma once
// A serial port that counts what crosses it, for the minimum a run over a serial line must
// take: one frame gap before every frame written, and every character at the line rate.
#include <cstdint>
#include <functional>
#include <string>

#include "shared/LinkPorts.h"

namespace posmod {

class CountingPort : public SerialPort {
public:
    explicit CountingPort(SerialPort& inner) : in_(inner)
    {
        in_.onComm = [this](int e) { if (onComm) onComm(e); };
    }
    ~CountingPort() override { in_.onComm = nullptr; }

    bool setSettings(const std::string& s) override { return in_.setSettings(s); }
    std::string settings() const override { return in_.settings(); }
    void setCommPort(int p) override { in_.setCommPort(p); }
    int commPort() const override { return in_.commPort(); }
    bool open() override { return in_.open(); }
    void close() override { in_.close(); }
    bool isOpen() const override { return in_.isOpen(); }
    bool ctsHolding() override { return in_.ctsHolding(); }
    bool dsrHolding() override { return in_.dsrHolding(); }
    void clearInput() override { in_.clearInput(); }
    void clearOutput() override { in_.clearOutput(); }
    int inBufferCount() override { return in_.inBufferCount(); }
    std::string input() override
    {
        std::string c = in_.input();
        charsIn += int64_t(c.size());
        if (!c.empty() && c.back() == '\r' && clock) lineEndUs_ = clock();
        return c;
    }
    void output(const std::string& bytes) override
    {
        ++frames;
        charsOut += int64_t(bytes.size());
        if (clock && lineEndUs_ >= 0) {
            ownGapUs += clock() - lineEndUs_;
            ++ownGaps;
        }
        in_.output(bytes);
    }

    // Seconds a line of the given rate needs at least: the gaps and the characters
    // (10 bits each).
    double lineSeconds(int rate, double gapSeconds) const
    {
        return double(frames) * gapSeconds + double(charsIn + charsOut) * 10 / rate;
    }

    int64_t frames = 0, charsIn = 0, charsOut = 0;
    // With a clock: the time from the end of the line read last to each frame written.
    std::function<int64_t()> clock;
    int64_t ownGapUs = 0, ownGaps = 0;

private:
    SerialPort& in_;
    int64_t lineEndUs_ = -1;
};

} // namespace posmod
