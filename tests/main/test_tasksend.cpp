// The numbered tasks against the module model, through an in-process exchange.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <functional>
#include <memory>

#include "fakecpu/ModuleModel.h"
#include "main/ModelExchange.h"
#include "main/TaskSend.h"
#include "shared/RegisterTable.h"
#include "support/CaptureSink.h"
#include "support/Hex.h"
#include "support/PeerSettings.h"

namespace posmod {
namespace {

using test::ModelExchange;
using Texts = std::vector<std::string>;

// n consecutive words from first, as a block of text.
std::string words(unsigned first, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i) s += hex4(first + i);
    return s;
}

struct RigSetup {
    ModuleFamily family = ModuleFamily::OneAxis;
    bool oldCodes = false;
    int variant = 0;
    bool eth = false;
};

// Tool and module side by side, placed at remote 1, unit 2, slot 3.
struct Rig {
    explicit Rig(const RigSetup& s) : model(s.family)
    {
        model.remote = "1";
        model.unit = "2";
        model.slot = "3";
        model.newCodes = !s.oldCodes;
        model.variant = s.variant;
        Public_Reset(p);
        const int type = ModuleType_Of(s.family);
        ModuleType_Set(p, type);
        p.TaskCode1 = s.oldCodes ? "45" : "A5";
        p.TaskCode2 = s.oldCodes ? "40" : "A0";
        p.TaskCode3 = s.oldCodes ? "44" : "A4";
        ModuleAddress_Of(p.set, model);
        LinkSettings_Set(p, s.eth ? 1 : 0, 1, "", 0);
        p.ModuleVariant = s.variant;
        p.ModuleField = type == 5 ? "0" : "0E"; // as task 1 leaves it
        if (type == 1) CodeTable_SetJV(p.reg);
        if (type == 2) CodeTable_Set7W(p.reg);
    }
    int run(int task, int index) { return tasks.TaskSend(task, index); }

