#include "fakecpu/PeerProtocol.h"

#include "fakecpu/PeerHex.h"

namespace posmod {

namespace {

constexpr char kStx = 0x02, kEot = 0x04, kEnq = 0x05, kAck = 0x06, kCr = 0x0D, kNak = 0x15;

using peerhex::fromHex;
using peerhex::hex2;
using peerhex::toHex;

bool sameNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
    return true;
}

// Takes one from a count knob; true when there was one.
bool take(int& count)
{
    if (count <= 0) return false;
    --count;
    return true;
}

} // namespace

std::string peerSum(const std::string& s)
{
    unsigned sum = 0;
    for (char c : s) sum += static_cast<unsigned char>(c);
    return hex2(sum & 0xFF);
}

void PeerOut_Split(std::vector<PeerOut>& outs, int bytes, int64_t gapUs)
{
    const std::size_t n = std::size_t(bytes > 0 ? bytes : 1);
    std::vector<PeerOut> cut;
    for (const PeerOut& o : outs) {
        if (o.closeConnection || o.bytes.size() <= n) {
            cut.push_back(o);
            continue;
        }
        for (std::size_t at = 0; at < o.bytes.size(); at += n) {
            PeerOut piece;
            piece.bytes = o.bytes.substr(at, n);
            piece.delayUs = at == 0 ? o.delayUs : gapUs;
            cut.push_back(std::move(piece));
        }
    }
    outs = std::move(cut);
}

std::vector<std::string> PeerState::tasks() const
{
    std::lock_guard l(m_);
    std::vector<std::string> out;
    for (const auto& r : records_)
        if (r.kind != PeerRecord::Enq && r.addressed) out.push_back(r.taskText);
    return out;
}

void PeerState::record(const PeerRecord& r)
{
    {
        std::lock_guard l(m_);
        records_.push_back(r);
    }
    if (onRecord) onRecord(r);
}

// ------------------------------------------------------------------ RS-232C

SerialPeer::SerialPeer(CpuModel& model, PeerState& state, PeerConfig cfg)
    : model_(model), state_(state), cfg_(std::move(cfg))
{
}

int64_t SerialPeer::lineUs(std::size_t n) const
{
    return cfg_.lineRate > 0 ? int64_t(n) * 10 * 1'000'000 / cfg_.lineRate : 0;
}

std::vector<PeerOut> SerialPeer::receive(const std::string& bytes, int64_t nowUs)
{
    buf_ += bytes;
    std::vector<PeerOut> outs;
    for (;;) {
        const auto start = buf_.find_first_of(std::string{kStx, kEnq});
        if (start == std::string::npos) {
            buf_.clear();
            break;
        }
        const auto end = buf_.find(kCr, start);
        if (end == std::string::npos) {
            buf_.erase(0, start);
            break;
        }
        const std::string f = buf_.substr(start, end - start + 1);
        buf_.erase(0, end + 1);
        auto more = frame(f, nowUs);
        outs.insert(outs.end(), more.begin(), more.end());
    }
    return outs;
}

std::string SerialPeer::line(char first, const std::string& rest) const
{
    std::string l(1, first);
    l += 'F';
    l += cfg_.station;
    l += rest;
    l += kCr;
    return l;
}

std::string SerialPeer::replyLine(const std::string& addr, const CpuAnswer& a, bool wrongSum, bool cut,
                                  int cutLen) const
{
    std::string inner;
    if (cfg_.procedure == 2) {
        inner = cfg_.station;
    } else {
        inner = "F" + cfg_.station + addr + "000";
    }
    inner += hex2(a.status);
    inner += a.dataHex;
    std::string sum = peerSum(inner);
    if (wrongSum) sum = sum == "00" ? "01" : hex2(unsigned(std::stoul(sum, nullptr, 16)) - 1);
    std::string tail = inner + sum;
    if (cut) tail = tail.substr(0, std::size_t(cutLen > 0 ? cutLen : 0));
    return std::string(1, kStx) + tail + kCr;
}

