#include <gtest/gtest.h>

#include "transfer/RangeEntry.h"

using namespace posmod;

TEST(RangeEntry, StepPairChecksInOrderNumericNumericRange)
{
    struct Case { const char* first; const char* last; RangeEntryError want; int f, l; };
    const Case cases[] = {
        {"0", "255", RangeEntryError::None, 0, 255},
        {"7", "7", RangeEntryError::None, 7, 7},
        {"007", "010", RangeEntryError::None, 7, 10},
        {"12", "10", RangeEntryError::Limit, 0, 0},
        {"-1", "5", RangeEntryError::Limit, 0, 0},
        {"0", "256", RangeEntryError::Limit, 0, 0},
        {"99999999999999999999999", "1", RangeEntryError::Limit, 0, 0},
        {"4294967296", "4294967296", RangeEntryError::Limit, 0, 0}, // would wrap to 0 in 32 bits
        {"1A", "5", RangeEntryError::Numeric, 0, 0},
        {"-", "5", RangeEntryError::Numeric, 0, 0},
        {"", "5", RangeEntryError::Numeric, 0, 0},
        {"+1", "5", RangeEntryError::Numeric, 0, 0},
        {"300", "x", RangeEntryError::Numeric, 0, 0}, // the second box's numeric test comes before the range
        {"5", " 6", RangeEntryError::Numeric, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " ~ " + c.last);
        int32_t f = -7, l = -7;
        EXPECT_EQ(StepPair_Check(c.first, c.last, f, l), c.want);
        EXPECT_EQ(f, c.want == RangeEntryError::None ? c.f : -7);
        EXPECT_EQ(l, c.want == RangeEntryError::None ? c.l : -7);
    }
    EXPECT_STREQ(RangeEntry_Message(RangeEntryError::Numeric), "Data Numeric Error");
    EXPECT_STREQ(RangeEntry_Message(RangeEntryError::Limit), "Data Limit Error");
}

TEST(RangeEntry, StoreRangeChoicesIgnoreCaseAndFallToTheLast)
{
    EXPECT_EQ(CsvStoreKind_FromText("common PARAMETER/operation data"), 0);
    EXPECT_EQ(CsvStoreKind_FromText("Common parameter only"), 1);
    EXPECT_EQ(CsvStoreKind_FromText("Operation Data only"), 2);
    EXPECT_EQ(CsvStoreKind_FromText("Common parameter"), 2);

    struct Case { int type; const char* text; int want; };
    const Case cases[] = {
        {5, "All axis data", 0}, {5, "a AXIS data only", 1}, {5, "B axis data only", 2},
        {5, "C axis data only", 3}, {5, "D axis data only", 4}, {5, "X / Y axis data", 4},
        {2, "x / y AXIS DATA", 0}, {3, "X axis data only", 1}, {4, "Y axis data only", 2},
        {4, "All axis data", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(CsvStoreAxis_FromText(c.type, c.text), c.want) << c.text;
}