    Public p;
    ModuleModel model;
    CaptureSink sink;
    ModelExchange ex{p, model};
    Tasks tasks{p, ex, sink};
};

using Prepare = std::function<void(Public&, ModuleModel&)>;
using Check = std::function<void(const Public&, ModuleModel&)>;

struct Golden {
    const char* name;
    RigSetup setup;
    int task, index;
    Prepare prepare;
    Texts events; // task texts and delays, in order
    Check check;
};

const ModuleFamily One = ModuleFamily::OneAxis, Two = ModuleFamily::TwoAxis, Four = ModuleFamily::FourAxis;

std::vector<Golden> goldens()
{
    const std::string prmB = words(0x2000, 19);
    const std::string stepAC = words(0xA000, 9) + words(0xC000, 9);
    const std::string step4 = words(0x1000, 36);
    return {
        {"Task1OneAxis", {One}, 1, 1, nullptr,
         {"1700", "A501090012345100", "A00001230E01"},
         [](const Public& p, ModuleModel&) { EXPECT_EQ(p.ModuleField, "0E"); }},
        {"Task1TwoAxisOldCodesEth", {Two, true, 0, true}, 1, 1, nullptr,
         {"1700", "1601", "4501090012341100", "~30", "400001230E01"},
         [](const Public& p, ModuleModel&) { EXPECT_EQ(p.ModuleField, "0E"); }},
        {"Task1FourAxisVariant0", {Four, false, 0}, 1, 1,
         [](Public& p, ModuleModel&) { p.ModuleVariant = 2; },
         {"1700", "A501090012340000", "A00800123004", "A00A00F01301", "7F0100"},
         [](const Public& p, ModuleModel&) {
             EXPECT_EQ(p.ModuleField, "0");
             EXPECT_EQ(p.ModuleVariant, 0);
         }},
        {"Task1FourAxisVariant2OldCodesEth", {Four, true, 2, true}, 1, 1,
         [](Public& p, ModuleModel&) { p.ModuleVariant = 0; },
         {"1700", "1601", "4501090012340000", "~30", "400800123004", "400A00F01301", "400A00F05001",
          "FF00000000007F0100"},
         [](const Public& p, ModuleModel&) { EXPECT_EQ(p.ModuleVariant, 2); }},
        {"Task2OneAxisTwoWordRow", {One}, 2, 12,
         [](Public& p, ModuleModel&) { p.reg.WriteData[12] = "5678", p.reg.WriteDataH[12] = "1234"; },
         {"A502090012361234090012355678", "A501090012344E0A", "A00001230E01", "A5010101234E0000",
          "A00001230E01"},
         [](const Public&, ModuleModel& m) {
             EXPECT_EQ(m.parameter(0, 10), 0x12345678u);
         }},
        {"Task2TwoAxisOneWordRowOldCodesEth", {Two, true, 0, true}, 2, 6,
         [](Public& p, ModuleModel&) { p.reg.WriteData[6] = "00C8"; },
         {"45020900123600000900123500C8", "4501090012346E01", "~30", "400001230E01", "45010101234E0000", "~30",
          "400001230E01"},
         [](const Public&, ModuleModel& m) { EXPECT_EQ(m.parameter(1, 1), 0xC8u); }},
        {"Task3OneAxisTwoWordRow", {One}, 3, 14,
         [](Public&, ModuleModel& m) { m.parameter(0, 12) = 0xABCD0123; },
         {"A501090012345F0C", "A00001230E01", "~100", "A4020800123208001233", "A5010101234E0000",
          "A00001230E01"},
         [](const Public& p, ModuleModel&) {
             EXPECT_EQ(p.reg.ReadData[14], "0123");
             EXPECT_EQ(p.reg.ReadDataH[14], "ABCD");
         }},
        {"Task3TwoAxisOneWordRowEth", {Two, false, 0, true}, 3, 6,
         [](Public&, ModuleModel& m) { m.parameter(1, 1) = 0x0042; },
         {"A501090012343F01", "~10", "A403080012320800123308001230", "~100", "A4020800123208001233",
          "A5010101234E0000", "~30", "A00001230E01"},
         [](const Public& p, ModuleModel&) {
             EXPECT_EQ(p.reg.ReadData[6], "0042");
             EXPECT_EQ(p.reg.ReadDataH[6], "");
         }},
        {"Task4ControlWord", {Two}, 4, 1, [](Public& p, ModuleModel&) { p.ControlWord = "1101"; },
         {"A501090012341101"},
         [](const Public&, ModuleModel& m) { EXPECT_EQ(m.controls, Texts{"1101"}); }},
        {"Task5OneAxisOldCodes", {One, true}, 5, 0, [](Public&, ModuleModel& m) { m.axisStatus[0] = 0x0A05; },
         {"1700", "1601", "400800123001", "1600", "1600"},
         [](const Public& p, ModuleModel&) { EXPECT_EQ(p.StatusReg_Data[0], "0A05"); }},
        {"Task5TwoAxisEth", {Two, false, 0, true}, 5, 0,
         [](Public&, ModuleModel& m) { m.axisStatus = {0x1234, 0x5678}; },
         {"1700", "A00800123001", "A00800123101"},
         [](const Public& p, ModuleModel&) {
             EXPECT_EQ(p.StatusReg_Data[0], "1234");
             EXPECT_EQ(p.StatusReg_Data[1], "5678");
         }},
        {"Task5FourAxisVariant1", {Four, false, 1}, 5, 0,
         [](Public& p, ModuleModel& m) {
             p.ModuleVariant = 0;
             m.axisStatus = {1, 2, 3, 4};
             m.errorCode = {0x11, 0x22, 0x33, 0x44};
             m.current = {0x00010002, 0xFFFFFFFE, 0x12345678, 0};
         },
         {"1700", "A00800123001", "A00800123101", "A00800123201", "A00800123301", "A00A00F01301",
          "A00A00F05001", "7F0000C0499418"},
         [](const Public& p, ModuleModel&) {
             EXPECT_EQ(p.ModuleVariant, 1);
             EXPECT_EQ(p.StatusReg_Data, (std::array<std::string, 4>{"0001", "0002", "0003", "0004"}));
             EXPECT_EQ(p.ErrorCode_Data, (std::array<std::string, 4>{"0011", "0022", "0033", "0044"}));
             EXPECT_EQ(p.CurrentValue_Data,
                       (std::array<std::string, 4>{"00010002", "FFFFFFFE", "12345678", "00000000"}));
         }},
        {"Task5FourAxisVariant2Eth", {Four, false, 2, true}, 5, 0,
         [](Public&, ModuleModel& m) { m.current[3] = 0x8000FFFF; },
         {"1700", "A00800123001", "A00800123101", "A00800123201", "A00800123301", "A00A00F01301",
          "A00A00F05001", "FF00000000007F0018004994000C"},
         [](const Public& p, ModuleModel&) { EXPECT_EQ(p.CurrentValue_Data[3], "8000FFFF"); }},
        {"Task6AxisCVariant0", {Four, false, 0}, 6, 2,
         [](Public&, ModuleModel& m) {
             for (int w = 0; w < 19; ++w) m.prm[2][w] = static_cast<uint16_t>(0x0100 + w);
         },
         {"A501090012349D04", "A00001232F01", "~100", "7F0000C049AC26", "A501090012340000", "A00001232F01"},
         [](const Public& p, ModuleModel&) {
             EXPECT_EQ(p.ModuleField, "2F");
             for (int w = 0; w < 19; ++w) EXPECT_EQ(p.Z4PrmData[2][w].Word, hex4(0x0100 + w));
             EXPECT_EQ(p.Z4PrmData[1][0].Word, "");
         }},
        {"Task6AxisAVariant2Eth", {Four, false, 2, true}, 6, 0,
         [](Public&, ModuleModel& m) { m.prm[0][18] = 0xBEEF; },
         {"A501090012349D01", "~30", "A00001230F01", "~100", "FF00000000007F00180049AC0013",
          "A501090012340000", "~30", "A00001230F01"},
         [](const Public& p, ModuleModel&) { EXPECT_EQ(p.Z4PrmData[0][18].Word, "BEEF"); }},
        {"Task7Step255Variant1", {Four, false, 1}, 7, 255,
         [](Public&, ModuleModel& m) {
             for (int a = 0; a < 4; ++a)
                 for (int w = 0; w < 9; ++w) m.steps[255][a][w] = static_cast<uint16_t>((a + 1) * 0x1000 + w);
         },
         {"A5010900123500FF", "A50109001234980F", "A00800123004", "~100", "7F0000C049AC48",
          "A501090012340000", "A00800123004"},
         [](const Public& p, ModuleModel&) {
             EXPECT_EQ(p.ModuleField, "0");
             for (int a = 0; a < 4; ++a)
                 for (int w = 0; w < 9; ++w) EXPECT_EQ(p.Z4AutoData[255][a][w].Word, hex4((a + 1) * 0x1000 + w));
         }},
        {"Task8AxisBVariant0", {Four, false, 0}, 8, 1,
         [](Public& p, ModuleModel&) {
             for (int w = 0; w < 19; ++w) p.Z4PrmAxis[1].Word[w] = hex4(0x2000 + w);
         },
         {"7F020000C0699026" + prmB, "A501090012348D02", "A00001231F01", "A501090012340000", "A00001231F01"},
         [](const Public& p, ModuleModel& m) {
             EXPECT_EQ(p.ModuleField, "1F");
             for (int w = 0; w < 19; ++w) EXPECT_EQ(m.prm[1][w], 0x2000 + w);
         }},
        {"Task8AxisDVariant2OldCodesEth", {Four, true, 2, true}, 8, 3,
         [](Public& p, ModuleModel&) {
             for (int w = 0; w < 19; ++w) p.Z4PrmAxis[3].Word[w] = hex4(0x2000 + w);
         },
         {"FF00000000007F0200180069900013" + prmB, "4501090012348D08", "~30", "400001233F01",
          "4501090012340000", "~30", "400001233F01"},
         [](const Public&, ModuleModel& m) { EXPECT_EQ(m.prm[3][18], 0x2012); }},
        {"Task9MaskACVariant0", {Four, false, 0}, 9, 1,
         [stepAC](Public& p, ModuleModel&) {
             p.Z4StepNo = "0000";
             p.Z4StepCmd = "8805";
             p.Z4StepData = stepAC;
         },
         {"7F020000C0699024" + stepAC, "A501090012350000", "A501090012348805", "A00800123004",
          "A501090012340000", "A00800123004"},
         [](const Public& p, ModuleModel& m) {
             EXPECT_EQ(p.ModuleField, "0");
             for (int w = 0; w < 9; ++w) {
                 EXPECT_EQ(m.steps[0][0][w], 0xA000 + w);
                 EXPECT_EQ(m.steps[0][1][w], 0);
                 EXPECT_EQ(m.steps[0][2][w], 0xC000 + w);
             }
         }},
        {"Task9AllAxesVariant2Eth", {Four, false, 2, true}, 9, 1,
         [step4](Public& p, ModuleModel&) {
             p.Z4StepNo = "0010";
             p.Z4StepCmd = "880F";
             p.Z4StepData = step4;
         },
         {"FF00000000007F020018006990" "0024" + step4, "A501090012350010", "A50109001234880F", "~30",
          "A00800123004", "A501090012340000", "~30", "A00800123004"},
         [](const Public&, ModuleModel& m) { EXPECT_EQ(m.steps[16][3][8], 0x1000 + 35); }},
        {"Task10ControlOnly", {Four}, 10, 1,
         [](Public& p, ModuleModel&) { p.Z4CommandIndex = 4, p.ControlWord = "0401"; },
         {"A501090012340401"},
         [](const Public&, ModuleModel& m) { EXPECT_EQ(m.controls, Texts{"0401"}); }},
        {"Task10SubWord", {Four}, 10, 1,
         [](Public& p, ModuleModel&) { p.Z4CommandIndex = 3, p.Z4SubData1 = "0005", p.ControlWord = "0201"; },
         {"A501090012350005", "A501090012340201"},
         [](const Public&, ModuleModel& m) { EXPECT_EQ(m.reg[5], 5); }},
        {"Task10DataBlock", {Four}, 10, 1,
         [](Public& p, ModuleModel&) { p.Z4CommandIndex = 8, p.Z4DataBlock = "00010002", p.ControlWord = "0403"; },
         {"7F020000C069900400010002", "A501090012340403"}, nullptr},
        {"Task10ThreeWords", {Four}, 10, 1,
         [](Public& p, ModuleModel&) {
             p.Z4CommandIndex = 11, p.Z4SubData1 = "0001", p.Z4SubData2 = "0002", p.Z4SubData3 = "0003";
             p.ControlWord = "0C01";
         },
         {"A503090012350001090012360002090012370003", "A501090012340C01"},
         [](const Public&, ModuleModel& m) {
             EXPECT_EQ(m.reg[6], 2);
             EXPECT_EQ(m.reg[7], 3);
         }},
        {"Task11TeachMaskAB", {Four}, 11, 1,
         [](Public& p, ModuleModel& m) {
             p.Z4StepNo = "000A";
             p.Z4StepCmd = "8903";
             m.current = {0x00012345, 0x00ABCDEF, 0x11111111, 0};
         },
         {"A50109001235000A", "A501090012348903", "A00800123004", "A501090012340000", "A00800123004"},
         [](const Public&, ModuleModel& m) {
             EXPECT_EQ(m.steps[10][0][5], 0x2345);
             EXPECT_EQ(m.steps[10][0][6], 0x0001);
             EXPECT_EQ(m.steps[10][1][6], 0x00AB);
             EXPECT_EQ(m.steps[10][2][5], 0);
         }},
    };
}

void PrintTo(const Golden& g, std::ostream* os) { *os << g.name; }

class GoldenTest : public testing::TestWithParam<Golden> {};

TEST_P(GoldenTest, SendsTheseTextsAndFillsTheStores)
{
    const Golden& g = GetParam();
    Rig rig(g.setup);
    if (g.prepare) g.prepare(rig.p, rig.model);
    EXPECT_EQ(rig.run(g.task, g.index), 1);
    EXPECT_EQ(rig.ex.events, g.events);
    EXPECT_TRUE(rig.model.rejected.empty()) << rig.model.rejected.front();
    EXPECT_TRUE(rig.sink.texts.empty());
    if (g.check) g.check(rig.p, rig.model);
}

// A failed exchange ends the task with 2 and nothing after it is sent, except where the
// failure is not tested: "1700" right before "1601", and the closing "1600"s of task 5.
TEST_P(GoldenTest, FailureAtEachTextEndsTheTask)
{
    const Golden& g = GetParam();
    Texts all;
    {
        Rig rig(g.setup);
        if (g.prepare) g.prepare(rig.p, rig.model);
        rig.run(g.task, g.index);
        all = rig.ex.texts();
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        Rig rig(g.setup);
        if (g.prepare) g.prepare(rig.p, rig.model);
        rig.model.errorAt = {static_cast<int>(i) + 1};
        const bool untested = all[i] == "1600" || (all[i] == "1700" && i + 1 < all.size() && all[i + 1] == "1601");
        const int r = rig.run(g.task, g.index);
        SCOPED_TRACE("failing text " + std::to_string(i + 1) + " " + all[i]);
        EXPECT_EQ(r, untested ? 1 : 2);
        EXPECT_EQ(rig.ex.texts().size(), untested ? all.size() : i + 1);
        EXPECT_TRUE(rig.sink.texts.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Tasks, GoldenTest, testing::ValuesIn(goldens()),
                         [](const testing::TestParamInfo<Golden>& i) { return std::string(i.param.name); });

// --- status poll limits ---

struct PollCase {
    const char* name;
    bool eth;
    int task;      // 2 one-word form, 7 four-word form
    int late;      // the flag changes at read late + 1
    bool never;
    int result;
    int firstPollReads;
};

void PrintTo(const PollCase& c, std::ostream* os) { *os << c.name; }

class PollLimit : public testing::TestWithParam<PollCase> {};

TEST_P(PollLimit, FlagMustShowBeforeTheLastRead)
{
    const PollCase& c = GetParam();
    Rig rig({c.task == 2 ? One : Four, false, 0, c.eth});
    rig.model.flagLate = c.late;
    rig.model.flagNever = c.never;
    rig.p.reg.WriteData[3] = "0001";
    const std::string poll = c.task == 2 ? "A00001230E01" : "A00800123004";
    EXPECT_EQ(rig.run(c.task, c.task == 2 ? 3 : 0), c.result);
    // Reads of the first poll: the texts after the command up to the next other text.
    const Texts t = rig.ex.texts();
    std::size_t first = 0;
    while (first < t.size() && t[first] != poll) ++first;
    int reads = 0;
    for (std::size_t i = first; i < t.size() && t[i] == poll; ++i) ++reads;
    EXPECT_EQ(reads, c.firstPollReads);
    if (c.eth) {
        // Every status read is preceded by the 30 ms delay.
        for (std::size_t i = 1; i < rig.ex.events.size(); ++i) {
            if (rig.ex.events[i] == poll) {
                EXPECT_EQ(rig.ex.events[i - 1], "~30");
            }
        }
    }
    if (c.result == 2) {
        ASSERT_EQ(rig.sink.texts.size(), 1u);
        EXPECT_EQ(rig.sink.texts[0], "Status Register Error Occurred");
        EXPECT_EQ(rig.sink.icons[0], MsgIcon::Critical);
        EXPECT_EQ(t.back(), poll); // nothing follows the failed poll
    } else {
        EXPECT_TRUE(rig.sink.texts.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tasks, PollLimit,
    testing::Values(PollCase{"SerialRead9", false, 2, 8, false, 1, 9}, PollCase{"SerialRead10", false, 2, 9, false, 2, 10},
                    PollCase{"SerialNever", false, 2, 0, true, 2, 10}, PollCase{"EthRead39", true, 2, 38, false, 1, 39},
                    PollCase{"EthRead40", true, 2, 39, false, 2, 40},
                    PollCase{"FourWordSerialRead9", false, 7, 8, false, 1, 9},
                    PollCase{"FourWordSerialRead10", false, 7, 9, false, 2, 10},
                    PollCase{"FourWordEthRead40", true, 7, 39, false, 2, 40}),
    [](const testing::TestParamInfo<PollCase>& i) { return std::string(i.param.name); });

// --- four-word masks: only the axes of the mask are waited on ---

TEST(TaskMasks, WaitOnlyOnTheMaskedAxes)
{
    struct Case {
        int task;
        const char* cmd;
        std::array<int, 4> lateAxis; // extra reads before each axis's step flag shows
        int reads;                   // reads of the set-wait
    } cases[] = {
        {9, "8805", {0, 0, 3, 0}, 4},  // C is slow: waited on
        {11, "8903", {0, 2, 0, 9}, 3}, // A and B
        {9, "8808", {9, 9, 9, 1}, 2},  // D alone
        {7, "", {0, 0, 0, 5}, 6},      // task 7 waits on all four
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("task ") + std::to_string(c.task) + " " + c.cmd);
        Rig rig({Four});
        rig.model.stepFlagLate = c.lateAxis;
        rig.p.Z4StepNo = "0001";
        rig.p.Z4StepCmd = c.cmd;
        const int axes = c.cmd[0] ? std::popcount(std::stoul(std::string(1, c.cmd[3]), nullptr, 16)) : 0;
        rig.p.Z4StepData = words(0, 9 * axes);
        ASSERT_EQ(rig.run(c.task, 1), 1);
        const Texts t = rig.ex.texts();
        std::size_t i = 0;
        while (t[i] != "A00800123004") ++i;
        int reads = 0;
        for (; t[i] == "A00800123004"; ++i) ++reads;
        EXPECT_EQ(reads, c.reads);
    }
}

// --- ModuleVariant from the probe words ---

TEST(TaskVariant, ProbeWordsChooseTheMemoryForm)
{
    struct Case {
        const char* word1;
        const char* word2; // "" = the second probe is not sent
        int variant;
    } cases[] = {
        {"8000", "", 0}, {"0900", "", 0}, {"0800", "0103", 1}, {"F8FF", "7FFF", 1},
        {"0800", "0102", 2}, {"0800", "0000", 2}, {"0800", "8000", 2}, {"08FF", "FFFF", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.word1) + " " + c.word2);
        Rig rig({Four, false, c.variant});
        rig.model.probeWord1 = c.word1;
        rig.model.probeWord2 = c.word2;
        rig.p.ModuleVariant = 9;
        ASSERT_EQ(rig.run(1, 1), 1);
        EXPECT_EQ(rig.p.ModuleVariant, c.variant);
        const Texts t = rig.ex.texts();
        EXPECT_EQ(t.back(), c.variant == 2 ? "FF00000000007F0100" : "7F0100");
        EXPECT_EQ(std::count(t.begin(), t.end(), "A00A00F05001"), c.word2[0] ? 1 : 0);
    }
}

// --- replies that do not hold what a task reads ---

// Cuts or replaces the data of the answers to one kind of text.
class Tamper : public CpuModel {
public:
    Tamper(CpuModel& inner, std::string match, std::function<void(std::string&)> edit)
        : inner_(inner), match_(std::move(match)), edit_(std::move(edit)) {}
    CpuAnswer answer(const std::string& t) override
    {
        CpuAnswer a = inner_.answer(t);
        if (t.rfind(match_, 0) == 0) edit_(a.dataHex);
        return a;
    }

private:
    CpuModel& inner_;
    std::string match_;
    std::function<void(std::string&)> edit_;
};

TEST(TaskReplies, TooShortForWhatIsReadFailsWithoutMessage)
{
    struct Case {
        const char* name;
        RigSetup setup;
        int task, index;
        const char* match;
        std::function<void(std::string&)> edit;
    } cases[] = {
        {"PollWithoutData", {One}, 1, 1, "A00001230E01", [](std::string& d) { d.clear(); }},
        {"FourWordPollThreeWords", {Four}, 1, 1, "A00800123004", [](std::string& d) { d.resize(12); }},
        {"ReadBackOneWord", {One}, 3, 14, "A4020800123208001233", [](std::string& d) { d.resize(4); }},
        {"ProbeEmpty", {Four}, 1, 1, "A00A00F01301", [](std::string& d) { d.clear(); }},
        {"StatusWordEmpty", {Two}, 5, 0, "A00800123101", [](std::string& d) { d.clear(); }},
        {"StatusMemoryElevenWords", {Four, false, 1}, 5, 0, "7F00", [](std::string& d) { d.resize(d.size() - 4); }},
        {"PrmMemoryWithout7F", {Four}, 6, 0, "7F00", [](std::string& d) { d = words(0x0100, 19); }},
        {"PrmMemoryOneWordShort", {Four}, 6, 0, "7F00", [](std::string& d) { d.resize(d.size() - 4); }},
        {"StepMemoryShort", {Four, false, 2, true}, 7, 3, "FF", [](std::string& d) { d.resize(d.size() - 1); }},
        {"PollFlagNotHex", {One}, 2, 3, "A00001230E01", [](std::string& d) { d = "00G0"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(c.setup);
        Tamper tamper(rig.model, c.match, c.edit);
        ModelExchange ex(rig.p, tamper);
        Tasks tasks(rig.p, ex, rig.sink);
        rig.p.reg.WriteData[3] = "0001";
        for (int a = 0; a < 4; ++a) rig.model.prm[0][a] = 0x7F7F; // data that holds "7F" itself
        EXPECT_EQ(tasks.TaskSend(c.task, c.index), 2);
        EXPECT_TRUE(rig.sink.texts.empty());
        const Texts t = ex.texts();
        EXPECT_EQ(t.back().rfind(c.match, 0), 0u) << "sent after the bad reply: " << t.back();
        EXPECT_EQ(rig.p.reg.ReadData[14], c.setup.family == Four ? "" : "0");
        EXPECT_EQ(rig.p.Z4PrmData[0][0].Word, "");
        EXPECT_EQ(rig.p.Z4AutoData[3][0][0].Word, "");
        EXPECT_EQ(rig.p.CurrentValue_Data[0], "");
    }
}

// The data of a memory read begins after the status field, whatever the header holds.
TEST(TaskReplies, SevenInTheHeaderIsNotTheMemoryData)
{
    struct Case {
        bool eth;
        int proc;
        const char* station; // RS-232C station / Ethernet serial number
        int variant;
    } cases[] = {{false, 1, "17", 0}, {false, 2, "27", 1}, {true, 1, "17", 0}, {true, 1, "7F", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.station);
        Rig rig({Four, false, c.variant, c.eth});
        rig.p.set.R_ProcNo = c.proc;
        rig.p.set.R_StatNo = c.eth ? "" : c.station;
        rig.p.ReplyStatusOffset = c.eth ? 0 : 2;
        rig.p.set.L_SeriNo = c.eth ? c.station : "00";
        for (int w = 0; w < 19; ++w) rig.model.prm[1][w] = static_cast<uint16_t>(0x0300 + w);
        ASSERT_EQ(rig.run(6, 1), 1);
        for (int w = 0; w < 19; ++w) EXPECT_EQ(rig.p.Z4PrmData[1][w].Word, hex4(0x0300 + w));
    }
}

// --- refused before anything is sent ---

TEST(TaskRefusal, BadNumbersAndBlocksSendNothing)
{
    struct Case {
        const char* name;
        RigSetup setup;
        int task, index, result;
        Prepare prepare;
    } cases[] = {
        {"TaskNo0", {One}, 0, 1, 0, nullptr},
        {"TaskNo12", {One}, 12, 1, 0, nullptr},
        {"Row0", {One}, 2, 0, 2, nullptr},
        {"Row2101Read", {Two}, 3, 2101, 2, nullptr},
        {"Row2101Write", {Two}, 2, 2101, 2, nullptr},
        {"AxisMinus1", {Four}, 6, -1, 2, nullptr},
        {"Axis4Write", {Four}, 8, 4, 2, nullptr},
        {"Step256", {Four}, 7, 256, 2, nullptr},
        {"PrmWordMissing", {Four}, 8, 0, 2,
         [](Public& p, ModuleModel&) {
             for (auto& w : p.Z4PrmAxis[0].Word) w = "0001";
             p.Z4PrmAxis[0].Word[7] = "";
         }},
        {"PrmWordNotHex", {Four}, 8, 0, 2,
         [](Public& p, ModuleModel&) {
             for (auto& w : p.Z4PrmAxis[0].Word) w = "0001";
             p.Z4PrmAxis[0].Word[18] = "00X1";
         }},
        {"StepDataPartWord", {Four}, 9, 1, 2,
         [](Public& p, ModuleModel&) { p.Z4StepNo = "0000", p.Z4StepCmd = "8801", p.Z4StepData = words(0, 9) + "12"; }},
        {"StepCmdWithoutMask", {Four}, 11, 1, 2,
         [](Public& p, ModuleModel&) { p.Z4StepNo = "0000", p.Z4StepCmd = "890Z"; }},
        {"DataBlockTooLongForShortCount", {Four}, 10, 1, 2,
         [](Public& p, ModuleModel&) { p.Z4CommandIndex = 9, p.Z4DataBlock = words(0, 128), p.ControlWord = "0501"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(c.setup);
        if (c.prepare) c.prepare(rig.p, rig.model);
        rig.ex.TaskErrorCode = 3;
        EXPECT_EQ(rig.run(c.task, c.index), c.result);
        EXPECT_TRUE(rig.ex.events.empty());
        EXPECT_EQ(rig.ex.TaskErrorCode, 0);
    }
}

TEST(TaskStores, Zr4DataClearEmptiesTheReadAndSetWordsOnly)
{
    Public p;
    p.Z4PrmData[3][18] = {"1234", "5678"};
    p.Z4AutoData[255][3][8] = {"AAAA", "BBBB"};
    p.Z4AutoData[0][0][0] = {"CCCC", "DDDD"};
    p.Z4PrmAxis[2].Word[4] = "0F0F";
    p.Z4StepData = "OK";
    Zr4Data_Clear(p);
    EXPECT_EQ(p.Z4PrmData[3][18].Word + p.Z4PrmData[3][18].SetWord, "");
    EXPECT_EQ(p.Z4AutoData[255][3][8].Word + p.Z4AutoData[255][3][8].SetWord, "");
    EXPECT_EQ(p.Z4AutoData[0][0][0].Word + p.Z4AutoData[0][0][0].SetWord, "");
    EXPECT_EQ(p.Z4PrmAxis[2].Word[4], "0F0F");
    EXPECT_EQ(p.Z4StepData, "OK");
}

} // namespace
} // namespace posmod
