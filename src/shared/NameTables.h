#pragma once
// Parameter names, default values and the choices of the in-place option box.
#include <cstdint>
#include <span>
#include <string>

#include "shared/Public.h"

namespace posmod {

// Fills PrmNameJV, PrmName7W, PrmName7WK, PrmNameZ4, RunModeNameJV and RunModeName7W.
void ParmName_Set(Public& p);
// Fills PrmDefault, AutoDefault, AutoDefaultZ4 and PrmDefaultZ4.
void DefaultData_Set(Public& p);

// Decodes the first 8 bits of a one- or two-axis step mode word into entries 0-5, entry 10 "5".
void AutoMode_TextSet(Public::OptionListArray& list, const std::string& modeHex);
// Decodes the first 12 bits of a four-axis step mode word into entries 0-6, entry 10 "6".
void AutoModeZr4_TextSet(Public::OptionListArray& list, const std::string& modeHex);
// The choices of four-axis option row listNo + 1 (listNo 0-10) followed by "Cancel", entry 10
// the index of "Cancel"; any other listNo leaves the list as it was.
void PrmZr4_ListSet(Public::OptionListArray& list, uint8_t listNo);

// The index in entry 10 read as a number (0 when it holds none), kept to 0-9 so a reader
// never runs past the texts.
int OptionList_LastIndex(const Public::OptionListArray& list);

// One line of a four-axis option item's table: the 4-bit code kept in the parameter word
// and the text the editors, the CSV files and the transfer file show for it.
struct OptionCodeText {
    uint8_t code;
    const char* text;
};
// The table of four-axis option item 1-11 (= parameter row), in code order; empty for any
// other item. The option box offers these texts in this order.
std::span<const OptionCodeText> ParmZr4_OptionTable(int item);

} // namespace posmod
