#pragma once
// The name the workbook export proposes and the file it writes.
#include <string>

namespace posmod {

inline constexpr const char* kExportFilterWorkbook = "Program Files (*.xlsx)";
inline constexpr const char* kExportFilterAll = "All Files (*)";
inline constexpr const char* kExportSheetName = "Sheet";
inline constexpr const char* kExportFailedMessage = "File preservation failed.";

// The last file name of the dialog cut before the first "." of its file name; the folder
// stays whole ("C:\data\line3.old.csv" -> "C:\data\line3", "/a.b/c" stays). Empty stays empty.
std::string ExportDefaultName(const std::string& lastFileName);
// ".xlsx" appended unless the name ends with it (in any case).
std::string ExportWithSuffix(const std::string& path);

} // namespace posmod
