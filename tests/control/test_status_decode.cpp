// Decoding of the status words and what the three status windows show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/StatusDecode.h"

using namespace posmod;

namespace {

std::vector<std::string> column(const GridCells& g, int col)
{
    std::vector<std::string> out;
    for (int r = 0; r < g.Rows(); ++r) out.push_back(g.TextMatrix(r, col));
    return out;
}

const char* const kAllOff[8] = {"During normal", "During communication initial", "During normal",
                                "During normal", "During HALT", "During normal",
                                "During not Stand-by", "During HALT"};
const char* const kAllOn[8] = {"During communication error", "During handshake",
                               "Data error or command error", "Error", "Start operation",
                               "During overrun error", "During Stand-by", "During RUN"};

} // namespace

TEST(StatusDecode, WordToTexts)
{
    struct Case { const char* word; const char* bits; const char* step; };
    const Case cases[] = {
        {"C305", "11000011", "H05"}, {"c305", "11000011", "H05"}, {"0000", "00000000", "H00"},
        {"FFFF", "11111111", "HFF"}, {"2A7f", "00101010", "H7f"}, {"8100", "10000001", "H00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        Public p;
        StatusText_Cha(p, c.word);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(p.StatusText_Data[i], c.bits[i] == '1' ? kAllOn[i] : kAllOff[i]) << "row " << i + 1;
        EXPECT_EQ(p.StatusText_Data[8], c.step);
    }
}

TEST(StatusDecode, OneAxisGridAndLabels)
{
    Public p;
    p.StatusReg_Data[0] = "C305";
    MemGrid g;
    StatusGrid_Setup(g);
    const StatusLabels l = StatusTab_Show(p, ModelFamily::OneAxis, 0, g);
    ASSERT_EQ(g.Rows(), 10);
    ASSERT_EQ(g.Cols(), 3);
    EXPECT_EQ(column(g, 0), (std::vector<std::string>{"No.", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(column(g, 1),
              (std::vector<std::string>{"Bit Name", "Communication error bit", "Handshake bit",
                                        "Data error/command error", "Error Latch bit", "Run latch bit",
                                        "+-O.RUN", "Stand-by bit", "Run bit", "Step No."}));
    EXPECT_EQ(column(g, 2),
              (std::vector<std::string>{"Setting content", "During communication error", "During handshake",
                                        "During normal", "During normal", "During HALT", "During normal",
                                        "During Stand-by", "During RUN", "H05"}));
    EXPECT_EQ(l.StLabel1, "Status resister :");
    EXPECT_EQ(l.StLabel2, "HC305");
    EXPECT_EQ(l.ErLabel1 + l.ErLabel2 + l.IchiLabel1 + l.IchiLabel2, "");
}

TEST(StatusDecode, TabsShowTheirAxis)
{
    Public p;
    p.StatusReg_Data = {"0100", "8203", "4004", "2005"};
    p.ErrorCode_Data = {"0000", "0011", "0022", "0033"};
    p.CurrentValue_Data = {"00000000", "FFFFFFFE", "00010000", "7FFFFFFF"};

    struct Case { ModelFamily f; int tab; const char* st1; const char* st2; const char* er1; const char* er2;
                  const char* ichi1; const char* ichi2; const char* row1; const char* row9; };
    const Case cases[] = {
        {ModelFamily::TwoAxis, 1, "Y axis, Status resister :", "H8203", "", "", "", "",
         "During communication error", "H03"},
        {ModelFamily::TwoAxis, 0, "X axis, Status resister :", "H0100", "", "", "", "", "During normal", "H00"},
        {ModelFamily::FourAxis, 0, "A axis, Status resister :", "H0100", "A axis, Error Code :", "H0000",
         "A axis, Current value :", "H00000000", "During normal", "H00"},
        {ModelFamily::FourAxis, 1, "B axis, Status resister :", "H8203", "B axis, Error Code :", "H0011",
         "B axis, Current value :", "HFFFFFFFE", "During communication error", "H03"},
        {ModelFamily::FourAxis, 2, "C axis, Status resister :", "H4004", "C axis, Error Code :", "H0022",
         "C axis, Current value :", "H00010000", "During normal", "H04"},
        {ModelFamily::FourAxis, 3, "D axis, Status resister :", "H2005", "D axis, Error Code :", "H0033",
         "D axis, Current value :", "H7FFFFFFF", "During normal", "H05"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.st1);
        MemGrid g;
        StatusGrid_Setup(g);
        const StatusLabels l = StatusTab_Show(p, c.f, c.tab, g);
        EXPECT_EQ(l.StLabel1, c.st1);
        EXPECT_EQ(l.StLabel2, c.st2);
        EXPECT_EQ(l.ErLabel1, c.er1);
        EXPECT_EQ(l.ErLabel2, c.er2);
        EXPECT_EQ(l.IchiLabel1, c.ichi1);
        EXPECT_EQ(l.IchiLabel2, c.ichi2);
        EXPECT_EQ(g.TextMatrix(1, 2), c.row1);
        EXPECT_EQ(g.TextMatrix(9, 2), c.row9);
        EXPECT_EQ(p.StatusText_Data[8], c.row9); // the shared texts hold the last word shown
    }
}

TEST(StatusDecode, FamiliesOfTheControlWindowsAndTabCaptions)
{
    EXPECT_EQ(ControlForm_Family(7), ModelFamily::OneAxis);
    EXPECT_EQ(ControlForm_Family(8), ModelFamily::TwoAxis);
    EXPECT_EQ(ControlForm_Family(9), ModelFamily::FourAxis);

    Public p;
    // 22 bytes then a double-byte character: fits in 24, not in 11.
    p.set.AxisName = {"1234567890123456789012\xE8\xBB\xB8", "1234567890123456789012\xE8\xBB\xB8X",
                      "123456789\xE8\xBB\xB8", "1234567890\xE8\xBB\xB8"};
    EXPECT_EQ(StatusTab_Caption(p, ModelFamily::TwoAxis, 0), "1234567890123456789012\xE8\xBB\xB8");
    EXPECT_EQ(StatusTab_Caption(p, ModelFamily::TwoAxis, 1), "1234567890123456789012\xE8\xBB\xB8");
    EXPECT_EQ(StatusTab_Caption(p, ModelFamily::TwoAxis, 2), "");
    EXPECT_EQ(StatusTab_Caption(p, ModelFamily::FourAxis, 0), "12345678901");
    EXPECT_EQ(StatusTab_Caption(p, ModelFamily::FourAxis, 2), "123456789\xE8\xBB\xB8");
    EXPECT_EQ(StatusTab_Caption(p, ModelFamily::FourAxis, 3), "1234567890");
    EXPECT_EQ(StatusTab_Caption(p, ModelFamily::OneAxis, 0), "");
}
