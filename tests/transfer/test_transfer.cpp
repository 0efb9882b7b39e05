// The dispatcher and the read sequences against stubs of the link and the tasks.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "shared/FormNumbers.h"
#include "transfer/Sequences.h"
#include "transfer/Transfer.h"

using namespace posmod;

namespace {

struct StubLink : LinkOps {
    std::vector<std::string>* log = nullptr;
    int connectResult = 1;
    int connectType = -1;
    int CpuConnect(int moduleType) override
    {
        connectType = moduleType;
        log->push_back("connect");
        if (onConnect) onConnect();
        return connectResult;
    }
    void TSK1600() override { log->push_back("TSK1600"); }
    void POCLS() override { log->push_back("POCLS"); }
    std::function<void()> onConnect;
};

struct StubTasks : TaskOps {
    std::vector<std::pair<int, int>> sent;
    // Item k (1-based; 0 = the opening task 1) answers `code`, or has Cancel pressed while in flight.
    int failAt = -1, failCode = 2, cancelAt = -1;
    Transfer* transfer = nullptr;
    std::function<void(int task, int index)> during;
    int TaskSend(int taskNo, int index) override
    {
        const int k = static_cast<int>(sent.size());
        sent.emplace_back(taskNo, index);
        if (during) during(taskNo, index);
        if (k == cancelAt) transfer->cmdCancel_Click();
        return k == failAt ? failCode : 1;
    }
};

struct StubUi : WaitUi {
    std::vector<std::string> placed;
    int shows = 0, hides = 0, barMax = -1, barValue = -1;
    std::string text;
    void placeOver(int formNo) override
    {
        static const char* const names[] = {"frmMain",          "frmParmJV",         "frmParmZr4",     "frmParm7W",
                                            "frmAutoRunJVMode", "frmAutoRun7WMode",  "frmAutoRunZr4Mode"};
        placed.push_back(formNo >= 0 && formNo <= form::frmAutoRunZr4Mode ? names[formNo] : "?");
    }
    void showWait() override { ++shows; }
    void hideWait() override { ++hides; }
    void setBar(int maximum, int value) override { barMax = maximum, barValue = value; }
    void setCountText(const std::string& t) override { text = t; }
};

std::string countText(int value, int max)
{
    return (value == 0 ? "(  0  / " : "( " + std::to_string(value) + "  / ") + std::to_string(max) +
           "  )  Data Count...";
}

struct Rig {
    Public pub;
    std::vector<std::string> log;
    StubLink link;
    StubTasks tasks;
    StubUi ui;
    Transfer transfer{pub, link, tasks, ui};
    Rig()
    {
        Public_Reset(pub);
        pub.SendCancel = -1;
        link.log = &log;
        tasks.transfer = &transfer;
    }
    bool closed() const
    {
        return log.size() >= 2 && log[log.size() - 2] == "TSK1600" && log.back() == "POCLS";
    }
};

// ---- the SendMain contract: mode x outcome ------------------------------------------------

struct ModeCase {
    const char* name;
    int mode, type, first, last, teach;
    int itemTask, firstIndex, count; // the items read: task, first index, how many (consecutive)
};

const ModeCase kModes[] = {
    {"ParamsJV", 1, 1, 0, 0, 0, 3, 3, 12},
    {"Params7W", 1, 2, 0, 0, 0, 3, 5, 24},
    {"ParamsZ4", 1, 5, 0, 0, 0, 6, 0, 4},
    {"StepsJV_2_3", 5, 1, 2, 3, 0, 3, 25, 8},
    {"StepsJV_5_5", 5, 1, 5, 5, 0, 3, 37, 4},
    {"StepsJV_0_255", 5, 1, 0, 255, 0, 3, 17, 1024},
    {"StepsZRH_2_3", 5, 4, 2, 3, 0, 3, 48, 16},
    {"Steps7K_0_255", 5, 3, 0, 255, 0, 3, 32, 2048},
    {"StepsZ4_10_12", 5, 5, 10, 12, 0, 7, 10, 3},
    {"Teach", 11, 5, 0, 0, 42, 7, 42, 1},
};

enum class Kind { Done, CancelAt, FailAt, ConnectGives, OpenGives };

struct OutcomeCase {
    const char* name;
    Kind kind;
    int at;   // item (1-based, -1 = the last); 0 = during task 1
    int code; // answer of the failing call
};

const OutcomeCase kOutcomes[] = {
    {"Done", Kind::Done, 0, 0},
    {"CancelDuringTask1", Kind::CancelAt, 0, 0},
    {"CancelDuringFirst", Kind::CancelAt, 1, 0},
    {"CancelDuringLast", Kind::CancelAt, -1, 0},
    {"FirstFails2", Kind::FailAt, 1, 2},
    {"LastFails0", Kind::FailAt, -1, 0},
    {"ConnectGives0", Kind::ConnectGives, 0, 0},
    {"ConnectGives2", Kind::ConnectGives, 0, 2},
    {"Task1Gives2", Kind::OpenGives, 0, 2},
};

TEST(SendMain, ModeByOutcome)
{
    for (const auto& m : kModes) {
        for (const auto& o : kOutcomes) {
            SCOPED_TRACE(std::string(m.name) + "/" + o.name);
            Rig rig;
            rig.pub.ModuleType = m.type;
            rig.pub.StepRange = {3, m.first, m.last};
            rig.pub.TeachStepNo = m.teach;
            const int n = m.count;
            const int k = o.at < 0 ? n : o.at;
            switch (o.kind) {
            case Kind::Done: break;
            case Kind::CancelAt: rig.tasks.cancelAt = k; break;
            case Kind::FailAt: rig.tasks.failAt = k, rig.tasks.failCode = o.code; break;
            case Kind::ConnectGives: rig.link.connectResult = o.code; break;
            case Kind::OpenGives: rig.tasks.failAt = 0, rig.tasks.failCode = o.code; break;
            }
            // The window is up and the count reads zero before the link is opened.
            rig.link.onConnect = [&] {
                EXPECT_EQ(rig.ui.shows, 1);
                EXPECT_EQ(rig.ui.barMax, n);
                EXPECT_EQ(rig.ui.text, countText(0, n));
                EXPECT_EQ(rig.pub.SendCancel, 0);
            };

            const uint8_t r = rig.transfer.SendMain(m.mode);

            uint8_t want = 1;
            int items = n, bar = n;
            switch (o.kind) {
            case Kind::Done: break;
            case Kind::CancelAt: want = k < n ? 3 : 1, items = k, bar = k; break;
            case Kind::FailAt: want = static_cast<uint8_t>(o.code), items = k; break;
            case Kind::ConnectGives:
            case Kind::OpenGives: want = static_cast<uint8_t>(o.code), items = 0; break;
            }
            EXPECT_EQ(r, want);
            EXPECT_EQ(rig.link.connectType, m.type);

            std::vector<std::pair<int, int>> sentWant;
            if (o.kind != Kind::ConnectGives) sentWant.emplace_back(1, 1);
            for (int i = 0; i < items; ++i) sentWant.emplace_back(m.itemTask, m.firstIndex + i);
            EXPECT_EQ(rig.tasks.sent, sentWant);

            const bool closes = want == 1 || want == 3;
            EXPECT_EQ(rig.closed(), closes);
            EXPECT_EQ(rig.log.size(), closes ? 3u : 1u);

            EXPECT_EQ(rig.transfer.progressValue(), bar);
            EXPECT_EQ(rig.ui.barValue, bar);
            EXPECT_EQ(rig.ui.text, countText(bar, n));
            EXPECT_EQ(rig.pub.SendCancel, -1);
            EXPECT_FALSE(rig.transfer.busy());
            EXPECT_EQ(rig.ui.hides, 1);
            EXPECT_EQ(rig.ui.placed, std::vector<std::string>{m.mode == 11 ? "frmAutoRunZr4Mode" : "frmMain"});
            if (m.mode == 5 && m.type != 5) {
                EXPECT_EQ(rig.pub.reg.AutoRange[0], m.firstIndex);
                EXPECT_EQ(rig.pub.reg.AutoRange[1], m.firstIndex + n - 1);
            }
        }
    }
}

// ---- dispatch of the modes whose sequences are not read sequences ---------------------------

// The program's table with every sequence but the reads replaced by one that records its name.
struct RecordingTable {
    std::string ran;
    uint8_t answer = 1;
    SequenceTable table;
    RecordingTable()
    {
        auto rec = [this](const char* name) -> Sequence {
            return [this, name](Transfer&) { ran = name; return answer; };
        };
        auto same = [&](const char* name) { return std::array<Sequence, 3>{rec(name), rec(name), rec(name)}; };
        const std::vector<std::pair<int, std::array<Sequence, 3>>> runs = {
            {2, same("CpuPrmWriteJVsub")},  {3, same("CpuPrmWriteZ4sub")},  {4, same("CpuPrmWrite7Wsub")},
            {6, same("CpuAutoWriteJVsub")}, {7, same("CpuAutoWriteZ4sub")}, {8, same("CpuAutoWrite7Wsub")},
            {9, {rec("Csv_Writesub"), rec("Csv_Writesub"), rec("CsvZ4_Writesub")}},
            {10, {rec("Csv_Readsub"), rec("Csv_Readsub"), rec("CsvZ4_Readsub")}},
        };
        for (const auto& [mode, run] : runs) table.rows.push_back({mode, Sequences_Table().find(mode)->callerForm, run});
    }
};

TEST(SendMain, OtherModesRunTheirSequenceAndCloseOnlyAfterDoneOrCancelled)
{
    struct Case { int mode, type; const char* sequence; const char* caller; };
    const Case cases[] = {
        {2, 1, "CpuPrmWriteJVsub", "frmParmJV"},        {3, 5, "CpuPrmWriteZ4sub", "frmParmZr4"},
        {4, 3, "CpuPrmWrite7Wsub", "frmParm7W"},        {6, 1, "CpuAutoWriteJVsub", "frmAutoRunJVMode"},
        {7, 5, "CpuAutoWriteZ4sub", "frmAutoRunZr4Mode"}, {8, 4, "CpuAutoWrite7Wsub", "frmAutoRun7WMode"},
        {9, 5, "CsvZ4_Writesub", "frmMain"},            {9, 2, "Csv_Writesub", "frmMain"},
        {10, 5, "CsvZ4_Readsub", "frmMain"},            {10, 1, "Csv_Readsub", "frmMain"},
    };
    for (const auto& c : cases) {
        for (uint8_t answer : {1, 2, 3, 0}) {
            SCOPED_TRACE(std::string(c.sequence) + " answers " + std::to_string(answer));
            Rig rig;
            RecordingTable rec;
            Transfer t(rig.pub, rig.link, rig.tasks, rig.ui, &rec.table);
            rec.answer = answer;
            rig.pub.ModuleType = c.type;
            EXPECT_EQ(t.SendMain(c.mode), answer);
            EXPECT_EQ(rec.ran, c.sequence);
            EXPECT_EQ(rig.ui.placed, std::vector<std::string>{c.caller});
            EXPECT_EQ(rig.closed(), answer == 1 || answer == 3);
            EXPECT_EQ(rig.pub.SendCancel, -1);
        }
    }
}

TEST(SendMain, ModeOutsideTheRangeRunsNothingAndMovesNothing)
{
    for (int mode : {0, 12, -1}) {
        Rig rig;
        rig.pub.ModuleType = 1;
        EXPECT_EQ(rig.transfer.SendMain(mode), 0);
        EXPECT_TRUE(rig.ui.placed.empty());
        EXPECT_TRUE(rig.log.empty());
        EXPECT_EQ(rig.ui.shows, 0);
        EXPECT_EQ(rig.pub.SendCancel, -1);
    }
}

// ---- read sequences: edges ------------------------------------------------------------------

TEST(ReadSequence, EmptyReadCodeEndsTheReadDoneBeforeThatRow)
{
    Rig rig;
    rig.pub.ModuleType = 1;
    rig.tasks.during = [&](int task, int) {
        if (task == 1) rig.pub.reg.ReadAddr[8].clear();
    };
    EXPECT_EQ(rig.transfer.SendMain(1), 1);
    ASSERT_EQ(rig.tasks.sent.size(), 6u); // task 1, rows 3..7
    EXPECT_EQ(rig.tasks.sent.back(), std::make_pair(3, 7));
    EXPECT_TRUE(rig.closed());
    EXPECT_EQ(rig.ui.text, countText(12, 12)); // filled: not cancelled
}

TEST(ReadSequence, StepWindowOutsideTheTableIsNeverRead)
{
    struct Case { int mode, type, first, last, teach; };
    const Case cases[] = {
        {5, 1, -1, 3, 0}, {5, 2, 3, 256, 0}, {5, 5, 7, 6, 0}, {5, 1, -100000, -100000, 0},
        {11, 5, 0, 0, 256}, {11, 5, 0, 0, -1},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.pub.ModuleType = c.type;
        rig.pub.StepRange = {3, c.first, c.last};
        rig.pub.TeachStepNo = c.teach;
        EXPECT_EQ(rig.transfer.SendMain(c.mode), 0);
        EXPECT_TRUE(rig.tasks.sent.empty());
        EXPECT_EQ(rig.pub.SendCancel, -1);
    }
}

TEST(SendMain, ReadsStartFromEmptyStores)
{
    struct Case { int mode, type; bool z4Cleared, tableRebuilt; };
    const Case cases[] = {
        {1, 5, true, false}, {5, 5, true, false}, {11, 5, false, false}, {1, 1, false, true}, {5, 3, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + "/" + std::to_string(c.type));
        Rig rig;
        rig.pub.ModuleType = c.type;
        rig.pub.StepRange = {3, 0, 0};
        rig.pub.Z4PrmData[2][18].Word = "ABCD";
        rig.pub.Z4AutoData[200][3][8].SetWord = "0001";
        rig.pub.reg.ReadAddr[3] = "FFFF";
        rig.pub.reg.ReadData[3] = "1234";
        rig.link.connectResult = 0;
        EXPECT_EQ(rig.transfer.SendMain(c.mode), 0);
        EXPECT_EQ(rig.pub.Z4PrmData[2][18].Word.empty(), c.z4Cleared);
        EXPECT_EQ(rig.pub.Z4AutoData[200][3][8].SetWord.empty(), c.z4Cleared);
        EXPECT_EQ(rig.pub.reg.ReadData[3] == "0", c.tableRebuilt);
    }
}

// ---- busy flag and progress -----------------------------------------------------------------

TEST(SendMain, BusyFromStartToEndAlsoAfterCancelAndRefusesANestedTransfer)
{
    Rig rig;
    rig.pub.ModuleType = 5;
    int nestedResult = -1;
    rig.tasks.during = [&](int task, int index) {
        EXPECT_TRUE(rig.transfer.busy());
        if (task == 6 && index == 1) {
            rig.transfer.cmdCancel_Click();
            EXPECT_TRUE(rig.pub.TransferBusy); // the item is still in flight
            nestedResult = rig.transfer.SendMain(1);
            EXPECT_EQ(rig.pub.SendCancel, -1); // the nested call left the flags alone
            EXPECT_TRUE(rig.pub.TransferBusy);
        }
    };
    EXPECT_EQ(rig.transfer.SendMain(1), 3);
    EXPECT_EQ(nestedResult, 0);
    EXPECT_EQ(rig.tasks.sent.size(), 3u); // task 1, axes 0 and 1; the nested call sent nothing
    EXPECT_FALSE(rig.transfer.busy());
}

TEST(Progress, NothingToCountKeepsABarAndAFullBarStaysPut)
{
    Rig rig;
    rig.transfer.Progress_Initsub(0);
    EXPECT_EQ(rig.ui.barMax, 1);
    EXPECT_EQ(rig.ui.barValue, 0);
    EXPECT_EQ(rig.ui.text, "(  0  / 0  )  Data Count...");
    rig.transfer.Progress_Stepsub();
    EXPECT_EQ(rig.transfer.progressValue(), 0);
    EXPECT_EQ(rig.ui.text, "(  0  / 0  )  Data Count...");

    rig.transfer.Progress_Initsub(1);
    rig.transfer.Progress_Stepsub();
    rig.ui.text = "untouched";
    rig.transfer.Progress_Stepsub();
    EXPECT_EQ(rig.transfer.progressValue(), 1);
    EXPECT_EQ(rig.ui.text, "untouched");
}

} // namespace
