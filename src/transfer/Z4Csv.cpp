#include "transfer/Z4Csv.h"

#include <algorithm>

#include "params/ParamLayout.h"
#include "shared/Conversions.h"

namespace posmod {

namespace {

const char* const kNameKeys[] = {"A Axis", "B Axis", "C Axis", "D Axis"};

// 0-3 for "A Axis".."D Axis", 4 for "X Axis"/"Y Axis", -1 for any other field.
int nameKey(const std::string& f)
{
    for (int i = 0; i < kZr4Axes; ++i)
        if (equalsNoCase(f, kNameKeys[i])) return i;
    if (equalsNoCase(f, "X Axis") || equalsNoCase(f, "Y Axis")) return 4;
    return -1;
}

// The name after a name line's key k: an axis's name for "A Axis".."D Axis", dropped for
// "X Axis"/"Y Axis". false when the file ends first.
bool takeName(CsvFieldStream& in, int k, Z4AxisNames& names)
{
    std::string name;
    if (!in.next(name)) return false;
    if (k < kZr4Axes) names[static_cast<size_t>(k)] = name;
    return true;
}

bool isNop(const std::string& text) { return equalsNoCase(text, "NOP"); }

std::string cellOf(const EditorTable& e, int axis, int row, int col)
{
    if (axis < 0 || axis >= static_cast<int>(e.grids.size()) || !e.grids[static_cast<size_t>(axis)]) return {};
    return e.grids[static_cast<size_t>(axis)]->TextMatrix(row, col);
}

// A filled value cell: converted from decimal when shown so, zero-filled to its width.
bool wordCell(const std::string& cell, bool decimal, bool eightDigits, std::string& out)
{
    if (!CsvCell_Value(cell, decimal, out)) return false;
    if (eightDigits) Hex8_Zero(out);
    else Hex4_Zero(out);
    return true;
}

} // namespace

bool Z4Csv_Axis(const std::string& field, int& axis)
{
    if (field.size() != 1 || field[0] < '0' || field[0] > '3') return false;
    axis = field[0] - '0';
    return true;
}

bool Z4Csv_StepKey(const std::string& field, int& axis, int& step)
{
    if (field.size() != 4 || !Z4Csv_Axis(field.substr(0, 1), axis)) return false;
    const std::string digits = field.substr(1);
    if (!isHexText(digits)) return false;
    step = static_cast<int>(*hexValue(digits));
    return true;
}

CsvRead Z4PrmCsv_Read(std::string_view bytes, Z4AxisNames& names, Z4PrmCsvData& data, int* failedLine)
{
    const std::vector<CsvField> fields = CsvFields_Split(bytes);
    Z4AxisNames readNames = names;
    std::string f;
    {
        // Pass 1: the names standing before the first record.
        CsvFieldStream in(fields);
        while (in.next(f)) {
            if (const int k = nameKey(f); k >= 0) {
                if (!takeName(in, k, readNames)) return in.failed(failedLine);
                continue;
            }
            if (utf8Length(f) != 1) return in.failed(failedLine);
            break;
        }
    }
    Z4PrmCsvData read = data;
    CsvFieldStream in(fields);
    while (in.next(f)) {
        if (nameKey(f) >= 0) {
            if (!in.skip(1)) return in.failed(failedLine);
            continue;
        }
        if (utf8Length(f) != 1) break;
        int axis = 0, row = 0;
        std::string rowField, value;
        if (!Z4Csv_Axis(f, axis) || !in.next(rowField) || !CsvDecimalField(rowField, row) || row < 1 ||
            row > kZr4ParamRows || !in.next(value))
            return in.failed(failedLine);
        if (!isNop(value)) read(axis, row) = value;
    }
    names = std::move(readNames);
    data = std::move(read);
    return CsvRead::Ok;
}

CsvRead Z4AutoCsv_Read(std::string_view bytes, Z4AxisNames& names, Z4AutoCsvData& data, int* failedLine)
{
    Z4AxisNames readNames = names;
    // The records are kept aside and applied once the whole file has been read.
    struct Cell {
        int axis, point, item;
        std::string value;
    };
    std::vector<Cell> cells;
    CsvFieldStream in(CsvFields_Split(bytes));
    std::string f;
    while (in.next(f)) {
        if (const int k = nameKey(f); k >= 0) {
            if (!takeName(in, k, readNames)) return in.failed(failedLine);
            continue;
        }
        if (utf8Length(f) != 4) {
            if (!in.skip(2)) return in.failed(failedLine);
            continue;
        }
        int axis = 0, point = 0, item = 0;
        std::string itemField, value;
        if (!Z4Csv_StepKey(f, axis, point) || point >= kZr4Points || !in.next(itemField) ||
            !CsvDecimalField(itemField, item) || item >= kZr4Items || !in.next(value))
            return in.failed(failedLine);
        if (!isNop(value)) cells.push_back({axis, point, item, std::move(value)});
    }
    for (Cell& c : cells) data(c.axis, c.point, c.item) = std::move(c.value);
    names = std::move(readNames);
    return CsvRead::Ok;
}

void Z4Csv_AxisLines(CsvText& out, const std::array<std::string, 4>& axisName)
{
    for (int a = 0; a < kZr4Axes; ++a)
        out.line(std::string(kNameKeys[a]) + "," + CsvAxisNameField(axisName[static_cast<size_t>(a)]));
}

CsvSave CsvData_WriteZ4_Text(const EditorTable& e, bool currentData, const std::array<std::string, 4>& axisName,
                             std::string& text)
{
    const int col = currentData ? kParamCurrentCol : kParamSettingCol;
    std::array<std::array<std::string, kZr4ParamRows + 1>, kZr4Axes> texts;
    std::array<bool, kZr4Axes> flagged{};
    for (int a = 0; a < kZr4Axes; ++a) {
        for (int k = 1; k <= kZr4ParamRows; ++k) {
            const std::string cell = cellOf(e, a, k, col);
            if (cell.empty()) continue;
            flagged[static_cast<size_t>(a)] = true;
            std::string& t = texts[static_cast<size_t>(a)][static_cast<size_t>(k)];
            if (ParamZr4Row_IsOption(k)) t = cell;
            else if (!wordCell(cell, e.decimal, k >= 20, t)) return CsvSave::LimitError;
        }
    }
    if (std::none_of(flagged.begin(), flagged.end(), [](bool f) { return f; })) return CsvSave::NoData;
    CsvText out;
    Z4Csv_AxisLines(out, axisName);
    for (int a = 0; a < kZr4Axes; ++a) {
        if (!flagged[static_cast<size_t>(a)]) continue;
        for (int k = 1; k <= kZr4ParamRows; ++k) {
            const std::string& t = texts[static_cast<size_t>(a)][static_cast<size_t>(k)];
            out.record(std::to_string(a), std::to_string(k), t.empty() ? "NOP" : t);
        }
    }
    text = out.bytes();
    return CsvSave::Written;
}

CsvSave CsvAuto_WriteZ4_Text(const EditorTable& e, bool currentData, int rowCount,
                             const std::array<std::string, 4>& axisName, std::string& text)
{
    const int start = currentData ? 1 : 2;
    CsvText out;
    Z4Csv_AxisLines(out, axisName);
    bool any = false;
    for (int a = 0; a < kZr4Axes; ++a) {
        const GridCells* g = a < static_cast<int>(e.grids.size()) ? e.grids[static_cast<size_t>(a)] : nullptr;
        if (!g) continue;
        const int last = std::min(rowCount, g->Rows() - 1);
        for (int row = start; row <= last; row += 2) {
            std::array<std::string, kZr4Items> items;
            bool data = false;
            for (int c = 2; c <= 8; ++c) {
                const std::string cell = g->TextMatrix(row, c);
                std::string& item = items[static_cast<size_t>(c - 2)];
                if (cell.empty()) {
                    item = "NOP";
                    continue;
                }
                if (!wordCell(cell, e.decimal, c >= 7, item)) return CsvSave::LimitError;
                data = true;
            }
            if (!data) continue;
            std::string point = hexText(static_cast<uint64_t>((row - start) / 2));
            const std::string key = std::to_string(a) + Hex3_Zero(point);
            for (int i = 0; i < kZr4Items; ++i) out.record(key, std::to_string(i), items[static_cast<size_t>(i)]);
            any = true;
        }
    }
    if (!any) return CsvSave::NoData;
    text = out.bytes();
    return CsvSave::Written;
}

} // namespace posmod
