#pragma once
// The parameter writes: the "Setting data" column of a parameter editor into the module,
// register row by register row (one- and two-axis models) or as one 19-word block per
// four-axis axis; after each item its cells move into the "Current data" column.
#include <cstdint>
#include <string>

#include "shared/Grid.h"

namespace posmod {

class Transfer;

// The option word of the four-axis group starting at row firstRow (1, 5 or 8) of a
// parameter grid, each row's text taken from "Setting data", or "Current data" when that is
// empty: 4 upper-case hexadecimal digits, "NG_DATA" when a row has neither text or a text
// that is not one of its row's options, "" for another firstRow.
std::string PrmZ4_GridCodesub(const GridCells& grid, int firstRow);

// Mode 2 (frmParmJV), 3 (frmParmZr4), 4 (frmParm7W).
uint8_t CpuPrmWriteJVsub(Transfer& t);
uint8_t CpuPrmWriteZ4sub(Transfer& t);
uint8_t CpuPrmWrite7Wsub(Transfer& t);

} // namespace posmod
