#include "transfer/RangeEntry.h"

#include <cctype>
#include <limits>

#include "shared/Conversions.h"

namespace posmod {

namespace {

bool sameText(const std::string& a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

// The value of a text that passed the decimal check, saturated beyond the 64-bit range.
int64_t leadingValue(const std::string& t)
{
    std::size_t i = 0;
    const bool negative = !t.empty() && t[0] == '-';
    if (negative) i = 1;
    int64_t v = 0;
    constexpr int64_t cap = std::numeric_limits<int64_t>::max() / 10 - 9;
    for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i) {
        if (v < cap) v = v * 10 + (t[i] - '0');
    }
    return negative ? -v : v;
}

} // namespace

const char* RangeEntry_Message(RangeEntryError e)
{
    switch (e) {
    case RangeEntryError::Numeric: return "Data Numeric Error";
    case RangeEntryError::Limit: return "Data Limit Error";
    case RangeEntryError::None: break;
    }
    return "";
}

RangeEntryError StepPair_Check(const std::string& firstText, const std::string& lastText,
                               int32_t& first, int32_t& last)
{
    if (!NumText_Check(firstText, true)) return RangeEntryError::Numeric;
    if (!NumText_Check(lastText, true)) return RangeEntryError::Numeric;
    const int64_t f = leadingValue(firstText), l = leadingValue(lastText);
    if (f < 0 || f > 255 || l < 0 || l > 255 || f > l) return RangeEntryError::Limit;
    first = static_cast<int32_t>(f);
    last = static_cast<int32_t>(l);
    return RangeEntryError::None;
}

int32_t CsvStoreKind_FromText(const std::string& dataText)
{
    if (sameText(dataText, "Common parameter/Operation Data")) return 0;
    if (sameText(dataText, "Common parameter only")) return 1;
    return 2;
}

int32_t CsvStoreAxis_FromText(int moduleType, const std::string& axisText)
{
    if (moduleType == 5) {
        static const char* const z4[] = {"All axis data", "A axis data only", "B axis data only",
                                         "C axis data only"};
        for (int i = 0; i < 4; ++i)
            if (sameText(axisText, z4[i])) return i;
        return 4;
    }
    if (sameText(axisText, "X / Y axis data")) return 0;
    if (sameText(axisText, "X axis data only")) return 1;
    return 2;
}

} // namespace posmod
