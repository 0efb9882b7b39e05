#include <gtest/gtest.h>

#include <memory>

#include "shared/RegisterTable.h"

using namespace posmod;

namespace {

using Builder = void (*)(RegisterTable&);

struct RowCase {
    int row;
    const char* read;
    const char* write;
    bool twoWords;
};

struct Layout {
    const char* name;
    Builder build;
    int prm[2];
    int autoFirst;
    int lastRow;
    std::vector<RowCase> rows;
};

const Layout kLayouts[] = {
    {"JV", CodeTable_SetJV, {3, 14}, 17, 1040,
     {
         {1, "1800", "4DFF", true},
         {2, "5800", "NOP", true},
         {3, "5F01", "4E01", false},
         {11, "5F09", "4E09", false},
         {12, "5F0A", "4E0A", true},
         {14, "5F0C", "4E0C", true},
         {15, "5000", "NOP", false},
         {16, "5100", "NOP", false},
         {17, "5900", "4900", false},
         {18, "5A00", "4A00", true},
         {19, "5B00", "4B00", false},
         {20, "5C00", "4C00", true},
         {17 + 4 * 10, "590A", "490A", false},
         {17 + 4 * 15, "590F", "490F", false},
         {17 + 4 * 16, "5910", "4910", false},
         {1040, "5CFF", "4CFF", true},
     }},
    {"7W", CodeTable_Set7W, {5, 28}, 32, 2079,
     {
         {1, "1800", "NOP", true},
         {2, "3800", "NOP", true},
         {3, "5800", "NOP", true},
         {4, "7800", "NOP", true},
         {5, "1F01", "4E01", false},
         {6, "3F01", "6E01", false},
         {21, "1F09", "4E09", false},
         {22, "3F09", "6E09", false},
         {23, "1F0A", "4E0A", true},
         {27, "1F0C", "4E0C", true},
         {28, "3F0C", "6E0C", true},
         {29, "1000", "NOP", false},
         {30, "3200", "NOP", false},
         {31, "3300", "NOP", true},
         {32, "1900", "4900", false},
         {33, "3900", "6900", false},
         {34, "1A00", "4A00", true},
         {35, "3A00", "6A00", true},
         {36, "1B00", "4B00", false},
         {37, "3B00", "6B00", false},
         {38, "1C00", "4C00", true},
         {39, "3C00", "6C00", true},
         {32 + 8 * 15 + 1, "390F", "690F", false},
         {32 + 8 * 16, "1910", "4910", false},
         {2079, "3CFF", "6CFF", true},
     }},
};

void PrintTo(const Layout& l, std::ostream* os) { *os << l.name; }

class RegisterTableLayout : public ::testing::TestWithParam<Layout> {};

TEST_P(RegisterTableLayout, RowsAndRanges) {
    const Layout& l = GetParam();
    auto t = std::make_unique<RegisterTable>();
    l.build(*t);
    for (const auto& c : l.rows) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(t->ReadAddr[c.row], c.read);
        EXPECT_EQ(t->WriteAddr[c.row], c.write);
        const char* high = c.twoWords ? "0" : "";
        EXPECT_EQ(t->ReadDataH[c.row], high);
        EXPECT_EQ(t->WriteDataH[c.row], high);
        EXPECT_EQ(t->ReadData[c.row], "0");
        EXPECT_EQ(t->WriteData[c.row], "0");
    }
    EXPECT_EQ(t->PrmRange[0], l.prm[0]);
    EXPECT_EQ(t->PrmRange[1], l.prm[1]);
    EXPECT_EQ(t->AutoRange[0], l.autoFirst);
    EXPECT_EQ(t->AutoRange[1], 2100);
    // Items without gaps up to the last row, nothing after it.
    for (int r = 1; r <= RegisterTable::kRows; ++r) {
        ASSERT_EQ(t->ReadAddr[r].empty(), r > l.lastRow) << r;
        ASSERT_EQ(t->WriteAddr[r].empty(), r > l.lastRow) << r;
    }
}

TEST_P(RegisterTableLayout, RebuildDiscardsValuesAndOtherLayout) {
    const Layout& l = GetParam();
    auto t = std::make_unique<RegisterTable>();
    CodeTable_Set7W(*t);  // the longer layout first: the rebuild must clear its tail rows
    for (int r = 1; r <= RegisterTable::kRows; ++r) {
        t->ReadData[r] = t->WriteData[r] = "1234";
        t->ReadDataH[r] = t->WriteDataH[r] = "ABCD";
    }
    l.build(*t);
    auto fresh = std::make_unique<RegisterTable>();
    l.build(*fresh);
    for (int r = 1; r <= RegisterTable::kRows; ++r) {
        ASSERT_EQ(t->ReadAddr[r], fresh->ReadAddr[r]) << r;
        ASSERT_EQ(t->WriteAddr[r], fresh->WriteAddr[r]) << r;
        ASSERT_EQ(t->ReadData[r], "0") << r;
        ASSERT_EQ(t->WriteData[r], "0") << r;
        ASSERT_EQ(t->ReadDataH[r], fresh->ReadDataH[r]) << r;
        ASSERT_EQ(t->WriteDataH[r], fresh->WriteDataH[r]) << r;
    }
}

INSTANTIATE_TEST_SUITE_P(Builders, RegisterTableLayout, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
