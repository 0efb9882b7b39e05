// The range dialog's checks and axis result, and teaching's checks, command texts, exchange
// and read-back, without their windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/LinkApi.h"
#include "positioning/DefaultRange.h"
#include "positioning/StepLayout.h"
#include "positioning/Teach.h"
#include "shared/Messages.h"
#include "shared/Pointer.h"
#include "support/Hex.h"

using namespace posmod;

TEST(DefaultRange, StepsAreCheckedAgainstTheWindow)
{
    struct Case { int first, last; const char* from; const char* to; RangeEntryError want; int f, t; };
    const Case cases[] = {
        {10, 20, "0", "0", RangeEntryError::Limit, 0, 0},
        {10, 20, "12", "15", RangeEntryError::None, 12, 15},
        {10, 20, "10", "20", RangeEntryError::None, 10, 20},
        {10, 20, "9", "15", RangeEntryError::Limit, 0, 0},
        {10, 20, "15", "21", RangeEntryError::Limit, 0, 0},
        {10, 20, "15", "12", RangeEntryError::Limit, 0, 0},
        {0, 255, "0", "0", RangeEntryError::None, 0, 0},
        {0, 255, "007", "7", RangeEntryError::None, 7, 7},
        {0, 255, "", "5", RangeEntryError::Numeric, 0, 0},
        {0, 255, "1", "1A", RangeEntryError::Numeric, 0, 0},
        {0, 255, "-", "5", RangeEntryError::Numeric, 0, 0},
        {0, 255, "-1", "5", RangeEntryError::Limit, 0, 0},
        // Numbers of any size are refused, never wrapped into the window.
        {0, 255, "4294967296", "4294967297", RangeEntryError::Limit, 0, 0},
        {0, 255, "0", "18446744073709551617", RangeEntryError::Limit, 0, 0},
        {0, 255, "0", "999999999999999999999999", RangeEntryError::Limit, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " ~ " + c.to);
        int32_t f = 0, t = 0;
        EXPECT_EQ(DefaultRange_Check(c.from, c.to, {3, c.first, c.last}, f, t), c.want);
        EXPECT_EQ(f, c.f);
        EXPECT_EQ(t, c.t);
    }
}

TEST(DefaultRange, AxesOfferedPresetsAndTheAxisChosen)
{
    Public p;
    p.set.AxisName = {"X", "Y", "C", "D"};
    struct Case { int type; size_t axes; };
    for (const Case c : {Case{1, 0}, Case{2, 2}, Case{3, 2}, Case{4, 2}, Case{5, 4}}) {
        p.ModuleType = c.type;
        EXPECT_EQ(DefaultRange_Axes(p).size(), c.axes) << c.type;
    }
    // Empty and equal names are offered as they are: the index tells them apart.
    p.set.AxisName = {"", "A", "A", ""};
    EXPECT_EQ(DefaultRange_Axes(p), (std::vector<std::string>{"", "A", "A", ""}));
    struct Pick { int type, index, axis; };
    for (const Pick k : {Pick{1, -1, 3}, Pick{1, 0, 3}, Pick{2, 0, 0}, Pick{3, 1, 1}, Pick{4, -1, 0}, Pick{5, 2, 2},
                         Pick{5, 3, 3}, Pick{5, 0, 0}, Pick{5, 7, 0}})
        EXPECT_EQ(DefaultRange_Axis(k.type, k.index), k.axis) << k.type << "/" << k.index;

    std::string from, to;
    p.StepRange = {3, 10, 20};
    p.RangeTitle = kRangeTitleDefault;
    DefaultRange_Preset(p, from, to);
    EXPECT_EQ(from + "~" + to, "0~0");
    p.RangeTitle = kRangeTitlePrint;
    DefaultRange_Preset(p, from, to);
    EXPECT_EQ(from + "~" + to, "10~20");
}

