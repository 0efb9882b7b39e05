#pragma once
// The list of every data item of a one-axis or two-axis module, addressed by row 1..2100.
#include <array>
#include <string>

namespace posmod {

struct RegisterTable {
    static constexpr int kRows = 2100;
    // Index 0 is unused so that rows are addressed 1..2100 as everywhere else.
    std::array<std::string, kRows + 1> ReadAddr, WriteAddr, ReadData, ReadDataH, WriteData, WriteDataH;
    // The layout's width of each row, set by the builders: true for a two-word item. The
    // data cells may be emptied or filled by readers; the width stays what the layout says.
    std::array<bool, kRows + 1> TwoWords{};
    int PrmRange[2] = {0, 0};
    int AutoRange[2] = {0, 0};
};

// Builders (see RegisterTable.cpp).
void CodeTable_SetJV(RegisterTable& t);
void CodeTable_Set7W(RegisterTable& t);

} // namespace posmod
