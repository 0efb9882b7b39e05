// Copies between a CSV file and the module (modes 9 and 10) against stubs of the link and the
// tasks: the rows of the store range, the files saved, the file read and checked whole before
// any link opens, and what each refusal leaves.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "CsvTestFiles.h"
#include "main/TaskSend.h"
#include "shared/RegisterTable.h"
#include "support/CaptureSink.h"
#include "support/FakeFiles.h"
#include "support/Hex.h"
#include "support/QuietUi.h"
#include "transfer/CsvFields.h"
#include "transfer/CsvTransfer.h"
#include "transfer/Transfer.h"

using namespace posmod;
using posmod::test::golden;
using posmod::test::TempDir;

namespace {

struct StubLink : LinkOps {
    std::vector<std::string>* log = nullptr;
    int connectResult = 1;
    int CpuConnect(int) override
    {
        log->push_back("connect");
        return connectResult;
    }
    void TSK1600() override { log->push_back("TSK1600"); }
    void POCLS() override { log->push_back("POCLS"); }
};

// Answers as a module would: task 3 fills the row with words made from its number, task 6 an
// axis's parameters (option fields whose codes have texts), task 7 a step; every write is
// logged with what it sends.
struct StubTasks : TaskOps {
    Public& pub;
    std::vector<std::string>* log = nullptr;
    Transfer* transfer = nullptr;
    int items = 0;
    int failOnItem = 0, cancelOnItem = 0;
    explicit StubTasks(Public& p) : pub(p) {}

    int TaskSend(int taskNo, int index) override
    {
        std::string entry = "task" + std::to_string(taskNo) + ":" + std::to_string(index);
        const auto r = static_cast<size_t>(index);
        if (taskNo == 2) entry += " " + pub.reg.WriteData[r] + "/" + pub.reg.WriteDataH[r];
        if (taskNo == 8)
            for (const std::string& w : pub.Z4PrmAxis[r].Word) entry += " " + w;
        if (taskNo == 9) entry += " " + pub.Z4StepNo + " " + pub.Z4StepCmd + " " + pub.Z4StepData;
        log->push_back(entry);
        if (taskNo == 1) return 1;
        ++items;
        if (items == failOnItem) return 2;
        if (items == cancelOnItem) transfer->cmdCancel_Click();
        if (taskNo == 3) {
            pub.reg.ReadData[r] = hex4(index);
            if (pub.reg.TwoWords[r]) pub.reg.ReadDataH[r] = hex4(0x1000 + index);
        } else if (taskNo == 6) {
            auto& w = pub.Z4PrmData[r];
            w[0].Word = "1032";
            w[1].Word = "0123";
            w[2].Word = "3210";
            for (int k = 3; k < 19; ++k) w[static_cast<size_t>(k)].Word = hex4(0x2000 + index * 0x100 + k);
        } else if (taskNo == 7) {
            for (size_t a = 0; a < 4; ++a)
                for (size_t w = 0; w < 9; ++w)
                    pub.Z4AutoData[r][a][w].Word = hex4(index * 0x100 + static_cast<int>(a) * 0x10 + static_cast<int>(w));
        }
        return 1;
    }
};

struct Rig {
    Public pub;
    std::vector<std::string> log;
    StubLink link;
    StubTasks tasks{pub};
    QuietUi ui;
    CaptureSink sink;
    MemoryFileWriter writer;
    ScriptedFileDialog dialogSeam;
    RememberingFileDialog dialog{dialogSeam};
    Transfer transfer{pub, link, tasks, ui};
    TempDir dir;

