#pragma once
// The positioning writes: the "Setting data" rows of a positioning editor into the module,
// item by item through the register table (one- and two-axis models) or step by step as
// four-axis step blocks; after each item or step its texts move into the "Current data" row.
// The register write loop is shared with the parameter writes.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shared/EditorTable.h"
#include "shared/Grid.h"

namespace posmod {

class Transfer;

// The text of (fromRow, fromCol) into (toRow, toCol), then (fromRow, fromCol) emptied.
void GridCell_Move(GridCells& grid, int fromRow, int fromCol, int toRow, int toCol);

// After four-axis step k of the window was written: for each axis of axisMask (A 1, B 2,
// C 4, D 8; a mask outside 1-15 does nothing) every filled Setting cell of columns 2-8
// moves into the Current row above it, zero-filled to 4 (columns 2-6) or 8 digits
// (columns 7-8) while the editor shows hexadecimal values.
void Zr4AxisCell_Format(const EditorTable& editor, int axisMask, int k);

// One register row to write and the cells that move once it is written.
struct RegisterItem {
    struct Move { int fromRow, fromCol, toRow, toCol; };
    int row = 0;
    std::string low, high; // high empty for a one-word row
    GridCells* grid = nullptr;
    std::array<Move, 2> moves{};
    int moveCount = 0;
};

// The link opened, every item's words stored in WriteData/WriteDataH, task 1, then one
// register write per item with Cancel tested before each, the bar stepped and the item's
// cells moved after each. Nothing to write: "No data.Please specify it" and done.
uint8_t RegisterWrite_Run(Transfer& t, const std::vector<RegisterItem>& items);

// Mode 6 (frmAutoRunJVMode), 8 (frmAutoRun7WMode), 7 (frmAutoRunZr4Mode).
uint8_t CpuAutoWriteJVsub(Transfer& t);
uint8_t CpuAutoWrite7Wsub(Transfer& t);
uint8_t CpuAutoWriteZ4sub(Transfer& t);

} // namespace posmod
