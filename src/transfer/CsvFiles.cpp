#include "transfer/CsvFiles.h"

#include <algorithm>
#include <unordered_map>

#include "params/ParamLayout.h"
#include "positioning/StepLayout.h"
#include "shared/Conversions.h"

namespace posmod {

namespace {

// The first row of each read word (upper case), up to the first row without one.
class KeyIndex {
public:
    explicit KeyIndex(const RegisterTable& t)
    {
        for (int r = 1; r <= RegisterTable::kRows; ++r) {
            const std::string& key = t.ReadAddr[static_cast<size_t>(r)];
            if (key.empty()) break;
            rows_.emplace(asciiUpper(key), r);
        }
    }
    int find(const std::string& key) const
    {
        if (key.empty()) return 0;
        const auto it = rows_.find(asciiUpper(key));
        return it == rows_.end() ? 0 : it->second;
    }

private:
    std::unordered_map<std::string, int> rows_;
};

bool isNop(const std::string& text) { return equalsNoCase(text, "NOP"); }

bool isAxisKey(const std::string& f)
{
    for (const char* k : {"A Axis", "B Axis", "C Axis", "D Axis", "X Axis", "Y Axis"})
        if (equalsNoCase(f, k)) return true;
    return false;
}

std::string padded4(std::string v) { return Hex4_Zero(v); }

// The shared walk of both readers; forModule picks the module load's rules.
CsvRead readRegisterFields(std::string_view bytes, RegisterTable& t, RegisterCsvLoad& load, bool forModule,
                           int* failedLine)
{
    CsvFieldStream in(CsvFields_Split(bytes));
    const KeyIndex keys(t);
    std::string key;
    std::string& item = load.lastField;
    while (in.next(key)) {
        item = key;
        if (forModule && isAxisKey(key)) {
            if (!in.next(item)) return in.failed(failedLine);
            continue;
        }
        if (!forModule && (equalsNoCase(key, "X Axis") || equalsNoCase(key, "Y Axis"))) {
            std::string name;
            if (!in.next(name)) return in.failed(failedLine);
            load.axisNames[equalsNoCase(key, "X Axis") ? 0 : 1] = name;
            continue;
        }
        const int row = keys.find(key);
        if (row == 0) continue; // the next field is taken as a key
        const auto r = static_cast<size_t>(row);
        if (isNop(t.WriteAddr[r])) {
            if (!in.skip(2)) return in.failed(failedLine);
            item = in.last();
            continue;
        }
        std::string low, high;
        if (!in.next(low) || !in.next(high)) return in.failed(failedLine);
        const bool two = t.TwoWords[r];
        if (forModule) {
            CsvRead c = CsvHexWord_Check(low, 4);
            if (c == CsvRead::Ok && two) c = CsvHexWord_Check(high, 4);
            if (c != CsvRead::Ok) return c;
        }
        if (static_cast<int>(load.rows.size()) == kCsvMaxRows) return in.failed(failedLine);
        t.WriteData[r] = padded4(low);
        if (two) t.WriteDataH[r] = padded4(high);
        if (forModule) {
            t.WriteData[r] = asciiUpper(t.WriteData[r]);
            if (two) t.WriteDataH[r] = asciiUpper(t.WriteDataH[r]);
        }
        item = two ? t.WriteDataH[r] : high;
        load.rows.push_back(row);
    }
    if (forModule && load.rows.empty()) return CsvRead::NoData;
    return CsvRead::Ok;
}

// The grid cell of an editor's table; "" where the editor has no such grid.
std::string cellOf(const EditorTable& e, int axis, int row, int col)
{
    if (axis < 0 || axis >= static_cast<int>(e.grids.size()) || !e.grids[static_cast<size_t>(axis)]) return {};
    return e.grids[static_cast<size_t>(axis)]->TextMatrix(row, col);
}

// Collects the rows a writer lists and their setting words.
class RowWriter {
public:
    RowWriter(RegisterTable& t, bool decimal) : t_(t), decimal_(decimal) {}

    // One cell into one row, one word or two; an empty cell is skipped.
    void cell(const std::string& text, int row, bool twoWords)
    {
        if (limit_ || text.empty() || row < 1 || row > RegisterTable::kRows) return;
        std::string v;
        if (!CsvCell_Value(text, decimal_, v)) {
            limit_ = true;
            return;
        }
        const auto r = static_cast<size_t>(row);
        if (twoWords) {
            Hex8_Zero(v);
            t_.WriteDataH[r] = v.substr(0, 4);
            t_.WriteData[r] = v.substr(4, 8);
        } else {
            t_.WriteData[r] = padded4(v);
        }
        rows_.push_back(row);
    }
    // Two cells into the low and high word of one row, only when both are filled.
    void pair(const std::string& low, const std::string& high, int row)
    {
        if (limit_ || low.empty() || high.empty() || row < 1 || row > RegisterTable::kRows) return;
        std::string l, h;
        if (!CsvCell_Value(low, decimal_, l) || !CsvCell_Value(high, decimal_, h)) {
            limit_ = true;
            return;
        }
        const auto r = static_cast<size_t>(row);
        t_.WriteData[r] = padded4(l);
        t_.WriteDataH[r] = padded4(h);
        rows_.push_back(row);
    }

    CsvSave finish(bool axisLines, const std::array<std::string, 4>& axisName, std::string& text) const
    {
        if (limit_) return CsvSave::LimitError;
        if (rows_.empty()) return CsvSave::NoData;
        CsvText out;
        if (axisLines) RegisterCsv_AxisLines(out, axisName);
        for (int row : rows_) out.line(RegisterCsv_Record(t_, row, false));
        text = out.bytes();
        return CsvSave::Written;
    }

