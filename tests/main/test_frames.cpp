#include <gtest/gtest.h>

#include "main/Frames.h"

using namespace posmod;

namespace {

std::string ctl(std::string s)
{
    // Readable frames in the tables: '<' STX, '>' CR, '!' ACK, '?' ENQ, '.' EOT.
    for (char& c : s) {
        switch (c) {
        case '<': c = STX; break;
        case '>': c = CR; break;
        case '?': c = ENQ; break;
        default: break;
        }
    }
    return s;
}

struct RequestCase {
    const char* task;
    const char* station;
    const char* addr;
    int procedure;
    const char* frame;
};

TEST(FramesTest, RequestAndPollFrames)
{
    const RequestCase cases[] = {
        {"1000", "", "FFFF", 1, "<FFFFF00001000DF>"},      // 735 = 0x2DF
        {"1000", "05", "FFFF", 1, "<F05FFFF0000100044>"},
        {"1000", "", "020C", 1, "<F020C000010009C>"},
        {"1000", "", "FFFF", 2, "<F100007>"},              // neither address nor 0000
        {"1600", "31", "FFFF", 2, "<F31160071>"},
        {"A00200000001", "", "FFFF", 3, "<FFFFF0000A0020000000172>"}, // not 2 -> procedure 1
    };
    for (const auto& c : cases)
        EXPECT_EQ(RequestFrame_Build(c.task, c.station, c.addr, c.procedure), ctl(c.frame)) << c.task << "/" << c.station;
    EXPECT_EQ(EnqPollFrame_Build(""), ctl("?F1>"));
    EXPECT_EQ(EnqPollFrame_Build("07"), ctl("?F071>"));
    EXPECT_EQ(Frame_Sum(""), "00");
    EXPECT_EQ(Frame_Sum("\x0F"), "0F"); // one digit gets a leading 0
}

struct ReplyCase {
    const char* line;
    int procedure;
    int offset;
    int code;
    const char* body;
};

TEST(FramesTest, ReplyCheck)
{
    const ReplyCase cases[] = {
        {"<FFFFF00000123418>", 1, 0, ReplyOk, "FFFFF00000123418"},
        {"<FFFFF00000123419>", 1, 0, SumCode, "FFFFF00000123419"},     // status 00 but sum wrong
        {"<FFFFF0005154>", 1, 0, StatusCode, "FFFFF0005154"},
        {"<F05FFFF0000012347D>", 1, 2, ReplyOk, "F05FFFF0000012347D"}, // status at 12-13
        {"<F05FFFF0000012347d>", 1, 2, ReplyOk, "F05FFFF0000012347d"}, // sum compared ignoring case
        {"<F05FFFF00051123483>", 1, 2, StatusCode, "F05FFFF00051123483"},
        {"<F05FFFF00051123483>", 1, 0, ReplyOk, "F05FFFF00051123483"}, // without the offset "00" is read
        {"<0012AB46>", 2, 0, ReplyOk, "0012AB46"},
        {"<05000012AB0B>", 2, 2, ReplyOk, "05000012AB0B"},
        {"<0060>", 2, 0, ReplyOk, "0060"},         // just long enough
        {"<060>", 2, 0, SumCode, "060"},           // too short for status, sum and CR
        {"<0060>", 2, 2, SumCode, "0060"},
        {"<FFFFF0000060>", 1, 0, SumCode, "FFFFF0000060"},
        {"<>", 1, 0, SumCode, ""},
        {"<", 1, 0, SumCode, ""},
        {"\x15" "F>", 1, 0, NotStxCode, ""},
        {">", 2, 0, NotStxCode, ""},
        {"", 1, 0, NotStxCode, ""},
    };
    for (const auto& c : cases) {
        std::string body = "stale";
        EXPECT_EQ(ReplyFrame_Check(ctl(c.line), c.procedure, c.offset, body), c.code) << c.line;
        EXPECT_EQ(body, c.body) << c.line;
    }
}

TEST(FramesTest, FieldForms)
{
    EXPECT_TRUE(NetAddr_IsValid("FFFF"));
    EXPECT_TRUE(NetAddr_IsValid("020c"));
    EXPECT_FALSE(NetAddr_IsValid("FFF"));
    EXPECT_FALSE(NetAddr_IsValid("FFFG"));
    EXPECT_TRUE(SerialNo_IsValid("0a"));
    EXPECT_FALSE(SerialNo_IsValid("0"));
    EXPECT_FALSE(SerialNo_IsValid("0x"));
    EXPECT_TRUE(StationNo_IsValid(""));
    EXPECT_TRUE(StationNo_IsValid("31"));
    EXPECT_FALSE(StationNo_IsValid("5"));
    EXPECT_FALSE(StationNo_IsValid("3a"));
}

TEST(FramesTest, EthernetRequest)
{
    std::vector<uint8_t> b;
    ASSERT_TRUE(EthRequest_Build("00", "", "FFFF", "1000", b));
    EXPECT_EQ(b, (std::vector<uint8_t>{0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x10, 0x00}));
    ASSERT_TRUE(EthRequest_Build("1f", "05", "020C", "A00200000001", b));
    EXPECT_EQ(b, (std::vector<uint8_t>{0x00, 0x1F, 0x05, 0x02, 0x0C, 0x00, 0x00, 0xA0, 0x02, 0x00, 0x00, 0x00, 0x01}));
    ASSERT_TRUE(EthRequest_Build("00", "", "FFFF", "A01", b)); // odd task: "0" appended
    EXPECT_EQ(b.back(), 0x10);
    const struct { const char *seri, *stat, *addr, *task; } bad[] = {
        {"0", "", "FFFF", "1000"}, {"0G", "", "FFFF", "1000"}, {"00", "5", "FFFF", "1000"},
        {"00", "", "FFF", "1000"}, {"00", "", "FFFF", ""},     {"00", "", "FFFF", "10 0"},
    };
    for (const auto& c : bad) {
        b = {1, 2, 3};
        EXPECT_FALSE(EthRequest_Build(c.seri, c.stat, c.addr, c.task, b)) << c.seri << "|" << c.stat << "|" << c.addr << "|" << c.task;
        EXPECT_TRUE(b.empty());
    }
}

TEST(FramesTest, EthernetAnswerClasses)
{
    const struct {
        std::vector<uint8_t> bytes;
        EthAnswer cls;
        const char* hex;
    } cases[] = {
        {{}, EthAnswer::Ignored, ""},
        {{0x80}, EthAnswer::Ignored, ""},
        {{0x80, 0x00}, EthAnswer::Error, "00"},                       // no status byte
        {{0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00}, EthAnswer::Error, "00FFFF0000"},
        {{0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00}, EthAnswer::Done, "00FFFF000000"},
        {{0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x12, 0xab}, EthAnswer::Done, "00FFFF00000012AB"},
        {{0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x08}, EthAnswer::Busy, "00FFFF000008"},
        {{0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x51}, EthAnswer::Error, "00FFFF000051"},
    };
    for (const auto& c : cases) {
        std::string hex = "stale";
        EXPECT_EQ(EthReply_Classify(c.bytes, hex), c.cls) << c.hex;
        EXPECT_EQ(hex, c.hex);
    }
}

} // namespace