std::vector<PeerOut> SerialPeer::frame(const std::string& f, int64_t nowUs)
{
    PeerRecord rec;
    rec.atUs = nowUs;
    rec.gapUs = lastSentUs_ < 0 ? -1 : nowUs - lastSentUs_;
    rec.raw = f;
    const std::size_t st = cfg_.station.size();
    const FaultKnobs k0 = state_.knobs();
    std::vector<PeerOut> outs;
    auto emit = [&](std::string bytes) {
        PeerOut o;
        o.bytes = std::move(bytes);
        o.delayUs = lineUs(o.bytes.size());
        if (outs.empty()) o.delayUs += int64_t(k0.slowMs) * 1000 + lineUs(f.size());
        outs.push_back(std::move(o));
    };

    if (f[0] == kEnq) {
        rec.kind = PeerRecord::Enq;
        rec.addressed = f.size() == st + 4 && f[1] == 'F' && f.compare(2, st, cfg_.station) == 0 && f[2 + st] == '1';
        state_.record(rec);
        if (!rec.addressed) return outs;
        int mode = state_.withKnobs([](FaultKnobs& k) {
            if (!k.enqPlan.empty()) {
                const char c = k.enqPlan.front();
                k.enqPlan.erase(0, 1);
                return c == 's' ? 1 : c == 'e' ? 2 : 0;
            }
            return take(k.silentEnqs) ? 1 : take(k.eotTimes) ? 2 : 0;
        });
        if (mode == 1) return outs;
        if (mode == 2 || !pending_) {
            emit(line(kEot, ""));
            return outs;
        }
        pending_ = false;
        emit(pendingLine_);
        if (split_) PeerOut_Split(outs, k0.splitBytes, int64_t(k0.splitGapMs) * 1000);
        return outs;
    }

    rec.kind = PeerRecord::Request;
    const std::string body = f.substr(1, f.size() - 2); // F .. sum
    const std::size_t head = 1 + st + (cfg_.procedure == 2 ? 0 : 8);
    std::string addr;
    if (body.size() < head + 2 || body[0] != 'F') {
        rec.sumOk = false;
        rec.addressed = body.size() > st && body[0] == 'F' && body.compare(1, st, cfg_.station) == 0;
    } else {
        rec.addressed = body.compare(1, st, cfg_.station) == 0;
        if (cfg_.procedure != 2) addr = body.substr(1 + st, 4);
        rec.taskText = body.substr(head, body.size() - head - 2);
        rec.sumOk = sameNoCase(peerSum(body.substr(0, body.size() - 2)), body.substr(body.size() - 2));
    }
    state_.record(rec);
    if (!rec.addressed) return outs;

    struct Plan { bool hangUp, silent; int naks; bool error, wrongSum, cut, late, split; } plan{};
    state_.withKnobs([&](FaultKnobs& k) {
        plan.hangUp = take(k.hangUps);
        if (plan.hangUp) return;
        plan.silent = take(k.silentRequests);
        if (plan.silent) return;
        plan.late = take(k.lateAnswers);
        plan.split = take(k.splitAnswers);
        plan.naks = k.nakLines;
        k.nakLines = 0;
        if (!rec.sumOk) return;
        plan.error = take(k.errorReplies);
        plan.wrongSum = take(k.wrongSums);
        plan.cut = take(k.shortReplies);
    });
    if (plan.hangUp) {
        PeerOut o;
        o.closeConnection = true;
        outs.push_back(o);
        return outs;
    }
    if (plan.silent) return outs;
    pending_ = false;
    split_ = plan.split;
    for (int i = 0; i < plan.naks; ++i) emit(line(kNak, "06"));
    if (!rec.sumOk) {
        emit(line(kNak, "02"));
    } else {
        CpuAnswer a = model_.answer(rec.taskText);
        if (plan.error) a = CpuAnswer{k0.errorStatus, ""};
        const std::string reply = replyLine(addr, a, plan.wrongSum, plan.cut, k0.shortLength);
        if (cfg_.procedure == 2) {
            emit(reply);
        } else {
            emit(line(kAck, ""));
            pending_ = true;
            pendingLine_ = reply;
        }
    }
    // Late: the first line comes past the watchdog. Split: these lines and the reply to the
    // polls come in pieces.
    if (plan.late && !outs.empty()) outs.front().delayUs += int64_t(k0.lateMs) * 1000;
    if (split_) PeerOut_Split(outs, k0.splitBytes, int64_t(k0.splitGapMs) * 1000);
    return outs;
}

