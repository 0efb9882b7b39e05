#include "shared/Conversions.h"

#include <algorithm>
#include <limits>

namespace posmod {

namespace {

// Length of the UTF-8 sequence at text[i] and its code point; a byte that does not
// start a well-formed sequence is one character of its own (its byte value).
std::size_t utf8At(const std::string& text, std::size_t i, uint32_t& cp) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    std::size_t len = 0;
    uint32_t min = 0;
    if (b0 < 0x80) { cp = b0; return 1; }
    if (b0 >= 0xC2 && b0 <= 0xDF) { len = 2; cp = b0 & 0x1F; min = 0x80; }
    else if (b0 >= 0xE0 && b0 <= 0xEF) { len = 3; cp = b0 & 0x0F; min = 0x800; }
    else if (b0 >= 0xF0 && b0 <= 0xF4) { len = 4; cp = b0 & 0x07; min = 0x10000; }
    else { cp = b0; return 1; }
    if (i + len > text.size()) { cp = b0; return 1; }
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) { cp = b0; return 1; }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { cp = b0; return 1; }
    return len;
}

std::string& zeroFillTo(std::string& text, std::size_t width) {
    const std::size_t n = utf8Length(text);
    if (n >= 1 && n < width) text.insert(0, width - n, '0');
    return text;
}

// Decimal digits of a non-negative whole number too large for 64 bits, kept as
// base-10^9 limbs, least significant first.
using Limbs = std::vector<uint32_t>;
constexpr uint32_t kLimbBase = 1000000000u;

void limbsMulAdd(Limbs& v, uint32_t mul, uint32_t add) {
    uint64_t carry = add;
    for (auto& limb : v) {
        const uint64_t x = static_cast<uint64_t>(limb) * mul + carry;
        limb = static_cast<uint32_t>(x % kLimbBase);
        carry = x / kLimbBase;
    }
    while (carry) { v.push_back(static_cast<uint32_t>(carry % kLimbBase)); carry /= kLimbBase; }
}

// v -= 4294967296; v must be larger.
void limbsSub2p32(Limbs& v) {
    const uint32_t sub[2] = {294967296u, 4u};
    int64_t borrow = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        int64_t x = static_cast<int64_t>(v[i]) - (i < 2 ? sub[i] : 0) - borrow;
        borrow = x < 0 ? 1 : 0;
        if (x < 0) x += kLimbBase;
        v[i] = static_cast<uint32_t>(x);
    }
    while (v.size() > 1 && v.back() == 0) v.pop_back();
}

std::string limbsText(const Limbs& v) {
    std::string out = std::to_string(v.back());
    for (std::size_t i = v.size() - 1; i-- > 0;) {
        const std::string part = std::to_string(v[i]);
        out += std::string(9 - part.size(), '0') + part;
    }
    return out;
}

std::string hexToDecimal(const std::string& hexText, uint8_t digits, bool sign) {
    auto digitAt = [&](std::size_t i) -> uint32_t {
        if (i >= hexText.size()) return 0;
        const int d = hexDigitValue(hexText[i]);
        return d < 0 ? 0u : static_cast<uint32_t>(d);
    };
    const bool subtract = sign && digits >= 8 && !hexText.empty() && hexDigitValue(hexText[0]) >= 8;
    if (digits <= 15) {  // below 2^60: exact in 64 bits
        int64_t value = 0;
        for (std::size_t i = 0; i < digits; ++i) value = value * 16 + digitAt(i);
        if (subtract) value -= 4294967296LL;
        return std::to_string(value);
    }
    Limbs v{0};
    for (std::size_t i = 0; i < digits; ++i) limbsMulAdd(v, 16, digitAt(i));
    // With 16 or more digits and a first digit 8-F the value is far above 2^32.
    if (subtract) limbsSub2p32(v);
    return limbsText(v);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::size_t utf8Length(const std::string& text) {
    std::size_t n = 0;
    uint32_t cp = 0;
    for (std::size_t i = 0; i < text.size(); i += utf8At(text, i, cp)) ++n;
    return n;
}

std::string utf8Mid(const std::string& text, std::size_t first, std::size_t count) {
    std::size_t i = 0, n = 0;
    uint32_t cp = 0;
    while (i < text.size() && n < first) { i += utf8At(text, i, cp); ++n; }
    const std::size_t start = i;
    n = 0;
    while (i < text.size() && n < count) { i += utf8At(text, i, cp); ++n; }
    return text.substr(start, i - start);
}

bool isValidUtf8(const std::string& text) {
    uint32_t cp = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = utf8At(text, i, cp);
        if (len == 1 && static_cast<unsigned char>(text[i]) >= 0x80) return false;
        i += len;
    }
    return true;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string asciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (up(a[i]) != up(b[i])) return false;
    return true;
}

