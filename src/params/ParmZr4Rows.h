#pragma once
// Which word and field of an axis feed each row of the four-axis parameter grid.
#include <array>
#include <string>

#include "shared/Public.h"

namespace posmod {

// The current-data text of a grid row (1-23) from the words of one axis as read:
// rows 1-11 the 4-bit field of the option word, 12-19 one word, 20-23 two words.
std::string ParmZr4_CurrentText(const std::array<Public::Z4WordRec, 19>& words, int row, bool decimal);

} // namespace posmod
