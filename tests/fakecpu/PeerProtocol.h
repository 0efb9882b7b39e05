#pragma once
// The controller CPU's side of the task-code protocol, without any transport: bytes from
// the tool go in, what the CPU sends back comes out, each piece with the delay before it.
// The real peer (FakeCpu, over a pseudo-terminal or TCP) and the in-process virtual ports
// of the tests both drive these engines. Replies are built here, independently of the
// tool's own frame code.
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "fakecpu/CpuModel.h"

namespace posmod {

// Faults the peer plays; every count is used up one request (or ENQ) at a time.
struct FaultKnobs {
    int nakLines = 0;        // the next request: this many NAK lines before its answer
    int eotTimes = 0;        // the next ENQs are answered by EOT
    int silentRequests = 0;  // the next requests get no answer at all
    int silentEnqs = 0;      // the next ENQs get no answer
    std::string enqPlan;     // before the counts: one letter per next ENQ, 's' silent, 'e' EOT, else answered
    int wrongSums = 0;       // the next replies carry a wrong sum
    int errorReplies = 0;    // the next replies carry errorStatus instead of the model's
    uint8_t errorStatus = 0x51;
    int busyTimes = 0;       // TCP: the next answers are busy (status 0x08), the model is not asked
    int shortReplies = 0;    // the next replies are cut to shortLength characters / bytes
    int shortLength = 4;
    int slowMs = 0;          // delay before every answer
    int dropConnections = 0; // TCP: the next requests close the connection instead
    int hangUps = 0;         // RS-232C: the next requests hang the line up instead (the device goes)
    int lateAnswers = 0;     // the next requests are answered only after lateMs (past the watchdog)
    int lateMs = 10300;
    int splitAnswers = 0;    // the next answers come in pieces of splitBytes, splitGapMs apart
    int splitBytes = 3;
    int splitGapMs = 20;
};

struct PeerConfig {
    int procedure = 1;       // RS-232C transmission procedure 1 or 2
    std::string station;     // RS-232C: empty or 2 digits; TCP: empty or 2 hex digits
    int lineRate = 0;        // RS-232C bits per second to play (10 bits a character); 0 = instant
};

struct PeerRecord {
    enum Kind { Request, Enq, TcpRequest } kind = Request;
    std::string taskText;    // as received (RS-232C text / TCP bytes as hex)
    std::string raw;         // the whole frame as received
    bool sumOk = true;
    bool addressed = true;   // the station matched
    int64_t atUs = 0;        // when the frame was complete
    int64_t gapUs = -1;      // since the peer last sent something (-1: it had sent nothing)
};

// Knobs and transcript, shared between the peer's thread and the test.
class PeerState {
public:
    FaultKnobs knobs() const { std::lock_guard l(m_); return knobs_; }
    void setKnobs(const FaultKnobs& k) { std::lock_guard l(m_); knobs_ = k; }
    std::vector<PeerRecord> transcript() const { std::lock_guard l(m_); return records_; }
    // The task texts of the addressed requests, in order.
    std::vector<std::string> tasks() const;
    void clearTranscript() { std::lock_guard l(m_); records_.clear(); }
    void record(const PeerRecord& r);
    std::function<void(const PeerRecord&)> onRecord; // set before the peer starts

    template <class F> auto withKnobs(F f) { std::lock_guard l(m_); return f(knobs_); }

private:
    mutable std::mutex m_;
    FaultKnobs knobs_;
    std::vector<PeerRecord> records_;
};

// One piece the peer sends, after delayUs counted from the previous piece (or from the
// moment the request was complete).
struct PeerOut {
    std::string bytes;
    int64_t delayUs = 0;
    bool closeConnection = false; // TCP: the connection is closed; RS-232C: the line hangs up
};

// Cuts every piece into pieces of at most `bytes`, each after `gapUs` (the first keeps its
// own delay).
void PeerOut_Split(std::vector<PeerOut>& outs, int bytes, int64_t gapUs);

class SerialPeer {
public:
    SerialPeer(CpuModel& model, PeerState& state, PeerConfig cfg);
    std::vector<PeerOut> receive(const std::string& bytes, int64_t nowUs);
    void noteSent(int64_t atUs) { lastSentUs_ = atUs; }
    const PeerConfig& config() const { return cfg_; }
    // Line time of n characters in microseconds.
    int64_t lineUs(std::size_t n) const;

private:
    std::vector<PeerOut> frame(const std::string& f, int64_t nowUs);
    std::string line(char first, const std::string& rest) const;
    std::string replyLine(const std::string& addr, const CpuAnswer& a, bool wrongSum, bool cut, int cutLen) const;

    CpuModel& model_;
    PeerState& state_;
    PeerConfig cfg_;
    std::string buf_;
    bool pending_ = false;   // a reply waits for an ENQ
    std::string pendingLine_;
    bool split_ = false;     // the lines of the current request come in pieces
    int64_t lastSentUs_ = -1;
};

class TcpPeer {
public:
    TcpPeer(CpuModel& model, PeerState& state, PeerConfig cfg);
    std::vector<PeerOut> receive(const std::vector<uint8_t>& bytes, int64_t nowUs);
    void noteSent(int64_t atUs) { lastSentUs_ = atUs; }

private:
    CpuModel& model_;
    PeerState& state_;
    PeerConfig cfg_;
    int64_t lastSentUs_ = -1;
};

// Sum of the character codes modulo 256, two upper-case hex digits (the peer's own).
std::string peerSum(const std::string& s);

} // namespace posmod
