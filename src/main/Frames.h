#pragma once
// The frames of the task-code link: RS-232C text frames with their sum, and the
// binary frames over TCP. Pure functions; the exchange itself is in Link.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace posmod {

inline constexpr char STX = 0x02;
inline constexpr char EOT = 0x04;
inline constexpr char ENQ = 0x05;
inline constexpr char ACK = 0x06;
inline constexpr char CR = 0x0D;
inline constexpr char NAK = 0x15;

// Failure codes of one RS-232C exchange (0 = done).
enum ReplyCode : int {
    ReplyOk = 0,
    NoAckCode = 1,      // five lines answered the request, none ACK (nor STX with procedure 2)
    NotStxCode = 2,     // the line answering an ENQ began with neither STX nor EOT
    StatusCode = 3,     // status not "00"
    SumCode = 4,        // sum mismatch, or a line too short to hold its fields
};

// Sum of the character codes modulo 256, as two upper-case hex digits.
std::string Frame_Sum(std::string_view chars);

// The stored forms of the addressing fields.
bool NetAddr_IsValid(std::string_view addr);     // 4 hex digits
bool SerialNo_IsValid(std::string_view serial);  // 2 hex digits
bool StationNo_IsValid(std::string_view station); // empty, or 2 decimal digits

// STX "F" station [address "0000" with procedure 1] task sum CR. Any procedure other
// than 2 is procedure 1. The task text is sent as given.
std::string RequestFrame_Build(std::string_view task, std::string_view station,
                               std::string_view netAddr, int procedure);
// ENQ "F" station "1" CR.
std::string EnqPollFrame_Build(std::string_view station);

// Checks one reply line (STX .. CR). replyBody gets characters 2 to Len-1 when the line
// starts with STX (sum kept), else is emptied. The status is read at 10 + offset
// (procedure 1) or 2 + offset (procedure 2), counting from 1 at the STX. A line too
// short to hold STX, status, sum and CR fails with SumCode.
int ReplyFrame_Check(std::string_view line, int procedure, int statusOffset, std::string& replyBody);

// The data of a reply body as ReplyFrame_Check gives it: what follows the status field,
// before the sum; empty when the body is too short to hold them.
std::string ReplyData(std::string_view body, int procedure, int statusOffset);

// "00" serial station address "0000" task as bytes. False (bytes emptied) when a field is
// not of its stored form or the task is not a non-empty text of hex digits.
bool EthRequest_Build(std::string_view serialNo, std::string_view station, std::string_view netAddr,
                      std::string_view task, std::vector<uint8_t>& bytes);

enum class EthAnswer {
    Ignored, // fewer than 2 bytes: not an answer
    Done,    // status 0x00
    Busy,    // status 0x08: send the same request again
    Error,   // any other status, or too short to hold the status byte
};
inline constexpr std::size_t kEthStatusByte = 6;

// What a done answer to a task text carries after its status: nothing, words (a status or
// register read: its last data words are read), or a memory read's words, which follow
// the first "7F" of the data.
struct AnswerShape {
    enum Kind { StatusOnly, Words, MemoryWords } kind = StatusOnly;
    std::size_t words = 0;
};
AnswerShape AnswerShape_Of(std::string_view task);

// The longest RS-232C reply line (STX to CR) that can answer the task text: the header
// with a station, status, the data the shape allows, sum and CR; never below the longest
// answer of the tasks' own reads.
std::size_t SerialReplyLine_Max(std::string_view task);

// Gathers the pieces of one Ethernet answer as TCP delivers them, until the answer the
// request implies is whole: its status byte says busy or error, or a done answer holds
// what the shape asks for. Bytes beyond the whole answer are not kept, and an answer
// that never becomes whole stops growing at a bound.
class EthAnswerGather {
public:
    explicit EthAnswerGather(AnswerShape shape = {}) : shape_(shape) {}
    void reset(AnswerShape shape);
    // Takes arrived bytes; true once the answer is whole (later bytes are ignored).
    bool add(const std::vector<uint8_t>& piece);
    bool whole() const { return whole_; }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    std::size_t wholeLength() const;
    AnswerShape shape_;
    std::vector<uint8_t> bytes_;
    bool whole_ = false;
};

// The data of an answer's hex as EthReply_Classify gives it: what follows the status byte;
// empty when the hex is too short to hold it.
std::string EthReplyData(std::string_view hex);

// Classifies one answer; replyHex gets bytes 1.. as upper-case hex (emptied when Ignored).
EthAnswer EthReply_Classify(const std::vector<uint8_t>& bytes, std::string& replyHex);

// Upper-case hex of bytes, two digits each.
std::string Bytes_ToHex(const uint8_t* data, std::size_t n);

} // namespace posmod
