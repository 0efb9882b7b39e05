#pragma once
// The words a write sends, made from the texts of an editor's cells and checked before any
// link is opened: a text that cannot become whole words of its item refuses the transfer,
// so the module never receives a shifted or truncated word.
#include <string>

#include "shared/EntryCheck.h"
#include "shared/Grid.h"
#include "shared/Messages.h"

namespace posmod {

class Transfer;

// A cell that cannot become its words fails as a typed entry does; said with EntryError_Text.
using WordFault = EntryError;

struct SendWord {
    WordFault fault = WordFault::None;
    std::string hex; // 4 (one word) or 8 (two words) upper-case digits; empty on a fault
    std::string low() const { return hex.size() == 8 ? hex.substr(4) : hex; }
    std::string high() const { return hex.size() == 8 ? hex.substr(0, 4) : std::string(); }
};

// The word(s) of a cell text. Decimal display: digits with at most one leading minus, one
// word 0..65535, two words a signed 32-bit value (negative as its two's complement).
// Hexadecimal display: up to 4 (8) digits of either case. Anything else, blanks and the
// empty text included, is Numeric; a number outside its item is Limit.
SendWord SendWord_FromText(const std::string& text, bool decimal, bool twoWords);

// A refused cell: its message (exclamation) and the grid's current cell on it; the
// transfer's result is then 2.
uint8_t WordFault_Refuse(const Transfer& t, WordFault f, GridCells* grid, int row, int col);

} // namespace posmod
