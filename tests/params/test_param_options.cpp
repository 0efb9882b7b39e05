#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <string>
#include <vector>

#include "params/ParamOptions.h"
#include "shared/NameTables.h"

using namespace posmod;

namespace {

const char* const kNcd = "No Corresponding Data";

// The texts of rows 1-11 that code 0 stands for.
std::array<std::string, 11> defaultTexts()
{
    Public p;
    DefaultData_Set(p);
    std::array<std::string, 11> t;
    for (int row = 1; row <= 11; ++row) t[static_cast<std::size_t>(row - 1)] = p.PrmDefaultZ4[static_cast<std::size_t>(row)];
    return t;
}

} // namespace

TEST(ModeText_Cha, FieldOfTheWordToText) {
    struct { const char* word; int item; const char* text; } cases[] = {
        {"0000", 1, "Move to CW"},
        {"0000", 2, "Free home position"},
        {"0000", 3, "CCW (Counter Clockwis)"},
        {"0000", 4, "Linear acceleration and deceleration"},
        {"1234", 1, "Move to CCW"},
        {"1234", 2, "High speed homing 1(Off edge stop)"},
        {"1234", 3, kNcd},
        {"1234", 4, kNcd},
        {"0123", 5, "x10"},
        {"0123", 6, "x100"},
        {"0123", 7, "degree"},
        {"F123", 5, "x10"},  // the unused top digit of word 1
        {"f123", 7, "degree"},
        {"3215", 8, "CW pulse / CCW pulse(Negative logic)"},
        {"3215", 9, "+O.RUN input is invalid"},
        {"3215", 10, "Input valid (When the input is ON)"},
        {"3215", 11, "COIN is invalid / SRDY is invalid"},
        {"0120", 10, "-O.RUN input is invalid"},
        {"0005", 11, "COIN is invalid / SRDY is invalid"},
        {"0002", 11, kNcd},
        {"0003", 11, kNcd},
        {"0006", 11, kNcd},
        // Item 11's codes are flags, not list positions: 4 is a text, not the list's "Cancel".
        {"0004", 11, "COIN is valid / SRDY is invalid"},
        // A code equal to the list's last index has no text either.
        {"2000", 1, kNcd},
        {"0700", 2, kNcd},
        {"0020", 3, kNcd},
        {"0600", 2, "Yaskawa Sigma 2 series (16 bit serial)"},
        {"0bcd", 2, kNcd},
        // Short words are not zero-filled; non-digits drop out and move the later fields.
        {"12", 1, "Move to CCW"},
        {"12", 2, "High speed homing 1(Off edge stop)"},
        {"12", 3, kNcd},
        {"0G1", 2, "Low speed homing"},
        {"", 1, kNcd},
        {"", 11, kNcd},
        // Digits past the first eight are never read.
        {"000000001", 4, "Linear acceleration and deceleration"},
        // Items outside 1-11.
        {"0000", 0, ""},
        {"0000", 12, ""},
        {"0000", -1, ""},
        {"", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ModeText_Cha(c.word, c.item), c.text) << '"' << c.word << "\" item " << c.item;
}

TEST(OptionWords, PackTextsOfAGroup) {
    using V = std::vector<std::string>;
    struct { int firstRow; V texts; const char* word; } cases[] = {
        {1, {"Move to CCW", "Low speed homing", "CW (Clockwis)", "S curve 2"}, "1112"},
        {5, {"x10", "x1", "degree"}, "0103"},
        {5, {"x10", "x1", "degree", ""}, "0103"},  // the empty fourth text some callers pass
        {8, {"CW pulse / CCW pulse(positive logic)", "+O.RUN input is invalid",
             "Input valid (When the input is OFF)", "COIN is valid / SRDY is invalid"}, "1204"},
        {1, {"move to ccw", "YASKAWA SIGMA 2 SERIES (16 BIT SERIAL)", "cw (clockwis)", "s curve 3"}, "1613"},
        // A text that is not its row's, an empty or missing text: the word is refused whole.
        {1, {"Move to CW", "No Corresponding Data", "CW (Clockwis)", "S curve 2"}, "NG_DATA"},
        {1, {"Move to CW", "Cancel", "CW (Clockwis)", "S curve 2"}, "NG_DATA"},
        {1, {"Move to CW", "Free home position", "", "S curve 2"}, "NG_DATA"},
        {1, {"Move to CW", "Free home position", "CW (Clockwis)"}, "NG_DATA"},
        {5, {"x10", "x1", "x1"}, "NG_DATA"},  // row 7 is the unit
        {8, {"Pulse / Direction mode(Positive logic)", "Input valid (When the input is OFF)",
             "+O.RUN input is invalid", "COIN is valid / SRDY is valid"}, "NG_DATA"},  // "+" text in row 10
        {1, {"Move to CW ", "Free home position", "CW (Clockwis)", "S curve 2"}, "NG_DATA"},
        // Other first rows make no word.
        {2, {"Free home position", "CCW (Counter Clockwis)", "S curve 1", "x1"}, ""},
        {0, {}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrmZ4_TextCodesub(c.firstRow, c.texts), c.word) << "first row " << c.firstRow << ", expected " << c.word;
}

TEST(OptionWords, EveryTextPacksAndUnpacksToItself) {
    const auto base = defaultTexts();
    {
        const auto words = ParmZr4_OptionWords(base);
        ASSERT_TRUE(words);
        EXPECT_EQ(*words, (std::array<std::string, 3>{"0000", "0000", "0000"}));
    }
    for (int item = 1; item <= 11; ++item) {
        Public::OptionListArray list;
        PrmZr4_ListSet(list, static_cast<uint8_t>(item - 1));
        const int last = OptionList_LastIndex(list);
        for (int k = 0; k < last; ++k) {
            for (bool lower : {false, true}) {
                auto texts = base;
                std::string t = list[static_cast<std::size_t>(k)];
                if (lower)
                    for (char& ch : t) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
                texts[static_cast<std::size_t>(item - 1)] = t;
                SCOPED_TRACE("item " + std::to_string(item) + " \"" + t + '"');
                const auto words = ParmZr4_OptionWords(texts);
                ASSERT_TRUE(words);
                for (const std::string& w : *words) EXPECT_EQ(w.size(), 4u);
                // Every item reads back its own text as the table spells it, the others theirs.
                for (int i = 1; i <= 11; ++i) {
                    const std::string& word = (*words)[i <= 4 ? 0 : i <= 7 ? 1 : 2];
                    const std::string expected =
                        i == item ? list[static_cast<std::size_t>(k)] : base[static_cast<std::size_t>(i - 1)];
                    EXPECT_EQ(ModeText_Cha(word, i), expected) << "read as item " << i;
                }
            }
        }
        // "Cancel" is a choice of the box, not an option.
        auto texts = base;
        texts[static_cast<std::size_t>(item - 1)] = "Cancel";
        EXPECT_FALSE(ParmZr4_OptionWords(texts)) << "item " << item;
    }
}

TEST(OptionWords, EveryCodeWithATextUnpacksAndPacksToItself) {
    for (int item = 1; item <= 11; ++item) {
        for (unsigned code = 0; code < 16; ++code) {
            const std::string text = ParmZr4_CodeText(item, code);
            const auto back = ParmZr4_OptionCode(item, text);
            if (text == kNcd) {
                EXPECT_FALSE(back) << "item " << item << " code " << code;
                continue;
            }
            ASSERT_TRUE(back) << "item " << item << " code " << code;
            EXPECT_EQ(*back, code) << "item " << item;
        }
    }
    EXPECT_EQ(ParmZr4_CodeText(0, 0), "");
    EXPECT_EQ(ParmZr4_CodeText(12, 0), "");
    EXPECT_FALSE(ParmZr4_OptionCode(0, "Move to CW"));
    EXPECT_FALSE(ParmZr4_OptionCode(12, "Move to CW"));
}
