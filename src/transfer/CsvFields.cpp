#include "transfer/CsvFields.h"

#include "shared/Conversions.h"
#include "shared/TextCodec.h"

namespace posmod {

std::string CsvRead_Message(CsvRead r, int line)
{
    switch (r) {
    case CsvRead::NumericError: return kNumericErrorMessage;
    case CsvRead::LimitError: return kLimitErrorMessage;
    case CsvRead::NoData: return kNoDataMessage;
    case CsvRead::Failed:
        return line > 0 ? std::string(kFileReadErrorMessage) + " (line " + std::to_string(line) + ")"
                        : std::string(kFileReadErrorMessage);
    case CsvRead::Ok: break;
    }
    return {};
}

std::vector<CsvField> CsvFields_Split(std::string_view bytes)
{
    std::vector<CsvField> fields;
    // Each line decoded on its own: a legacy line among UTF-8 ones spoils no other. Commas
    // are single bytes in both encodings and no byte of a CP932 character is one.
    int number = 0;
    for (const TextLine& line : decodeTextFile(bytes).lines) {
        ++number;
        if (line.text.empty()) continue;
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = line.text.find(',', start);
            if (comma == std::string::npos) {
                fields.push_back({line.text.substr(start), number});
                break;
            }
            fields.push_back({line.text.substr(start, comma - start), number});
            start = comma + 1;
        }
    }
    return fields;
}

std::string CsvAxisNameField(const std::string& name)
{
    std::string out = name;
    for (char& c : out)
        if (c == ',' || c == '\r' || c == '\n') c = ' ';
    return out;
}

CsvRead CsvHexWord_Check(const std::string& text, std::size_t maxDigits)
{
    if (text.empty() || !isHexText(text)) return CsvRead::NumericError;
    if (text.size() > maxDigits) return CsvRead::LimitError;
    return CsvRead::Ok;
}

bool CsvDecimalCell_Hex(const std::string& text, std::string& hex)
{
    const std::optional<int64_t> v = signedDecimalValue(text);
    if (!v || *v < INT32_MIN || *v > INT32_MAX) return false;
    hex = *v < 0 ? hexText(static_cast<uint32_t>(static_cast<int32_t>(*v)), 8) : hexText(static_cast<uint64_t>(*v));
    return true;
}

bool CsvDecimalField(const std::string& text, int& value)
{
    if (text.empty()) return false;
    int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        if (v > 1'000'000) v = 1'000'000; // past every index the files hold
    }
    value = static_cast<int>(v);
    return true;
}

} // namespace posmod
