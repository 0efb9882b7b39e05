// The data dialog's rules: enabling by command and mask, checks, display switch, block.
#include <gtest/gtest.h>

#include <string>

#include "control/Z4Data.h"
#include "support/CaptureSink.h"

using namespace posmod;

namespace {

struct Dialog {
    Public p;
    CaptureSink msg;
    Z4DataForm form{msg};
    Dialog(int command, uint8_t mask)
    {
        p.Z4CommandIndex = command;
        p.Z4AxisMask = mask;
        p.set.AxisName = {"A axis", "B axis", "C axis", "D axis"};
        form.Form_Load(p);
    }
    std::string& at(int axis, int row) { return form.SeText[axis][row]; }
};

std::string repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

} // namespace

TEST(Z4Data, RowLabels)
{
    struct Case { int axis, row; const char* label; };
    const Case cases[] = {
        {0, 0, "Control data 1"}, {1, 0, "Control data2"}, {2, 0, "Control data3"},
        {3, 0, "Control data4"},  {0, 1, "Dwell 1"},       {1, 2, "Acceleration time 2"},
        {2, 3, "Deceleration time 3"}, {3, 4, "Velocity 4"}, {2, 5, "Target position data 3"},
        {3, 6, "Circular interpolation 4"},
    };
    for (const auto& c : cases) EXPECT_EQ(Z4DataRow_Label(c.axis, c.row), c.label);
}

// The enabled fields against the result table: per checked axis in A..D order, first /
// second / further. Unchecked axes have none.
TEST(Z4Data, EnabledFieldsOverCommandsAndMasks)
{
    auto rowsOf = [](int command, int rank) -> std::string {
        if (command == 8) return "1111110";
        if (command == 9) return rank == 0 ? "1111110" : "0000010";
        return rank == 0 ? "1111111" : "0000011"; // 10
    };
    for (int command : {8, 9, 10}) {
        for (int mask = 0; mask <= 15; ++mask) {
            const int axes = __builtin_popcount(static_cast<unsigned>(mask));
            if (command == 10 && axes != 2) continue; // the window allows exactly two
            SCOPED_TRACE("command " + std::to_string(command) + " mask " + std::to_string(mask));
            const Z4DataFlags en = Z4Data_Enabled(command, static_cast<uint8_t>(mask));
            int rank = 0;
            for (int a = 0; a < 4; ++a) {
                const bool checked = (mask >> a) & 1;
                const std::string want = checked ? rowsOf(command, rank++) : "0000000";
                std::string got;
                for (int r = 0; r < 7; ++r) got += en[a][r] ? '1' : '0';
                EXPECT_EQ(got, want) << "axis " << a;
            }
        }
    }
}

TEST(Z4Data, LoadGivesDefaultsInEnabledFieldsOnly)
{
    Dialog d(9, 0b0101); // A and C
    EXPECT_TRUE(d.form.hexDisplay);
    EXPECT_FALSE(d.form.HexClickSkip);
    EXPECT_FALSE(d.form.DecClickSkip);
    EXPECT_EQ(d.at(0, 0), "0000");
    EXPECT_EQ(d.at(0, 5), "00000000");
    EXPECT_EQ(d.at(0, 6), "");
    EXPECT_EQ(d.at(1, 5), "");
    EXPECT_EQ(d.at(2, 4), "");
    EXPECT_EQ(d.at(2, 5), "00000000");
    EXPECT_EQ(d.form.JikLabel[2], "C axis");

    // A fresh load after edits starts again from the defaults.
    d.at(0, 0) = "1234";
    d.form.DecZ4Option_Click();
    d.form.Form_Load(d.p);
    EXPECT_EQ(d.at(0, 0), "0000");
    EXPECT_TRUE(d.form.hexDisplay);

    // Column titles cut to 22 bytes at a character boundary (a double-byte character counts 2).
    d.p.set.AxisName[1] = "12345678901234567890\xE8\xBB\xB8"; // 20 bytes and one double-byte character
    d.p.set.AxisName[3] = "1234567890123456789\xE8\xBB\xB8";  // 19 + 2 = 21: fits
    d.form.Form_Load(d.p);
    EXPECT_EQ(d.form.JikLabel[1], "12345678901234567890\xE8\xBB\xB8");
    d.p.set.AxisName[1] = "123456789012345678901\xE8\xBB\xB8"; // 21 + 2 = 23: cut before it
    d.form.Form_Load(d.p);
    EXPECT_EQ(d.form.JikLabel[1], "123456789012345678901");
    EXPECT_EQ(d.form.JikLabel[3], "1234567890123456789\xE8\xBB\xB8");
}

