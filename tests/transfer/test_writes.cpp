// The parameter and positioning writes against stubs of the link and the tasks, on
// in-memory grids laid out as the editors lay theirs.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "params/ParamLayout.h"
#include "positioning/StepLayout.h"
#include "shared/FormNumbers.h"
#include "shared/ModelTable.h"
#include "shared/NameTables.h"
#include "support/CaptureSink.h"
#include "support/Hex.h"
#include "transfer/AutoWrite.h"
#include "transfer/ParamWrite.h"
#include "transfer/SendWords.h"
#include "transfer/Transfer.h"

using namespace posmod;

namespace {

using Log = std::vector<std::string>;

struct StubLink : LinkOps {
    Log* log = nullptr;
    int connectResult = 1;
    int CpuConnect(int) override
    {
        log->push_back("connect");
        return connectResult;
    }
    void TSK1600() override { log->push_back("TSK1600"); }
    void POCLS() override { log->push_back("POCLS"); }
};

// Each task as what it would send: "2 r<row> <high>/<low>" (high as stored, "-" when
// empty), "8 a<axis> <19 words>", "9 <step> <command> <data>".
struct StubTasks : TaskOps {
    Log* log = nullptr;
    Public* pub = nullptr;
    Transfer* transfer = nullptr;
    int calls = 0;
    int failAt = -1, failCode = 2, cancelAt = -1; // call k (0 = task 1)
    std::function<void()> atItem;                 // before every task but task 1
    int TaskSend(int task, int index) override
    {
        const int k = calls++;
        std::string t = std::to_string(task);
        const Public& p = *pub;
        if (task == 2) {
            const std::string& h = p.reg.WriteDataH[index];
            t += " r" + std::to_string(index) + " " + (h.empty() ? "-" : h) + "/" + p.reg.WriteData[index];
        } else if (task == 8) {
            t += " a" + std::to_string(index);
            for (const std::string& w : p.Z4PrmAxis[index].Word) t += " " + w;
        } else if (task == 9) {
            t += " " + p.Z4StepNo + " " + p.Z4StepCmd + " " + p.Z4StepData;
        }
        if (task != 1 && atItem) atItem();
        log->push_back(t);
        if (k == cancelAt) transfer->cmdCancel_Click();
        return k == failAt ? failCode : 1;
    }
};

struct StubUi : WaitUi {
    Log* log = nullptr;
    void placeOver(int) override {}
    void showWait() override { log->push_back("show"); }
    void hideWait() override { log->push_back("hide"); }
    void setBar(int, int) override {}
    void setCountText(const std::string&) override {}
};

struct Rig {
    Public pub;
    Log log;
    StubLink link;
    StubTasks tasks;
    StubUi ui;
    CaptureSink sink;
    Transfer transfer{pub, link, tasks, ui};
    std::vector<MemGrid> grids;
    EditorTable table;
    int tableForm = -1;

