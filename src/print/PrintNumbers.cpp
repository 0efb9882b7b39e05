#include "print/PrintNumbers.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

namespace posmod {

std::optional<double> NumericText_Value(const std::string& text)
{
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    const char* mantissa = p;
    int intDigits = 0, fracDigits = 0;
    while (p != end && *p >= '0' && *p <= '9') ++p, ++intDigits;
    if (p != end && *p == '.') {
        ++p;
        while (p != end && *p >= '0' && *p <= '9') ++p, ++fracDigits;
    }
    if (intDigits + fracDigits == 0) return std::nullopt;
    const char* mantissaEnd = p;
    long long exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        bool expNegative = false;
        if (p != end && (*p == '+' || *p == '-')) expNegative = *p++ == '-';
        if (p == end || *p < '0' || *p > '9') return std::nullopt;
        while (p != end && *p >= '0' && *p <= '9') {
            if (exponent < 1000000) exponent = exponent * 10 + (*p - '0');
            ++p;
        }
        if (expNegative) exponent = -exponent;
    }
    if (p != end) return std::nullopt;

    double value = 0;
    // from_chars takes no leading '+'; the sign is applied below.
    const auto res = std::from_chars(mantissa, end, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large or too small: which one follows from the decimal exponent of the
        // first significant digit.
        long long lead = 0;
        bool found = false;
        int pos = 0;
        for (const char* q = mantissa; q != mantissaEnd; ++q) {
            if (*q == '.') continue;
            if (*q != '0') {
                lead = intDigits - pos - 1;
                found = true;
                break;
            }
            ++pos;
        }
        value = found && lead + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (res.ec != std::errc() || res.ptr != end) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<float> MarginText_Value(const std::string& text)
{
    const auto v = NumericText_Value(text);
    if (!v || !(std::fabs(*v) <= FLT_MAX)) return std::nullopt;
    return static_cast<float>(*v);
}

double RoundHalfEven(double v)
{
    if (!std::isfinite(v)) return v;
    const double f = std::floor(v);
    const double d = v - f;
    if (d > 0.5) return f + 1;
    if (d < 0.5) return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

std::string SingleText(float v)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, res.ptr);
    return s == "-0" ? "0" : s;
}

} // namespace posmod
