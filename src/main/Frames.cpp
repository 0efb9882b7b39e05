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
