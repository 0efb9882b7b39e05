#pragma once
// TCP may cut an answer anywhere: the same bytes cut at other points must give the same
// outcome as the answer in one piece, in the gatherer and in a whole exchange (result,
// answer, messages, requests sent), and no exchange may leave the watchdog running.
//
// Byte 0 picks the request, byte 1 seeds the cut points; the rest is what the peer sends.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fakecpu/CpuModel.h"
#include "main/Frames.h"
#include "main/Link.h"
#include "support/CaptureSink.h"
#include "support/PeerSettings.h"
#include "support/VirtualPorts.h"
#include "support/VirtualRuntime.h"

namespace posmod {

namespace eth_fuzz {

using Bytes = std::vector<uint8_t>;

// Requests of every answer shape.
inline const char* const kTasks[] = {
    "0123",                          // status only
    "A00001230E01",                  // one word
    "A00800123004",                  // four words
    "A4030800123208001233080012300", // three items
    "7F0000C0603418",                // short memory read, 12 words
    "FF00000000007F00180060500013",  // long memory read, 19 words
    "7F0000C0603402",                // short memory read, 1 word
};

// Cuts the stream at points drawn from seed (a piece may be empty, none is dropped).
inline std::vector<Bytes> cut(const Bytes& all, uint8_t seed)
{
    std::vector<Bytes> pieces;
    uint32_t x = seed * 2654435761u + 1;
    std::size_t at = 0;
    while (at < all.size()) {
        x = x * 1103515245u + 12345u;
        const std::size_t n = std::min<std::size_t>(all.size() - at, (x >> 16) % 9);
        pieces.emplace_back(all.begin() + long(at), all.begin() + long(at + n));
        at += n;
    }
    return pieces;
}

struct Outcome {
    bool done = false;
    std::string reply;
    std::vector<std::string> messages;
    std::size_t sends = 0;
    bool operator==(const Outcome&) const = default;
};

// One exchange answered by the pieces, 3 ms apart; the problem found, or "".
inline std::string exchange(const char* task, const std::vector<Bytes>& pieces, Outcome& out)
{
    Public pub;
    LinkSettings_Set(pub, 1, 1, "", 0);
    pub.set.L_PortNo = "3004";
    VirtualRuntime rt;
    PlainCpuModel cpu;
    VirtualSerialPort com(rt, cpu);
    VirtualTcpClient sock(rt, cpu);
    CaptureSink sink;
    Link link(pub, rt, com, sock, sink);
    bool shownWhileWatching = false;
    sink.onShow = [&](const std::string&) { shownWhileWatching |= link.Timer1.enabled(); };
    sock.peerOn = false;
    sock.connectTo("127.0.0.1", 3004);
    rt.advance(10);
    sock.onSend = [&](const Bytes&) {
        if (sock.sent.size() != 1) return; // a repeat after busy gets no answer
        int64_t at = rt.nowMs() + 1;
        for (const Bytes& p : pieces) sock.deliver(p, at += 3);
    };
    std::string t = task;
    const ExchangeResult r = link.TaskCode_Exchange(t);
    out = {r.done, r.reply, sink.texts, sock.sent.size()};
    if (link.Timer1.enabled()) return "watchdog left running";
    if (shownWhileWatching) return "message shown while the watchdog ran";
    if (!r.done && !r.reply.empty()) return "a failed exchange gave an answer";
    return {};
}

} // namespace eth_fuzz

inline std::string ethAnswerFuzzCheck(const std::string& in)
{
    using namespace eth_fuzz;
    if (in.size() < 2) return {};
    const char* task = kTasks[uint8_t(in[0]) % (sizeof kTasks / sizeof kTasks[0])];
    const Bytes stream(in.begin() + 2, in.end());
    const std::vector<Bytes> pieces = cut(stream, uint8_t(in[1]));

    EthAnswerGather whole(AnswerShape_Of(task)), inPieces(AnswerShape_Of(task));
    whole.add(stream);
    for (const Bytes& p : pieces) inPieces.add(p);
    if (whole.whole() != inPieces.whole()) return "whole in one piece but not in pieces, or the reverse";
    if (whole.bytes() != inPieces.bytes()) return "the pieces gathered other bytes";
    if (!std::equal(whole.bytes().begin(), whole.bytes().end(), stream.begin())) return "not the start of the stream";

    // After a busy answer the request goes again, and what arrives next is taken for the
    // next answer: bytes trailing a busy answer are that answer's, not this one's.
    Bytes answer = stream;
    if (whole.whole() && whole.bytes()[kEthStatusByte] == 0x08) answer = whole.bytes();
    Outcome one, many;
    std::string problem = exchange(task, {answer}, one);
    if (problem.empty()) problem = exchange(task, cut(answer, uint8_t(in[1])), many);
    if (!problem.empty()) return problem;
    if (!(one == many)) return "the exchange ended otherwise for the answer in pieces";
    return {};
}

} // namespace posmod