    explicit Rig(int type)
    {
        Public_Reset(pub);
        pub.ModuleType = type;
        pub.SendCancel = -1;
        Model_BuildRegisters(pub);
        DefaultData_Set(pub);
        link.log = tasks.log = ui.log = &log;
        tasks.pub = &pub;
        tasks.transfer = &transfer;
        transfer.messages = &sink;
        transfer.editors = [this](int form) { return form == tableForm ? table : EditorTable{}; };
    }
    void open(int form, int axes, const std::function<void(MemGrid&)>& shape)
    {
        grids.assign(static_cast<size_t>(axes), MemGrid());
        table.grids.clear();
        for (MemGrid& g : grids) {
            shape(g);
            table.grids.push_back(&g);
        }
        tableForm = form;
    }
    void paramEditor()
    {
        const ModelRow& m = Model_ForType(pub.ModuleType);
        open(m.paramForm, m.axes, [&](MemGrid& g) { ParamGrid_Shape(g, m.axes == 4 ? kZr4ParamRows : kParamRows); });
    }
    // The positioning editor on steps first..last; narrowed: the table's first positioning
    // row is that of step `first`, as a read of the window leaves it.
    void stepEditor(int first, int last, bool narrowed = false)
    {
        const ModelRow& m = Model_ForType(pub.ModuleType);
        const GridLayout& l = m.axes == 1 ? StepJV_Layout() : m.axes == 2 ? Step7W_Layout() : StepZr4_Layout();
        open(m.autoForm, m.axes, [&](MemGrid& g) { StepGrid_Shape(g, l, first, last); });
        pub.StepRange = {3, first, last};
        pub.AutoRowCount = (last - first + 1) * 2;
        if (narrowed) pub.reg.AutoRange[0] += m.rowsPerStep * first;
    }
    MemGrid& grid(int axis) { return grids[static_cast<size_t>(axis)]; }
    std::string cell(int axis, int row, int col) { return grid(axis).TextMatrix(row, col); }
    void set(int axis, int row, int col, const std::string& text) { grid(axis).setTextMatrix(row, col, text); }
    std::string dump() const
    {
        std::string d;
        for (const MemGrid& g : grids)
            for (int r = 0; r < g.Rows(); ++r)
                for (int c = 0; c < g.Cols(); ++c) d += g.TextMatrix(r, c) + "|";
        return d;
    }
    int paramWriteMode() const { return Model_ForType(pub.ModuleType).paramWriteMode; }
    int autoWriteMode() const { return Model_ForType(pub.ModuleType).autoWriteMode; }
};

struct Cell {
    int axis, row, col;
    const char* text;
};

Log opened(Log items, bool closes = true)
{
    Log l{"connect", "1", "show"};
    l.insert(l.end(), items.begin(), items.end());
    l.push_back("hide");
    if (closes) l.insert(l.end(), {"TSK1600", "POCLS"});
    return l;
}

// ---- the word of a cell text ---------------------------------------------------------------

TEST(SendWords, TextToWordsOrFault)
{
    struct Case { const char* text; bool decimal, two; WordFault fault; const char* hex; };
    const Case cases[] = {
        {"1F4", false, false, WordFault::None, "01F4"},      {"abcd", false, false, WordFault::None, "ABCD"},
        {"1", false, true, WordFault::None, "00000001"},     {"dEaDbeef", false, true, WordFault::None, "DEADBEEF"},
        {"12345", false, false, WordFault::Limit, ""},       {"123456789", false, true, WordFault::Limit, ""},
        {"00001", false, false, WordFault::Limit, ""},       {"12G", false, false, WordFault::Numeric, ""},
        {" 12", false, false, WordFault::Numeric, ""},       {"   ", false, true, WordFault::Numeric, ""},
        {"-1", false, false, WordFault::Numeric, ""},        {"", false, false, WordFault::Numeric, ""},
        {"1000", true, false, WordFault::None, "03E8"},      {"65535", true, false, WordFault::None, "FFFF"},
        {"0", true, false, WordFault::None, "0000"},         {"65536", true, false, WordFault::Limit, ""},
        {"-1", true, false, WordFault::Limit, ""},           {"100000", true, true, WordFault::None, "000186A0"},
        {"-1", true, true, WordFault::None, "FFFFFFFF"},     {"2147483647", true, true, WordFault::None, "7FFFFFFF"},
        {"-2147483648", true, true, WordFault::None, "80000000"}, {"2147483648", true, true, WordFault::Limit, ""},
        {"-2147483649", true, true, WordFault::Limit, ""},   {"99999999999999999999999", true, true, WordFault::Limit, ""},
        {"-0", true, false, WordFault::None, "0000"},        {"-", true, true, WordFault::Numeric, ""},
        {"1.5", true, false, WordFault::Numeric, ""},        {"12a", true, false, WordFault::Numeric, ""},
        {"1-2", true, true, WordFault::Numeric, ""},         {"+5", true, false, WordFault::Numeric, ""},
        {"", true, true, WordFault::Numeric, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.decimal ? " dec" : " hex") + (c.two ? " two" : " one"));
        const SendWord w = SendWord_FromText(c.text, c.decimal, c.two);
        EXPECT_EQ(w.fault, c.fault);
        EXPECT_EQ(w.hex, c.hex);
    }
    const SendWord w = SendWord_FromText("1234ABCD", false, true);
    EXPECT_EQ(w.high(), "1234");
    EXPECT_EQ(w.low(), "ABCD");
}

// ---- one- and two-axis writes: what goes out, in which order, and the cells after ------------

struct RegisterCase {
    const char* name;
    int type;
    bool positioning;
    int first, last; // step window (positioning)
    bool narrowed;
    bool decimal;
    std::vector<Cell> cells;
    Log sent;
    std::vector<Cell> stay; // filled cells that are not written and stay where they are
};

const RegisterCase kRegisterCases[] = {
    {"ParamRowsTwoAndTen", 1, false, 0, 0, false, false,
     {{0, 2, 3, "1F4"}, {0, 10, 3, "1"}}, {"2 r4 -/01F4", "2 r12 0000/0001"}, {}},
    {"ParamDecimalOneAndTwoWords", 1, false, 0, 0, false, true,
     {{0, 1, 3, "1000"}, {0, 12, 3, "100000"}}, {"2 r3 -/03E8", "2 r14 0001/86A0"}, {}},
    {"ParamDecimalLimits", 1, false, 0, 0, false, true,
     {{0, 4, 3, "65535"}, {0, 10, 3, "-1"}, {0, 11, 3, "-2147483648"}},
     {"2 r6 -/FFFF", "2 r12 FFFF/FFFF", "2 r13 8000/0000"}, {}},
    {"ParamLowerCaseGoesOutUpper", 1, false, 0, 0, false, false,
     {{0, 5, 3, "abc"}, {0, 11, 3, "dEaDbeef"}}, {"2 r7 -/0ABC", "2 r13 DEAD/BEEF"}, {}},
    {"ParamTwoAxisOnlyYRowOne", 2, false, 0, 0, false, false, {{1, 1, 3, "7"}}, {"2 r6 -/0007"}, {}},
    {"ParamTwoAxisAllXBeforeY", 3, false, 0, 0, false, false,
     {{1, 1, 3, "1"}, {0, 12, 3, "12345678"}, {0, 1, 3, "2"}}, {"2 r5 -/0002", "2 r27 1234/5678", "2 r6 -/0001"}, {}},
    {"ParamTwoAxisDecimal", 4, false, 0, 0, false, true, {{1, 10, 3, "-2"}}, {"2 r24 FFFF/FFFE"}, {}},
    {"StepAllFiveCells", 1, true, 0, 3, false, false,
     {{0, 2, 2, "8000"}, {0, 2, 3, "3E8"}, {0, 2, 4, "7D0"}, {0, 2, 5, "20"}, {0, 2, 6, "1234ABCD"}},
     {"2 r17 -/8000", "2 r18 07D0/03E8", "2 r19 -/0020", "2 r20 1234/ABCD"}, {}},
    {"StepTargetOfOneDigit", 1, true, 0, 3, false, false, {{0, 4, 6, "1"}}, {"2 r24 0000/0001"}, {}},
    {"StepDecimal", 1, true, 0, 3, false, true,
     {{0, 4, 5, "100"}, {0, 4, 6, "-1"}, {0, 8, 3, "1000"}, {0, 8, 4, "65535"}},
     {"2 r23 -/0064", "2 r24 FFFF/FFFF", "2 r30 FFFF/03E8"}, {}},
    {"StepLoneAccelerationStays", 1, true, 0, 3, false, false,
     {{0, 2, 5, "10"}}, {"2 r19 -/0010"}, {{0, 2, 3, "3E8"}, {0, 6, 4, "zz"}}},
    {"StepWindowFromTen", 1, true, 10, 20, true, false,
     {{0, 2, 2, "1"}, {0, 2, 3, "2"}, {0, 2, 4, "3"}, {0, 2, 5, "4"}, {0, 2, 6, "5"}},
     {"2 r57 -/0001", "2 r58 0003/0002", "2 r59 -/0004", "2 r60 0000/0005"}, {}},
    {"StepTwoAxisOnlyYVelocityOfFirstStep", 2, true, 5, 6, true, false, {{1, 2, 5, "BB8"}}, {"2 r77 -/0BB8"}, {}},
    {"StepTwoAxisInterleaved", 3, true, 0, 1, false, false,
     {{0, 2, 2, "1"}, {1, 2, 2, "2"}, {0, 2, 3, "3"}, {0, 2, 4, "4"}, {1, 2, 6, "5"}, {0, 4, 5, "6"}},
     {"2 r32 -/0001", "2 r33 -/0002", "2 r34 0004/0003", "2 r39 0000/0005", "2 r44 -/0006"},
     {{1, 4, 4, "7"}}},
    {"StepTwoAxisDecimalTarget", 4, true, 0, 0, false, true, {{1, 2, 6, "-65536"}}, {"2 r39 FFFF/0000"}, {}},
};

