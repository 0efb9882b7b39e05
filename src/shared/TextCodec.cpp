#include "shared/TextCodec.h"

#include <cerrno>
#include <cstdint>
#include <iconv.h>

#include "shared/Conversions.h"

namespace posmod {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One conversion of the C library, closed when it goes.
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(::iconv_open(to, from)) {}
    ~Iconv()
    {
        if (ok()) ::iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)); }

    // Converts in into out. A byte the conversion refuses (a bad or cut sequence, or a
    // character the target lacks) stops it: false, with at at that byte.
    bool run(std::string_view in, std::size_t& at, std::string& out)
    {
        char buf[1024];
        ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (at < in.size()) {
            char* src = const_cast<char*>(in.data() + at);
            std::size_t srcLeft = in.size() - at;
            char* dst = buf;
            std::size_t dstLeft = sizeof buf;
            const std::size_t r = ::iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buf, static_cast<std::size_t>(dst - buf));
            at = in.size() - srcLeft;
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

bool isAscii(std::string_view bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

} // namespace

std::string cp932ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    Iconv cv("UTF-8", "CP932");
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (cv.ok() && cv.run(bytes, at, out)) break;
        // Without the conversion, plain ASCII still reads as itself.
        if (!cv.ok() && static_cast<unsigned char>(bytes[at]) < 0x80) {
            out += bytes[at++];
            continue;
        }
        out += kReplacement;
        ++at;
    }
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view text)
{
    if (isAscii(text)) return std::string(text);
    if (!isValidUtf8(std::string(text))) return std::nullopt;
    Iconv cv("CP932", "UTF-8");
    if (!cv.ok()) return std::nullopt;
    std::string out;
    std::size_t at = 0;
    if (!cv.run(text, at, out)) return std::nullopt;
    return out;
}

std::string encodeText(std::string_view text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Cp932)
        if (auto bytes = utf8ToCp932(text)) return *bytes;
    return std::string(text);
}

TextFile decodeTextFile(std::string_view bytes)
{
    TextFile file;
    if (bytes.starts_with(kByteOrderMark)) {
        file.byteOrderMark = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    // Splitting the bytes is safe in both encodings: CR and LF are never part of a
    // CP932 character.
    std::size_t start = 0;
    auto take = [&](std::size_t end) { file.lines.push_back({std::string(bytes.substr(start, end - start)), {}, {}}); };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        take(i);
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) take(bytes.size());

    for (TextLine& line : file.lines) {
        if (isAscii(line.bytes) || isValidUtf8(line.bytes)) {
            line.text = line.bytes;
        } else {
            line.text = cp932ToUtf8(line.bytes);
            line.encoding = TextEncoding::Cp932;
            file.encoding = TextEncoding::Cp932;
        }
    }
    for (TextLine& line : file.lines)
        if (isAscii(line.bytes)) line.encoding = file.encoding;
    return file;
}

} // namespace posmod
