#pragma once
// The message box texts that several windows and sequences show, spelled once.

namespace posmod {

// Nothing to write or save, or something that must be filled in is empty.
inline constexpr const char* kNoDataMessage = "No data.Please specify it";
// An entry that is no number of its display, or a number outside what it may hold.
inline constexpr const char* kNumericErrorMessage = "Data Numeric Error";
inline constexpr const char* kLimitErrorMessage = "Data Limit Error";
// The operation-mode display asked of a table without the data it needs, and its text for a
// code it has none for.
inline constexpr const char* kNoRequiredDataMessage = "No data the requirements";
// A four-axis command or teaching without a checked axis.
inline constexpr const char* kNoAxesMessage = "Selected axes Setting";
// A command or teaching the module took.
inline constexpr const char* kCompleteMessage = "Complete transmission";

} // namespace posmod