std::string StrByte_Cut(std::string text, uint8_t maxBytes) {
    unsigned total = 0;
    uint32_t cp = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t len = utf8At(text, i, cp);
        total += cp <= 0xFF ? 1 : 2;
        if (total > maxBytes) break;
        i += len;
    }
    text.resize(i);
    return text;
}

bool HexStr_ToBytes(std::string hexText, std::vector<uint8_t>& bytes) {
    bytes.clear();
    if (hexText.empty()) return false;
    for (char c : hexText)
        if (hexDigitValue(c) < 0) return false;
    if (hexText.size() % 2) hexText += '0';
    bytes.resize(hexText.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(hexDigitValue(hexText[2 * i]) * 16 + hexDigitValue(hexText[2 * i + 1]));
    return true;
}

std::string HexToBin(const std::string& hexText, uint8_t byteCount) {
    std::string out;
    const std::size_t n = std::min<std::size_t>(hexText.size(), 2u * byteCount);
    for (std::size_t i = 0; i < n; ++i) {
        const int d = hexDigitValue(hexText[i]);
        if (d < 0) continue;
        for (int bit = 3; bit >= 0; --bit) out += (d >> bit) & 1 ? '1' : '0';
    }
    return out;
}

std::string BinToHex(const std::string& bits, uint8_t bitCount) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t g = 0; g < bitCount / 4u; ++g) {
        if (4 * g + 4 > bits.size()) continue;
        int v = 0;
        bool ok = true;
        for (std::size_t k = 0; k < 4; ++k) {
            const char c = bits[4 * g + k];
            if (c != '0' && c != '1') { ok = false; break; }
            v = v * 2 + (c - '0');
        }
        if (ok) out += kDigits[v];
    }
    return out;
}

std::string& Hex2_Zero(std::string& text) { return zeroFillTo(text, 2); }
std::string& Hex3_Zero(std::string& text) { return zeroFillTo(text, 3); }
std::string& Hex4_Zero(std::string& text) { return zeroFillTo(text, 4); }
std::string& Hex8_Zero(std::string& text) { return zeroFillTo(text, 8); }

std::string HexToDec(const std::string& hexText, uint8_t digits) { return hexToDecimal(hexText, digits, false); }
std::string HexToDecSign(const std::string& hexText, uint8_t digits) { return hexToDecimal(hexText, digits, true); }

std::string ZeroFill_Len(const std::string& text, uint8_t width) {
    const std::size_t n = utf8Length(text);
    if (n < width) return std::string(width - n, '0') + text;
    return utf8Mid(text, n - width);
}

bool NumText_Check(const std::string& text, bool decimalMode) {
    if (text.empty()) return false;
    if (!decimalMode) return isHexText(text);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) continue;
        if (c == '-' && i == 0 && text.size() > 1) continue;
        return false;
    }
    return true;
}

std::optional<int64_t> decimalValue(const std::string& text) {
    int64_t value = 0;
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    for (std::size_t i = 0; i < text.size() && isDigit(text[i]); ++i) {
        const int d = text[i] - '0';
        if (value > (kMax - d) / 10) return std::nullopt;
        value = value * 10 + d;
    }
    return value;
}

std::optional<int64_t> signedDecimalValue(const std::string& text) {
    if (!text.empty() && text[0] == '-') {
        const auto v = decimalValue(text.substr(1));
        if (!v) return std::nullopt;
        return -*v;
    }
    return decimalValue(text);
}

std::optional<uint64_t> hexValue(const std::string& text) {
    if (text.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        const int d = hexDigitValue(c);
        if (d < 0) return std::nullopt;
        if (value >> 60) return std::nullopt;
        value = value * 16 + static_cast<uint64_t>(d);
    }
    return value;
}

std::string hexText(uint64_t value, std::size_t width) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value);
    if (out.size() < width) out.insert(0, width - out.size(), '0');
    return out;
}

bool isHexText(std::string_view text) {
    for (char c : text)
        if (hexDigitValue(c) < 0) return false;
    return true;
}

std::string CurrentCellText(const std::string& hex, bool twoWord, bool decimal) {
    if (!decimal || hex.empty()) return hex;
    return twoWord ? HexToDecSign(hex, 8) : HexToDec(hex, 4);
}

} // namespace posmod
