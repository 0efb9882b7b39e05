#include "transfer/CsvFields.h"

#include <cerrno>
#include <iconv.h>

#include "shared/Conversions.h"

namespace posmod {

namespace {

// A line of the legacy double-byte code page as UTF-8; false when it is not such a line.
bool fromCp932(const std::string& line, std::string& out)
{
    iconv_t cd = ::iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string result;
    std::string in = line;
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char buf[256];
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buf;
        std::size_t outLeft = sizeof buf;
        const std::size_t n = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        result.append(buf, static_cast<std::size_t>(outPtr - buf));
        if (n == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
    }
    ::iconv_close(cd);
    if (ok) out = std::move(result);
    return ok;
}

std::string decodeLine(const std::string& line)
{
    if (isValidUtf8(line)) return line;
    std::string text;
    if (fromCp932(line, text)) return text;
    return latin1ToUtf8(line);
}

} // namespace

const char* CsvRead_Message(CsvRead r)
{
    switch (r) {
    case CsvRead::NumericError: return kNumericErrorMessage;
    case CsvRead::LimitError: return kLimitErrorMessage;
    case CsvRead::NoData: return kNoDataMessage;
    case CsvRead::Ok:
    case CsvRead::Failed: break;
    }
    return nullptr;
}

std::vector<std::string> CsvFields_Split(std::string_view bytes)
{
    std::string text(bytes);
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    std::vector<std::string> fields;
    // Commas and line ends are single bytes in both encodings, and no byte of a CP932
    // character is one of them, so the line is split before it is decoded.
    for (const std::string& raw : splitLines(text)) {
        if (raw.empty()) continue;
        const std::string line = decodeLine(raw);
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = line.find(',', start);
            if (comma == std::string::npos) {
                fields.push_back(line.substr(start));
                break;
            }
            fields.push_back(line.substr(start, comma - start));
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