TEST(RegisterWrites, WordsOrderAndCells)
{
    for (const RegisterCase& c : kRegisterCases) {
        SCOPED_TRACE(c.name);
        Rig rig(c.type);
        c.positioning ? rig.stepEditor(c.first, c.last, c.narrowed) : rig.paramEditor();
        rig.table.decimal = c.decimal;
        rig.table.hexadecimal = !c.decimal;
        for (const Cell& x : c.cells) rig.set(x.axis, x.row, x.col, x.text);
        for (const Cell& x : c.stay) rig.set(x.axis, x.row, x.col, x.text);
        // A one-word row takes no high word, whatever the store held before.
        for (int r = 1; r <= RegisterTable::kRows; ++r)
            if (!rig.pub.reg.TwoWords[r]) rig.pub.reg.WriteDataH[r] = "86A0";

        EXPECT_EQ(rig.transfer.SendMain(c.positioning ? rig.autoWriteMode() : rig.paramWriteMode()), 1);
        EXPECT_EQ(rig.log, opened(c.sent));
        EXPECT_TRUE(rig.sink.texts.empty());
        EXPECT_EQ(rig.transfer.progressMax(), static_cast<int>(c.sent.size()));
        EXPECT_EQ(rig.transfer.progressValue(), static_cast<int>(c.sent.size()));
        // The texts as typed, one row up (positioning) or one column left (parameters).
        for (const Cell& x : c.cells) {
            EXPECT_EQ(rig.cell(x.axis, x.row, x.col), "") << x.row << "/" << x.col;
            const int row = c.positioning ? x.row - 1 : x.row, col = c.positioning ? x.col : x.col - 1;
            EXPECT_EQ(rig.cell(x.axis, row, col), x.text) << x.row << "/" << x.col;
        }
        for (const Cell& x : c.stay) {
            EXPECT_EQ(rig.cell(x.axis, x.row, x.col), x.text);
            EXPECT_EQ(rig.cell(x.axis, x.row - 1, x.col), "");
        }
    }
}

// ---- nothing to write ------------------------------------------------------------------------