TEST(Teach, ChecksInTheirOrder)
{
    struct Case { int mask; const char* text; TeachError want; int step; };
    const Case cases[] = {
        {0, "", TeachError::Axes, -1},          {0, "5", TeachError::Axes, -1},
        {1, "", TeachError::StepEmpty, -1},     {1, "1A", TeachError::Numeric, -1},
        {1, "-", TeachError::Numeric, -1},      {2, "256", TeachError::Limit, -1},
        {4, "-1", TeachError::Limit, -1},       {8, "99999999999999999999999", TeachError::Limit, -1},
        {15, "-0", TeachError::None, 0},        {5, "255", TeachError::None, 255},
        {1, "007", TeachError::None, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int step = -1;
        EXPECT_EQ(Teach_Check(c.mask, c.text, step), c.want);
        EXPECT_EQ(step, c.step);
    }
    EXPECT_STREQ(TeachError_Text(TeachError::Axes), "Selected axes Setting");
    EXPECT_STREQ(TeachError_Text(TeachError::StepEmpty), "Selected Step No Setting");
    EXPECT_STREQ(TeachError_Text(TeachError::Numeric), "Data Numeric Error");
    EXPECT_STREQ(TeachError_Text(TeachError::Limit), "Step No. Limit Error");
}

TEST(Teach, CommandTexts)
{
    EXPECT_EQ(Teach_StepNo(255), "00FF");
    EXPECT_EQ(Teach_StepNo(0), "0000");
    EXPECT_EQ(Teach_StepNo(16), "0010");
    EXPECT_EQ(Teach_StepCmd(5), "8905");
    EXPECT_EQ(Teach_StepCmd(15), "890F");
    EXPECT_EQ(Teach_StepCmd(1), "8901");
}

namespace {

// Records every call of the link, the tasks, the messages and the pointer in one log.
struct Recorder : LinkOps, TaskOps, MessageSink, MousePointer {
    std::vector<std::string> log;
    int connect = 1;
    int failTask = 0;
    Public* pub = nullptr;
    int CpuConnect(int type) override
    {
        log.push_back("connect " + std::to_string(type));
        return connect;
    }
    void TSK1600() override { log.push_back("1600"); }
    void POCLS() override { log.push_back("close"); }
    int TaskSend(int no, int index) override
    {
        log.push_back("task " + std::to_string(no) + "," + std::to_string(index) +
                      (no == 11 ? " " + pub->Z4StepNo + " " + pub->Z4StepCmd + " [" + pub->Z4StepData + "]" : ""));
        return no == failTask ? 2 : 1;
    }
    void show(const std::string& text, MsgIcon icon) override
    {
        log.push_back("box " + text + (icon == MsgIcon::None ? " (no icon)" : " (icon)"));
    }
    void setHourglass(bool on) override { log.push_back(on ? "hourglass" : "pointer"); }
};

} // namespace

TEST(Teach, TheExchangeAndItsEnds)
{
    struct Case {
        const char* name; int connect; int failTask; bool confirmed; std::vector<std::string> log;
    };
    const Case cases[] = {
        {"confirmed", 1, 0, true,
         {"hourglass", "connect 5", "task 1,1", "task 11,1 00FF 8905 []", "pointer",
          "box Complete transmission (no icon)", "1600", "close"}},
        {"teaching task failed", 1, 11, false,
         {"hourglass", "connect 5", "task 1,1", "task 11,1 00FF 8905 []", "pointer", "1600", "close"}},
        {"opening task failed", 1, 1, false, {"hourglass", "connect 5", "task 1,1", "pointer", "1600", "close"}},
        {"link not opened", 0, 0, false, {"hourglass", "connect 5", "pointer"}},
        {"opening request failed", 2, 0, false, {"hourglass", "connect 5", "pointer"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Public p;
        p.ModuleType = 5;
        p.Z4StepData = "OK"; // left from before
        Recorder r;
        r.pub = &p;
        r.connect = c.connect;
        r.failTask = c.failTask;
        EXPECT_EQ(Teach_Send(p, 255, 5, r, r, r, &r), c.confirmed);
        EXPECT_EQ(r.log, c.log);
        EXPECT_EQ(p.Z4StepNo, "00FF");
        EXPECT_EQ(p.Z4StepCmd, "8905");
        EXPECT_EQ(p.Z4StepData, c.confirmed ? "OK" : "");
    }
}

TEST(Teach, WhichStepIsReadBack)
{
    Public p;
    p.StepRange = {3, 10, 20};
    struct Case { const char* source; const char* data; const char* stepNo; int want; };
    const Case cases[] = {
        {"", "OK", "000A", 10},    {"", "OK", "0014", 20},       {"", "OK", "0009", -1},
        {"", "OK", "0015", -1},    {"", "", "000C", -1},          {"[Csv file]", "OK", "000C", -1},
        {"", "OK", "00ff", -1},    {"", "OK", "", -1},
    };
    for (const Case& c : cases) {
        p.DataSourceCaption = c.source;
        p.Z4StepData = c.data;
        p.Z4StepNo = c.stepNo;
        const auto step = Teach_ReadBackStep(p);
        EXPECT_EQ(step.value_or(-1), c.want) << c.source << "/" << c.data << "/" << c.stepNo;
    }
}

TEST(Teach, TheTaughtRowInTheDisplayInForce)
{
    Public p;
    p.StepRange = {3, 0, 255};
    std::array<MemGrid, 4> g;
    for (MemGrid& m : g) StepGrid_Shape(m, StepZr4_Layout(), 0, 255);
    for (size_t a = 0; a < 4; ++a) {
        auto& w = p.Z4AutoData[200][a];
        for (size_t k = 0; k < 9; ++k) w[k].Word = hex4(0x100 * (a + 1) + k);
        w[6].Word = "FFFF"; // target high word: negative
    }
    p.Z4AutoData[200][3][8].Word = ""; // circular high word not read
    g[0].setTextMatrix(402, 2, "kept");
    Teach_FillStep({&g[0], &g[1], &g[2], &g[3]}, p, 200, false);
    EXPECT_EQ(g[0].TextMatrix(401, 0), "200");
    EXPECT_EQ(g[0].TextMatrix(401, 2), "0100");
    EXPECT_EQ(g[1].TextMatrix(401, 6), "0204");
    EXPECT_EQ(g[2].TextMatrix(401, 7), "FFFF0305");
    EXPECT_EQ(g[2].TextMatrix(401, 8), "03080307");
    EXPECT_EQ(g[3].TextMatrix(401, 8), "");   // half a value shows nothing
    EXPECT_EQ(g[0].TextMatrix(402, 2), "kept");
    Teach_FillStep({&g[0], &g[1], &g[2], &g[3]}, p, 200, true);
    EXPECT_EQ(g[0].TextMatrix(401, 2), "256");
    EXPECT_EQ(g[2].TextMatrix(401, 7), std::to_string(static_cast<int32_t>(0xFFFF0305u)));
    EXPECT_EQ(g[3].TextMatrix(401, 8), "");
    // A step outside the window writes nothing.
    p.StepRange = {3, 0, 10};
    g[0].setTextMatrix(401, 2, "x");
    Teach_FillStep({&g[0], &g[1], &g[2], &g[3]}, p, 200, false);
    EXPECT_EQ(g[0].TextMatrix(401, 2), "x");
}