// What each of the tasks' texts must bring back before its answer is whole; a wrong row
// would cut a read short or wait for words that never come.
TEST(FramesTest, AnswerShapes)
{
    using K = AnswerShape::Kind;
    const struct { const char* task; K kind; std::size_t words; } cases[] = {
        {"1000", K::StatusOnly, 0},
        {"1700", K::StatusOnly, 0},
        {"7F0100", K::StatusOnly, 0},
        {"FF00000000007F0100", K::StatusOnly, 0},
        {"A50109001241100", K::StatusOnly, 0},              // register write
        {"45010900124" "9D01", K::StatusOnly, 0},
        {"A5010100124E0000", K::StatusOnly, 0},            // closing text
        {"A00001230E01", K::Words, 1},                     // status read, one word
        {"a00001232f01", K::Words, 1},                     // letter case does not matter
        {"400800123004", K::Words, 4},                     // four words, old code set
        {"A00800123101", K::Words, 1},                     // status word of axis B
        {"A00A00F01301", K::Words, 1},                     // variant probes
        {"A4030800123208001233080012300", K::Words, 3},    // three-item read
        {"44020800123208001233", K::Words, 2},
        {"7F0000C0603418", K::MemoryWords, 12},            // short memory reads: byte counts
        {"7F0000C0604C48", K::MemoryWords, 36},
        {"FF00000000007F00180060500013", K::MemoryWords, 19}, // long: word counts
        {"7F020000C060100400010002", K::StatusOnly, 0},    // memory writes bring nothing back
        {"FF00000000007F020018006010000200010002", K::StatusOnly, 0},
        {"A000", K::StatusOnly, 0},                        // too short to name a count
        {"A00001230E00", K::StatusOnly, 0},
        {"7F0000C06034", K::StatusOnly, 0},
    };
    for (const auto& c : cases) {
        const AnswerShape a = AnswerShape_Of(c.task);
        EXPECT_EQ(a.kind, c.kind) << c.task;
        EXPECT_EQ(a.words, c.words) << c.task;
    }
    // The longest reply line: a station, the long memory echo and the words.
    EXPECT_EQ(SerialReplyLine_Max("1000"), 16u + 14 + 4 * 36);
    EXPECT_EQ(SerialReplyLine_Max("FF00000000007F00180060500100"), 16u + 14 + 4 * 256);
}
