#pragma once
// The list of every data item of a one-axis or two-axis module, addressed by row 1..2100.
#include <array>
#include <string>

namespace posmod {

struct RegisterTable {
    static constexpr int kRows = 2100;
    // Index 0 is unused so that rows are addressed 1..2100 as everywhere else.
    std::array<std::string, kRows + 1> ReadAddr, WriteAddr, ReadData, ReadDataH, WriteData, WriteDataH;
    int PrmRange[2] = {0, 0};
    int AutoRange[2] = {0, 0};
};

// Builders (see RegisterTable.cpp).
void CodeTable_SetJV(RegisterTable& t);
void CodeTable_Set7W(RegisterTable& t);
// The table of a module type: 1 the JV layout, 5 (no table) untouched, any other the 7W layout.
void CodeTable_ForType(RegisterTable& t, int moduleType);

} // namespace posmod
