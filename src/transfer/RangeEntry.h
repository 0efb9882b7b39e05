#pragma once
// Rules of the step-range entries of the range dialogs, without the widgets.
#include <cstdint>
#include <string>

namespace posmod {

enum class RangeEntryError { None, Numeric, Limit };

// The message box text of an entry error ("" for None).
const char* RangeEntry_Message(RangeEntryError e);

// Checks a first/last step pair as typed, in the order: numeric (first), numeric (last),
// range 0 <= first <= last <= 255. On None, first and last hold the steps; otherwise they
// are left as they were. A number too large for 32 bits is a limit error.
RangeEntryError StepPair_Check(const std::string& firstText, const std::string& lastText,
                               int32_t& first, int32_t& last);

// The store-range dialog's choices as numbers, from the texts of its two lists
// (compared without regard to letter case; an unknown text gives the last choice).
int32_t CsvStoreKind_FromText(const std::string& dataText);
int32_t CsvStoreAxis_FromText(int moduleType, const std::string& axisText);

} // namespace posmod
