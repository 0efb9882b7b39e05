#pragma once
// The editing rules of the parameter grids: which cells take the edit box or the option list,
// the form of each row's value, the moves of the keys in the box, and how values read from a
// parameter file go into the "Setting data" column.
#include <array>
#include <optional>
#include <string>

#include "shared/EntryCheck.h"
#include "shared/Grid.h"
#include "shared/RegisterTable.h"

namespace posmod {

// One- and two-axis grids, rows 1-12: 2-8 not zero, 1 and 9 zero allowed, 10-12 32 bits.
ValueForm ParamRow_Form(int gridRow);
// Four-axis grids, rows 1-23: 1-11 option texts (None), 12-18 not zero, 19 zero allowed,
// 20-23 32 bits.
ValueForm ParamZr4Row_Form(int gridRow);

// Column 3 of the value rows takes the box; column 2 holds values shown in either display.
// The box's keys: Enter stays, Left goes to column 2, Up and Down move within the rows and
// stay at the first and last; Right checks the entry and leaves the caret to the box.
const EditRules& ParamJV_Rules(); // also each grid of the two-axis editor
// As above over 23 rows; rows 1-11 of column 3 take the option list of their item.
const EditRules& ParamZr4_Rules();

// A word read from a parameter file as a cell takes it: hex digits only, at most 4,
// padded to 4; nullopt when it is no such word.
std::optional<std::string> FileWord_Text(const std::string& word);

// The "Setting data" column of a one-axis grid (two-axis: one axis) from the register rows a
// parameter file filled: a one-word row when its word is not "0" (the rebuilt value), a
// two-word row when neither word is, high word first. A value that is not hex digits or too
// long for its row is left out and its cell kept. Returns how many were left out.
int ParamJV_FileMerge(GridCells& g, const RegisterTable& t);
int Param7W_FileMerge(GridCells& g, int axis, const RegisterTable& t);

// A four-axis grid's "Setting data" column from the rows of one axis of a parameter file
// (entry k for grid row k, 1-23; empty: not in the file, the cell kept). Option rows take
// only their own texts, compared without regard to case and stored as the table spells them;
// value rows hex digits, at most 4 (rows 12-19) or 8 (rows 20-23), padded. Returns how many
// were left out.
int ParamZr4_FileMerge(GridCells& g, const std::array<std::string, 24>& values);

// The message after a file load that left values out; "" when none was.
std::string FileMerge_Message(int leftOut);

} // namespace posmod