TEST(Writes, NothingToWrite)
{
    struct Case {
        const char* name;
        int type;
        bool positioning, editorOpen;
        std::vector<Cell> cells;
        uint8_t result;
        bool opens;
    };
    const Case cases[] = {
        {"ParamOneAxis", 1, false, true, {}, 1, true},
        {"ParamOneAxisNoEditor", 1, false, false, {}, 1, true},
        {"ParamTwoAxis", 2, false, true, {{0, 1, 2, "1234"}}, 1, true},
        {"StepOneAxisLoneAcceleration", 1, true, true, {{0, 2, 3, "3E8"}}, 1, true},
        {"StepTwoAxisLoneDeceleration", 3, true, true, {{1, 4, 4, "bad"}}, 1, true},
        {"ParamFourAxis", 5, false, true, {{0, 5, 2, "x10"}}, 2, false},
        {"StepFourAxis", 5, true, true, {{3, 1, 2, "8000"}}, 0, false},
        {"StepFourAxisNoEditor", 5, true, false, {}, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(c.type);
        c.positioning ? rig.stepEditor(0, 3) : rig.paramEditor();
        if (!c.editorOpen) rig.tableForm = -1;
        for (const Cell& x : c.cells) rig.set(x.axis, x.row, x.col, x.text);
        const std::string before = rig.dump();
        EXPECT_EQ(rig.transfer.SendMain(c.positioning ? rig.autoWriteMode() : rig.paramWriteMode()), c.result);
        EXPECT_EQ(rig.sink.texts, Log{"No data.Please specify it"});
        EXPECT_EQ(rig.sink.icons, std::vector<MsgIcon>{MsgIcon::Exclamation});
        // The one- and two-axis writes find it out with the link open, and close it.
        EXPECT_EQ(rig.log, c.opens ? Log({"connect", "TSK1600", "POCLS"}) : Log{});
        EXPECT_EQ(rig.dump(), before);
    }
}

// ---- refusals: a word that cannot be sent opens nothing ------------------------------------

TEST(Writes, BadWordRefusesTheWholeTransfer)
{
    struct Case {
        const char* name;
        int type;
        bool positioning, decimal;
        std::vector<Cell> good; // filled before the bad cell
        Cell bad;
        const char* message;
    };
    const Case cases[] = {
        {"ParamHexTooLong", 1, false, false, {{0, 1, 3, "1"}}, {0, 2, 3, "12345"}, "Data Limit Error"},
        {"ParamHexTwoWordsTooLong", 1, false, false, {{0, 1, 3, "1"}}, {0, 10, 3, "123456789"}, "Data Limit Error"},
        {"ParamHexNotADigit", 1, false, false, {{0, 1, 3, "1"}}, {0, 3, 3, "12G"}, "Data Numeric Error"},
        {"ParamBlanks", 1, false, false, {}, {0, 3, 3, "  "}, "Data Numeric Error"},
        {"ParamDecimalNegativeOneWord", 1, false, true, {}, {0, 9, 3, "-1"}, "Data Limit Error"},
        {"ParamDecimalOver32Bits", 1, false, true, {{0, 1, 3, "1"}}, {0, 12, 3, "2147483648"}, "Data Limit Error"},
        {"ParamDecimalNotAnInteger", 1, false, true, {}, {0, 2, 3, "1.5"}, "Data Numeric Error"},
        {"ParamDecimalLoneMinus", 1, false, true, {}, {0, 11, 3, "-"}, "Data Numeric Error"},
        {"ParamTwoAxisY", 2, false, false, {{0, 12, 3, "1"}, {1, 1, 3, "2"}}, {1, 5, 3, "FFFFF"}, "Data Limit Error"},
        {"StepTarget", 1, true, false, {{0, 2, 2, "8000"}}, {0, 4, 6, "123456789"}, "Data Limit Error"},
        {"StepDecelerationOfAPair", 1, true, false, {{0, 2, 3, "3E8"}}, {0, 2, 4, "3E8 "}, "Data Numeric Error"},
        {"StepDecimalVelocity", 1, true, true, {}, {0, 6, 5, "70000"}, "Data Limit Error"},
        {"StepTwoAxisYVelocity", 2, true, false, {{0, 2, 5, "1"}}, {1, 2, 5, "x"}, "Data Numeric Error"},
        {"ParamFourAxisSetting", 5, false, false, {}, {2, 20, 3, "123456789"}, "Data Limit Error"},
        {"ParamFourAxisDecimalRow12", 5, false, true, {}, {1, 12, 3, "65536"}, "Data Limit Error"},
        {"ParamFourAxisCurrentCell", 5, false, false, {{1, 12, 3, "1"}}, {1, 13, 2, "1O"}, "Data Numeric Error"},
        {"StepFourAxisCircular", 5, true, true, {{0, 2, 2, "1"}}, {2, 4, 8, "2147483648"}, "Data Limit Error"},
        {"StepFourAxisHexMode", 5, true, false, {}, {3, 8, 2, "-8000"}, "Data Numeric Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(c.type);
        c.positioning ? rig.stepEditor(0, 3) : rig.paramEditor();
        rig.table.decimal = c.decimal;
        if (c.type == 5 && !c.positioning) {
            // Four-axis parameters of axes read from the module: every row has a current value
            // but the bad one's.
            for (int a = 0; a < 4; ++a)
                for (int row = 1; row <= kZr4ParamRows; ++row)
                    rig.set(a, row, 2, row <= 11 ? rig.pub.PrmDefaultZ4[row] : (row >= 20 ? "00000001" : "0001"));
        }
        if (c.type == 5 && c.positioning)
            for (auto& step : rig.pub.Z4AutoData)
                for (auto& axis : step)
                    for (auto& w : axis) w.Word = "0000";
        for (const Cell& x : c.good) rig.set(x.axis, x.row, x.col, x.text);
        rig.set(c.bad.axis, c.bad.row, c.bad.col, c.bad.text);
        const std::string before = rig.dump();
        const RegisterTable regBefore = rig.pub.reg;

        EXPECT_EQ(rig.transfer.SendMain(c.positioning ? rig.autoWriteMode() : rig.paramWriteMode()), 2);
        EXPECT_TRUE(rig.log.empty()) << rig.log.front(); // not even the link was opened
        EXPECT_EQ(rig.sink.texts, Log{c.message});
        EXPECT_EQ(rig.sink.icons, std::vector<MsgIcon>{MsgIcon::Exclamation});
        EXPECT_EQ(rig.dump(), before);
        EXPECT_EQ(rig.grid(c.bad.axis).Row(), c.bad.row);
        EXPECT_EQ(rig.grid(c.bad.axis).Col(), c.bad.col);
        EXPECT_EQ(rig.pub.reg.WriteData, regBefore.WriteData);
        EXPECT_EQ(rig.pub.reg.WriteDataH, regBefore.WriteDataH);
    }
}

// ---- four-axis parameters --------------------------------------------------------------------

TEST(FourAxisParams, OptionWordsFromTheGrid)
{
    struct Case { int firstRow; std::vector<const char*> setting, current; const char* word; };
    const Case cases[] = {
        {1, {"Move to CCW", "Low speed homing", "CW (Clockwis)", "S curve 2"}, {}, "1112"},
        {5, {"x10", "x1", "degree"}, {}, "0103"},
        {8,
         {"CW pulse / CCW pulse(positive logic)", "+O.RUN input is invalid", "Input valid (When the input is OFF)",
          "COIN is valid / SRDY is invalid"},
         {},
         "1204"},
        {8, {"", "", "", "COIN IS INVALID / SRDY IS INVALID"},
         {"Pulse / Direction mode(Negative logic)", "Input valid (When the input is ON)", "-O.RUN input is invalid", ""},
         "2125"},
        // The current text stands in only for an empty setting; a row with neither refuses.
        {1, {"", "", "", ""}, {"Move to CW", "Free home position", "CCW (Counter Clockwis)", "Linear acceleration and deceleration"}, "0000"},
        {5, {"x10", "", "inch"}, {"x1", "", "Pulse"}, "NG_DATA"},
        // A text its row does not offer, the "No Corresponding Data" of a code read included.
        {1, {"Move to CW", "Free home position", "No Corresponding Data", "S curve 1"}, {}, "NG_DATA"},
        {5, {"x10", "Pulse", "inch"}, {}, "NG_DATA"},
        {8, {"Cancel", "", "", ""}, {"", "Input valid (When the input is ON)", "-O.RUN input is invalid", "x1"}, "NG_DATA"},
        {2, {"Move to CW"}, {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.firstRow) + " " + c.word);
        MemGrid g;
        ParamGrid_Shape(g, kZr4ParamRows);
        for (size_t k = 0; k < c.setting.size(); ++k) g.setTextMatrix(c.firstRow + int(k), 3, c.setting[k]);
        for (size_t k = 0; k < c.current.size(); ++k) g.setTextMatrix(c.firstRow + int(k), 2, c.current[k]);
        EXPECT_EQ(PrmZ4_GridCodesub(g, c.firstRow), c.word);
    }
}

// The store of an axis as read: option words with texts for every field, values distinct.
std::array<std::string, 19> storedWords(int axis)
{
    std::array<std::string, 19> w;
    w[0] = "1112";
    w[1] = "0103";
    w[2] = "1204";
    for (int i = 3; i < 19; ++i) w[static_cast<size_t>(i)] = hex4(0x1000 * (axis + 1) + 0x11 * i);
    w[11] = "FFFE"; // row 20 = FFFFFFFE, -2 in decimal
    w[12] = "FFFF";
    return w;
}

std::string wordsText(const std::array<std::string, 19>& w)
{
    std::string s;
    for (const std::string& x : w) s += " " + x;
    return s;
}

TEST(FourAxisParams, OneCellOfAxisCTakesTheRestFromTheCurrentColumn)
{
    for (bool decimal : {false, true}) {
        SCOPED_TRACE(decimal ? "dec" : "hex");
        Rig rig(5);
        rig.paramEditor();
        rig.table.decimal = decimal;
        for (int a = 0; a < 4; ++a) {
            const auto w = storedWords(a);
            for (int i = 0; i < 19; ++i) rig.pub.Z4PrmData[a][i].Word = w[static_cast<size_t>(i)];
            ParamZr4_FillCurrent(rig.grid(a), a, rig.pub, decimal);
        }
        const std::string current = rig.cell(2, 14, 2);
        rig.set(2, 14, 3, decimal ? "4660" : "1234");
        const std::string before = rig.dump();

        EXPECT_EQ(rig.transfer.SendMain(3), 1);
        auto want = storedWords(2);
        want[5] = "1234";
        EXPECT_EQ(rig.log, opened({"8 a2" + wordsText(want)}));
        EXPECT_EQ(rig.transfer.progressMax(), 1);
        EXPECT_EQ(rig.pub.Z4PrmAxis[2].Flag, 1);
        EXPECT_EQ(rig.pub.Z4PrmAxis[0].Flag + rig.pub.Z4PrmAxis[1].Flag + rig.pub.Z4PrmAxis[3].Flag, 0);
        // Only that cell moved.
        EXPECT_EQ(rig.cell(2, 14, 3), "");
        EXPECT_EQ(rig.cell(2, 14, 2), decimal ? "4660" : "1234");
        rig.set(2, 14, 3, decimal ? "4660" : "1234");
        rig.set(2, 14, 2, current);
        EXPECT_EQ(rig.dump(), before);
    }
}

TEST(FourAxisParams, DefaultsOfAFileAndDecimalRowsGoOutAsWords)
{
    Rig rig(5);
    rig.pub.DataSourceCaption = "[Csv file]";
    rig.paramEditor();
    rig.table.decimal = true;
    for (int row = 1; row <= kZr4ParamRows; ++row) rig.set(0, row, 3, rig.pub.PrmDefaultZ4[row]);
    rig.set(0, 5, 3, "X100"); // texts compare without case
    // Decimal display: the value rows as the decimal display shows them.
    const char* const dec[] = {"32768", "32768", "65535", "16", "1024", "80", "500", "0",
                               "2147483647", "-2147483648", "-1", "65536"};
    for (int row = 12; row <= 23; ++row) rig.set(0, row, 3, dec[row - 12]);
    EXPECT_EQ(rig.transfer.SendMain(3), 1);
    EXPECT_EQ(rig.log, opened({"8 a0 0000 0200 0000 8000 8000 FFFF 0010 0400 0050 01F4 0000 FFFF 7FFF 0000 8000 "
                               "FFFF FFFF 0000 0001"}));
    for (int row = 1; row <= kZr4ParamRows; ++row) EXPECT_EQ(rig.cell(0, row, 3), "");
    EXPECT_EQ(rig.cell(0, 22, 2), "-1");
}

TEST(FourAxisParams, AnAxisFromAFileMissingARowIsLeftOut)
{
    for (bool bothHoled : {false, true}) {
        SCOPED_TRACE(bothHoled);
        Rig rig(5);
        rig.pub.DataSourceCaption = "[Csv file]";
        rig.paramEditor();
        for (int a : {1, 3})
            for (int row = 1; row <= kZr4ParamRows; ++row) rig.set(a, row, 3, rig.pub.PrmDefaultZ4[row]);
        rig.set(3, 17, 3, "");
        if (bothHoled) rig.set(1, 2, 3, "");
        const uint8_t r = rig.transfer.SendMain(3);
        if (bothHoled) {
            EXPECT_EQ(r, 2);
            EXPECT_TRUE(rig.log.empty());
            EXPECT_EQ(rig.sink.texts, Log{"No data.Please specify it"});
        } else {
            EXPECT_EQ(r, 1);
            ASSERT_EQ(rig.log.size(), 7u);
            EXPECT_EQ(rig.log[3].substr(0, 4), "8 a1");
            EXPECT_EQ(rig.cell(3, 1, 3), "Move to CW"); // the axis left out keeps its cells
            EXPECT_TRUE(rig.sink.texts.empty());
        }
    }
}

TEST(FourAxisParams, AWordWithoutValueOpensNothing)
{
    struct Case { const char* name; int row, col; const char* text; };
    const Case cases[] = {
        {"OptionTextNotOffered", 3, 3, "No Corresponding Data"},
        {"OptionOfAnotherRow", 9, 3, "-O.RUN input is invalid"},
        {"OptionRowEmpty", 6, 0, ""},
        {"ValueRowEmpty", 21, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(5);
        rig.paramEditor();
        // Axis A read; axis B flagged by one setting; the faulty row on axis B.
        for (int a = 0; a < 2; ++a)
            for (int row = 1; row <= kZr4ParamRows; ++row) rig.set(a, row, 2, rig.pub.PrmDefaultZ4[row]);
        rig.set(0, 12, 3, "1");
        rig.set(1, 12, 3, "1");
        if (c.col == 0) {
            rig.set(1, c.row, 2, "");
            rig.set(1, c.row, 3, "");
        } else {
            rig.set(1, c.row, c.col, c.text);
        }
        const std::string before = rig.dump();
        const auto axisBefore = rig.pub.Z4PrmAxis;
        EXPECT_EQ(rig.transfer.SendMain(3), 2);
        EXPECT_TRUE(rig.log.empty()); // no link, so no closing either
        EXPECT_EQ(rig.sink.texts, Log{"No data.Please specify it"});
        EXPECT_EQ(rig.sink.icons, std::vector<MsgIcon>{MsgIcon::Exclamation});
        EXPECT_EQ(rig.dump(), before);
        EXPECT_EQ(rig.pub.Z4PrmAxis[0].Word, axisBefore[0].Word);
    }
}

// ---- four-axis positioning -------------------------------------------------------------------

std::string stepWord(int step, int axis, int w) { return hex4(0x1000 * (axis + 1) + 0x10 * step + w); }

void readSteps(Public& p, int first, int last)
{
    for (int s = first; s <= last; ++s)
        for (int a = 0; a < 4; ++a)
            for (int w = 0; w < 9; ++w) p.Z4AutoData[s][a][w].Word = stepWord(s, a, w);
}

TEST(FourAxisSteps, BlocksOfTheFlaggedAxes)
{
    struct Case {
        const char* name;
        int first, last;
        bool read, decimal;
        std::vector<Cell> cells;
        Log sent;
    };
    auto rest = [](int s, int a, int from) {
        std::string d;
        for (int w = from; w < 9; ++w) d += stepWord(s, a, w);
        return d;
    };
    const Case cases[] = {
        {"OnlyModeOfAxisB", 0, 3, true, false, {{1, 2, 2, "8001"}}, {"9 0000 8802 8001" + rest(0, 1, 1)}},
        {"AllSevenCellsWithoutARead", 0, 3, false, false,
         {{1, 4, 2, "1"}, {1, 4, 3, "2"}, {1, 4, 4, "3"}, {1, 4, 5, "4"}, {1, 4, 6, "5"}, {1, 4, 7, "6789ABCD"}, {1, 4, 8, "ef"}},
         {"9 0001 8802 00010002000300040005ABCD678900EF0000"}},
        {"AxesAAndCOfStepZero", 0, 3, true, false, {{2, 2, 3, "7"}, {0, 2, 8, "10000"}},
         {"9 0000 8805 " + rest(0, 0, 0).substr(0, 28) + "00000001" + stepWord(0, 2, 0) + "0007" + rest(0, 2, 2)}},
        {"StepsInOrderFromTheWindow", 10, 12, true, false, {{3, 6, 6, "5"}, {0, 4, 2, "8000"}},
         {"9 000B 8801 8000" + rest(11, 0, 1), "9 000C 8808 " + rest(12, 3, 0).substr(0, 16) + "0005" + rest(12, 3, 5)}},
        {"Decimal", 0, 0, true, true, {{0, 2, 2, "32768"}, {0, 2, 7, "-1"}, {0, 2, 8, "65536"}},
         {"9 0000 8801 8000" + rest(0, 0, 1).substr(0, 16) + "FFFFFFFF00000001"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(5);
        rig.stepEditor(c.first, c.last);
        rig.table.decimal = c.decimal;
        rig.table.hexadecimal = !c.decimal;
        if (c.read) readSteps(rig.pub, c.first, c.last);
        for (const Cell& x : c.cells) rig.set(x.axis, x.row, x.col, x.text);
        EXPECT_EQ(rig.transfer.SendMain(7), 1);
        EXPECT_EQ(rig.log, opened(c.sent));
        EXPECT_EQ(rig.transfer.progressMax(), static_cast<int>(c.sent.size()));
        EXPECT_TRUE(rig.sink.texts.empty());
        // The setting cells moved up; what went out is what the module now holds.
        for (const Cell& x : c.cells) {
            EXPECT_EQ(rig.cell(x.axis, x.row, x.col), "");
            EXPECT_NE(rig.cell(x.axis, x.row - 1, x.col), "");
        }
        for (const std::string& t : c.sent) {
            const int step = std::stoi(t.substr(2, 4), nullptr, 16);
            const int mask = std::stoi(t.substr(10, 1), nullptr, 16);
            std::string block;
            for (int a = 0; a < 4; ++a)
                if (mask & (1 << a))
                    for (int w = 0; w < 9; ++w) block += rig.pub.Z4AutoData[step][a][w].Word;
            EXPECT_EQ(block, t.substr(12));
        }
    }
}

TEST(FourAxisSteps, MovedCellsAreZeroFilledInHexDisplay)
{
    Rig rig(5);
    rig.stepEditor(0, 1);
    readSteps(rig.pub, 0, 1);
    rig.set(0, 4, 2, "7");
    rig.set(0, 4, 7, "FF");
    rig.set(0, 3, 3, "kept"); // an empty setting leaves its current cell
    EXPECT_EQ(rig.transfer.SendMain(7), 1);
    EXPECT_EQ(rig.cell(0, 3, 2), "0007");
    EXPECT_EQ(rig.cell(0, 3, 7), "000000FF");
    EXPECT_EQ(rig.cell(0, 3, 3), "kept");
}

TEST(FourAxisSteps, CellFormatByMaskAndDisplay)
{
    struct Case { int mask; bool hex; const char* mode; const char* target; int axesMoved; };
    const Case cases[] = {
        {0, true, "", "", 0},          {16, true, "", "", 0},         {-1, true, "", "", 0},
        {1, true, "0007", "000000FF", 1}, {5, true, "0007", "000000FF", 2}, {15, false, "7", "FF", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        std::vector<MemGrid> grids(4);
        EditorTable ed;
        for (MemGrid& g : grids) {
            StepGrid_Shape(g, StepZr4_Layout(), 0, 2);
            g.setTextMatrix(4, 2, "7");
            g.setTextMatrix(4, 7, "FF");
            ed.grids.push_back(&g);
        }
        ed.hexadecimal = c.hex;
        Zr4AxisCell_Format(ed, c.mask, 1);
        int moved = 0;
        for (int a = 0; a < 4; ++a) {
            const bool in = c.mask >= 1 && c.mask <= 15 && (c.mask & (1 << a));
            moved += in;
            EXPECT_EQ(grids[a].TextMatrix(3, 2), in ? c.mode : "");
            EXPECT_EQ(grids[a].TextMatrix(3, 7), in ? c.target : "");
            EXPECT_EQ(grids[a].TextMatrix(4, 2), in ? "" : "7");
        }
        EXPECT_EQ(moved, c.axesMoved);
    }
}

TEST(FourAxisSteps, AWordMissingAnywhereOpensNothing)
{
    // Step 0 can be written; step 2 of axis D lacks the words a read would have given.
    Rig rig(5);
    rig.stepEditor(0, 3);
    readSteps(rig.pub, 0, 1);
    for (int c = 2; c <= 8; ++c) rig.set(0, 2, c, "1");
    rig.set(3, 6, 4, "3E8");
    const std::string before = rig.dump();
    EXPECT_EQ(rig.transfer.SendMain(7), 2);
    EXPECT_TRUE(rig.log.empty());
    EXPECT_EQ(rig.sink.texts, Log{"No data.Please specify it"});
    EXPECT_EQ(rig.dump(), before);
    EXPECT_EQ(rig.pub.Z4AutoData[0][0][0].Word, stepWord(0, 0, 0)); // nothing taken as written
}

// ---- a write that stops: failure, cancel, link -----------------------------------------------

struct StopCase {
    const char* name;
    int type;
    bool positioning;
    std::function<void(Rig&)> fill; // three items
};

const StopCase kStopCases[] = {
    {"ParamOneAxis", 1, false, [](Rig& r) { r.set(0, 1, 3, "1"); r.set(0, 5, 3, "5"); r.set(0, 12, 3, "C"); }},
    {"ParamTwoAxis", 2, false, [](Rig& r) { r.set(0, 1, 3, "1"); r.set(0, 2, 3, "2"); r.set(1, 12, 3, "C"); }},
    {"StepOneAxis", 1, true,
     [](Rig& r) { r.set(0, 2, 2, "1"); r.set(0, 2, 3, "2"); r.set(0, 2, 4, "3"); r.set(0, 4, 6, "4"); }},
    {"StepTwoAxis", 4, true, [](Rig& r) { r.set(1, 2, 2, "1"); r.set(0, 2, 5, "2"); r.set(1, 6, 6, "3"); }},
    {"ParamFourAxis", 5, false,
     [](Rig& r) {
         r.pub.DataSourceCaption = "[Csv file]";
         for (int a : {0, 2, 3})
             for (int row = 1; row <= kZr4ParamRows; ++row) r.set(a, row, 3, r.pub.PrmDefaultZ4[row]);
     }},
    {"StepFourAxis", 5, true,
     [](Rig& r) {
         readSteps(r.pub, 0, 3);
         r.set(0, 2, 2, "1");
         r.set(1, 6, 3, "2");
         r.set(3, 6, 4, "3");
         r.set(2, 8, 8, "4");
     }},
};

TEST(Writes, StopAtEachItem)
{
    constexpr int n = 3;
    for (const StopCase& c : kStopCases) {
        // The run that succeeds: what each item sends and the grids as each item goes out.
        Log sent;
        std::vector<std::string> snaps;
        auto rigFor = [&](Rig& rig) {
            c.positioning ? rig.stepEditor(0, 3) : rig.paramEditor();
            c.fill(rig);
            rig.tasks.atItem = [&rig, &snaps] { snaps.push_back(rig.dump()); };
        };
        {
            Rig rig(c.type);
            rigFor(rig);
            ASSERT_EQ(rig.transfer.SendMain(c.positioning ? rig.autoWriteMode() : rig.paramWriteMode()), 1) << c.name;
            snaps.push_back(rig.dump());
            ASSERT_EQ(rig.log.size(), 3u + n + 3u) << c.name;
            sent.assign(rig.log.begin() + 3, rig.log.begin() + 3 + n);
        }
        const std::vector<std::string> done = snaps;
        const bool cancelAfterStep = c.type == 5 && c.positioning; // tested after each step

        enum Kind { Fail, Cancel, Connect, Open };
        struct Outcome { Kind kind; int at, code; };
        const Outcome outcomes[] = {{Fail, 1, 2}, {Fail, 2, 0}, {Fail, 3, 2}, {Cancel, 0, 0}, {Cancel, 1, 0},
                                    {Cancel, 2, 0}, {Cancel, 3, 0}, {Connect, 0, 0}, {Connect, 0, 2}, {Open, 0, 2}};
        for (const Outcome& o : outcomes) {
            SCOPED_TRACE(std::string(c.name) + " kind " + std::to_string(o.kind) + " at " + std::to_string(o.at) +
                         " code " + std::to_string(o.code));
            Rig rig(c.type);
            rigFor(rig);
            rig.tasks.atItem = nullptr;
            switch (o.kind) {
            case Fail: rig.tasks.failAt = o.at, rig.tasks.failCode = o.code; break;
            case Cancel: rig.tasks.cancelAt = o.at; break;
            case Connect: rig.link.connectResult = o.code; break;
            case Open: rig.tasks.failAt = 0, rig.tasks.failCode = o.code; break;
            }
            const uint8_t r = rig.transfer.SendMain(c.positioning ? rig.autoWriteMode() : rig.paramWriteMode());

            Log want;
            int items = 0;
            uint8_t result = 1;
            switch (o.kind) {
            case Fail: items = o.at, result = static_cast<uint8_t>(o.code); break;
            case Cancel:
                items = cancelAfterStep ? std::max(o.at, 1) : o.at;
                result = cancelAfterStep || o.at < n ? 3 : 1;
                break;
            case Connect: result = static_cast<uint8_t>(o.code); break;
            case Open: result = static_cast<uint8_t>(o.code); break;
            }
            EXPECT_EQ(r, result);
            if (o.kind == Connect) {
                want = {"connect"};
            } else if (o.kind == Open) {
                want = {"connect", "1"};
            } else {
                want = Log(sent.begin(), sent.begin() + items);
                want = opened(want, result == 1 || result == 3);
            }
            EXPECT_EQ(rig.log, want);
            // Items written have moved, the failing one and those after it have not.
            const int moved = o.kind == Fail ? o.at - 1 : o.kind == Cancel ? items : 0;
            EXPECT_EQ(rig.dump(), done[static_cast<size_t>(moved)]);
            // Cancel leaves the bar where it stopped; after a failure it ends full.
            if (o.kind == Cancel || o.kind == Fail) {
                EXPECT_EQ(rig.transfer.progressValue(), o.kind == Cancel ? items : n);
            }
        }
    }
}

// ---- dispatch --------------------------------------------------------------------------------

TEST(Writes, AWriteModeOfAnotherFamilyIsNotRun)
{
    struct Case { int mode, type; };
    const Case cases[] = {{2, 2}, {2, 5}, {3, 1}, {3, 3}, {4, 1}, {4, 5}, {6, 4}, {7, 1}, {8, 5}, {8, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + "/" + std::to_string(c.type));
        Rig rig(c.type);
        rig.paramEditor();
        for (MemGrid& g : rig.grids) g.setTextMatrix(1, 3, "1");
        rig.tableForm = -1;
        rig.transfer.editors = [&rig](int) { return rig.table; };
        EXPECT_EQ(rig.transfer.SendMain(c.mode), 0);
        EXPECT_TRUE(rig.log.empty());
        EXPECT_TRUE(rig.sink.texts.empty());
    }
}

} // namespace
