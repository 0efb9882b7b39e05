#pragma once
// The editing rules of the positioning grids: which cells take the edit box or the detail
// list, the form of each value column, the moves of the keys in the box, the decoded texts of
// a step's mode word, the rows of a default range, and how values read from a CSV file go
// into the "Setting data" rows.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "shared/EntryCheck.h"
#include "shared/Grid.h"
#include "shared/Public.h"
#include "transfer/Z4Csv.h"

namespace posmod {

// The form of a value column. One- and two-axis: 2 mode/dwell (zero allowed), 3-5 not zero,
// 6 the 32-bit target. Four-axis: 2-3 mode and dwell, 4-6 not zero, 7-8 32 bits.
ValueForm StepJV_ColForm(int col);  // also the two-axis grids
ValueForm StepZr4_ColForm(int col);

// The last value column and the detail column of each kind of grid.
inline constexpr int kStepDetailColJV = 7;   // also the two-axis grids
inline constexpr int kStepDetailColZr4 = 9;

// The rows of a grid: row 0 the header, then two per step up to Rows() - 1 (AutoRowCount).
// Setting rows (even, 2..) take the box in the value columns; the detail column of every
// step row takes the detail list, for reading; the Current rows' values are shown in either
// display. Keys in the box: Enter stays, Left and Right move a column (Right from the last
// value column reaches the detail cell), Up moves up (to the Current row), Down moves down
// while below the last row.
const EditRules& StepJV_Rules();  // also each grid of the two-axis editor
const EditRules& StepZr4_Rules();

// The mode word of a cell as four hex digits: the text itself in hex display (1-3 digits
// zero-filled), its value in hex in decimal display; empty when the cell holds no word.
std::string StepMode_Word(const std::string& cellText, bool decimal);
// The detail texts of a one- or two-axis mode word joined without separators ("" for no word).
std::string StepDetail_Text(const std::string& cellText, bool decimal);
// Column 7 of a row of a one- or two-axis grid from its mode cell.
void StepDetail_Fill(GridCells& g, int row, bool decimal);
// Column 7 of every Current row.
void StepDetail_FillCurrent(GridCells& g, bool decimal);

// The Setting rows of steps fromStep..toStep of a window starting at firstStep.
struct RowSpan {
    int first = 0;
    int last = -1;  // below first: none
};
RowSpan StepRange_Rows(int firstStep, int fromStep, int toStep);

// Columns firstCol..lastCol of the Setting rows of span take byCol[firstCol..lastCol] (a
// table indexed by column, as the default tables are); rows outside the grid are skipped.
void StepSetting_Fill(GridCells& g, RowSpan span, int firstCol, int lastCol, std::span<const std::string> byCol);
// Columns 2..lastCol of every Setting row emptied.
void StepSetting_Clear(GridCells& g, int lastCol);

// A value read from a file as its column takes it: hex digits only, at most 4 (or 8 for a
// 32-bit column), upper case, padded; zero allowed. Empty when it is no such value.
std::string StepFile_Text(ValueForm form, const std::string& value);

// The Setting rows of a one-axis grid (two-axis: both grids) from the register rows a CSV
// file filled (CsvReadIndex 1..CsvReadCount, WriteData/WriteDataH over AutoRange, the table
// rebuilt so that AutoRange(0) is step 0's first row, the grid starting at step 0). Rows
// before the positioning block are skipped; after a mode word the detail text follows.
// A value that does not pass its column's form, or a row that falls outside the grid, is
// left out and its cells kept. Returns how many were left out.
int StepJV_FileMerge(GridCells& g, const Public& p);
int Step7W_FileMerge(const std::array<GridCells*, 2>& grids, const Public& p);

// A four-axis positioning file as read (axis, point = position in the window, item 0-6:
// mode, dwell, acceleration, deceleration, velocity, target, circular; "" not in the file):
// point p of axis a into Setting row 2p + 2 of grid a, item i into column i + 2, merged into
// what the grids hold. Values pass their column's form; points outside the grid and values
// that fail are left out. Returns how many were left out.
int StepZr4_FileMerge(const std::array<GridCells*, 4>& grids, const Z4AutoCsvData& data);

} // namespace posmod
