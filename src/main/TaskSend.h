#pragma once
// The numbered tasks: short fixed sequences of task-code exchanges that write the
// module's registers, watch its status word and move the answers into the stores.
#include <string>
#include <vector>

#include "main/LinkApi.h"
#include "shared/Messages.h"
#include "shared/Public.h"

namespace posmod {

class Tasks : public TaskOps {
public:
    Tasks(Public& pub, Exchange& ex, MessageSink& msg);

    // 1 done, 2 failed, 0 no such task (nothing sent).
    int TaskSend(int taskNo, int index) override;

private:
    enum class PollForm { OneWord, FourWord };

    int task1();
    int task2(int row);
    int task3(int row);
    int task4();
    int task5();
    int task6(int axis);
    int task7(int step);
    int task8(int axis);
    int task9();
    int task10();
    int task11();

    // Steps shared by several tasks.
    // "1700", then "1601" with the short code set; false when the last of them failed.
    bool openSequence();
    int probeVariant();
    int stepCommand(bool withMemoryWrite);
    int StatusPoll(PollForm form, bool waitSet, int mask = 0xF);

    // One exchange; false (and the failure remembered for the next poll) when it failed.
    bool send(std::string text);
    // The answer's data: what follows the status field (and precedes the RS-232C sum).
    std::string replyData() const;
    // The last n data words, earliest first; false when the data is too short.
    bool lastWords(int n, std::vector<std::string>& words) const;
    // n words right after the first "7F" of the data; false when missing or short.
    bool memoryWords(int n, std::vector<std::string>& words) const;

    std::string rus() const;
    std::string RegWriteText(char reg, const std::string& word) const;
    std::string ClosingText() const;
    std::string StatusReadText() const;
    std::string StatusRead4Text() const;
    std::string MemReadText(int addrIndexShort, int offset, int words) const;
    std::string MemWriteText(const std::string& data) const;
    bool longMemoryForm() const { return p_.ModuleVariant >= 2; }

    Public& p_;
    Exchange& ex_;
    MessageSink& msg_;
    bool serial_ = true;     // the RS-232C procedure runs
    bool lastFailed_ = false;
    std::string reply_;      // the answer of the last exchange that was done
};

// Empties both texts of every element of Z4PrmData and Z4AutoData.
void Zr4Data_Clear(Public& p);

} // namespace posmod