// ------------------------------------------------------------------ TCP

TcpPeer::TcpPeer(CpuModel& model, PeerState& state, PeerConfig cfg)
    : model_(model), state_(state), cfg_(std::move(cfg))
{
}

std::vector<PeerOut> TcpPeer::receive(const std::vector<uint8_t>& b, int64_t nowUs)
{
    PeerRecord rec;
    rec.kind = PeerRecord::TcpRequest;
    rec.atUs = nowUs;
    rec.gapUs = lastSentUs_ < 0 ? -1 : nowUs - lastSentUs_;
    rec.raw = toHex(b.data(), b.size());
    const std::size_t st = cfg_.station.empty() ? 0 : 1;
    const std::size_t head = 2 + st + 4;
    const bool wellFormed = b.size() > head && b[0] == 0x00 && b[2 + st + 2] == 0 && b[2 + st + 3] == 0;
    rec.sumOk = wellFormed;
    rec.addressed = b.size() >= 2 + st && (st == 0 || toHex(&b[2], 1) == cfg_.station);
    if (wellFormed) rec.taskText = toHex(b.data() + head, b.size() - head);
    state_.record(rec);
    std::vector<PeerOut> outs;
    if (!rec.addressed) return outs;

    const FaultKnobs k0 = state_.knobs();
    struct Plan { bool drop, silent, busy, error, cut, late, split; } plan{};
    state_.withKnobs([&](FaultKnobs& k) {
        plan.drop = take(k.dropConnections);
        if (plan.drop) return;
        plan.silent = take(k.silentRequests);
        if (plan.silent) return;
        plan.late = take(k.lateAnswers);
        plan.split = take(k.splitAnswers);
        plan.busy = take(k.busyTimes);
        if (plan.busy) return;
        plan.error = take(k.errorReplies);
        plan.cut = take(k.shortReplies);
    });
    PeerOut o;
    o.delayUs = int64_t(k0.slowMs) * 1000;
    if (plan.drop) {
        o.closeConnection = true;
        outs.push_back(o);
        return outs;
    }
    if (plan.silent) return outs;
    CpuAnswer a;
    if (!wellFormed)
        a.status = 0x50;
    else if (plan.busy)
        a.status = 0x08;
    else
        a = model_.answer(rec.taskText);
    if (plan.error) a = CpuAnswer{k0.errorStatus, ""};
    std::vector<uint8_t> ans{0x80, b.size() > 1 ? b[1] : uint8_t(0)};
    if (b.size() >= 2 + st + 2) {
        ans.push_back(b[2 + st]);
        ans.push_back(b[2 + st + 1]);
    } else {
        ans.insert(ans.end(), {0xFF, 0xFF});
    }
    ans.insert(ans.end(), {0x00, 0x00, a.status});
    for (uint8_t x : fromHex(a.dataHex)) ans.push_back(x);
    if (plan.cut) ans.resize(std::min<std::size_t>(ans.size(), std::size_t(k0.shortLength > 0 ? k0.shortLength : 0)));
    o.bytes.assign(ans.begin(), ans.end());
    if (plan.late) o.delayUs += int64_t(k0.lateMs) * 1000;
    outs.push_back(o);
    if (plan.split) PeerOut_Split(outs, k0.splitBytes, int64_t(k0.splitGapMs) * 1000);
    return outs;
}

} // namespace posmod
