#include "params/ParmZr4Rows.h"

#include "shared/Conversions.h"

namespace posmod {

std::string ParmZr4_CurrentText(const std::array<Public::Z4WordRec, 19>& words, int row, bool decimal)
{
    auto word = [&](int w) -> const std::string& { return words[static_cast<size_t>(w)].Word; };
    if (row >= 1 && row <= 11) {
        // Option rows: word 0 fields 1-4, word 1 fields 2-4, word 2 fields 1-4 (field 1 leftmost).
        const int w = row <= 4 ? 0 : row <= 7 ? 1 : 2;
        const int field = row <= 4 ? row - 1 : row <= 7 ? row - 4 : row - 8;
        const std::string& t = word(w);
        return field < static_cast<int>(t.size()) ? t.substr(static_cast<size_t>(field), 1) : std::string();
    }
    if (row >= 12 && row <= 19) return CurrentCellText(word(row - 9), false, decimal);
    if (row >= 20 && row <= 23) {
        // Two words, the high one first.
        const int low = 11 + 2 * (row - 20);
        return CurrentCellText(word(low + 1) + word(low), true, decimal);
    }
    return {};
}

} // namespace posmod
