#include "main/Frames.h"

#include "shared/Conversions.h"

namespace posmod {

namespace {

bool allDecimal(std::string_view s)
{
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

constexpr std::size_t kLongMemoryEcho = 14; // "FF00000000007F": the long memory form's echo
constexpr std::size_t kTasksLongestRead = 36; // words of a step read
// Bytes a done answer may hold before its memory words beyond the echo itself: the bound
// an answer that never becomes whole is kept to.
constexpr std::size_t kMemoryLeadBytes = 64;

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// The value of hex digits at [at, at+n) of text, or -1.
long hexAt(std::string_view text, std::size_t at, std::size_t n)
{
    if (text.size() < at + n) return -1;
    long v = 0;
    for (char c : text.substr(at, n)) {
        const int d = hexDigitValue(c);
        if (d < 0) return -1;
        v = v * 16 + d;
    }
    return v;
}

// 1-based position of the status in a reply line (STX counting as 1).
std::size_t statusPosition(int procedure, int statusOffset)
{
    return std::size_t((procedure == 2 ? 2 : 10) + (statusOffset > 0 ? statusOffset : 0));
}

} // namespace

std::string Frame_Sum(std::string_view chars)
{
    unsigned sum = 0;
    for (char c : chars) sum += static_cast<unsigned char>(c);
    return hexText(sum & 0xFF, 2);
}

bool NetAddr_IsValid(std::string_view addr) { return addr.size() == 4 && isHexText(addr); }
bool SerialNo_IsValid(std::string_view serial) { return serial.size() == 2 && isHexText(serial); }
bool StationNo_IsValid(std::string_view station)
{
    return station.empty() || (station.size() == 2 && allDecimal(station));
}

std::string RequestFrame_Build(std::string_view task, std::string_view station,
                               std::string_view netAddr, int procedure)
{
    std::string body = "F";
    body += station;
    if (procedure != 2) {
        body += netAddr;
        body += "0000";
    }
    body += task;
    std::string frame(1, STX);
    frame += body;
    frame += Frame_Sum(body);
    frame += CR;
    return frame;
}

std::string EnqPollFrame_Build(std::string_view station)
{
    std::string frame(1, ENQ);
    frame += 'F';
    frame += station;
    frame += '1';
    frame += CR;
    return frame;
}

int ReplyFrame_Check(std::string_view line, int procedure, int statusOffset, std::string& replyBody)
{
    replyBody.clear();
    if (line.empty() || line[0] != STX) return NotStxCode;
    if (line.size() >= 2) replyBody.assign(line.substr(1, line.size() - 2));
    // The sum and CR follow the status at the earliest.
    const std::size_t statusPos = statusPosition(procedure, statusOffset);
    if (line.back() != CR || line.size() < statusPos + 1 + 3) return SumCode;
    const std::size_t len = line.size();
    const std::string_view summed = line.substr(1, len - 4);
    if (!equalsNoCase(Frame_Sum(summed), line.substr(len - 3, 2))) return SumCode;
    if (line.substr(statusPos - 1, 2) != "00") return StatusCode;
    return ReplyOk;
}

bool EthRequest_Build(std::string_view serialNo, std::string_view station, std::string_view netAddr,
                      std::string_view task, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    if (!SerialNo_IsValid(serialNo) || !StationNo_IsValid(station) || !NetAddr_IsValid(netAddr)
        || task.empty() || !isHexText(task))
        return false;
    std::string text = "00";
    text += serialNo;
    text += station;
    text += netAddr;
    text += "0000";
    text += task;
    return HexStr_ToBytes(text, bytes);
}

std::string Bytes_ToHex(const uint8_t* data, std::size_t n)
{
    std::string out;
    out.reserve(n * 2);
    for (std::size_t i = 0; i < n; ++i) out += hexText(data[i], 2);
    return out;
}

std::string ReplyData(std::string_view body, int procedure, int statusOffset)
{
    // The body lacks the STX: 0-based, its status is at statusPosition - 2 and the data follows.
    const std::size_t start = statusPosition(procedure, statusOffset);
    if (body.size() < start + 2) return {};
    return std::string(body.substr(start, body.size() - 2 - start));
}

std::string EthReplyData(std::string_view hex)
{
    // The hex starts at byte 1; the data follows the status byte.
    const std::size_t start = 2 * kEthStatusByte;
    if (hex.size() < start) return {};
    return std::string(hex.substr(start));
}

AnswerShape AnswerShape_Of(std::string_view task)
{
    const std::string t = asciiUpper(std::string(task));
    auto words = [](long n) { return n > 0 ? AnswerShape{AnswerShape::Words, std::size_t(n)} : AnswerShape{}; };
    // Memory reads: "7F00" address(8) byte count(2), "FF00000000007F00" address(8) word count(4).
    if (t.size() == 14 && startsWith(t, "7F00")) {
        const long bytes = hexAt(t, 12, 2);
        return bytes > 0 ? AnswerShape{AnswerShape::MemoryWords, std::size_t(bytes / 2)} : AnswerShape{};
    }
    if (t.size() == 28 && startsWith(t, "FF00000000007F00")) {
        const long n = hexAt(t, 24, 4);
        return n > 0 ? AnswerShape{AnswerShape::MemoryWords, std::size_t(n)} : AnswerShape{};
    }
    // Status reads end in their word count; multi-item reads give the item count first.
    if ((startsWith(t, "A0") || startsWith(t, "40")) && t.size() >= 6 && t.size() % 2 == 0)
        return words(hexAt(t, t.size() - 2, 2));
    if ((startsWith(t, "A4") || startsWith(t, "44")) && t.size() >= 4) return words(hexAt(t, 2, 2));
    return {};
}

std::size_t SerialReplyLine_Max(std::string_view task)
{
    // STX "F" station(2) address(4) "000" status(2) ... sum(2) CR.
    constexpr std::size_t frame = 1 + 1 + 2 + 4 + 3 + 2 + 2 + 1;
    auto dataChars = [](const AnswerShape& a) {
        return a.kind == AnswerShape::MemoryWords ? kLongMemoryEcho + 4 * a.words : 4 * a.words;
    };
    const std::size_t tasks = dataChars({AnswerShape::MemoryWords, kTasksLongestRead});
    const std::size_t own = dataChars(AnswerShape_Of(task));
    return frame + (own > tasks ? own : tasks);
}

void EthAnswerGather::reset(AnswerShape shape)
{
    shape_ = shape;
    bytes_.clear();
    whole_ = false;
}

std::size_t EthAnswerGather::wholeLength() const
{
    const std::size_t head = kEthStatusByte + 1;
    if (bytes_.size() < head) return 0;
    if (bytes_[kEthStatusByte] != 0x00 || shape_.kind == AnswerShape::StatusOnly) return head;
    if (shape_.kind == AnswerShape::Words) {
        const std::size_t n = head + 2 * shape_.words;
        return bytes_.size() >= n ? n : 0;
    }
    // The words follow the first "7F" of the data's hex text, wherever it falls.
    const std::string hex = Bytes_ToHex(bytes_.data() + head, bytes_.size() - head);
    const std::size_t at = hex.find("7F");
    if (at == std::string::npos) return 0;
    const std::size_t chars = at + 2 + 4 * shape_.words;
    return hex.size() >= chars ? head + (chars + 1) / 2 : 0;
}

bool EthAnswerGather::add(const std::vector<uint8_t>& piece)
{
    if (whole_) return true;
    const std::size_t bound = kEthStatusByte + 1 + kMemoryLeadBytes + 2 * shape_.words + kLongMemoryEcho;
    for (uint8_t b : piece) {
        if (bytes_.size() >= bound) break;
        bytes_.push_back(b);
    }
    const std::size_t n = wholeLength();
    if (n == 0) return false;
    bytes_.resize(n);
    whole_ = true;
    return true;
}

EthAnswer EthReply_Classify(const std::vector<uint8_t>& bytes, std::string& replyHex)
{
    replyHex.clear();
    if (bytes.size() < 2) return EthAnswer::Ignored;
    replyHex = Bytes_ToHex(bytes.data() + 1, bytes.size() - 1);
    if (bytes.size() <= kEthStatusByte) return EthAnswer::Error;
    switch (bytes[kEthStatusByte]) {
    case 0x00: return EthAnswer::Done;
    case 0x08: return EthAnswer::Busy;
    default: return EthAnswer::Error;
    }
}

} // namespace posmod
