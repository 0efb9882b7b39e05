#include <gtest/gtest.h>

#include "shared/Conversions.h"

using namespace posmod;

namespace {

// "\xE6\x97\xA5" is a character outside U+0000-U+00FF (2 bytes), "\xC3\xA9" (e acute) one inside (1 byte).
const std::string kWide = "\xE6\x97\xA5";
const std::string kLatin = "\xC3\xA9";

TEST(Conversions, StrByteCut) {
    const struct { std::string text; int max; std::string want; } cases[] = {
        {"Axis", 10, "Axis"},
        {"Axis", 3, "Axi"},
        {"", 5, ""},
        {kWide + "A", 1, ""},
        {kWide + kWide + "A", 3, kWide},         // the A after a wide character that did not fit is not taken
        {kWide + kWide + "A", 4, kWide + kWide},
        {kLatin + kLatin + "b", 2, kLatin + kLatin},  // U+00E9 counts 1 byte though it takes 2 in UTF-8
        {"\xF0\x9F\x98\x80" "x", 2, "\xF0\x9F\x98\x80"},  // beyond the BMP: 2, never split
        {"\xF0\x9F\x98\x80" "x", 1, ""},
        {"ab", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrByte_Cut(c.text, static_cast<uint8_t>(c.max)), c.want) << c.text << " / " << c.max;
}

TEST(Conversions, HexStrToBytes) {
    const struct { std::string hex; bool ok; std::vector<uint8_t> want; } cases[] = {
        {"0A1", true, {0x0A, 0x10}},   // "0" appended at the end
        {"ff00Aa", true, {0xFF, 0x00, 0xAA}},
        {"7", true, {0x70}},
        {"", false, {}},
        {"0G", false, {}},
        {"12 4", false, {}},
        {"-1", false, {}},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes{1, 2, 3};
        EXPECT_EQ(HexStr_ToBytes(c.hex, bytes), c.ok) << c.hex;
        EXPECT_EQ(bytes, c.want) << c.hex;
    }
}

TEST(Conversions, HexToBinAndBack) {
    const struct { std::string hex; int count; std::string bits; } toBin[] = {
        {"8F", 1, "10001111"},
        {"8f", 1, "10001111"},
        {"8G", 1, "1000"},
        {"8F", 2, "10001111"},      // past the end adds nothing
        {"1234", 1, "00010010"},    // only 2 x byteCount digits
        {"A5", 0, ""},
    };
    for (const auto& c : toBin)
        EXPECT_EQ(HexToBin(c.hex, static_cast<uint8_t>(c.count)), c.bits) << c.hex;

    const struct { std::string bits; int count; std::string hex; } toHex[] = {
        {"100011110", 9, "8F"},     // remainder ignored
        {"10001111", 8, "8F"},
        {"1000x111", 8, "8"},       // a bad group gives nothing
        {"10001", 8, "8"},          // a short last group gives nothing
        {"0000111110100101", 16, "0FA5"},
        {"1111", 3, ""},
    };
    for (const auto& c : toHex)
        EXPECT_EQ(BinToHex(c.bits, static_cast<uint8_t>(c.count)), c.hex) << c.bits;
}

TEST(Conversions, ZeroFillInPlace) {
    using Fill = std::string& (*)(std::string&);
    const struct { Fill fill; std::string in; std::string want; } cases[] = {
        {Hex2_Zero, "5", "05"}, {Hex2_Zero, "", ""}, {Hex2_Zero, "123", "123"},
        {Hex3_Zero, "A", "00A"}, {Hex3_Zero, "AB", "0AB"}, {Hex3_Zero, "ABCD", "ABCD"},
        {Hex4_Zero, "7", "0007"}, {Hex4_Zero, "12", "0012"}, {Hex4_Zero, "123", "0123"},
        {Hex4_Zero, "", ""}, {Hex4_Zero, "12345", "12345"},
        {Hex8_Zero, "1234", "00001234"}, {Hex8_Zero, "1", "00000001"}, {Hex8_Zero, "123456789", "123456789"},
    };
    for (const auto& c : cases) {
        std::string t = c.in;
        std::string& r = c.fill(t);
        EXPECT_EQ(t, c.want) << c.in;
        EXPECT_EQ(&r, &t) << "returns the caller's variable";
    }
}

TEST(Conversions, ZeroFillLen) {
    const struct { std::string text; int width; std::string want; } cases[] = {
        {"12345", 4, "2345"}, {"", 2, "00"}, {"ab", 0, ""}, {"ab", 2, "ab"}, {"C", 4, "000C"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZeroFill_Len(c.text, static_cast<uint8_t>(c.width)), c.want) << c.text;
}

TEST(Conversions, HexToDecimal) {
    const struct { std::string hex; int digits; std::string dec; std::string sign; } cases[] = {
        {"FFFFFFFF", 8, "4294967295", "-1"},
        {"7FFFFFFF", 8, "2147483647", "2147483647"},
        {"80000000", 8, "2147483648", "-2147483648"},
        {"ffffffff", 8, "4294967295", "-1"},
        {"FF", 4, "65280", "65280"},           // short text: zeros on the right
        {"FFFF", 4, "65535", "65535"},         // below 8 digits never negative
        {"1G", 2, "16", "16"},                 // a non-digit keeps its weight
        {"", 4, "0", "0"},
        {"ABC", 0, "0", "0"},
        {"FFFFFFFFFFFFFFFF", 16, "18446744073709551615", "18446744069414584319"},
        {"100000000000000000000", 21, "1208925819614629174706176", "1208925819614629174706176"},
        {"8", 9, "34359738368", "30064771072"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexToDec(c.hex, static_cast<uint8_t>(c.digits)), c.dec) << c.hex;
        EXPECT_EQ(HexToDecSign(c.hex, static_cast<uint8_t>(c.digits)), c.sign) << c.hex;
    }
}

TEST(Conversions, NumTextCheck) {
    const struct { std::string text; bool dec; bool hex; } cases[] = {
        {"", false, false},
        {"-12", true, false},
        {"-", false, false},
        {"1-2", false, false},
        {"0aF", false, true},
        {" 12", false, false},
        {"+5", false, false},
        {"0123456789", true, true},
        {"abcdefABCDEF", false, true},
        {"12G", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumText_Check(c.text, true), c.dec) << "decimal: " << c.text;
        EXPECT_EQ(NumText_Check(c.text, false), c.hex) << "hex: " << c.text;
    }
}

TEST(Conversions, NumberHelpers) {
    const struct { std::string text; std::optional<int64_t> value; } dec[] = {
        {"", 0}, {"abc", 0}, {"300", 300}, {"12ab", 12}, {"9223372036854775807", INT64_MAX},
        {"9223372036854775808", std::nullopt}, {"99999999999999999999999", std::nullopt},
    };
    for (const auto& c : dec) EXPECT_EQ(decimalValue(c.text), c.value) << c.text;
    EXPECT_EQ(signedDecimalValue("-12x"), -12);
    EXPECT_EQ(hexValue("0bBc"), 0xBBCu);
    EXPECT_EQ(hexValue("1G"), std::nullopt);
    EXPECT_EQ(hexValue(""), std::nullopt);
    EXPECT_EQ(hexValue("10000000000000000"), std::nullopt);
    EXPECT_EQ(hexText(0), "0");
    EXPECT_EQ(hexText(300), "12C");
    EXPECT_EQ(hexText(UINT64_MAX), "FFFFFFFFFFFFFFFF");
}

TEST(Conversions, LinesAndCharacters) {
    const struct { std::string text; std::vector<std::string> lines; } cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"x=\xC3\xA9\r\n", {"x=\xC3\xA9"}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitLines(c.text), c.lines) << c.text;
    EXPECT_EQ(utf8Mid("a" + kWide + "bc", 1, 2), kWide + "b");
    EXPECT_EQ(utf8Length("a" + kWide + kLatin), 3u);
}

} // namespace
