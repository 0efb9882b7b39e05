#pragma once
// One task against answers taken from the input: the rules that must hold whatever the
// controller sends back. Input: byte 0 task and link, byte 1 index and model, then the
// answers separated by '|', each the whole reply text the link returns (the RS-232C reply
// line or the Ethernet answer's hex), '!' for an exchange that failed. Returns the first broken rule, "" when none.
#include <cstdint>
#include <string>
#include <vector>

#include "main/LinkApi.h"
#include "main/TaskSend.h"
#include "shared/ModelTable.h"
#include "shared/RegisterTable.h"
#include "support/CaptureSink.h"

namespace posmod {

namespace task_fuzz {

class ReplayExchange : public Exchange {
public:
    explicit ReplayExchange(std::vector<std::string> answers) : answers_(std::move(answers)) {}
    ExchangeResult TaskCode_Exchange(std::string&) override
    {
        ++count;
        std::string a = next_ < answers_.size() ? answers_[next_++] : "!";
        if (!a.empty() && a[0] == '!') return {};
        return {true, a};
    }
    void Timer2_Wait() override {}
    void Timer4_Wait() override {}
    void Wait_Ms(int) override {}
    int count = 0;

private:
    std::vector<std::string> answers_;
    std::size_t next_ = 0;
};

} // namespace task_fuzz

inline std::string taskReplyFuzzCheck(const std::string& in)
{
    if (in.size() < 2) return "";
    const auto b0 = static_cast<uint8_t>(in[0]), b1 = static_cast<uint8_t>(in[1]);
    const int task = 1 + b0 % 11;
    std::vector<std::string> answers(1);
    for (std::size_t i = 2; i < in.size(); ++i) {
        if (in[i] == '|') answers.emplace_back();
        else answers.back() += in[i];
    }

    Public p;
    Public_Reset(p);
    p.set.LinkKind = (b0 & 0x80) ? 1 : 0;
    p.set.R_ProcNo = (b0 & 0x40) ? 2 : 1;
    p.ReplyStatusOffset = (b0 & 0x20) ? 2 : 0;
    p.ModuleType = 1 + b1 % 5;
    p.ModuleVariant = (b1 >> 4) % 3;
    p.TaskCode1 = (b1 & 0x80) ? "45" : "A5";
    p.TaskCode2 = "A0";
    p.TaskCode3 = "A4";
    p.set.RusRemoteNo = p.set.RusUnitNo = p.set.RusSlotNo = "0";
    p.InitControlWord = "0000";
    Model_BuildRegisters(p.ModuleType, p.reg);
    for (auto& a : p.Z4PrmAxis)
        for (auto& w : a.Word) w = "0000";
    p.Z4StepNo = "0000";
    p.Z4StepCmd = "880F";
    p.Z4StepData = std::string(144, '0');
    p.Z4CommandIndex = b1 % 15;
    p.Z4DataBlock = "00000000";
    int index = b1;
    if (task == 2 || task == 3) index = b1 * 9;          // 0 (refused) .. 2295 (past the table)
    if (task == 6 || task == 8) index = b1 % 5;          // 4 is refused
    if (task == 7) index = b1 + ((b0 & 0x10) ? 1 : 0);   // 256 is refused

    task_fuzz::ReplayExchange ex(answers);
    CaptureSink msg;
    Tasks tasks(p, ex, msg);
    const int r = tasks.TaskSend(task, index);

    if (r != 1 && r != 2) return "result " + std::to_string(r);
    if (ex.count > 120) return "more exchanges than any task makes";
    if (msg.texts.size() > 1 || (msg.texts.size() == 1 && msg.texts[0] != "Status Register Error Occurred"))
        return "unexpected message";
    const bool badIndex = ((task == 2 || task == 3) && (index < 1 || index > RegisterTable::kRows)) ||
                          ((task == 6 || task == 8) && index > 3) || (task == 7 && index > 255);
    if (badIndex && (r != 2 || ex.count != 0)) return "a bad index reached the module";
    if (task == 3 && r == 1 && p.reg.ReadData[index].size() != 4) return "task 3 stored a short word";
    // Tasks 6 and 7 store whole words of a whole answer, or nothing (a failure after
    // the memory read leaves what it stored).
    if (task == 6 && !badIndex) {
        const std::size_t first = p.Z4PrmData[index][0].Word.size();
        if (r == 1 && first != 4) return "task 6 stored nothing";
        for (const auto& w : p.Z4PrmData[index])
            if (w.Word.size() != first || (first != 0 && first != 4)) return "task 6 stored part of an answer";
    }
    if (task == 7 && !badIndex) {
        const std::size_t first = p.Z4AutoData[index][0][0].Word.size();
        if (r == 1 && first != 4) return "task 7 stored nothing";
        for (const auto& axis : p.Z4AutoData[index])
            for (const auto& w : axis)
                if (w.Word.size() != first || (first != 0 && first != 4)) return "task 7 stored part of an answer";
    }
    if (task == 5 && r == 1 && p.ModuleType == 5)
        for (const auto& v : p.CurrentValue_Data)
            if (v.size() != 8) return "task 5 current value not 8 digits";
    return "";
}

} // namespace posmod
