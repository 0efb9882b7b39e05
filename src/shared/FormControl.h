#pragma once
// Which controls of which window the lock during a transfer or command switches.
// Windows are named by form number; a control of an array is named "Name(index)".
#include <string>
#include <vector>

namespace posmod {

inline constexpr int kFormCount = 12; // form numbers 0..11; 10 names no window

// The window of a form number ("frmMain" ...); empty for 10 and for 12 and above.
const std::string& FormControl_FormName(int formNo);
// The controls switched for a form number, in the order they are switched; empty for 10 and 12+.
const std::vector<std::string>& FormControl_Names(int formNo);

} // namespace posmod
