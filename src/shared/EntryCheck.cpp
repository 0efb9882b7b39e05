#include "shared/EntryCheck.h"

#include <limits>

#include "shared/Conversions.h"
#include "shared/MessageTexts.h"

namespace posmod {

namespace {

std::size_t maxDigits(ValueForm f) { return IsLong(f) ? 8 : 4; }

bool allZero(const std::string& hex)
{
    for (char c : hex)
        if (c != '0') return false;
    return true;
}

} // namespace

const char* EntryError_Text(EntryError e)
{
    switch (e) {
    case EntryError::Numeric: return kNumericErrorMessage;
    case EntryError::Limit: return kLimitErrorMessage;
    case EntryError::None: break;
    }
    return "";
}

EntryResult EntryData_Check(ValueForm form, bool decimal, const std::string& text)
{
    EntryResult r;
    if (text.empty()) return r;
    if (!NumText_Check(text, decimal)) {
        r.error = EntryError::Numeric;
        return r;
    }
    if (decimal) {
        const std::optional<int64_t> v = signedDecimalValue(text);
        if (!v || *v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max()) {
            r.error = EntryError::Limit;
            return r;
        }
        r.hex = *v < 0 ? hexText(static_cast<uint32_t>(*v), 8) : hexText(static_cast<uint64_t>(*v));
    } else {
        r.hex = asciiUpper(text);
    }
    if (form == ValueForm::None) return r;
    if (r.hex.size() > maxDigits(form) || (form == ValueForm::WordNonZero && allZero(r.hex))) {
        r.error = EntryError::Limit;
        r.hex.clear();
    }
    return r;
}

std::string DisplayText_ToDec(ValueForm form, const std::string& hexText)
{
    if (form == ValueForm::None || hexText.empty() || hexText.size() > 16 || !isHexText(hexText)) return hexText;
    const auto digits = static_cast<uint8_t>(hexText.size());
    return IsLong(form) ? HexToDecSign(hexText, digits) : HexToDec(hexText, digits);
}

std::string DisplayText_ToHex(ValueForm form, const std::string& decText)
{
    if (form == ValueForm::None || !NumText_Check(decText, true)) return decText;
    const std::optional<int64_t> v = signedDecimalValue(decText);
    if (!v || *v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<uint32_t>::max()) return decText;
    std::string hex = *v < 0 ? hexText(static_cast<uint32_t>(*v), 8) : hexText(static_cast<uint64_t>(*v));
    return IsLong(form) ? Hex8_Zero(hex) : Hex4_Zero(hex);
}

GridKeyOpen GridKey_Opens(int keyAscii, bool decimal)
{
    if (keyAscii == 13) return GridKeyOpen::WithCellText;
    if ((keyAscii >= '0' && keyAscii <= '9') || (keyAscii >= 'A' && keyAscii <= 'F') ||
        (keyAscii >= 'a' && keyAscii <= 'f'))
        return GridKeyOpen::WithChar;
    if (keyAscii == '-' && decimal) return GridKeyOpen::WithChar;
    return GridKeyOpen::Ignore;
}

void EditRules::options(const GridCells&, int, int, bool, Public::OptionListArray& list) const
{
    list.fill(std::string());
    list[0] = "NO_DATA";
    list[10] = "0";
}

void GridDisplay_Convert(GridCells& g, const EditRules& rules, bool toDecimal)
{
    for (int r = 1; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c) {
            const ValueForm f = rules.cell(g, r, c).form;
            if (f == ValueForm::None) continue;
            const std::string t = g.TextMatrix(r, c);
            if (t.empty()) continue;
            g.setTextMatrix(r, c, toDecimal ? DisplayText_ToDec(f, t) : DisplayText_ToHex(f, t));
        }
}

std::string OptionChoice_Text(const std::string& entry) { return entry == "Cancel" ? std::string() : entry; }

} // namespace posmod
