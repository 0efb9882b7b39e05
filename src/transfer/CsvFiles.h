#pragma once
// The register CSV file of the one- and two-axis models: one record per register row,
// key (the row's read word), low word, high word ("0000" for a one-word row), and the
// "X Axis"/"Y Axis" name lines of the two-axis files. Reading walks the file as one stream
// of fields keyed by read words; writing walks an editor's grid through the layout tables.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/EditorTable.h"
#include "shared/RegisterTable.h"
#include "transfer/CsvFields.h"

namespace posmod {

// The most rows a load lists (the positions of CsvReadIndex).
inline constexpr int kCsvMaxRows = RegisterTable::kRows;

// What a register file gives: the values in the setting words of the rows found, the rows
// in file order (a key twice is listed twice), the axis names of its name lines.
struct RegisterCsvLoad {
    std::vector<int> rows;
    std::array<std::optional<std::string>, 2> axisNames; // X, Y: set by a name line
    std::string lastField;                               // CsvItem: the last field read
};

// The editors' load: table is freshly built for the model; a row found gets its fields as
// they stand (shorter ones zero-filled to 4), its width from the layout; "X Axis"/"Y Axis"
// take the next field as a name; an unmatched key consumes only itself; a "NOP" row drops
// its two fields and is not listed. Failed: a record cut off by the end of the file, or
// more than 2100 rows to list.
// failedLine: where a Failed read stopped.
CsvRead RegisterCsv_Read(std::string_view bytes, RegisterTable& table, RegisterCsvLoad& load, int* failedLine = nullptr);

// The load into the module: as RegisterCsv_Read, but every name line ("A Axis".."D Axis",
// "X Axis", "Y Axis") is skipped with its name, and each word that will be sent is checked
// (1-4 hexadecimal digits) and stored upper case. A file with no row to send is NoData.
CsvRead RegisterCsv_ReadForModule(std::string_view bytes, RegisterTable& table, RegisterCsvLoad& load,
                                  int* failedLine = nullptr);

// One record of a row: its read word, then the setting words (readSide false) or the words
// read from the module (true); the high word "0000" for a one-word row.
std::string RegisterCsv_Record(const RegisterTable& table, int row, bool readSide);

// The two name lines of a two-axis file.
void RegisterCsv_AxisLines(CsvText& out, const std::array<std::string, 4>& axisName);

// How a save from an editor's grid ended.
enum class CsvSave { Written, NoData, LimitError };

// The walks of the four register writers over an editor's table: the cells of the chosen
// column (parameters) or row of each step (positioning), converted from decimal when the
// table shows decimal, into the setting words of table's rows, and the file's text. A cell
// whose decimal value does not fit signed 32 bits is LimitError; no filled cell is NoData.
// rowCount is AutoRowCount, the last grid row of the positioning editor.
CsvSave CsvData_WriteJV_Text(const EditorTable& editor, bool currentData, RegisterTable& table,
                             const std::array<std::string, 4>& axisName, std::string& text);
CsvSave CsvData_Write7W_Text(const EditorTable& editor, bool currentData, RegisterTable& table,
                             const std::array<std::string, 4>& axisName, std::string& text);
CsvSave CsvAuto_WriteJV_Text(const EditorTable& editor, bool currentData, int rowCount, RegisterTable& table,
                             const std::array<std::string, 4>& axisName, std::string& text);
CsvSave CsvAuto_Write7W_Text(const EditorTable& editor, bool currentData, int rowCount, RegisterTable& table,
                             const std::array<std::string, 4>& axisName, std::string& text);

// A filled cell as the writers take it: the text itself, or in decimal display its value as
// hexadecimal digits; false when a decimal value does not fit signed 32 bits.
bool CsvCell_Value(const std::string& cell, bool decimal, std::string& value);

} // namespace posmod
