// Text files line by line: UTF-8 where a line is valid UTF-8, CP932 elsewhere, and the
// bytes of every line kept.
#include <gtest/gtest.h>

#include "shared/TextCodec.h"

using namespace posmod;

namespace {

constexpr auto U = TextEncoding::Utf8;
constexpr auto C = TextEncoding::Cp932;
const std::string kFullA = "\xEF\xBC\xA1";   // U+FF21 full-width A, CP932 82 60
const std::string kAxis = "\xE8\xBB\xB8";    // U+8EF8, CP932 8E B2
const std::string kSo = "\xE3\x82\xBD";      // U+30BD katakana, CP932 83 5C
const std::string kBad = "\xEF\xBF\xBD";     // U+FFFD

TEST(TextCodec, FileDecodedLineByLine)
{
    struct Line { std::string bytes, text; TextEncoding encoding; };
    const struct {
        const char* name;
        std::string bytes;
        TextEncoding file;
        bool mark;
        std::vector<Line> lines;
    } cases[] = {
        {"LineEnds", "a\r\nb\nc\rd\r\n\r\ne", U, false, {{"a", "a", U}, {"b", "b", U}, {"c", "c", U}, {"d", "d", U},
                                                       {"", "", U}, {"e", "e", U}}},
        {"Empty", "", U, false, {}},
        {"ByteOrderMark", "\xEF\xBB\xBFk=1\r\n", U, true, {{"k=1", "k=1", U}}},
        {"Utf8", "x=" + kAxis + "\r\ny=1", U, false, {{"x=" + kAxis, "x=" + kAxis, U}, {"y=1", "y=1", U}}},
        // Plain ASCII lines take the encoding of their file.
        {"Cp932", "x=\x82\x60\x8E\xB2\r\ny=\x83\x5C\r\nz=1", C, false,
         {{"x=\x82\x60\x8E\xB2", "x=" + kFullA + kAxis, C}, {"y=\x83\x5C", "y=" + kSo, C}, {"z=1", "z=1", C}}},
        {"MixedByLine", "a=\xC3\xA9\r\nb=\x8E\xB2\r\nc=\xE8\xBB\xB8\r\nd", C, false,
         {{"a=\xC3\xA9", "a=\xC3\xA9", U}, {"b=\x8E\xB2", "b=" + kAxis, C}, {"c=" + kAxis, "c=" + kAxis, U},
          {"d", "d", C}}},
        // What CP932 cannot decode either is shown as U+FFFD, the rest of the line intact.
        {"Undecodable", "x\xFFy\x82 z\r\nend\x82", C, false,
         {{"x\xFFy\x82 z", "x" + kBad + "y" + kBad + " z", C}, {"end\x82", "end" + kBad, C}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TextFile f = decodeTextFile(c.bytes);
        EXPECT_EQ(f.encoding, c.file);
        EXPECT_EQ(f.byteOrderMark, c.mark);
        ASSERT_EQ(f.lines.size(), c.lines.size());
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(f.lines[i].bytes, c.lines[i].bytes) << i;
            EXPECT_EQ(f.lines[i].text, c.lines[i].text) << i;
            EXPECT_EQ(f.lines[i].encoding, c.lines[i].encoding) << i;
        }
    }
}

TEST(TextCodec, EncodeInCp932WhereTheTextFits)
{
    const struct { std::string text; std::optional<std::string> cp932; } cases[] = {
        {"plain \\~", "plain \\~"},
        {kFullA + kAxis + kSo, "\x82\x60\x8E\xB2\x83\x5C"},
        {"\xEF\xBD\xB1", "\xB1"},             // half-width katakana: one byte
        {"\xC3\xA9", std::nullopt},           // no CP932 form
        {kAxis + "\xC3\xA9", std::nullopt},   // one character without a form spoils the text
        {"x\xFF", std::nullopt},              // not UTF-8
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8ToCp932(c.text), c.cp932) << c.text;
        EXPECT_EQ(encodeText(c.text, C), c.cp932 ? *c.cp932 : c.text) << c.text;
        EXPECT_EQ(encodeText(c.text, U), c.text) << c.text;
        if (c.cp932) {
            EXPECT_EQ(cp932ToUtf8(*c.cp932), c.text);
        }
    }
}

} // namespace