    explicit Rig(int type)
    {
        Public_Reset(pub);
        pub.ModuleType = type;
        pub.SendCancel = -1;
        link.log = &log;
        tasks.log = &log;
        tasks.transfer = &transfer;
        transfer.messages = &sink;
        transfer.CsvDialog = &dialog;
        transfer.fileWriter = &writer;
    }
    // Mode 9 of a file holding bytes.
    uint8_t send(const std::string& bytes)
    {
        dialogSeam.answers.push_back(dir.file("in.csv", bytes));
        return transfer.SendMain(9);
    }
    // Mode 10 of the store range into out.csv.
    uint8_t save(int kind, int axes, int first, int last)
    {
        pub.CsvStoreRange = {kind, axes, first, last};
        dialogSeam.answers.push_back(dir.path("out.csv"));
        return transfer.SendMain(10);
    }
    const std::string& saved() { return writer.files[dir.path("out.csv")]; }
    std::vector<std::string> sentOf(int task) const
    {
        std::vector<std::string> out;
        const std::string head = "task" + std::to_string(task) + ":";
        for (const std::string& e : log)
            if (e.rfind(head, 0) == 0) out.push_back(e.substr(head.size()));
        return out;
    }
};

// ---- ReadItem_ListSet -------------------------------------------------------------------------

struct Span {
    int from, to, stride;
};

struct ListCase {
    const char* name;
    int type, kind, axes, first, last;
    std::vector<Span> rows;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

const std::vector<Span> kJVStatus = {{2, 2, 1}, {15, 15, 1}};
const std::vector<Span> k7WStatus = {{1, 4, 1}, {29, 31, 1}};
std::vector<Span> operator+(std::vector<Span> a, const std::vector<Span>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const ListCase kLists[] = {
    {"JV_Both_Step0", 1, 0, 2, 0, 0, kJVStatus + std::vector<Span>{{3, 14, 1}, {17, 20, 1}}},
    {"JV_ParamsOnlyAxisIgnored", 1, 1, 2, 5, 9, kJVStatus + std::vector<Span>{{3, 14, 1}}},
    {"JV_StepsOnly_255", 1, 2, 0, 255, 255, kJVStatus + std::vector<Span>{{1037, 1040, 1}}},
    {"JV_OtherKind", 1, 4, 0, 0, 3, kJVStatus},
    {"7W_Both_BothAxes_Steps1to2", 2, 0, 0, 1, 2, k7WStatus + std::vector<Span>{{5, 28, 1}, {40, 55, 1}}},
    {"7W_Both_X_Step0", 2, 0, 1, 0, 0, k7WStatus + std::vector<Span>{{5, 27, 2}, {32, 38, 2}}},
    {"7WK_ParamsOnly_Y", 3, 1, 2, 0, 0, k7WStatus + std::vector<Span>{{6, 28, 2}}},
    {"ZRH_StepsOnly_X_Step3", 4, 2, 1, 3, 3, k7WStatus + std::vector<Span>{{56, 62, 2}}},
    {"7W_StepsOnly_Y_254to255", 2, 2, 2, 254, 255, k7WStatus + std::vector<Span>{{2065, 2079, 2}}},
    {"7W_OtherAxisNone", 2, 0, 3, 0, 9, k7WStatus},
    {"7W_TheLargestList", 2, 0, 0, 0, 255, k7WStatus + std::vector<Span>{{5, 28, 1}, {32, 2079, 1}}},
    {"7W_StepsOutsideTheTableListNone", 2, 2, 0, 200, 300, k7WStatus},
};

class ListSet : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListSet, RowsInOrder)
{
    const ListCase& c = GetParam();
    Public p;
    Public_Reset(p);
    p.ModuleType = c.type;
    if (c.type == 1) CodeTable_SetJV(p.reg);
    else CodeTable_Set7W(p.reg);
    p.CsvReadIndex.fill(99);
    p.CsvStoreRange = {c.kind, c.axes, c.first, c.last};
    std::vector<int> expect;
    for (const Span& s : c.rows)
        for (int r = s.from; r <= s.to; r += s.stride) expect.push_back(r);
    ASSERT_EQ(ReadItem_ListSet(p), static_cast<int>(expect.size()));
    EXPECT_EQ(p.CsvReadCount, static_cast<int>(expect.size()));
    for (size_t i = 0; i < expect.size(); ++i) ASSERT_EQ(p.CsvReadIndex[i + 1], expect[i]) << i;
    for (size_t i = expect.size() + 1; i < p.CsvReadIndex.size(); ++i) ASSERT_EQ(p.CsvReadIndex[i], 0) << i;
}

INSTANTIATE_TEST_SUITE_P(Cases, ListSet, ::testing::ValuesIn(kLists),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- mode 10 ----------------------------------------------------------------------------------

TEST(CsvSave, OneAxisParametersWithTheStatusRowsFirst)
{
    Rig rig(1);
    ASSERT_EQ(rig.save(1, 0, 0, 0), 1);
    EXPECT_EQ(rig.saved(), golden("mode10_jv.csv"));
    EXPECT_EQ(rig.log.front(), "connect");
    EXPECT_EQ(rig.log[1], "task1:1");
    EXPECT_EQ(rig.log.back(), "POCLS");
    EXPECT_EQ(rig.transfer.progressMax(), 14);
    ASSERT_EQ(rig.dialogSeam.requests.size(), 1u);
    EXPECT_EQ(rig.dialogSeam.requests[0].mode, FileNameRequest::Mode::Save);
    EXPECT_TRUE(rig.dialogSeam.requests[0].confirmOverwrite);
}

TEST(CsvSave, TwoAxisOneAxisOneStep)
{
    Rig rig(2);
    rig.pub.set.AxisName = {"X axis", "Y axis", "", ""};
    ASSERT_EQ(rig.save(2, 1, 3, 3), 1);
    EXPECT_EQ(rig.saved(), golden("mode10_7w.csv"));
}

TEST(CsvSave, FourAxisOneAxisTwoSteps)
{
    Rig rig(5);
    rig.pub.set.AxisName = {"A", "B", "C,c", "D"};
    ASSERT_EQ(rig.save(0, 3, 10, 11), 1);
    EXPECT_EQ(rig.saved(), golden("mode10_z4.csv"));
    EXPECT_EQ(rig.sentOf(6), std::vector<std::string>{"2"});
    EXPECT_EQ(rig.sentOf(7), (std::vector<std::string>{"10", "11"}));
    EXPECT_EQ(rig.transfer.progressMax(), 3);
}

TEST(CsvSave, NothingIsWrittenUnlessEveryReadSucceeds)
{
    struct Case {
        const char* name;
        int type;
        int failOn, cancelOn;
        enum { Writes, Refuses, FailsLater } writer; // the name: writable, not, fails only at the end
        uint8_t result;
        const char* message;
    };
    const Case cases[] = {
        {"RegisterReadFails", 2, 3, 0, Case::Writes, 2, nullptr},
        {"RegisterCancel", 1, 0, 2, Case::Writes, 3, nullptr},
        {"FourAxisStepFails", 5, 3, 0, Case::Writes, 2, nullptr},
        {"FourAxisCancel", 5, 0, 1, Case::Writes, 3, nullptr},
        {"RegisterNameRefused", 1, 0, 0, Case::Refuses, 0, kFileWriteErrorMessage},
        {"FourAxisNameRefused", 5, 0, 0, Case::Refuses, 0, kFileWriteErrorMessage},
        {"RegisterWriteFails", 1, 0, 0, Case::FailsLater, 0, kFileWriteErrorMessage},
        {"FourAxisWriteFails", 5, 0, 0, Case::FailsLater, 0, kFileWriteErrorMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(c.type);
        rig.tasks.failOnItem = c.failOn;
        rig.tasks.cancelOnItem = c.cancelOn;
        const std::string out = rig.dir.path("out.csv");
        rig.writer.files[out] = "old bytes";
        if (c.writer != Case::Writes) rig.writer.failing.insert(out);
        if (c.writer == Case::FailsLater) rig.writer.failingLater.insert(out);
        EXPECT_EQ(rig.save(0, 0, 0, 1), c.result);
        EXPECT_EQ(rig.saved(), "old bytes");
        EXPECT_EQ(rig.sink.texts, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        // A name refused before the read opens no link; one that fails at the end was read for.
        EXPECT_EQ(rig.log.empty(), c.writer == Case::Refuses);
    }
}

TEST(CsvSave, CancelAndBadRangesOpenNothing)
{
    for (int type : {1, 5}) {
        Rig rig(type);
        rig.pub.CsvStoreRange = {0, 0, 0, 0};
        EXPECT_EQ(rig.transfer.SendMain(10), 0); // the dialog cancelled
        EXPECT_EQ(rig.pub.CsvFileName, "");
        EXPECT_EQ(rig.save(0, 0, 5, 4), 0);
        EXPECT_EQ(rig.save(0, 0, 0, 256), 0);
        if (type == 5) {
            EXPECT_EQ(rig.save(0, 5, 0, 0), 0);
        }
        EXPECT_TRUE(rig.log.empty());
        EXPECT_EQ(rig.writer.writes, 0);
        EXPECT_TRUE(rig.sink.texts.empty());
    }
}

// ---- mode 9, register models ---------------------------------------------------------------

TEST(CsvLoad, RegisterRowsAreSentInFileOrderUpperCase)
{
    Rig rig(2);
    rig.pub.set.AxisName = {"keep X", "keep Y", "keep C", "keep D"};
    const uint8_t r = rig.send("X Axis,new\r\nY Axis,new\r\nA Axis,1F01\r\n"
                               "3f0a,86a0,1\r\n1F01,64,ZZZZ\r\n1800,BAD!,BAD!\r\n9999,0002,0003\r\n1F01,65,0\r\n");
    ASSERT_EQ(r, 1);
    // The whole file is read before the first row goes: a key twice sends its later values twice.
    EXPECT_EQ(rig.sentOf(2), (std::vector<std::string>{"24 86A0/0001", "5 0065/", "5 0065/"}));
    EXPECT_EQ(rig.log.front(), "connect");
    EXPECT_EQ(rig.log[1], "task1:1");
    EXPECT_EQ(rig.transfer.progressMax(), 3);
    EXPECT_EQ(rig.pub.set.AxisName, (std::array<std::string, 4>{"keep X", "keep Y", "keep C", "keep D"}));
    EXPECT_TRUE(rig.sink.texts.empty());
    ASSERT_EQ(rig.dialogSeam.requests.size(), 1u);
    EXPECT_EQ(rig.dialogSeam.requests[0].mode, FileNameRequest::Mode::Open);
    EXPECT_FALSE(rig.dialogSeam.requests[0].confirmOverwrite);
}

struct Refusal {
    const char* name;
    int type;
    std::string bytes;   // "<missing>": no such file; "<folder>": a folder; "<oversize>": past the cap
    uint8_t result;
    std::string message;
};

void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }

std::string fullAxis(int axis, int skipRow = 0, const char* row1 = "Move to CW")
{
    const char* texts[] = {row1,
                           "Free home position",
                           "CCW (Counter Clockwis)",
                           "Linear acceleration and deceleration",
                           "x1",
                           "x10",
                           "Pulse",
                           "Pulse / Direction mode(Positive logic)",
                           "Input valid (When the input is OFF)",
                           "Input valid (When the input is ON)",
                           "COIN is valid / SRDY is valid"};
    std::string out;
    for (int row = 1; row <= 23; ++row) {
        if (row == skipRow) continue;
        const std::string v = row <= 11 ? texts[row - 1] : row <= 19 ? hex4(0x100 * row) : "0001" + hex4(row);
        out += std::to_string(axis) + "," + std::to_string(row) + "," + v + "\r\n";
    }
    return out;
}
std::string fullStep(const std::string& key, int skipItem = -1, const char* mode = "8000")
{
    std::string out;
    for (int i = 0; i < 7; ++i) {
        if (i == skipItem) continue;
        const std::string v = i == 0 ? mode : i <= 4 ? hex4(0x10 * i) : "ABCD" + hex4(i);
        out += key + "," + std::to_string(i) + "," + v + "\r\n";
    }
    return out;
}

const Refusal kRefusals[] = {
    {"RegMissingFile", 1, "<missing>", 0, kFileReadErrorMessage},
    {"RegFolder", 2, "<folder>", 0, kFileReadErrorMessage},
    {"Z4OverTheSizeCap", 5, "<oversize>", 0, kFileReadErrorMessage},
    {"RegTruncated", 1, "5F02,0001,0000\r\n\r\n5F01,0001", 0, "File Read Error Occurred (line 3)"},
    {"RegNothingToSend", 1, "X Axis,\r\nY Axis,\r\n5800,0001,0002\r\n", 2, kNoDataMessage},
    {"RegEmptyFile", 2, "", 2, kNoDataMessage},
    {"RegEmptyValue", 1, "5F01,,0000\r\n", 2, kNumericErrorMessage},
    {"RegBlankInValue", 1, "5F01,00 1,0000\r\n", 2, kNumericErrorMessage},
    {"RegNotHex", 1, "5F02,0001,0000\r\n5F01,12G4,0000\r\n", 2, kNumericErrorMessage},
    {"RegFiveDigits", 1, "5F01,00001,0000\r\n", 2, kLimitErrorMessage},
    {"RegHighWordBad", 2, "1F0A,0001,-1\r\n", 2, kNumericErrorMessage},
    {"RegOver2100Rows", 1, [] {
         std::string s;
         for (int i = 0; i <= 2100; ++i) s += "5F01,0001,0000\r\n";
         return s;
     }(), 0, "File Read Error Occurred (line 2101)"},
    {"Z4Nop", 5, fullAxis(0) + "100A,0,NOP\r\n", 2, kNoDataMessage},
    {"Z4OptionTextNotItsRows", 5, fullAxis(1, 0, "x1"), 2, kNoDataMessage},
    {"Z4NoCorrespondingData", 5, fullAxis(1, 0, "No Corresponding Data"), 2, kNoDataMessage},
    {"Z4AxisLacksARow", 5, fullAxis(2, 17), 2, kNoDataMessage},
    {"Z4StepLacksAnItem", 5, fullStep("3001", 6), 2, kNoDataMessage},
    {"Z4NothingToSend", 5, "A Axis,a\r\nB Axis,b\r\nC Axis,c\r\nD Axis,d\r\n", 2, kNoDataMessage},
    {"Z4BadWord", 5, fullStep("0000", -1, "80 0"), 2, kNumericErrorMessage},
    {"Z4WordTooLong", 5, fullStep("0000", -1, "18000"), 2, kLimitErrorMessage},
    {"Z4PairTooLong", 5, "0000,5,123456789\r\n", 2, kLimitErrorMessage},
    {"Z4StepAbove255", 5, fullStep("0000") + fullStep("0100"), 0, "File Read Error Occurred (line 8)"},
    {"Z4LetterAsAxis", 5, fullStep("A001"), 0, "File Read Error Occurred (line 1)"},
    {"Z4AxisOutOfRange", 5, "4,1,Move to CW\r\n", 0, "File Read Error Occurred (line 1)"},
    {"Z4RowOutOfRange", 5, "0,24,0000\r\n", 0, "File Read Error Occurred (line 1)"},
    {"Z4ItemNotDigits", 5, "0001,x,0000\r\n", 0, "File Read Error Occurred (line 1)"},
    {"Z4ShortKey", 5, "001,0,0000\r\n", 0, "File Read Error Occurred (line 1)"},
    {"Z4Truncated", 5, "A Axis,a\r\n0001,0\r\n", 0, "File Read Error Occurred (line 2)"},
};

class CsvLoadRefused : public ::testing::TestWithParam<Refusal> {};

TEST_P(CsvLoadRefused, BeforeAnyLinkOpensAndChangesNothing)
{
    const Refusal& c = GetParam();
    Rig rig(c.type);
    CodeTable_SetJV(rig.pub.reg);
    rig.pub.reg.WriteData[3] = "CAFE";
    rig.pub.Z4PrmAxis[3].Flag = 1;
    rig.pub.Z4AutoData[7][1][0].SetWord = "8000";
    const Public before = rig.pub;
    if (c.bytes == "<missing>") rig.dialogSeam.answers.push_back(rig.dir.path("none.csv"));
    else if (c.bytes == "<folder>") rig.dialogSeam.answers.push_back(rig.dir.path(""));
    else if (c.bytes == "<oversize>") rig.dialogSeam.answers.push_back(rig.dir.file("in.csv", std::string(kCsvMaxBytes + 1, '\n')));
    else rig.dialogSeam.answers.push_back(rig.dir.file("in.csv", c.bytes));
    EXPECT_EQ(rig.transfer.SendMain(9), c.result);
    EXPECT_TRUE(rig.log.empty());
    EXPECT_EQ(rig.sink.texts, std::vector<std::string>{c.message});
    EXPECT_EQ(rig.sink.icons, std::vector<MsgIcon>{MsgIcon::Exclamation});
    EXPECT_TRUE(posmod::test::SameTable(rig.pub.reg, before.reg));
    EXPECT_EQ(rig.pub.Z4PrmAxis[3].Flag, 1);
    EXPECT_EQ(rig.pub.Z4AutoData[7][1][0].SetWord, "8000");
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvLoadRefused, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CsvLoad, CancelInTheDialogIsQuietAndLeavesTheStores)
{
    for (int type : {1, 5}) {
        Rig rig(type);
        rig.pub.Z4AutoData[0][0][0].Word = "1234";
        EXPECT_EQ(rig.transfer.SendMain(9), 0);
        EXPECT_TRUE(rig.log.empty());
        EXPECT_TRUE(rig.sink.texts.empty());
        EXPECT_EQ(rig.pub.Z4AutoData[0][0][0].Word, "1234");
    }
}

// ---- mode 9, four-axis model ------------------------------------------------------------------

TEST(CsvLoad, FourAxisParametersThenStepsWithTheirAxisMasks)
{
    Rig rig(5);
    rig.pub.Z4PrmAxis[3].Flag = 1; // from an earlier transfer: not sent again
    rig.pub.Z4PrmAxis[3].Word.fill("FFFF");
    const std::string file = "A Axis,a\r\nB Axis,b\r\nC Axis,c\r\nD Axis,d\r\n" + fullStep("2005") + fullAxis(1) +
                             fullStep("0005", -1, "c001") + fullStep("0003") + fullStep("0003", -1, "8111");
    ASSERT_EQ(rig.send(file), 1);
    // Axis B's block: words 0-2 from the option texts, 3-10 the 16-bit rows, then the pairs
    // low word first.
    std::string words = " 0000 0010 0010";
    for (int row = 12; row <= 19; ++row) words += " " + hex4(0x100 * row);
    for (int row = 20; row <= 23; ++row) words += " " + hex4(row) + " 0001";
    EXPECT_EQ(rig.sentOf(8), std::vector<std::string>{"1" + words});
    // Words 1-4, then each 8-digit value low word first.
    const std::string rest = "0010002000300040" "0005ABCD" "0006ABCD";
    EXPECT_EQ(rig.sentOf(9), (std::vector<std::string>{"1 0003 8801 8111" + rest,
                                                        "1 0005 8805 C001" + rest + "8000" + rest}));
    EXPECT_EQ(rig.transfer.progressMax(), 3);
    EXPECT_EQ(rig.pub.Z4PrmAxis[3].Flag, 0);
    EXPECT_EQ(rig.pub.Z4AutoData[5][2][0].SetWord, "8000");
    EXPECT_EQ(rig.pub.Z4AutoData[5][2][6].SetWord, "ABCD");
    EXPECT_EQ(rig.pub.Z4AutoData[5][2][5].SetWord, "0005");
}

TEST(CsvLoad, FourAxisCancelDuringTheParametersSendsNoStep)
{
    Rig rig(5);
    rig.tasks.cancelOnItem = 1;
    ASSERT_EQ(rig.send(fullAxis(0) + fullAxis(2) + fullStep("0000")), 3);
    EXPECT_EQ(rig.sentOf(8).size(), 1u);
    EXPECT_TRUE(rig.sentOf(9).empty());
    EXPECT_EQ(rig.log.back(), "POCLS");
}

TEST(CsvLoad, AFailedTaskEndsTheLoadWithItsCode)
{
    Rig rig(1);
    rig.tasks.failOnItem = 2;
    EXPECT_EQ(rig.send("5F01,0001,0000\r\n5F02,0002,0000\r\n5F03,0003,0000\r\n"), 2);
    EXPECT_EQ(rig.sentOf(2).size(), 2u);
    EXPECT_NE(rig.log.back(), "POCLS");
}

} // namespace
