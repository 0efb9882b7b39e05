#pragma once
// The peer's own hex digits, apart from the tool's conversions, so a fault in those shows.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace posmod::peerhex {

// Value of a hex digit of either case; -1 for any other character.
inline int digitOf(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Value of up to 8 upper-case hex digits; false for an empty text or any other character.
inline bool hexOf(const std::string& s, uint32_t& v)
{
    if (s.empty() || s.size() > 8) return false;
    v = 0;
    for (char c : s) {
        const int d = c >= 'a' ? -1 : digitOf(c);
        if (d < 0) return false;
        v = v * 16 + static_cast<uint32_t>(d);
    }
    return true;
}

// Two upper-case hex digits of the low 8 bits.
inline std::string hex2(unsigned v)
{
    static const char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(v >> 4) & 0xF], kDigits[v & 0xF]};
}

inline std::string toHex(const uint8_t* p, std::size_t n)
{
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += hex2(p[i]);
    return s;
}

// Bytes of a hex text, two digits a byte; a character that is no digit counts as 0 and
// an odd last digit is dropped.
inline std::vector<uint8_t> fromHex(const std::string& s)
{
    std::vector<uint8_t> out;
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        const int hi = digitOf(s[i]), lo = digitOf(s[i + 1]);
        out.push_back(uint8_t(((hi < 0 ? 0 : hi) << 4) | (lo < 0 ? 0 : lo)));
    }
    return out;
}

} // namespace posmod::peerhex
