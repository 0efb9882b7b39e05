#pragma once
// Rules of step ranges without the widgets: the range dialogs' entries and the editors' step window.
#include <cstdint>
#include <string>
#include <vector>

#include "shared/EntryCheck.h"
#include "shared/Public.h"

namespace posmod {

// A step typed wrongly fails as a cell entry does: not a number, or outside the table.
using RangeEntryError = EntryError;

// The message box text of an entry error ("" for None).
inline const char* RangeEntry_Message(RangeEntryError e) { return EntryError_Text(e); }

// Checks a first/last step pair as typed, in the order: numeric (first), numeric (last),
// range 0 <= first <= last <= kLastStep. On None, first and last hold the steps; otherwise they
// are left as they were. A number too large for 32 bits is a limit error.
RangeEntryError StepPair_Check(const std::string& firstText, const std::string& lastText,
                               int32_t& first, int32_t& last);

// The store-range dialog's choices as numbers, from the texts of its two lists
// (compared without regard to letter case; an unknown text gives the last choice).
int32_t CsvStoreKind_FromText(const std::string& dataText);
int32_t CsvStoreAxis_FromText(int moduleType, const std::string& axisText);
// The entries of the axis list of a module type; none for the one-axis model.
const std::vector<std::string>& CsvStoreAxis_Texts(int moduleType);

// The step window an editor shows: the stored one, held to 0..kLastStep with first <= last.
void StepWindow(const Public& p, int& first, int& last);
// Opens a positioning editor: the CSV case takes the whole table; sets AutoRowCount.
void StepWindow_Load(Public& p, int& first, int& last);

} // namespace posmod
