#pragma once
// An in-process exchange for the task tests: each task text goes straight to a model and
// its answer is laid out as the link returns it (the RS-232C reply line or the Ethernet
// answer's hex, with the header, status and sum of the peer's replies). Delays are recorded as "~30", "~100",
// "~<ms>" between the texts, so a transcript shows where the tool waits.
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "fakecpu/CpuModel.h"
#include "fakecpu/PeerProtocol.h"
#include "main/LinkApi.h"
#include "shared/Public.h"

namespace posmod::test {

class ModelExchange : public Exchange {
public:
    ModelExchange(Public& p, CpuModel& m) : p_(p), m_(m) {}

    ExchangeResult TaskCode_Exchange(std::string& text) override
    {
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        events.push_back(text);
        const CpuAnswer a = m_.answer(text);
        if (a.status != 0) return {};
        char st[3];
        std::snprintf(st, sizeof st, "%02X", a.status);
        if (p_.set.LinkKind == 0) {
            const std::string head = p_.set.R_ProcNo == 2 ? p_.set.R_StatNo
                                                          : "F" + p_.set.R_StatNo + p_.set.R_LpAddr + "000";
            const std::string body = head + st + a.dataHex;
            return {true, body + peerSum(body)};
        }
        return {true, p_.set.L_SeriNo + p_.set.L_LpAddr + "0000" + st + a.dataHex};
    }
    void TaskErrorCode_Clear() override { TaskErrorCode = 0; }
    void Timer2_Wait() override { events.push_back("~30"); }
    void Timer4_Wait() override { events.push_back("~100"); }
    void Wait_Ms(int ms) override { events.push_back("~" + std::to_string(ms)); }

    // The task texts alone, without the delays.
    std::vector<std::string> texts() const
    {
        std::vector<std::string> t;
        for (const auto& e : events)
            if (e[0] != '~') t.push_back(e);
        return t;
    }

    std::vector<std::string> events;
    int TaskErrorCode = 0; // as the link keeps it: the start of every task clears it

private:
    Public& p_;
    CpuModel& m_;
};

} // namespace posmod::test
