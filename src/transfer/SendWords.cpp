#include "transfer/SendWords.h"

#include <cstdint>

#include "shared/Conversions.h"
#include "transfer/Transfer.h"

namespace posmod {

namespace {

SendWord fault(WordFault f) { return {f, {}}; }

} // namespace

SendWord SendWord_FromText(const std::string& text, bool decimal, bool twoWords)
{
    const std::size_t width = twoWords ? 8 : 4;
    if (!NumText_Check(text, decimal)) return fault(WordFault::Numeric);
    if (!decimal) {
        if (text.size() > width) return fault(WordFault::Limit);
        std::string hex = asciiUpper(text);
        return {WordFault::None, twoWords ? Hex8_Zero(hex) : Hex4_Zero(hex)};
    }
    // Digits only, so a value that does not fit 64 bits is far outside any item.
    const std::optional<int64_t> v = signedDecimalValue(text);
    if (!v) return fault(WordFault::Limit);
    const int64_t lo = twoWords ? INT32_MIN : 0, hi = twoWords ? INT32_MAX : UINT16_MAX;
    if (*v < lo || *v > hi) return fault(WordFault::Limit);
    const uint64_t bits = twoWords ? static_cast<uint32_t>(static_cast<int32_t>(*v)) : static_cast<uint64_t>(*v);
    return {WordFault::None, hexText(bits, width)};
}

uint8_t WordFault_Refuse(const Transfer& t, WordFault f, GridCells* grid, int row, int col)
{
    if (grid) {
        grid->setRow(row);
        grid->setCol(col);
    }
    t.show(EntryError_Text(f), MsgIcon::Exclamation);
    return kTransferFailed;
}

} // namespace posmod
