#include "params/ParamOptions.h"

#include "shared/Conversions.h"
#include "shared/NameTables.h"

namespace posmod {

namespace {

// The digit of an item's field within its word, 0 = most significant.
int fieldDigit(int item) { return item <= 4 ? item - 1 : item <= 7 ? item - 4 : item - 8; }

} // namespace

std::string ParmZr4_CodeText(int item, unsigned code)
{
    if (item < 1 || item > 11) return {};
    for (const OptionCodeText& e : ParmZr4_OptionTable(item))
        if (e.code == code) return e.text;
    return std::string(kNoCorrespondingData);
}

std::optional<uint8_t> ParmZr4_OptionCode(int item, std::string_view text)
{
    for (const OptionCodeText& e : ParmZr4_OptionTable(item))
        if (equalsNoCase(e.text, text)) return e.code;
    return std::nullopt;
}

std::string ModeText_Cha(const std::string& modeHex, int item)
{
    if (item < 1 || item > 11) return {};
    const std::string bits = HexToBin(modeHex, 4);
    const std::size_t first = 4 * static_cast<std::size_t>(fieldDigit(item));
    if (bits.size() < first + 4) return std::string(kNoCorrespondingData);
    unsigned code = 0;
    for (std::size_t i = first; i < first + 4; ++i) code = code * 2 + (bits[i] == '1' ? 1 : 0);
    return ParmZr4_CodeText(item, code);
}

std::string PrmZ4_TextCodesub(int firstRow, std::span<const std::string> texts)
{
    if (firstRow != 1 && firstRow != 5 && firstRow != 8) return {};
    const std::size_t rows = firstRow == 5 ? 3 : 4;
    if (texts.size() < rows) return std::string(kNgData);
    static const char kDigits[] = "0123456789ABCDEF";
    std::string word = firstRow == 5 ? "0" : "";
    for (std::size_t k = 0; k < rows; ++k) {
        const auto code = ParmZr4_OptionCode(firstRow + static_cast<int>(k), texts[k]);
        if (!code) return std::string(kNgData);
        word += kDigits[*code];
    }
    return word;
}

std::optional<std::array<std::string, 3>> ParmZr4_OptionWords(std::span<const std::string, 11> texts)
{
    std::array<std::string, 3> words{PrmZ4_TextCodesub(1, texts.subspan(0, 4)),
                                     PrmZ4_TextCodesub(5, texts.subspan(4, 3)),
                                     PrmZ4_TextCodesub(8, texts.subspan(7, 4))};
    for (const std::string& w : words)
        if (w == kNgData) return std::nullopt;
    return words;
}

} // namespace posmod
