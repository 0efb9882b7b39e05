// The editors' CSV files through the main window's procedures: the register file and the two
// four-axis files, read into the table or a caller's array and saved from MemGrids, with the
// dialog answered from a script, the writer in memory and the wait on the virtual clock.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "CsvTestFiles.h"
#include "shared/FormNumbers.h"
#include "shared/RegisterTable.h"
#include "support/CaptureSink.h"
#include "support/FakeFiles.h"
#include "support/VirtualRuntime.h"
#include "transfer/CsvProcedures.h"

using namespace posmod;
using posmod::test::CountingPointer;
using posmod::test::golden;
using posmod::test::SameTable;
using posmod::test::TempDir;

namespace {

struct Rig {
    Public pub;
    VirtualRuntime rt;
    ScriptedFileDialog dialog;
    MemoryFileWriter writer;
    CaptureSink sink;
    CountingPointer pointer;
    RememberingFileDialog csvDialog{dialog};
    CsvProcedures csv{pub, rt, csvDialog, writer, sink, &pointer};
    TempDir dir;
    std::map<int, EditorTable> tables;

    explicit Rig(int type)
    {
        Public_Reset(pub);
        pub.ModuleType = type;
        csv.editors = [this](int formNo) { return tables.count(formNo) ? tables[formNo] : EditorTable{}; };
    }
    // The next dialog answers a file holding bytes.
    void answerFile(const std::string& bytes) { dialog.answers.push_back(dir.file("in.csv", bytes)); }
    uint8_t load(const std::string& bytes)
    {
        answerFile(bytes);
        return csv.CsvData_ReadSub();
    }
    // State a failing reader must leave alone.
    void dirty()
    {
        CodeTable_Set7W(pub.reg);
        pub.reg.WriteData[5] = "ABCD";
        pub.CsvReadIndex[1] = 7;
        pub.CsvReadCount = 1;
        pub.set.AxisName = {"old X", "old Y", "old C", "old D"};
    }
    const std::string& saved() { return writer.files[dir.path("out.csv")]; }
};

// The setting words of a row: low, high.
using Words = std::tuple<int, std::string, std::string>;

// ---- register file: reading ---------------------------------------------------------------

struct ReadCase {
    const char* name;
    int type;
    std::string bytes;
    std::vector<Words> words;   // rows whose setting words the file sets
    std::vector<int> listed;    // CsvReadIndex 1..CsvReadCount
    std::array<std::string, 2> names{"old X", "old Y"};
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

const ReadCase kReads[] = {
    {"KeyCaseAndZeroFill", 1, "5f01,12,0000\r\n5F0A,86a0,1\r\n", {{3, "0012", ""}, {12, "86a0", "0001"}}, {3, 12}},
    {"OneWordRowDropsItsThirdField", 1, "5F01,0012,ZZZZ\r\n", {{3, "0012", ""}}, {3}},
    {"WideAndOddValuesStandAsTheyAre", 1, "5F01,12345,0\r\n5F02,xyz,0\r\n", {{3, "12345", ""}, {4, "0xyz", ""}}, {3, 4}},
    {"UnmatchedKeyShiftsTheFields", 1, "9999,5F01,0000\r\n5F02,0007,0000\r\n", {{3, "0000", ""}, {4, "0", ""}}, {3}},
    {"UnmatchedKeyIsBackInStepNextLine", 1, "9999,0001,0002\r\n5F02,0007,0000\r\n", {{4, "0007", ""}}, {4}},
    {"NopRowDropsItsValuesAndIsNotListed", 1, "5800,1234,5678\r\n5F01,0001,0000\r\n",
     {{2, "0", "0"}, {3, "0001", ""}}, {3}},
    {"KeyTwiceTakesTheLaterValuesListedTwice", 1, "5F01,0001,0000\r\n5F01,0002,0000\r\n", {{3, "0002", ""}}, {3, 3}},
    {"EmptyFile", 1, "", {{3, "0", ""}, {12, "0", "0"}}, {}},
    {"BlankLinesAndEveryLineEnd", 1, "\r\n\r\n5F01,1,0\n\n5F02,2,0\r5F03,3,0", {{3, "0001", ""}, {4, "0002", ""}, {5, "0003", ""}},
     {3, 4, 5}},
    {"OtherModelsKeysAreNotFound", 1, "1F01,0005,0000\r\n", {{3, "0", ""}}, {}},
    // The third field is the high word of a two-word row even when empty: the width is the layout's.
    {"AxisNamesAndAWidthFromTheLayout", 2, "X Axis,Left\r\nY Axis,\r\n1F0A,86A0,\r\n", {{23, "86A0", ""}}, {23},
     {"Left", ""}},
    {"FourAxisNameLinesAreKeysHere", 2, "A Axis,Name\r\n1F01,0005,0000\r\n", {{5, "0005", ""}}, {5}},
    // Each line decoded on its own: a legacy line, and a Latin-1 byte that starts no CP932
    // character (shown as U+FFFD, the rest of its line intact).
    {"LegacyAndLatin1NamesDecodedByLine", 2, "X Axis,\x82\xa0\x82\xa2\r\nY Axis,Caf\xe9\r\n", {}, {}, {"あい", "Caf\uFFFD"}},
    {"ByteOrderMarkDropped", 2, "\xEF\xBB\xBFX Axis,Ünï\r\n", {}, {}, {"Ünï", "old Y"}},
    {"CommaInANameSplitsIt", 2, "X Axis,Na,me\r\n1F01,0005,0000\r\n", {{5, "0005", ""}}, {5}, {"Na", "old Y"}},
};

class RegisterRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RegisterRead, StoresWhatTheFileHolds)
{
    const ReadCase& c = GetParam();
    Rig rig(c.type);
    rig.dirty();
    ASSERT_EQ(rig.load(c.bytes), 1);
    RegisterTable fresh;
    if (c.type == 1) CodeTable_SetJV(fresh);
    else CodeTable_Set7W(fresh);
    // Every row the file does not set is as the rebuild leaves it.
    for (const auto& [row, low, high] : c.words) {
        fresh.WriteData[static_cast<size_t>(row)] = low;
        fresh.WriteDataH[static_cast<size_t>(row)] = high;
    }
    EXPECT_TRUE(SameTable(rig.pub.reg, fresh));
    EXPECT_EQ(rig.pub.CsvReadCount, static_cast<int>(c.listed.size()));
    for (size_t i = 0; i < c.listed.size(); ++i) EXPECT_EQ(rig.pub.CsvReadIndex[i + 1], c.listed[i]);
    EXPECT_EQ(rig.pub.CsvReadIndex[c.listed.size() + 1], 0);
    EXPECT_EQ(rig.pub.set.AxisName[0], c.names[0]);
    EXPECT_EQ(rig.pub.set.AxisName[1], c.names[1]);
    EXPECT_EQ(rig.pub.set.AxisName[2], "old C");
    EXPECT_TRUE(rig.sink.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, RegisterRead, ::testing::ValuesIn(kReads),
                         [](const auto& info) { return std::string(info.param.name); });

struct FailCase {
    const char* name;
    std::string bytes; // "<dir>": the answer is a folder; "<missing>": no such file
    std::string message;
};

TEST(RegisterReadFails, ChangesNothing)
{
    std::string over;
    for (int i = 0; i <= kCsvMaxRows; ++i) over += "1F01,0001,0000\r\n";
    const FailCase cases[] = {
        {"TruncatedRecord", "1F01,0012", "File Read Error Occurred (line 1)"},
        {"TruncatedNopRow", "1F01,0001,0000\r\n1800,1234", "File Read Error Occurred (line 2)"},
        {"NameWithoutItsField", "X Axis", "File Read Error Occurred (line 1)"},
        {"Over2100Rows", over, "File Read Error Occurred (line 2101)"},
        {"OverTheSizeCap", std::string(kCsvMaxBytes + 1, ','), "File Read Error Occurred"},
        {"Folder", "<dir>", "File Read Error Occurred"},
        {"Missing", "<missing>", "File Read Error Occurred"},
    };
    for (const FailCase& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(2);
        rig.dirty();
        const Public before = rig.pub;
        if (c.bytes == "<dir>") rig.dialog.answers.push_back(rig.dir.path(""));
        else if (c.bytes == "<missing>") rig.dialog.answers.push_back(rig.dir.path("none.csv"));
        else rig.answerFile(c.bytes);
        EXPECT_EQ(rig.csv.CsvData_ReadSub(), 0);
        EXPECT_TRUE(SameTable(rig.pub.reg, before.reg));
        EXPECT_EQ(rig.pub.CsvReadIndex, before.CsvReadIndex);
        EXPECT_EQ(rig.pub.CsvReadCount, 1);
        EXPECT_EQ(rig.pub.set.AxisName, before.set.AxisName);
        EXPECT_EQ(rig.sink.texts, std::vector<std::string>{c.message});
        EXPECT_EQ(rig.sink.icons, std::vector<MsgIcon>{MsgIcon::Exclamation});
        EXPECT_EQ(rig.pointer.depth, 0);
    }
}

// ---- the dialog steps ------------------------------------------------------------------------

TEST(CsvDialogSteps, CancelIsQuietAndEndsBeforeTheWait)
{
    Rig rig(1);
    rig.dirty();
    rig.pub.CsvFileName = "earlier.csv";
    const Public before = rig.pub;
    EXPECT_EQ(rig.csv.CsvData_ReadSub(), 0);
    EXPECT_FALSE(rig.csv.CsvData_WriteJVSub(false));
    Z4PrmCsvData prm;
    EXPECT_EQ(rig.csv.ZR4_PrmCsvData_ReadSub(prm), 0);
    EXPECT_EQ(rig.pub.CsvFileName, "");
    EXPECT_TRUE(SameTable(rig.pub.reg, before.reg));
    EXPECT_EQ(rig.rt.nowMs(), 0);
    EXPECT_EQ(rig.pointer.shown, 0);
    EXPECT_TRUE(rig.sink.texts.empty());
    EXPECT_EQ(rig.writer.writes, 0);
}

TEST(CsvDialogSteps, OpenAndSaveDialogsWaitShowTheHourglassAndOfferTheLastName)
{
    Rig rig(1);
    CodeTable_SetJV(rig.pub.reg);
    MemGrid g(13, 4);
    g.setTextMatrix(1, 3, "1");
    rig.tables[form::frmParmJV] = {{&g}, false, true};

    rig.answerFile("");
    EXPECT_EQ(rig.csv.CsvData_ReadSub(), 1);
    EXPECT_EQ(rig.rt.nowMs(), 200);
    EXPECT_EQ(rig.pointer.shown, 1);
    EXPECT_EQ(rig.pointer.depth, 0);
    EXPECT_EQ(rig.pub.CsvFileName, rig.dir.path("in.csv"));

    rig.dialog.answers.push_back(rig.dir.path("out.csv"));
    EXPECT_TRUE(rig.csv.CsvData_WriteJVSub(false));
    EXPECT_EQ(rig.rt.nowMs(), 400);
    EXPECT_EQ(rig.pointer.shown, 2);
    EXPECT_EQ(rig.pointer.depth, 0);

    ASSERT_EQ(rig.dialog.requests.size(), 2u);
    const FileNameRequest& open = rig.dialog.requests[0];
    const FileNameRequest& save = rig.dialog.requests[1];
    EXPECT_EQ(open.mode, FileNameRequest::Mode::Open);
    EXPECT_FALSE(open.confirmOverwrite);
    EXPECT_EQ(save.mode, FileNameRequest::Mode::Save);
    EXPECT_TRUE(save.confirmOverwrite);
    EXPECT_TRUE(save.filters.empty());
    EXPECT_TRUE(save.defaultSuffix.empty());
    EXPECT_EQ(save.name, rig.dir.path("in.csv")); // the name chosen last
    EXPECT_EQ(rig.csv.CsvDialog().lastName(), rig.dir.path("out.csv"));
}

// ---- register file: the writers ---------------------------------------------------------------

TEST(RegisterWrite, OneAxisParametersInDecimalFromTheSettingColumn)
{
    Rig rig(1);
    CodeTable_SetJV(rig.pub.reg);
    MemGrid g(13, 4);
    for (int k = 1; k <= 12; ++k) g.setTextMatrix(k, 2, "7"); // Current data: not chosen
    g.setTextMatrix(1, 3, "100");
    g.setTextMatrix(5, 3, "16");
    g.setTextMatrix(10, 3, "-1");
    g.setTextMatrix(12, 3, "100000");
    rig.tables[form::frmParmJV] = {{&g}, true, false};
    rig.dialog.answers.push_back(rig.dir.path("out.csv"));
    ASSERT_TRUE(rig.csv.CsvData_WriteJVSub(false));
    EXPECT_EQ(rig.saved(), golden("jv_params.csv"));
    // The written values stand in the setting words.
    EXPECT_EQ(rig.pub.reg.WriteData[12], "FFFF");
    EXPECT_EQ(rig.pub.reg.WriteDataH[14], "0001");
}

TEST(RegisterWrite, TwoAxisParametersWithTheirNameLines)
{
    Rig rig(2);
    CodeTable_Set7W(rig.pub.reg);
    rig.pub.set.AxisName = {"X axis", "Y axis", "", ""};
    MemGrid x(13, 4), y(13, 4);
    x.setTextMatrix(1, 2, "64");
    x.setTextMatrix(10, 2, "186A0");
    y.setTextMatrix(1, 2, "32");
    rig.tables[form::frmParm7W] = {{&x, &y}, false, true};
    rig.dialog.answers.push_back(rig.dir.path("out.csv"));
    ASSERT_TRUE(rig.csv.CsvData_Write7WSub(true));
    EXPECT_EQ(rig.saved(), golden("7w_params.csv"));
}

TEST(RegisterWrite, OneAxisStepsSkipALoneAccelerationCell)
{
    Rig rig(1);
    CodeTable_SetJV(rig.pub.reg);
    MemGrid g(7, 8);
    for (int c = 2; c <= 6; ++c) g.setTextMatrix(1, c, "1111"); // a Current row: not chosen
    const char* step0[] = {"8000", "3E8", "3E8", "20", "1000"};
    for (int c = 2; c <= 6; ++c) g.setTextMatrix(2, c, step0[c - 2]);
    g.setTextMatrix(4, 3, "3E8");
    g.setTextMatrix(4, 6, "FFFFFFFF");
    rig.pub.AutoRowCount = 6;
    rig.tables[form::frmAutoRunJVMode] = {{&g}, false, true};
    rig.dialog.answers.push_back(rig.dir.path("out.csv"));
    ASSERT_TRUE(rig.csv.CsvAuto_WriteJVSub(false));
    EXPECT_EQ(rig.saved(), golden("jv_steps.csv"));
}

TEST(RegisterWrite, TwoAxisStepsInterleavedInDecimalWithACommaInAName)
{
    Rig rig(3);
    CodeTable_Set7W(rig.pub.reg);
    rig.pub.set.AxisName = {"Na,me", "", "", ""};
    MemGrid x(3, 8), y(3, 8);
    x.setTextMatrix(1, 2, "32768");
    x.setTextMatrix(1, 3, "1000");
    x.setTextMatrix(1, 4, "1000");
    x.setTextMatrix(1, 6, "-2");
    y.setTextMatrix(1, 2, "1");
    y.setTextMatrix(1, 3, "5");
    y.setTextMatrix(1, 5, "65535");
    rig.pub.AutoRowCount = 2;
    rig.tables[form::frmAutoRun7WMode] = {{&x, &y}, true, false};
    rig.dialog.answers.push_back(rig.dir.path("out.csv"));
    ASSERT_TRUE(rig.csv.CsvAuto_Write7WSub(true));
    EXPECT_EQ(rig.saved(), golden("7w_steps.csv"));

    // The name reads back in step.
    rig.answerFile(rig.saved());
    ASSERT_EQ(rig.csv.CsvData_ReadSub(), 1);
    EXPECT_EQ(rig.pub.set.AxisName[0], "Na me");
    EXPECT_EQ(rig.pub.CsvReadCount, 5);
}

TEST(RegisterWrite, OnlyYDataWritesBothNameLinesAndTheYLines)
{
    Rig rig(4);
    CodeTable_Set7W(rig.pub.reg);
    MemGrid x(13, 4), y(13, 4);
    y.setTextMatrix(12, 3, "1");
    rig.tables[form::frmParm7W] = {{&x, &y}, false, true};
    rig.dialog.answers.push_back(rig.dir.path("out.csv"));
    ASSERT_TRUE(rig.csv.CsvData_Write7WSub(false));
    EXPECT_EQ(rig.saved(), "X Axis,\r\nY Axis,\r\n3F0C,0001,0000\r\n");
}

// What a save that cannot go ahead leaves: the message, and the file as it was.
struct SaveRefusal {
    const char* name;
    const char* cell;        // the one filled cell ("" none)
    bool decimal;
    bool writerFails;
    const char* message;
};

TEST(RegisterWrite, RefusedSavesLeaveTheFileAndTheTable)
{
    const SaveRefusal cases[] = {
        {"NoData", "", false, false, kNoDataMessage},
        {"DecimalOutsideSigned32Bits", "2147483648", true, false, kLimitErrorMessage},
        {"DecimalBelowSigned32Bits", "-2147483649", true, false, kLimitErrorMessage},
        {"WriteFails", "1", false, true, kFileWriteErrorMessage},
    };
    for (const SaveRefusal& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(1);
        CodeTable_SetJV(rig.pub.reg);
        const RegisterTable before = rig.pub.reg;
        const std::string out = rig.dir.path("out.csv");
        rig.writer.files[out] = "old bytes";
        if (c.writerFails) rig.writer.failing.insert(out);
        MemGrid g(13, 4);
        g.setTextMatrix(11, 3, c.cell);
        rig.tables[form::frmParmJV] = {{&g}, c.decimal, !c.decimal};
        rig.dialog.answers.push_back(out);
        EXPECT_FALSE(rig.csv.CsvData_WriteJVSub(false));
        EXPECT_EQ(rig.writer.files[out], "old bytes");
        EXPECT_EQ(rig.sink.texts, std::vector<std::string>{c.message});
        EXPECT_EQ(rig.sink.icons, std::vector<MsgIcon>{MsgIcon::Exclamation});
        EXPECT_TRUE(SameTable(rig.pub.reg, before));
        EXPECT_EQ(rig.pointer.depth, 0);
    }
}

TEST(RegisterWrite, DecimalLimitsAreSigned32Bits)
{
    const std::pair<const char*, const char*> cases[] = {
        {"2147483647", "7FFF,FFFF"}, {"-2147483648", "8000,0000"}, {"-1", "FFFF,FFFF"}, {"12abc", "0000,000C"},
        {"abc", "0000,0000"}};
    for (const auto& [cell, words] : cases) {
        SCOPED_TRACE(cell);
        Rig rig(1);
        CodeTable_SetJV(rig.pub.reg);
        MemGrid g(13, 4);
        g.setTextMatrix(11, 3, cell);
        rig.tables[form::frmParmJV] = {{&g}, true, false};
        rig.dialog.answers.push_back(rig.dir.path("out.csv"));
        ASSERT_TRUE(rig.csv.CsvData_WriteJVSub(false));
        const std::string w = words;
        EXPECT_EQ(rig.saved(), "5F0B," + w.substr(5) + "," + w.substr(0, 4) + "\r\n");
    }
}

// ---- four-axis files: the writers -------------------------------------------------------------

TEST(Z4CsvWrite, ParametersOfOneAxisInDecimal)
{
    Rig rig(5);
    rig.pub.set.AxisName = {"A axis", "B axis", "C axis", "D axis"};
    std::vector<MemGrid> g(4, MemGrid(24, 4));
    g[2].setTextMatrix(1, 3, "Move to CCW");
    g[2].setTextMatrix(4, 3, "S curve 1");
    g[2].setTextMatrix(12, 3, "32768");
    g[2].setTextMatrix(20, 3, "-1");
    g[2].setTextMatrix(23, 3, "65536");
    g[0].setTextMatrix(1, 2, "Move to CW"); // Current data: not chosen
    rig.tables[form::frmParmZr4] = {{&g[0], &g[1], &g[2], &g[3]}, true, false};
    rig.dialog.answers.push_back(rig.dir.path("out.csv"));
    ASSERT_TRUE(rig.csv.CsvData_WriteZ4Sub(false));
    EXPECT_EQ(rig.saved(), golden("z4_params.csv"));
}

TEST(Z4CsvWrite, StepsCountPointsFromTheGridsFirstStep)
{
    Rig rig(5);
    rig.pub.set.AxisName = {"A axis", "B axis", "C axis", "D axis"};
    std::vector<MemGrid> g(4, MemGrid(25, 10));
    g[1].setTextMatrix(22, 2, "1");
    g[1].setTextMatrix(22, 7, "1000");
    g[1].setTextMatrix(21, 2, "FFFF"); // Current data: not chosen
    rig.pub.AutoRowCount = 24;
    rig.tables[form::frmAutoRunZr4Mode] = {{&g[0], &g[1], &g[2], &g[3]}, false, true};
    rig.dialog.answers.push_back(rig.dir.path("out.csv"));
    ASSERT_TRUE(rig.csv.CsvAuto_WriteZ4Sub(false));
    EXPECT_EQ(rig.saved(), golden("z4_steps.csv"));
}

TEST(Z4CsvWrite, WithoutDataNeitherWriterCreatesAFile)
{
    Rig rig(5);
    std::vector<MemGrid> g(4, MemGrid(25, 10));
    rig.tables[form::frmParmZr4] = {{&g[0], &g[1], &g[2], &g[3]}, false, true};
    rig.tables[form::frmAutoRunZr4Mode] = rig.tables[form::frmParmZr4];
    rig.pub.AutoRowCount = 24;
    rig.dialog.answers = {rig.dir.path("out.csv"), rig.dir.path("out.csv")};
    EXPECT_FALSE(rig.csv.CsvData_WriteZ4Sub(true));
    EXPECT_FALSE(rig.csv.CsvAuto_WriteZ4Sub(true));
    EXPECT_EQ(rig.writer.writes, 0);
    EXPECT_EQ(rig.sink.texts, (std::vector<std::string>{kNoDataMessage, kNoDataMessage}));
}

// ---- four-axis files: the readers -------------------------------------------------------------

TEST(Z4CsvRead, ParameterFileRecordsAndNames)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::tuple<int, int, std::string>> cells;
        std::array<std::string, 4> names;
    };
    const Case cases[] = {
        {"NamesThenRecordsNopDropped", "A Axis,Alpha\r\nD Axis,\r\n2,1,Move to CCW\r\n2,2,nop\r\n0,23,12345678\r\n",
         {{2, 1, "Move to CCW"}, {0, 23, "12345678"}}, {"Alpha", "old B", "old C", ""}},
        {"NamesAfterTheFirstRecordAreNotTaken", "1,5,x10\r\nB Axis,Late\r\n1,6,x100\r\n",
         {{1, 5, "x10"}, {1, 6, "x100"}}, {"old A", "old B", "old C", "old D"}},
        {"AFieldOfOtherLengthEndsTheRecords", "3,12,ABCD\r\n10,1,x\r\n3,13,BCDE\r\n", {{3, 12, "ABCD"}},
         {"old A", "old B", "old C", "old D"}},
        {"EmptyFile", "", {}, {"old A", "old B", "old C", "old D"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(5);
        rig.pub.set.AxisName = {"old A", "old B", "old C", "old D"};
        Z4PrmCsvData data;
        data(3, 3) = "kept";
        rig.answerFile(c.bytes);
        ASSERT_EQ(rig.csv.ZR4_PrmCsvData_ReadSub(data), 1);
        Z4PrmCsvData expect;
        expect(3, 3) = "kept";
        for (const auto& [a, row, v] : c.cells) expect(a, row) = v;
        EXPECT_EQ(data.cells, expect.cells);
        EXPECT_EQ(rig.pub.set.AxisName, c.names);
    }
}

TEST(Z4CsvRead, PositioningFileRecordsAndNames)
{
    Rig rig(5);
    rig.pub.set.AxisName = {"old A", "old B", "old C", "old D"};
    Z4AutoCsvData data;
    rig.answerFile("A Axis,Alpha\r\nX Axis,dropped\r\n100A,0,0001\r\n100A,1,NOP\r\n30FF,6,00001000\r\n"
                   "2,1,Move to CW\r\n");
    ASSERT_EQ(rig.csv.ZR4_AutCsvData_ReadSub(data), 1);
    Z4AutoCsvData expect;
    expect(1, 10, 0) = "0001";
    expect(3, 255, 6) = "00001000";
    EXPECT_EQ(data.cells, expect.cells);
    EXPECT_EQ(rig.pub.set.AxisName, (std::array<std::string, 4>{"Alpha", "old B", "old C", "old D"}));
}

TEST(Z4CsvRead, RejectedFilesChangeNothing)
{
    const std::string registerFile = "X Axis,n\r\nY Axis,n\r\n1F01,0064,0000\r\n";
    const std::string autoFile = "A Axis,new\r\n100A,0,0001\r\n";
    struct Case {
        const char* name;
        bool params; // the parameter reader, else the positioning reader
        std::string bytes;
        int line; // where the reader stopped
    };
    const Case cases[] = {
        {"RegisterFileToParams", true, registerFile, 3},
        {"PositioningFileToParams", true, autoFile, 2},
        {"AxisOutsideTheArray", true, "A Axis,new\r\n4,1,x1\r\n", 2},
        {"AxisALetter", true, "A Axis,new\r\nA,1,x1\r\n", 2},
        {"RowOutsideTheArray", true, "A Axis,new\r\n0,24,0000\r\n", 2},
        {"RowNotDigits", true, "A Axis,new\r\n0,1a,0000\r\n", 2},
        {"ParamRecordCutOff", true, "A Axis,new\r\n0,1\r\n", 2},
        {"PointAbove255", false, "A Axis,new\r\n1000,0,0001\r\n0100,0,0001\r\n", 3},
        {"ItemAbove6", false, "A Axis,new\r\n1000,7,0001\r\n", 2},
        {"LetterAsAxisDigit", false, "A Axis,new\r\nA000,0,0001\r\n", 2},
        {"PointNotHex", false, "A Axis,new\r\n100G,0,0001\r\n", 2},
        {"StepRecordCutOff", false, "A Axis,new\r\n1000,0\r\n", 2},
        {"OtherLengthCutOff", false, "A Axis,new\r\n1,2\r\n", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(5);
        rig.pub.set.AxisName = {"old A", "old B", "old C", "old D"};
        rig.answerFile(c.bytes);
        if (c.params) {
            Z4PrmCsvData data;
            data(0, 1) = "kept";
            const Z4PrmCsvData before = data;
            EXPECT_EQ(rig.csv.ZR4_PrmCsvData_ReadSub(data), 0);
            EXPECT_EQ(data.cells, before.cells);
        } else {
            Z4AutoCsvData data;
            data(1, 0, 0) = "kept";
            EXPECT_EQ(rig.csv.ZR4_AutCsvData_ReadSub(data), 0);
            EXPECT_EQ(data(1, 0, 0), "kept");
        }
        EXPECT_EQ(rig.pub.set.AxisName[0], "old A");
        EXPECT_EQ(rig.sink.texts, std::vector<std::string>{"File Read Error Occurred (line " + std::to_string(c.line) + ")"});
        EXPECT_EQ(rig.pointer.depth, 0);
    }
}

TEST(Z4CsvRead, AParameterFileToThePositioningReaderGivesOnlyTheNames)
{
    Rig rig(5);
    Z4AutoCsvData data;
    rig.answerFile("A Axis,a\r\nB Axis,b\r\nC Axis,c\r\nD Axis,d\r\n0,1,Move to CW\r\n0,12,8000\r\n");
    ASSERT_EQ(rig.csv.ZR4_AutCsvData_ReadSub(data), 1);
    EXPECT_EQ(data.cells, Z4AutoCsvData().cells);
    EXPECT_EQ(rig.pub.set.AxisName, (std::array<std::string, 4>{"a", "b", "c", "d"}));
}

TEST(Z4CsvRead, WhatTheWritersSaveReadsBack)
{
    Rig rig(5);
    rig.pub.set.AxisName = {"A,1", "B\r2", "C\n3", "D"};
    std::vector<MemGrid> p(4, MemGrid(24, 4)), s(4, MemGrid(7, 10));
    p[3].setTextMatrix(8, 3, "CW pulse / CCW pulse(Negative logic)");
    p[3].setTextMatrix(21, 3, "80000000");
    s[0].setTextMatrix(6, 8, "1234");
    rig.pub.AutoRowCount = 6;
    rig.tables[form::frmParmZr4] = {{&p[0], &p[1], &p[2], &p[3]}, false, true};
    rig.tables[form::frmAutoRunZr4Mode] = {{&s[0], &s[1], &s[2], &s[3]}, false, true};
    rig.dialog.answers = {rig.dir.path("p.csv"), rig.dir.path("s.csv")};
    ASSERT_TRUE(rig.csv.CsvData_WriteZ4Sub(false));
    ASSERT_TRUE(rig.csv.CsvAuto_WriteZ4Sub(false));

    rig.dialog.answers = {rig.dir.file("p2.csv", rig.writer.files[rig.dir.path("p.csv")]),
                          rig.dir.file("s2.csv", rig.writer.files[rig.dir.path("s.csv")])};
    Z4PrmCsvData prm;
    Z4AutoCsvData steps;
    ASSERT_EQ(rig.csv.ZR4_PrmCsvData_ReadSub(prm), 1);
    ASSERT_EQ(rig.csv.ZR4_AutCsvData_ReadSub(steps), 1);
    Z4PrmCsvData expectPrm;
    expectPrm(3, 8) = "CW pulse / CCW pulse(Negative logic)";
    expectPrm(3, 21) = "80000000";
    EXPECT_EQ(prm.cells, expectPrm.cells);
    Z4AutoCsvData expectSteps;
    expectSteps(0, 2, 6) = "00001234";
    EXPECT_EQ(steps.cells, expectSteps.cells);
    EXPECT_EQ(rig.pub.set.AxisName, (std::array<std::string, 4>{"A 1", "B 2", "C 3", "D"}));
}

} // namespace