    bool stopped() const { return limit_; }

private:
    RegisterTable& t_;
    bool decimal_;
    bool limit_ = false;
    std::vector<int> rows_;
};

bool hasItem(const RegisterTable& t, int row)
{
    return row >= 1 && row <= RegisterTable::kRows && !t.ReadAddr[static_cast<size_t>(row)].empty();
}

int columnOf(bool currentData) { return currentData ? kParamCurrentCol : kParamSettingCol; }

// The last grid row of a positioning walk: AutoRowCount, never past the grid.
int lastWalkRow(const EditorTable& e, int rowCount)
{
    int rows = 0;
    for (GridCells* g : e.grids)
        if (g) rows = std::max(rows, g->Rows() - 1);
    return std::min(rowCount, rows);
}

// The positioning writers of the register models: the chosen row of each step, item by
// item, each item over the axes in turn (the order of the register rows).
CsvSave registerAutoText(const EditorTable& e, ModelFamily family, bool currentData, int rowCount, RegisterTable& t,
                         const std::array<std::string, 4>& axisName, std::string& text)
{
    const int perStep = Model_OfFamily(family).rowsPerStep;
    const int axes = perStep / kStepItems;
    const auto rowOf = [&](int axis, int j, int col) { return StepRegister_Cell(t, perStep, axis, j, col).row; };
    RowWriter w(t, e.decimal);
    const int start = currentData ? 1 : 2;
    const int last = lastWalkRow(e, rowCount);
    for (int g = start, j = 0; g <= last && !w.stopped(); g += 2, ++j) {
        if (!hasItem(t, rowOf(0, j, 2))) break;
        for (int a = 0; a < axes; ++a) w.cell(cellOf(e, a, g, 2), rowOf(a, j, 2), false);
        for (int a = 0; a < axes; ++a) w.pair(cellOf(e, a, g, 3), cellOf(e, a, g, 4), rowOf(a, j, 3));
        for (int a = 0; a < axes; ++a) w.cell(cellOf(e, a, g, 5), rowOf(a, j, 5), false);
        for (int a = 0; a < axes; ++a) w.cell(cellOf(e, a, g, 6), rowOf(a, j, 6), true);
    }
    return w.finish(family != ModelFamily::OneAxis, axisName, text);
}

} // namespace

CsvRead RegisterCsv_Read(std::string_view bytes, RegisterTable& table, RegisterCsvLoad& load, int* failedLine)
{
    return readRegisterFields(bytes, table, load, false, failedLine);
}

CsvRead RegisterCsv_ReadForModule(std::string_view bytes, RegisterTable& table, RegisterCsvLoad& load,
                                  int* failedLine)
{
    return readRegisterFields(bytes, table, load, true, failedLine);
}

std::string RegisterCsv_Record(const RegisterTable& t, int row, bool readSide)
{
    const auto r = static_cast<size_t>(row);
    const std::string& low = readSide ? t.ReadData[r] : t.WriteData[r];
    const std::string& high = readSide ? t.ReadDataH[r] : t.WriteDataH[r];
    return t.ReadAddr[r] + "," + low + "," + (t.TwoWords[r] ? high : std::string("0000"));
}

void RegisterCsv_AxisLines(CsvText& out, const std::array<std::string, 4>& axisName)
{
    out.line("X Axis," + CsvAxisNameField(axisName[0]));
    out.line("Y Axis," + CsvAxisNameField(axisName[1]));
}

bool CsvCell_Value(const std::string& cell, bool decimal, std::string& value)
{
    if (!decimal) {
        value = cell;
        return true;
    }
    return CsvDecimalCell_Hex(cell, value);
}

CsvSave CsvData_WriteJV_Text(const EditorTable& e, bool currentData, RegisterTable& t,
                             const std::array<std::string, 4>& axisName, std::string& text)
{
    RowWriter w(t, e.decimal);
    for (int k = 1; k <= kParamRows; ++k) {
        const RegisterCell c = ParamJV_Cell(t, k);
        if (!hasItem(t, c.row)) break;
        w.cell(cellOf(e, 0, k, columnOf(currentData)), c.row, c.twoWords);
    }
    return w.finish(false, axisName, text);
}

CsvSave CsvData_Write7W_Text(const EditorTable& e, bool currentData, RegisterTable& t,
                             const std::array<std::string, 4>& axisName, std::string& text)
{
    RowWriter w(t, e.decimal);
    for (int axis = 0; axis < 2; ++axis) {
        for (int k = 1; k <= kParamRows; ++k) {
            const RegisterCell c = Param7W_Cell(t, axis, k);
            if (!hasItem(t, c.row)) break;
            w.cell(cellOf(e, axis, k, columnOf(currentData)), c.row, c.twoWords);
        }
    }
    return w.finish(true, axisName, text);
}

CsvSave CsvAuto_WriteJV_Text(const EditorTable& e, bool currentData, int rowCount, RegisterTable& t,
                             const std::array<std::string, 4>& axisName, std::string& text)
{
    return registerAutoText(e, ModelFamily::OneAxis, currentData, rowCount, t, axisName, text);
}

CsvSave CsvAuto_Write7W_Text(const EditorTable& e, bool currentData, int rowCount, RegisterTable& t,
                             const std::array<std::string, 4>& axisName, std::string& text)
{
    return registerAutoText(e, ModelFamily::TwoAxis, currentData, rowCount, t, axisName, text);
}

} // namespace posmod
