// Control words of the three command families and the checks of what was typed.
#include <gtest/gtest.h>

#include <string>

#include "control/ControlWords.h"

using namespace posmod;

namespace {

// Every step field of a window holding junk but the one a command reads, so a command that
// read the wrong field would fail its check.
template <std::size_t N>
std::array<std::string, N> stepFields(int field, const std::string& text)
{
    std::array<std::string, N> f;
    f.fill("x");
    if (field >= 0) f[static_cast<std::size_t>(field)] = text;
    return f;
}

} // namespace

TEST(ControlWords, OneAxisWordPerCommandAndStep)
{
    struct Case { int index; const char* step; const char* word; };
    const Case cases[] = {
        {0, "", "0100"},   {1, "", "0200"},    {2, "", "0300"},    {3, "", "0301"},
        {4, "", "0310"},   {5, "", "0311"},    {6, "10", "040A"},  {6, "255", "04FF"},
        {6, "0", "0400"},  {6, "9", "0409"},   {7, "16", "0510"},  {8, "007", "0607"},
        {9, "", "0700"},   {10, "", "07FF"},   {11, "", "8000"},   {12, "16", "8410"},
        {12, "-0", "8400"}, {13, "", "5100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const ComposedWord w =
            SeigyoJV_Compose(c.index, stepFields<4>(kSeigyoJVCommands[static_cast<std::size_t>(c.index)].stepField, c.step));
        EXPECT_EQ(w.check, ControlCheck::Ok);
        EXPECT_EQ(w.word, c.word);
    }
    EXPECT_EQ(SeigyoJV_Compose(14, {}).check, ControlCheck::NoCommand);
    EXPECT_EQ(SeigyoJV_Compose(-1, {}).check, ControlCheck::NoCommand);
}

TEST(ControlWords, TwoAxisYWordIsXPlus2000ButTheInitialCommand)
{
    struct Case { int index; const char* step; const char* x; const char* y; };
    const Case cases[] = {
        {0, "", "0000", "2000"}, {1, "", "0100", "2100"},    {2, "", "0200", "2200"},
        {3, "1", "0301", "2301"}, {4, "5", "0405", "2405"},  {5, "128", "0580", "2580"},
        {6, "0", "0600", "2600"}, {7, "255", "07FF", "27FF"}, {8, "", "8000", "A000"},
        {9, "", "1100", "1100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const auto fields = stepFields<5>(kSeigyo7WCommands[static_cast<std::size_t>(c.index)].stepField, c.step);
        EXPECT_EQ(Seigyo7W_Compose(c.index, false, fields).word, c.x);
        EXPECT_EQ(Seigyo7W_Compose(c.index, true, fields).word, c.y);
    }
}

TEST(ControlWords, StepChecksDigitsThenRange)
{
    struct Case { const char* text; ControlCheck want; const char* ss; };
    const Case cases[] = {
        {"0", ControlCheck::Ok, "00"},       {"255", ControlCheck::Ok, "FF"},
        {"010", ControlCheck::Ok, "0A"},     {"-0", ControlCheck::Ok, "00"},
        {"-5", ControlCheck::Limit, ""},     {"-1", ControlCheck::Limit, ""},
        {"256", ControlCheck::Limit, ""},    {"999", ControlCheck::Limit, ""},
        {"99999999999999999999", ControlCheck::Limit, ""}, // beyond 64 bits
        {"12a", ControlCheck::Numeric, ""},  {"-", ControlCheck::Numeric, ""},
        {"", ControlCheck::Numeric, ""},     {"+1", ControlCheck::Numeric, ""},
        {" 5", ControlCheck::Numeric, ""},   {"5-", ControlCheck::Numeric, ""},
        {"FF", ControlCheck::Numeric, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string ss = "kept";
        EXPECT_EQ(Step_Check(c.text, ss), c.want);
        EXPECT_EQ(ss, c.want == ControlCheck::Ok ? c.ss : "kept");
        // Both windows give the same verdict and no word on a refusal.
        const ComposedWord jv = SeigyoJV_Compose(6, stepFields<4>(0, c.text));
        const ComposedWord w7 = Seigyo7W_Compose(7, true, stepFields<5>(4, c.text));
        EXPECT_EQ(jv.check, c.want);
        EXPECT_EQ(w7.check, c.want);
        if (c.want != ControlCheck::Ok) {
            EXPECT_EQ(jv.word + w7.word, "");
        }
    }
    EXPECT_STREQ(ControlCheck_Message(ControlCheck::Numeric), "Data Numeric Error");
    EXPECT_STREQ(ControlCheck_Message(ControlCheck::Limit), "Data Limit Error");
    EXPECT_STREQ(ControlCheck_Message(ControlCheck::NoAxes), "Selected axes Setting");
    EXPECT_STREQ(ControlCheck_Message(ControlCheck::NotTwoAxes), "Two axes Setting");
    EXPECT_STREQ(ControlCheck_Message(ControlCheck::Cancelled), "");
}

TEST(ControlWords, Captions)
{
    EXPECT_EQ(SeigyoCmd_Caption("VELTAK7W"), "Control command transmit(VELTAK7W)");
    EXPECT_EQ(SeigyoCmd_Caption("JV-ZR4"), "Control command transmit(JV-ZR4)");
}

TEST(ControlWords, FourAxisWordIsCodeAndMask)
{
    struct Case { int index; std::array<bool, 4> axes; const char* word; };
    const Case cases[] = {
        {0, {true, false, true, false}, "0105"}, {13, {true, true, true, true}, "07FF"},
        {12, {false, false, false, true}, "0708"}, {10, {false, true, false, true}, "051A"},
        {1, {true, false, false, false}, "0201"}, {2, {false, true, false, false}, "0212"},
        {3, {true, false, false, false}, "0221"}, {4, {true, true, false, false}, "0283"},
        {5, {false, false, true, false}, "0294"}, {6, {true, true, true, false}, "02A7"},
        {7, {false, true, true, false}, "0306"}, {8, {true, false, false, false}, "0401"},
        {9, {true, false, true, true}, "050D"}, {11, {false, true, false, false}, "0602"},
        {14, {true, true, false, false}, "0000"}, {14, {false, false, false, false}, "0000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(Z4ControlWord(c.index, Z4AxisMask_Of(c.axes)), c.word);
    }
    EXPECT_EQ(Z4ControlWord(15, 1), "");
}

// ---- four-axis "Submit": the checks in order and what they leave --------------------------

namespace {

enum class Dialog { Ok, Cancel, Silent };

struct Z4Case {
    const char* name;
    int index;
    std::array<bool, 4> axes;
    std::array<std::string, 3> fields;
    Dialog dialog;
    ControlCheck want;
    const char* word;                  // ControlWord afterwards ("PREV" = untouched)
    std::array<const char*, 3> sub;    // sub-words afterwards ("p1".."p3" = untouched)
    int mask;                          // Z4AxisMask afterwards (77 = untouched)
    bool dialogShown;
};

constexpr std::array<bool, 4> A{true, false, false, false}, B{false, true, false, false},
    C{false, false, true, false}, None{false, false, false, false}, AB{true, true, false, false},
    BD{false, true, false, true}, ABC{true, true, true, false};
const std::array<const char*, 3> Kept{"p1", "p2", "p3"};

const Z4Case kZ4Cases[] = {
    {"NoAxis", 0, None, {}, Dialog::Ok, ControlCheck::NoAxes, "PREV", Kept, 77, false},
    {"NoAxisCircular", 10, None, {}, Dialog::Ok, ControlCheck::NoAxes, "PREV", Kept, 77, false},
    {"InitialNeedsNoAxis", 14, None, {}, Dialog::Ok, ControlCheck::Ok, "0000", Kept, 0, false},
    {"CircularOneAxis", 10, A, {}, Dialog::Ok, ControlCheck::NotTwoAxes, "PREV", Kept, 77, false},
    {"CircularThreeAxes", 10, ABC, {}, Dialog::Ok, ControlCheck::NotTwoAxes, "PREV", Kept, 77, false},
    {"CircularBD", 10, BD, {}, Dialog::Ok, ControlCheck::Ok, "051A", Kept, 10, true},
    {"LinearCancelled", 9, AB, {}, Dialog::Cancel, ControlCheck::Cancelled, "PREV", Kept, 3, true},
    {"DialogNeverAnswers", 8, A, {}, Dialog::Silent, ControlCheck::Cancelled, "PREV", Kept, 1, true},
    {"VelocityOk", 8, A, {}, Dialog::Ok, ControlCheck::Ok, "0401", Kept, 1, true},
    {"ForwardJog1000", 3, A, {"1000", "9", "9"}, Dialog::Ok, ControlCheck::Ok, "0221", {"03E8", "", ""}, 1, false},
    {"ReverseJogMax", 6, C, {"65535"}, Dialog::Ok, ControlCheck::Ok, "02A4", {"FFFF", "", ""}, 4, false},
    {"StepZero", 7, B, {"-0"}, Dialog::Ok, ControlCheck::Ok, "0302", {"0000", "", ""}, 2, false},
    {"JogOverWord", 3, A, {"65536"}, Dialog::Ok, ControlCheck::Limit, "PREV", Kept, 1, false},
    {"JogNegative", 6, A, {"-5"}, Dialog::Ok, ControlCheck::Limit, "PREV", Kept, 1, false},
    {"JogLetters", 3, A, {"12a"}, Dialog::Ok, ControlCheck::Numeric, "PREV", Kept, 1, false},
    {"JogLoneMinus", 3, A, {"-"}, Dialog::Ok, ControlCheck::Numeric, "PREV", Kept, 1, false},
    {"JogEmpty", 3, A, {""}, Dialog::Ok, ControlCheck::Numeric, "PREV", Kept, 1, false},
    {"Cycle", 11, B, {"1", "10", "3"}, Dialog::Ok, ControlCheck::Ok, "0602", {"0001", "000A", "0003"}, 2, false},
    // Each field's own digit check, then its own limit, before the next field.
    {"CycleSecondNumeric", 11, B, {"1", "x", "70000"}, Dialog::Ok, ControlCheck::Numeric, "PREV", Kept, 2, false},
    {"CycleFirstLimitFirst", 11, B, {"70000", "x", "1"}, Dialog::Ok, ControlCheck::Limit, "PREV", Kept, 2, false},
    {"CycleSecondLimit", 11, B, {"1", "70000", "x"}, Dialog::Ok, ControlCheck::Limit, "PREV", Kept, 2, false},
    {"CycleThirdEmpty", 11, B, {"1", "2", ""}, Dialog::Ok, ControlCheck::Numeric, "PREV", Kept, 2, false},
    {"PlainKeepsSubWords", 4, AB, {"x", "x", "x"}, Dialog::Ok, ControlCheck::Ok, "0283", Kept, 3, false},
};

} // namespace

TEST(ControlWords, FourAxisSubmitChecksAndComposition)
{
    for (const auto& c : kZ4Cases) {
        SCOPED_TRACE(c.name);
        Public p;
        p.Z4CommandIndex = c.index;
        p.ControlWord = "PREV";
        p.Z4SubData1 = "p1", p.Z4SubData2 = "p2", p.Z4SubData3 = "p3";
        p.Z4AxisMask = 77;
        p.Z4DataCancel = 0; // a previous OK, which must not count for this opening
        bool shown = false;
        const ControlCheck got = Z4Submit_Compose(p, c.axes, c.fields, [&] {
            shown = true;
            // The dialog reads the mask and the command; the word is composed after it.
            EXPECT_EQ(p.Z4AxisMask, Z4AxisMask_Of(c.axes));
            EXPECT_EQ(p.ControlWord, "PREV");
            if (c.dialog == Dialog::Ok) p.Z4DataCancel = 0;
            if (c.dialog == Dialog::Cancel) p.Z4DataCancel = 99;
        });
        EXPECT_EQ(got, c.want);
        EXPECT_EQ(p.ControlWord, c.word);
        EXPECT_EQ(p.Z4SubData1, c.sub[0]);
        EXPECT_EQ(p.Z4SubData2, c.sub[1]);
        EXPECT_EQ(p.Z4SubData3, c.sub[2]);
        EXPECT_EQ(p.Z4AxisMask, c.mask);
        EXPECT_EQ(shown, c.dialogShown);
    }
}
