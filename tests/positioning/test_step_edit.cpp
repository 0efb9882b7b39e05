// The rules of the positioning editors without their windows, on in-memory grids: the table
// model, the column rules in either display, the keys' moves, the detail texts, the display
// conversion, the fills of a range and the values a CSV file brings.
#include <gtest/gtest.h>

#include "positioning/StepEdit.h"
#include "positioning/StepLayout.h"
#include "shared/NameTables.h"
#include "shared/RegisterTable.h"
#include "support/Hex.h"
#include "transfer/RangeEntry.h"

using namespace posmod;

namespace {

constexpr const char* kDetail8000 = "Operation valid"
                                    "Cycle continued"
                                    "To be stopped by the Target stop position data"
                                    "Asynchronous operation"
                                    "position control mode"
                                    "absolute mode,forward";

MemGrid Shaped(const GridLayout& layout, int first, int last)
{
    MemGrid g;
    StepGrid_Shape(g, layout, first, last);
    return g;
}

} // namespace

TEST(StepTable, RowsLabelsAndTheWindowOfCsvWork)
{
    Public p;
    p.StepRange = {3, 10, 12};
    int first = 0, last = 0;
    StepWindow_Load(p, first, last);
    EXPECT_EQ(p.AutoRowCount, 6);
    MemGrid g = Shaped(StepJV_Layout(), first, last);
    EXPECT_EQ(g.Rows(), 7);
    EXPECT_EQ(g.Cols(), 8);
    const std::vector<std::pair<std::string, std::string>> labels = {
        {"10", "Current data"}, {"", "Setting data"}, {"11", "Current data"},
        {"", "Setting data"},   {"12", "Current data"}, {"", "Setting data"}};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(g.TextMatrix(r, 0), labels[static_cast<size_t>(r - 1)].first) << r;
        EXPECT_EQ(g.TextMatrix(r, 1), labels[static_cast<size_t>(r - 1)].second) << r;
    }
    EXPECT_EQ(g.TextMatrix(0, 7), "detailed of operation mode");

    // CSV work takes the whole table, whatever window was chosen before.
    p.DataSourceCaption = "[Csv file]";
    StepWindow_Load(p, first, last);
    EXPECT_EQ(p.StepRange.Result, 3);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 255);
    EXPECT_EQ(p.AutoRowCount, 512);
    MemGrid z = Shaped(StepZr4_Layout(), first, last);
    EXPECT_EQ(z.Rows(), 513);
    EXPECT_EQ(z.TextMatrix(511, 0), "255");
    EXPECT_EQ(z.TextMatrix(512, 1), "Setting data");
}

TEST(StepTable, RowsOfADefaultRange)
{
    struct Case { int window, from, to, first, last; };
    for (const Case c : {Case{10, 11, 11, 4, 4}, Case{2, 3, 4, 4, 6}, Case{3, 5, 7, 6, 10}, Case{0, 0, 255, 2, 512}}) {
        const RowSpan s = StepRange_Rows(c.window, c.from, c.to);
        EXPECT_EQ(s.first, c.first) << c.window << "/" << c.from;
        EXPECT_EQ(s.last, c.last) << c.window << "/" << c.to;
    }
    // The fill writes the chosen Setting rows only, the detail column kept.
    MemGrid g = Shaped(StepJV_Layout(), 10, 12);
    Public p;
    DefaultData_Set(p);
    g.setTextMatrix(4, 7, "detail");
    StepSetting_Fill(g, StepRange_Rows(10, 11, 11), 2, 6, p.AutoDefault);
    for (int r = 1; r <= 6; ++r)
        for (int c = 2; c <= 6; ++c)
            EXPECT_EQ(g.TextMatrix(r, c), r == 4 ? p.AutoDefault[static_cast<size_t>(c)] : "") << r << "/" << c;
    EXPECT_EQ(g.TextMatrix(4, 2), "8000");
    EXPECT_EQ(g.TextMatrix(4, 6), "00000000");
    EXPECT_EQ(g.TextMatrix(4, 7), "detail");
    // Cancel empties the Setting rows up to the last column given, Current rows kept.
    g.setTextMatrix(3, 2, "1234");
    StepSetting_Clear(g, 7);
    EXPECT_EQ(g.TextMatrix(4, 2), "");
    EXPECT_EQ(g.TextMatrix(4, 7), "");
    EXPECT_EQ(g.TextMatrix(3, 2), "1234");
}

