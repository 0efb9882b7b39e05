// The rules of in-place editing without a widget: the entry check, the display conversions,
// the keys that open the box, the conversion of a grid by its rule table.
#include <gtest/gtest.h>

#include "shared/EntryCheck.h"

using namespace posmod;

namespace {

constexpr auto W = ValueForm::Word;
constexpr auto NZ = ValueForm::WordNonZero;
constexpr auto L = ValueForm::Long;
constexpr auto N = EntryError::None;
constexpr auto Num = EntryError::Numeric;
constexpr auto Lim = EntryError::Limit;

} // namespace

TEST(EntryCheck, FormByDisplayByText)
{
    struct Case { ValueForm form; bool dec; const char* text; EntryError error; const char* hex; };
    const Case cases[] = {
        // An empty entry passes everywhere.
        {NZ, false, "", N, ""}, {L, true, "", N, ""},
        // Hex display: digits of either case, counted as typed.
        {W, false, "0000", N, "0000"}, {W, false, "ffff", N, "FFFF"}, {W, false, "1FFFF", Lim, ""},
        {W, false, "00001", Lim, ""}, {NZ, false, "0000", Lim, ""}, {NZ, false, "0", Lim, ""},
        {NZ, false, "07d0", N, "07D0"}, {NZ, false, "5", N, "5"}, {L, false, "00000000", N, "00000000"},
        {L, false, "FFFFFFFF", N, "FFFFFFFF"}, {L, false, "123456789", Lim, ""},
        {W, false, "-1", Num, ""}, {W, false, "12G", Num, ""}, {W, false, " 1", Num, ""},
        // Decimal display: signed 32 bits, the hex form without leading zeros.
        {W, true, "65535", N, "FFFF"}, {W, true, "65536", Lim, ""}, {W, true, "-1", Lim, ""},
        {W, true, "0", N, "0"}, {NZ, true, "0", Lim, ""}, {NZ, true, "-0", Lim, ""}, {NZ, true, "00012", N, "C"},
        {L, true, "-1", N, "FFFFFFFF"}, {L, true, "-2147483648", N, "80000000"}, {L, true, "2147483647", N, "7FFFFFFF"},
        {L, true, "2147483648", Lim, ""}, {L, true, "4294967295", Lim, ""}, {L, true, "-2147483649", Lim, ""},
        {L, true, "99999999999999999999999", Lim, ""},
        {W, true, "A", Num, ""}, {L, true, "-", Num, ""}, {L, true, "1-", Num, ""}, {L, true, "--1", Num, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.dec ? " dec " : " hex ") + std::to_string(int(c.form)));
        const EntryResult r = EntryData_Check(c.form, c.dec, c.text);
        EXPECT_EQ(r.error, c.error);
        EXPECT_EQ(r.hex, c.hex);
    }
    EXPECT_STREQ(EntryError_Text(Num), "Data Numeric Error");
    EXPECT_STREQ(EntryError_Text(Lim), "Data Limit Error");
}

TEST(EntryCheck, DisplayConversionsBothWays)
{
    struct Case { ValueForm form; const char* hex; const char* dec; const char* back; };
    const Case cases[] = {
        {W, "FFFF", "65535", "FFFF"},         {W, "ffff", "65535", "FFFF"},   {W, "5", "5", "0005"},
        {W, "07D0", "2000", "07D0"},          {NZ, "0010", "16", "0010"},     {W, "", "", ""},
        {L, "FFFFFFFF", "-1", "FFFFFFFF"},    {L, "80000000", "-2147483648", "80000000"},
        {L, "7FFFFFFF", "2147483647", "7FFFFFFF"}, {L, "c0000000", "-1073741824", "C0000000"},
        // Fewer than 8 digits are no negative number; back they get the leading zeros.
        {L, "FFFFF", "1048575", "000FFFFF"},  {L, "0", "0", "00000000"},      {L, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        EXPECT_EQ(DisplayText_ToDec(c.form, c.hex), c.dec);
        EXPECT_EQ(DisplayText_ToHex(c.form, c.dec), c.back);
    }
    // A text that is no number of its display, or has no form, is left as it is.
    EXPECT_EQ(DisplayText_ToDec(W, "x1"), "x1");
    EXPECT_EQ(DisplayText_ToHex(L, "1F"), "1F");
    EXPECT_EQ(DisplayText_ToDec(ValueForm::None, "10"), "10");
    EXPECT_EQ(DisplayText_ToHex(ValueForm::None, "Pulse"), "Pulse");
}

TEST(EntryCheck, KeysThatOpenTheBox)
{
    struct Case { int key; bool dec; GridKeyOpen open; };
    const Case cases[] = {
        {13, false, GridKeyOpen::WithCellText}, {'0', false, GridKeyOpen::WithChar}, {'9', true, GridKeyOpen::WithChar},
        {'A', false, GridKeyOpen::WithChar},    {'f', false, GridKeyOpen::WithChar}, {'a', true, GridKeyOpen::WithChar},
        {'G', false, GridKeyOpen::Ignore},      {'g', false, GridKeyOpen::Ignore},   {'-', false, GridKeyOpen::Ignore},
        {'-', true, GridKeyOpen::WithChar},     {' ', false, GridKeyOpen::Ignore},   {27, false, GridKeyOpen::Ignore},
        {8, true, GridKeyOpen::Ignore},         {'+', true, GridKeyOpen::Ignore},
    };
    for (const Case& c : cases) EXPECT_EQ(GridKey_Opens(c.key, c.dec), c.open) << c.key << " " << c.dec;
}

namespace {
// Column 1 Word, column 2 Long, column 3 a text without form.
struct TwoColumns : EditRules {
    CellRule cell(const GridCells&, int, int col) const override
    {
        if (col == 1) return {CellKind::Edit, W};
        if (col == 2) return {CellKind::Fixed, L};
        return {};
    }
    KeyMove move(const GridCells&, EditKey, int row, int col) const override { return {true, row, col}; }
};
} // namespace

TEST(EntryCheck, GridConversionTouchesValueCellsOnly)
{
    MemGrid g(3, 4);
    g.setTextMatrix(0, 1, "FFFF");  // the header is never a value
    g.setTextMatrix(1, 1, "FFFF");
    g.setTextMatrix(1, 2, "FFFFFFFF");
    g.setTextMatrix(1, 3, "10");
    g.setTextMatrix(2, 0, "12");
    TwoColumns rules;
    GridDisplay_Convert(g, rules, true);
    EXPECT_EQ(g.TextMatrix(0, 1), "FFFF");
    EXPECT_EQ(g.TextMatrix(1, 1), "65535");
    EXPECT_EQ(g.TextMatrix(1, 2), "-1");
    EXPECT_EQ(g.TextMatrix(1, 3), "10");
    EXPECT_EQ(g.TextMatrix(2, 0), "12");
    EXPECT_EQ(g.TextMatrix(2, 1), "");
    GridDisplay_Convert(g, rules, false);
    EXPECT_EQ(g.TextMatrix(1, 1), "FFFF");
    EXPECT_EQ(g.TextMatrix(1, 2), "FFFFFFFF");

    Public::OptionListArray list;
    list[3] = "left over";
    rules.options(g, 1, 1, false, list);
    EXPECT_EQ(list[0], "NO_DATA");
    EXPECT_EQ(list[3], "");
    EXPECT_EQ(OptionChoice_Text("Cancel"), "");
    EXPECT_EQ(OptionChoice_Text("x10"), "x10");
}