TEST(Z4Data, BlockHoldsTheEnabledFieldsLowWordFirst)
{
    {
        Dialog d(8, 0b0001); // axis A with the defaults
        ASSERT_TRUE(d.form.DataSetCommand_Click(d.p));
        EXPECT_EQ(d.p.Z4DataBlock, repeat("0000", 7));
        EXPECT_EQ(d.p.Z4DataBlock.size() / 2, 0x0Eu);
        EXPECT_EQ(d.p.Z4DataCancel, 0);
    }
    {
        Dialog d(9, 0b0101); // A rows 0-5, C row 5
        for (int r = 0; r < 5; ++r) d.at(0, r) = "000" + std::to_string(r + 1);
        d.at(0, 5) = "12345678";
        d.at(2, 5) = "abcdef01"; // typed letters keep their case
        ASSERT_TRUE(d.form.DataSetCommand_Click(d.p));
        EXPECT_EQ(d.p.Z4DataBlock, "00010002000300040005" "56781234" "ef01abcd");
    }
    {
        Dialog d(10, 0b1010); // B all seven rows, D rows 5 and 6
        d.at(1, 6) = "00020001";
        d.at(3, 5) = "1";
        d.at(3, 6) = "FFFF";
        ASSERT_TRUE(d.form.DataSetCommand_Click(d.p));
        EXPECT_EQ(d.p.Z4DataBlock, repeat("0000", 7) + "00010002" + "00010000" + "FFFF0000");
    }
    {
        Dialog d(8, 0b0001);
        d.at(0, 5) = "00010000";
        d.at(0, 0) = "ff";
        ASSERT_TRUE(d.form.DataSetCommand_Click(d.p));
        EXPECT_EQ(d.p.Z4DataBlock, "00ff" + repeat("0000", 4) + "00000001");
    }
    {
        Dialog d(8, 0b0001); // decimal display: values converted, negatives as two's complement
        d.form.DecZ4Option_Click();
        d.at(0, 0) = "65535";
        d.at(0, 1) = "10";
        d.at(0, 5) = "-1";
        ASSERT_TRUE(d.form.DataSetCommand_Click(d.p));
        EXPECT_EQ(d.p.Z4DataBlock, "FFFF000A00000000" "0000" "FFFFFFFF");
    }
}