// The limit of a column in either display, as the box's check applies it.
TEST(StepRules, ColumnRuleByDisplayAndText)
{
    MemGrid jv = Shaped(StepJV_Layout(), 0, 1);
    MemGrid z4 = Shaped(StepZr4_Layout(), 0, 1);
    struct Case { bool zr4; int col; bool dec; const char* text; EntryError want; };
    const Case cases[] = {
        // One- and two-axis: mode 0-FFFF, 3-5 not zero, 6 32 bits.
        {false, 2, false, "0", EntryError::None},      {false, 2, false, "12345", EntryError::Limit},
        {false, 3, false, "0", EntryError::Limit},     {false, 4, false, "0000", EntryError::Limit},
        {false, 5, false, "8000", EntryError::None},   {false, 6, false, "0", EntryError::None},
        {false, 6, false, "123456789", EntryError::Limit}, {false, 6, false, "12G", EntryError::Numeric},
        {false, 5, true, "65535", EntryError::None},   {false, 5, true, "65536", EntryError::Limit},
        {false, 2, true, "-1", EntryError::Limit},     {false, 6, true, "-1", EntryError::None},
        {false, 6, true, "4294967295", EntryError::Limit}, {false, 3, true, "a", EntryError::Numeric},
        {false, 6, true, "-2147483648", EntryError::None}, {false, 6, true, "99999999999999999999", EntryError::Limit},
        // Four-axis: 2-3 zero allowed, 4-6 not zero, 7-8 32 bits.
        {true, 3, false, "0000", EntryError::None},    {true, 4, false, "0", EntryError::Limit},
        {true, 6, false, "0000", EntryError::Limit},   {true, 7, false, "FFFFFFFF", EntryError::None},
        {true, 8, false, "100000000", EntryError::Limit}, {true, 6, true, "-1", EntryError::Limit},
        {true, 8, true, "-1", EntryError::None},       {true, 2, true, "65535", EntryError::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in column " + std::to_string(c.col));
        const MemGrid& g = c.zr4 ? z4 : jv;
        const EditRules& rules = c.zr4 ? StepZr4_Rules() : StepJV_Rules();
        const CellRule rule = rules.cell(g, 2, c.col);
        ASSERT_EQ(rule.kind, CellKind::Edit);
        EXPECT_EQ(EntryData_Check(rule.form, c.dec, c.text).error, c.want);
    }
}

TEST(StepRules, WhichCellsTakeTheBoxOrTheList)
{
    MemGrid jv = Shaped(StepJV_Layout(), 5, 6);   // rows 1-4
    MemGrid z4 = Shaped(StepZr4_Layout(), 5, 6);
    struct Case { bool zr4; int row, col; CellKind kind; };
    const Case cases[] = {
        {false, 2, 2, CellKind::Edit},   {false, 4, 6, CellKind::Edit},   {false, 1, 2, CellKind::Fixed},
        {false, 2, 1, CellKind::Fixed},  {false, 2, 0, CellKind::Fixed},  {false, 1, 7, CellKind::Detail},
        {false, 4, 7, CellKind::Detail}, {false, 0, 2, CellKind::Fixed},  {false, 5, 2, CellKind::Fixed},
        {false, 5, 7, CellKind::Fixed},  {true, 2, 8, CellKind::Edit},    {true, 4, 2, CellKind::Edit},
        {true, 3, 8, CellKind::Fixed},   {true, 3, 9, CellKind::Detail},  {true, 2, 9, CellKind::Detail},
        {true, 2, 1, CellKind::Fixed},
    };
    for (const Case& c : cases) {
        const EditRules& rules = c.zr4 ? StepZr4_Rules() : StepJV_Rules();
        EXPECT_EQ(rules.cell(c.zr4 ? z4 : jv, c.row, c.col).kind, c.kind) << c.zr4 << " " << c.row << "/" << c.col;
    }
    // Current rows' values have a form (they are converted); the detail column has none.
    EXPECT_EQ(StepJV_Rules().cell(jv, 1, 6).form, ValueForm::Long);
    EXPECT_EQ(StepZr4_Rules().cell(z4, 3, 4).form, ValueForm::WordNonZero);
    EXPECT_EQ(StepZr4_Rules().cell(z4, 3, 9).form, ValueForm::None);
}

TEST(StepRules, KeysInTheBox)
{
    MemGrid jv = Shaped(StepJV_Layout(), 0, 2);  // rows 1-6
    MemGrid z4 = Shaped(StepZr4_Layout(), 0, 2);
    struct Case { bool zr4; EditKey key; int row, col, toRow, toCol; };
    const Case cases[] = {
        {false, EditKey::Enter, 4, 3, 4, 3}, {false, EditKey::Left, 4, 3, 4, 2},
        {false, EditKey::Left, 4, 2, 4, 1},  {false, EditKey::Right, 4, 3, 4, 4},
        {false, EditKey::Right, 4, 6, 4, 7}, {false, EditKey::Up, 2, 3, 1, 3},
        {false, EditKey::Up, 4, 3, 3, 3},    {false, EditKey::Down, 4, 3, 5, 3},
        {false, EditKey::Down, 6, 3, 6, 3},  {true, EditKey::Right, 2, 8, 2, 9},
        {true, EditKey::Down, 6, 8, 6, 8},   {true, EditKey::Up, 2, 2, 1, 2},
    };
    for (const Case& c : cases) {
        const EditRules& rules = c.zr4 ? StepZr4_Rules() : StepJV_Rules();
        const KeyMove m = rules.move(c.zr4 ? z4 : jv, c.key, c.row, c.col);
        EXPECT_TRUE(m.commit);
        EXPECT_EQ(m.row, c.toRow) << int(c.key) << " " << c.row << "/" << c.col;
        EXPECT_EQ(m.col, c.toCol) << int(c.key) << " " << c.row << "/" << c.col;
    }
}

TEST(StepDetail, DecodedModeWordsAndTheDetailList)
{
    // The joined text of a one- or two-axis mode word, in either display.
    EXPECT_EQ(StepDetail_Text("8000", false), kDetail8000);
    EXPECT_EQ(StepDetail_Text("32768", true), kDetail8000);
    EXPECT_EQ(StepDetail_Text("", false), "");
    EXPECT_EQ(StepDetail_Text("12345", false), "");
    EXPECT_EQ(StepDetail_Text("FF00", false), "Operation validCycle stopContinuous operation by changing the speed"
                                              "Synchronous operationNo Corresponding modeNo Corresponding mode");
    // A short hex text is its value: "8" is 0008, no bit of the first byte set.
    EXPECT_EQ(StepMode_Word("8", false), "0008");
    EXPECT_EQ(StepMode_Word("1f", false), "001F");
    EXPECT_EQ(StepMode_Word("8", true), "0008");
    EXPECT_EQ(StepMode_Word("65535", true), "FFFF");

    MemGrid g = Shaped(StepJV_Layout(), 0, 1);
    g.setTextMatrix(1, 2, "8000");
    g.setTextMatrix(3, 2, "0000");
    StepDetail_FillCurrent(g, false);
    EXPECT_EQ(g.TextMatrix(1, 7), kDetail8000);
    EXPECT_EQ(g.TextMatrix(3, 7).substr(0, 17), "Invalid operation");

    // The detail list of any step row lists the row's mode word; nothing for an empty one.
    Public::OptionListArray list;
    StepJV_Rules().options(g, 1, 7, false, list);
    EXPECT_EQ(list[0], "Operation valid");
    EXPECT_EQ(list[5], "absolute mode,forward");
    EXPECT_EQ(list[10], "5");
    StepJV_Rules().options(g, 2, 7, false, list);
    EXPECT_EQ(list[0], "NO_DATA");

    MemGrid z = Shaped(StepZr4_Layout(), 0, 1);
    z.setTextMatrix(2, 2, "8");  // typed short in hex display: the word 0008
    StepZr4_Rules().options(z, 2, 9, false, list);
    EXPECT_EQ(list[0], "Invalid operation");
    EXPECT_EQ(list[6], "absolute mode,forward");
    EXPECT_EQ(list[10], "6");
    z.setTextMatrix(2, 2, "50176");  // C400 in decimal display
    StepZr4_Rules().options(z, 2, 9, true, list);
    EXPECT_EQ(list[0], "Operation valid");
    EXPECT_EQ(list[1], "Continuous operation");
    EXPECT_EQ(list[4], "Linear interpolation");
    StepZr4_Rules().options(z, 1, 9, false, list);
    EXPECT_EQ(list[0], "NO_DATA");
}

TEST(StepDisplay, EveryValueCellConvertsBothWaysTheDetailStays)
{
    MemGrid g = Shaped(StepJV_Layout(), 0, 0);
    const std::vector<std::array<const char*, 3>> cells = {
        // column, hex, decimal
        {"2", "FFFF", "65535"}, {"3", "03E8", "1000"}, {"6", "FFFFFFFE", "-2"}, {"5", "", ""}};
    for (const auto& c : cells) {
        g.setTextMatrix(1, std::stoi(c[0]), c[1]);
        g.setTextMatrix(2, std::stoi(c[0]), c[1]);
    }
    g.setTextMatrix(1, 7, "detail");
    GridDisplay_Convert(g, StepJV_Rules(), true);
    for (const auto& c : cells)
        for (int r : {1, 2}) EXPECT_EQ(g.TextMatrix(r, std::stoi(c[0])), c[2]) << r << "/" << c[0];
    EXPECT_EQ(g.TextMatrix(1, 7), "detail");
    EXPECT_EQ(g.TextMatrix(0, 2), "Mode/Dwell");
    GridDisplay_Convert(g, StepJV_Rules(), false);
    for (const auto& c : cells)
        for (int r : {1, 2}) EXPECT_EQ(g.TextMatrix(r, std::stoi(c[0])), c[1]) << r << "/" << c[0];

    // Four-axis: 7 and 8 signed, a typed short hex value padded on the way back.
    MemGrid z = Shaped(StepZr4_Layout(), 0, 0);
    z.setTextMatrix(2, 8, "FFFFFFFF");
    z.setTextMatrix(2, 3, "e8");
    GridDisplay_Convert(z, StepZr4_Rules(), true);
    EXPECT_EQ(z.TextMatrix(2, 8), "-1");
    EXPECT_EQ(z.TextMatrix(2, 3), "232");
    GridDisplay_Convert(z, StepZr4_Rules(), false);
    EXPECT_EQ(z.TextMatrix(2, 8), "FFFFFFFF");
    EXPECT_EQ(z.TextMatrix(2, 3), "00E8");
}

TEST(StepFile, ValuesPassTheirColumnsForm)
{
    struct Case { ValueForm form; const char* value; const char* text; };
    const Case cases[] = {
        {ValueForm::Word, "3e8", "03E8"},        {ValueForm::WordNonZero, "0", "0000"},
        {ValueForm::Word, "12345", ""},          {ValueForm::Word, " 12", ""},
        {ValueForm::Long, "FFFFFFFF", "FFFFFFFF"}, {ValueForm::Long, "10000", "00010000"},
        {ValueForm::Long, "123456789", ""},      {ValueForm::Word, "-1", ""},
        {ValueForm::Word, "", ""},               {ValueForm::None, "1", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(StepFile_Text(c.form, c.value), c.text) << c.value;
}

namespace {

// A register table rebuilt for CSV work, with the rows a file filled listed.
struct CsvLoad {
    Public p;
    explicit CsvLoad(bool twoAxis)
    {
        if (twoAxis) CodeTable_Set7W(p.reg);
        else CodeTable_SetJV(p.reg);
    }
    void row(int r, const std::string& low, const std::string& high = "")
    {
        p.reg.WriteData[static_cast<size_t>(r)] = low;
        if (p.reg.TwoWords[static_cast<size_t>(r)]) p.reg.WriteDataH[static_cast<size_t>(r)] = high;
        p.CsvReadIndex[static_cast<size_t>(++p.CsvReadCount)] = static_cast<int16_t>(r);
    }
};

} // namespace

TEST(StepFile, OneAxisRegisterRowsIntoTheSettingRows)
{
    CsvLoad f(false);
    const int s0 = f.p.reg.AutoRange[0];
    ASSERT_EQ(s0, 17);
    f.row(5, "1234");             // a parameter row: skipped, not counted
    f.row(s0, "8000");            // step 0 mode
    f.row(s0 + 1, "3e8", "7d0");  // acceleration low, deceleration high
    f.row(s0 + 2, "0");           // velocity: zero is taken from a file
    f.row(s0 + 3, "FFFE", "FFFF");
    f.row(s0 + 4 * 255, "C000");  // step 255 mode
    f.row(s0 + 4 * 255 + 3, "12345", "0"); // refused: too long
    f.row(s0 + 4 + 1, "G", "0010");        // step 1: acceleration refused, deceleration taken
    MemGrid g = Shaped(StepJV_Layout(), 0, 255);
    g.setTextMatrix(2, 7, "old detail");
    g.setTextMatrix(512, 6, "kept");
    g.setTextMatrix(4, 3, "kept");
    EXPECT_EQ(StepJV_FileMerge(g, f.p), 2);
    EXPECT_EQ(g.TextMatrix(2, 2), "8000");
    EXPECT_EQ(g.TextMatrix(2, 3), "03E8");
    EXPECT_EQ(g.TextMatrix(2, 4), "07D0");
    EXPECT_EQ(g.TextMatrix(2, 5), "0000");
    EXPECT_EQ(g.TextMatrix(2, 6), "FFFFFFFE");
    EXPECT_EQ(g.TextMatrix(2, 7), kDetail8000);
    EXPECT_EQ(g.TextMatrix(512, 2), "C000");
    EXPECT_EQ(g.TextMatrix(512, 7).substr(0, 15), "Operation valid");
    EXPECT_EQ(g.TextMatrix(512, 6), "kept");
    EXPECT_EQ(g.TextMatrix(4, 3), "kept");
    EXPECT_EQ(g.TextMatrix(4, 4), "0010");
    for (int c = 2; c <= 7; ++c) EXPECT_EQ(g.TextMatrix(1, c), "") << c; // Current rows untouched

    // A grid smaller than the file: its steps past the grid are left out and counted.
    MemGrid small = Shaped(StepJV_Layout(), 0, 0);
    EXPECT_EQ(StepJV_FileMerge(small, f.p), 3);
    EXPECT_EQ(small.TextMatrix(2, 2), "8000");
}

TEST(StepFile, TwoAxisRegisterRowsGoToTheirAxis)
{
    CsvLoad f(true);
    const int s0 = f.p.reg.AutoRange[0];
    ASSERT_EQ(s0, 32);
    f.row(s0 + 1, "C000");           // Y mode of step 0
    f.row(s0 + 3, "0064", "00C8");   // Y acceleration/deceleration
    f.row(s0 + 8 + 6, "0001", "0002"); // X target of step 1
    f.row(s0 + 8 + 7, "00001", "0"); // Y target of step 1: refused
    MemGrid x = Shaped(Step7W_Layout(), 0, 255), y = Shaped(Step7W_Layout(), 0, 255);
    EXPECT_EQ(Step7W_FileMerge({&x, &y}, f.p), 1);
    EXPECT_EQ(y.TextMatrix(2, 2), "C000");
    EXPECT_EQ(y.TextMatrix(2, 7).substr(0, 25), "Operation validCycle stop");
    EXPECT_EQ(y.TextMatrix(2, 3), "0064");
    EXPECT_EQ(y.TextMatrix(2, 4), "00C8");
    EXPECT_EQ(x.TextMatrix(4, 6), "00020001");
    EXPECT_EQ(y.TextMatrix(4, 6), "");
    for (int c = 2; c <= 7; ++c) EXPECT_EQ(x.TextMatrix(2, c), "") << c;
}

TEST(StepFile, FourAxisPointsIntoTheirRowsAndColumns)
{
    Z4AutoCsvData data;
    data(0, 0, 0) = "8000";
    data(1, 3, 5) = "fffffffe";
    data(2, 255, 6) = "1";
    data(3, 0, 2) = "0";          // zero accepted from a file
    data(3, 1, 1) = "12345";      // too long: left out
    data(0, 200, 0) = "1";        // outside a 3-step grid
    std::array<MemGrid, 4> g;
    for (MemGrid& m : g) StepGrid_Shape(m, StepZr4_Layout(), 0, 255);
    g[1].setTextMatrix(8, 2, "kept");
    EXPECT_EQ(StepZr4_FileMerge({&g[0], &g[1], &g[2], &g[3]}, data), 1);
    EXPECT_EQ(g[0].TextMatrix(2, 2), "8000");
    EXPECT_EQ(g[1].TextMatrix(8, 7), "FFFFFFFE");
    EXPECT_EQ(g[1].TextMatrix(8, 2), "kept");
    EXPECT_EQ(g[2].TextMatrix(512, 8), "00000001");
    EXPECT_EQ(g[3].TextMatrix(2, 4), "0000");
    EXPECT_EQ(g[3].TextMatrix(4, 3), "");
    EXPECT_EQ(g[0].TextMatrix(402, 2), "0001");
    EXPECT_EQ(g[0].TextMatrix(2, 9), "");

    std::array<MemGrid, 4> small;
    for (MemGrid& m : small) StepGrid_Shape(m, StepZr4_Layout(), 0, 2);
    EXPECT_EQ(StepZr4_FileMerge({&small[0], &small[1], &small[2], &small[3]}, data), 4);
}
