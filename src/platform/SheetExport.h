#pragma once
// The preview's sheet as an .xlsx workbook.
#include <string>

#include "shared/PrintSheet.h"

namespace posmod {

class FileWriter;

// One sheet named sheetName: the header row, then the data rows; texts (hexadecimal values
// among them) as strings, numbers (step numbers, row numbers) as numbers, the column widths
// of the sheet. The row-header column is written where it holds row numbers. The workbook is
// built aside and handed whole to the writer, so a failure leaves an existing file as it was.
// False on any failure.
bool SheetExport_Xlsx(const PrintSheet& sheet, const std::string& path, const std::string& sheetName,
                      FileWriter& writer);

} // namespace posmod
