#pragma once
// The range dialog's rules without its widgets: the caption, the axis names it offers, the
// preset steps, the check of the typed steps against the step window, and the axis chosen.
#include <cstdint>
#include <string>
#include <vector>

#include "shared/Public.h"
#include "transfer/RangeEntry.h"

namespace posmod {

// What the editors put before "range" in the caption.
inline constexpr const char* kRangeTitleDefault = "Default data setting ";
inline constexpr const char* kRangeTitlePrint = "Print";
// AxisStepRange.AxisNo of a cancelled dialog.
inline constexpr int32_t kRangeCancelled = 99;

// The axis names offered: none for the one-axis model (no choice), four for the four-axis
// model, two otherwise.
std::vector<std::string> DefaultRange_Axes(const Public& p);
// The preset step boxes: the step window for the print use, "0" and "0" otherwise.
void DefaultRange_Preset(const Public& p, std::string& fromText, std::string& toText);

// The steps as typed, in the order: numeric (from), numeric (to), both inside the step window
// and from <= to. A number of any size is refused, never wrapped. On None from and to hold
// the steps; otherwise they are left as they were.
RangeEntryError DefaultRange_Check(const std::string& fromText, const std::string& toText,
                                   const Public::StepRangeRec& window, int32_t& from, int32_t& to);

// The axis of the choice at index of the list (list only, no typing): the one-axis model's
// is always 3; an index outside the list gives the first axis.
int32_t DefaultRange_Axis(int moduleType, int index);

} // namespace posmod
