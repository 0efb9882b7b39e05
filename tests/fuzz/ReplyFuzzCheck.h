#pragma once
// What must hold for any bytes the controller sends back: the reply checks never read
// past the reply, and a whole exchange fed these bytes ends with a clean result, the
// watchdog stopped and no message shown while it ran.
//
// Byte 0 picks the link and procedure, byte 1 the station; the rest is the answer.
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

inline std::string replyFuzzCheck(const std::string& bytes)
{
    if (bytes.size() < 2) return {};
    const std::string answer = bytes.substr(2);

    for (int proc : {1, 2})
        for (int offset : {0, 2}) {
            std::string body;
            const int code = ReplyFrame_Check(answer, proc, offset, body);
            if (code != ReplyOk && code != NotStxCode && code != StatusCode && code != SumCode) return "reply code";
            if (!answer.empty() && answer[0] == STX && body != answer.substr(1, answer.size() >= 2 ? answer.size() - 2 : 0))
                return "reply body";
        }
    std::string hex;
    const std::vector<uint8_t> raw(answer.begin(), answer.end());
    const EthAnswer cls = EthReply_Classify(raw, hex);
    if (cls != EthAnswer::Ignored && hex.size() != 2 * (raw.size() - 1)) return "answer hex";

    const int kind = bytes[0] & 1;
    const int proc = (bytes[0] & 2) ? 2 : 1;
    const std::string station = (bytes[1] & 1) ? "05" : "";
    Public pub;
    LinkSettings_Set(pub, kind, proc, station, 0);
    pub.set.L_PortNo = "3004";
    VirtualRuntime rt;
    PlainCpuModel cpu;
    VirtualSerialPort com(rt, cpu);
    VirtualTcpClient sock(rt, cpu);
    CaptureSink sink;
    Link link(pub, rt, com, sock, sink);
    bool shownWhileWatching = false;
    sink.onShow = [&](const std::string&) { shownWhileWatching |= link.Timer1.enabled(); };
    com.peerOn = sock.peerOn = false;
    com.open();
    sock.connectTo("127.0.0.1", 3004);
    rt.advance(10);
    // The answer arrives in pieces, split after every CR (serial) or at every 0x0D (TCP).
    auto feed = [&] {
        std::size_t from = 0;
        int64_t at = rt.nowMs() + 1;
        while (from < answer.size()) {
            std::size_t to = answer.find('\r', from);
            to = to == std::string::npos ? answer.size() : to + 1;
            if (kind == 0)
                com.deliver(answer.substr(from, to - from), at);
            else
                sock.deliver(std::vector<uint8_t>(answer.begin() + long(from), answer.begin() + long(to)), at);
            from = to;
            at += 60;
        }
    };
    if (kind == 0) {
        com.onWrite = [&, fed = false](const std::string&) mutable { if (!fed) { fed = true; feed(); } };
    } else {
        feed();
    }
    std::string task = "0123";
    link.TaskCode_Exchange(task);
    const int result = kind == 0 ? link.state().SerialError : link.state().EthError;
    if (result != 0 && result != 1) return "result flag";
    if (link.Timer1.enabled()) return "watchdog left running";
    if (shownWhileWatching) return "message shown while the watchdog ran";
    if (link.busy()) return "still busy";
    return {};
}

} // namespace posmod