TEST(Z4Data, ChecksGiveTheirMessageAndLeaveEverything)
{
    // One entry in axis A's row, in the given display; the message OK shows, or "" when it passes.
    struct Case { bool decimal; int row; const char* text; const char* message; };
    const Case cases[] = {
        {true, 0, "65535", ""},            {true, 0, "65536", "Data Limit Error"},
        {true, 0, "-1", "Data Limit Error"}, {true, 0, "-0", ""},
        {true, 0, "", "Data Numeric Error"}, {true, 0, "12a", "Data Numeric Error"},
        {true, 0, "-", "Data Numeric Error"}, {true, 0, "ff", "Data Numeric Error"},
        {true, 5, "2147483647", ""},       {true, 5, "-2147483648", ""},
        {true, 5, "2147483648", "Data Limit Error"}, {true, 5, "4294967295", "Data Limit Error"},
        {true, 5, "-2147483649", "Data Limit Error"}, {true, 5, "99999999999", "Data Limit Error"},
        {true, 5, "99999999999999999999999", "Data Limit Error"}, // beyond 64 bits
        {false, 0, "ff", ""},              {false, 0, "FFFF", ""},
        {false, 0, "00001", "Data Limit Error"}, {false, 0, "-1", "Data Numeric Error"},
        {false, 0, "g", "Data Numeric Error"}, {false, 0, "", "Data Numeric Error"},
        {false, 5, "FFFFFFFF", ""},        {false, 5, "100000000", "Data Limit Error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.decimal ? "dec " : "hex ") + std::to_string(c.row) + " '" + c.text + "'");
        Dialog d(8, 0b0001);
        if (c.decimal) d.form.DecZ4Option_Click();
        d.at(0, c.row) = c.text;
        d.p.Z4DataBlock = "PREV";
        d.p.Z4DataCancel = 7;
        const auto before = d.form.SeText;
        const bool ok = d.form.DataSetCommand_Click(d.p);
        EXPECT_EQ(ok, std::string(c.message).empty());
        EXPECT_EQ(d.msg.texts, ok ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        if (!ok) {
            EXPECT_EQ(d.msg.icons.at(0), MsgIcon::Exclamation);
            EXPECT_EQ(d.p.Z4DataBlock, "PREV");
            EXPECT_EQ(d.p.Z4DataCancel, 7);
            EXPECT_EQ(d.form.SeText, before);
        }
    }
}

TEST(Z4Data, DigitCheckOfEveryFieldComesBeforeAnySizeCheck)
{
    Dialog d(8, 0b1001);     // A and D
    d.at(0, 0) = "12345";    // too long, in A
    d.at(3, 4) = "xyz";      // not hexadecimal, in D
    EXPECT_FALSE(d.form.DataSetCommand_Click(d.p));
    EXPECT_EQ(d.msg.texts, std::vector<std::string>{"Data Numeric Error"});
    d.msg.clear();
    d.at(3, 4) = "0";
    EXPECT_FALSE(d.form.DataSetCommand_Click(d.p));
    EXPECT_EQ(d.msg.texts, std::vector<std::string>{"Data Limit Error"});
}

TEST(Z4Data, DisplaySwitchRoundTrip)
{
    Dialog d(8, 0b0001);
    d.at(0, 0) = "ff";
    d.at(0, 5) = "00010000";
    d.form.DecZ4Option_Click();
    EXPECT_FALSE(d.form.hexDisplay);
    EXPECT_EQ(d.at(0, 0), "255");
    EXPECT_EQ(d.at(0, 1), "0");
    EXPECT_EQ(d.at(0, 5), "65536");
    EXPECT_EQ(d.at(0, 6), ""); // a disabled field stays empty

    d.at(0, 5) = "-1";
    d.at(0, 4) = "65535";
    d.at(0, 3) = "4660";
    d.form.HexZ4Option_Click();
    EXPECT_TRUE(d.form.hexDisplay);
    EXPECT_EQ(d.at(0, 5), "FFFFFFFF");
    EXPECT_EQ(d.at(0, 4), "FFFF");
    EXPECT_EQ(d.at(0, 3), "1234");
    EXPECT_EQ(d.at(0, 0), "00FF");

    d.form.DecZ4Option_Click();
    EXPECT_EQ(d.at(0, 5), "-1");
    EXPECT_EQ(d.at(0, 4), "65535");
    EXPECT_EQ(d.at(0, 3), "4660");

    d.at(0, 5) = "2147483647";
    d.form.HexZ4Option_Click();
    EXPECT_EQ(d.at(0, 5), "7FFFFFFF");
    d.at(0, 5) = "80000000";
    d.form.DecZ4Option_Click();
    EXPECT_EQ(d.at(0, 5), "-2147483648");
    d.at(0, 5) = "8000"; // shorter than eight digits: unsigned
    d.form.HexZ4Option_Click();
    d.form.DecZ4Option_Click();
    EXPECT_TRUE(d.msg.texts.empty());
}

TEST(Z4Data, RefusedSwitchKeepsDisplayAndTexts)
{
    Dialog d(8, 0b0001);
    d.form.DecZ4Option_Click();
    d.at(0, 2) = "65536";
    const auto decTexts = d.form.SeText;
    d.form.HexZ4Option_Click();
    EXPECT_EQ(d.msg.texts, std::vector<std::string>{"Data Limit Error"});
    EXPECT_FALSE(d.form.hexDisplay);
    EXPECT_TRUE(d.form.DecClickSkip);
    EXPECT_EQ(d.form.SeText, decTexts);
    // Dec display put back: choosing it converts nothing.
    d.form.DecZ4Option_Click();
    EXPECT_EQ(d.form.SeText, decTexts);
    EXPECT_EQ(d.msg.texts.size(), 1u);
    // Mended, the switch goes through.
    d.at(0, 2) = "1";
    d.form.HexZ4Option_Click();
    EXPECT_TRUE(d.form.hexDisplay);
    EXPECT_FALSE(d.form.DecClickSkip);
    EXPECT_EQ(d.at(0, 2), "0001");

    d.at(0, 1) = "12g";
    const auto hexTexts = d.form.SeText;
    d.form.DecZ4Option_Click();
    EXPECT_EQ(d.msg.texts.back(), "Data Numeric Error");
    EXPECT_TRUE(d.form.hexDisplay);
    EXPECT_TRUE(d.form.HexClickSkip);
    EXPECT_EQ(d.form.SeText, hexTexts);
    // OK in the display shown checks in that display.
    EXPECT_FALSE(d.form.DataSetCommand_Click(d.p));
    d.at(0, 1) = "12";
    EXPECT_TRUE(d.form.DataSetCommand_Click(d.p));
    EXPECT_EQ(d.p.Z4DataBlock.substr(0, 12), "000000120001");
}

TEST(Z4Data, CancelAndCloseBox)
{
    Public p;
    p.Z4DataCancel = 0;
    p.Z4DataBlock = "PREV";
    Z4DataForm::Form_QueryUnload(p, 1); // unloaded by the program after OK
    EXPECT_EQ(p.Z4DataCancel, 0);
    Z4DataForm::Form_QueryUnload(p, 0); // the user's close box
    EXPECT_EQ(p.Z4DataCancel, 99);
    p.Z4DataCancel = 0;
    Z4DataForm::DataCancelCommand_Click(p);
    EXPECT_EQ(p.Z4DataCancel, 99);
    EXPECT_EQ(p.Z4DataBlock, "PREV");
}
