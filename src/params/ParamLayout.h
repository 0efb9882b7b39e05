#pragma once
// The parameter grids of the three editors: which register row or four-axis store word each
// grid row holds, its width, how it is shown, and the fill of the "Current data" column.
//
// Every parameter grid: row 0 the header, rows 1..n one parameter each; column 0 the number,
// 1 the name, 2 "Current data", 3 "Setting data".
#include <array>
#include <string>

#include "shared/Grid.h"
#include "shared/GridLayout.h"
#include "shared/Public.h"
#include "shared/TableSizes.h"

namespace posmod {

inline constexpr int kParamCurrentCol = 2;
inline constexpr int kParamSettingCol = 3;

// Column layouts and grid sizes of frmParmJV, frmParm7W (each grid) and frmParmZr4 (each grid).
const GridLayout& ParamJV_Layout();
const GridLayout& Param7W_Layout();
const GridLayout& ParamZr4_Layout();

// The register row of a grid row and whether the item is two words (from the table's
// layout, never from the data it holds). row 0: the grid row holds no register.
struct RegisterCell {
    int row = 0;
    bool twoWords = false;
};
// One-axis: grid row k is register row PrmRange(0) + k - 1.
RegisterCell ParamJV_Cell(const RegisterTable& t, int gridRow);
// Two-axis: X and Y rows interleaved from PrmRange(0); the width is the X row's.
RegisterCell Param7W_Cell(const RegisterTable& t, int axis, int gridRow);

// How a four-axis grid row is held in the 19 words of an axis.
enum class Zr4ParamKind { None, Option, Word, Pair };
struct Zr4ParamCell {
    Zr4ParamKind kind = Zr4ParamKind::None;
    int word = -1;   // Option, Word: the word; Pair: the low word (the high word follows it)
    int field = -1;  // Option: the 4-bit field, 0 the most significant
};
// Rows 1-11 option fields of words 0-2, 12-19 words 3-10, 20-23 word pairs 11/12 .. 17/18.
Zr4ParamCell ParamZr4_Cell(int gridRow);

// A value cell's display: two words (32 bits, signed in decimal) or one word (unsigned).
bool ParamRow_TwoWords(int gridRow);      // one- and two-axis grids
bool ParamZr4Row_IsOption(int gridRow);   // rows 1-11: option texts, never decimal

// The grid shaped for n parameters: columns, header, numbers in column 0, columns 2 and 3
// emptied. Column 1 (the names) is left as it is.
void ParamGrid_Shape(GridCells& g, int rows);
// The header row for a display: "(Hex)" or "(Dec)" after "Current data" and "Setting data".
void ParamGrid_Headers(GridCells& g, bool decimal);

// The "Current data" column from the data read from the module; empty on CSV work.
void ParamJV_FillCurrent(GridCells& g, const Public& p, bool decimal);
void Param7W_FillCurrent(GridCells& g, int axis, const Public& p, bool decimal);
// Rows 12-23 as values; rows 1-11 as the option texts of their fields (ModeText_Cha).
void ParamZr4_FillCurrent(GridCells& g, int axis, const Public& p, bool decimal);

// The text of one four-axis row from the words of an axis as read.
std::string ParmZr4_CurrentText(const std::array<Public::Z4WordRec, 19>& words, int row, bool decimal);

} // namespace posmod
