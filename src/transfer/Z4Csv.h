#pragma once
// The four-axis CSV files of the editors: the parameter file (records axis, row 1-23,
// value) and the positioning file (records key = axis digit and point as 3 hexadecimal
// digits, item 0-6, value), each after the four "A Axis".."D Axis" name lines; an empty cell
// is "NOP".
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "main/TaskNumbers.h"
#include "params/ParamLayout.h"
#include "shared/EditorTable.h"
#include "transfer/CsvFiles.h"

namespace posmod {

inline constexpr int kZr4Axes = 4;
inline constexpr int kZr4Points = kStepCount;
inline constexpr int kZr4Items = 7;

// The parameter array a reader fills: (axis 0-3, row 1-23).
struct Z4PrmCsvData {
    std::array<std::array<std::string, kZr4ParamRows + 1>, kZr4Axes> cells;
    std::string& operator()(int axis, int row) { return cells[static_cast<size_t>(axis)][static_cast<size_t>(row)]; }
    const std::string& operator()(int axis, int row) const
    {
        return cells[static_cast<size_t>(axis)][static_cast<size_t>(row)];
    }
};

// The positioning array a reader fills: (axis 0-3, point 0-255, item 0-6).
struct Z4AutoCsvData {
    std::vector<std::string> cells = std::vector<std::string>(kZr4Axes * kZr4Points * kZr4Items);
    std::string& operator()(int axis, int point, int item) { return cells[index(axis, point, item)]; }
    const std::string& operator()(int axis, int point, int item) const { return cells[index(axis, point, item)]; }

private:
    static size_t index(int axis, int point, int item)
    {
        return (static_cast<size_t>(axis) * kZr4Points + static_cast<size_t>(point)) * kZr4Items +
               static_cast<size_t>(item);
    }
};

// Axis names of the name lines read, A to D.
using Z4AxisNames = std::array<std::optional<std::string>, kZr4Axes>;

// The field taken as an axis: one decimal digit 0-3.
bool Z4Csv_Axis(const std::string& field, int& axis);
// The field taken as a step record's key: an axis digit 0-3 and three hexadecimal digits.
bool Z4Csv_StepKey(const std::string& field, int& axis, int& step);

// The parameter file's reader. The name lines before the first record give names; the first
// other field must be one character long, or the file is refused (Failed). Then records are
// read until a field that is not one character long; "NOP" values are dropped. Failed also
// for an axis that is not 0-3, a row that is not 1-23 and a record cut off by the end.
CsvRead Z4PrmCsv_Read(std::string_view bytes, Z4AxisNames& names, Z4PrmCsvData& data, int* failedLine = nullptr);

// The positioning file's reader: name lines give names, "X Axis"/"Y Axis" drop theirs, a
// field of 4 characters is a record's key, a field of any other length is dropped with the
// two after it; "NOP" values are dropped. Failed for a key, item (0-6) or point (0-255)
// outside the array and for a record cut off by the end.
CsvRead Z4AutoCsv_Read(std::string_view bytes, Z4AxisNames& names, Z4AutoCsvData& data,
                        int* failedLine = nullptr);

// failedLine of both readers: where a Failed read stopped.

// The four name lines.
void Z4Csv_AxisLines(CsvText& out, const std::array<std::string, 4>& axisName);

// The two writers' walks over the editor's grids (column 2 or 3 of rows 1-23; the Current or
// Setting row of each step up to rowCount, AutoRowCount), with the text of the file.
CsvSave CsvData_WriteZ4_Text(const EditorTable& editor, bool currentData,
                             const std::array<std::string, 4>& axisName, std::string& text);
CsvSave CsvAuto_WriteZ4_Text(const EditorTable& editor, bool currentData, int rowCount,
                             const std::array<std::string, 4>& axisName, std::string& text);

} // namespace posmod
