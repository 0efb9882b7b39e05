#include "params/ParamEntry.h"

#include <algorithm>

#include "params/ParamLayout.h"
#include "params/ParamOptions.h"
#include "shared/Conversions.h"
#include "shared/NameTables.h"

namespace posmod {

namespace {

// The parameter grids' rules over rows 1..rows.
class ParamRules : public EditRules {
public:
    ParamRules(int rows, ValueForm (*form)(int), bool options) : rows_(rows), form_(form), options_(options) {}

    CellRule cell(const GridCells&, int row, int col) const override
    {
        if (row < 1 || row > rows_) return {};
        const ValueForm f = form_(row);
        if (col == kParamCurrentCol) return {CellKind::Fixed, f};
        if (col != kParamSettingCol) return {};
        if (f != ValueForm::None) return {CellKind::Edit, f};
        return {options_ ? CellKind::Option : CellKind::Fixed, ValueForm::None};
    }

    KeyMove move(const GridCells&, EditKey key, int row, int col) const override
    {
        switch (key) {
        case EditKey::Enter: return {true, row, col};
        case EditKey::Left: return {true, row, col - 1};
        case EditKey::Up: return {true, std::max(1, row - 1), col};
        case EditKey::Down: return {true, std::min(rows_, row + 1), col};
        case EditKey::Right: break;
        }
        return {false, row, col};
    }

    void options(const GridCells& g, int row, int col, bool decimal, Public::OptionListArray& list) const override
    {
        if (options_ && cell(g, row, col).kind == CellKind::Option) {
            list.fill(std::string());
            PrmZr4_ListSet(list, static_cast<uint8_t>(row - 1));
            return;
        }
        EditRules::options(g, row, col, decimal, list);
    }

private:
    int rows_;
    ValueForm (*form_)(int);
    bool options_;
};

std::optional<std::string> filePair(const std::string& high, const std::string& low)
{
    const auto h = FileWord_Text(high), l = FileWord_Text(low);
    if (!h || !l) return std::nullopt;
    return *h + *l;
}

// One register row into the setting cell of a grid row; false when its value was left out.
bool mergeRegister(GridCells& g, int gridRow, const RegisterTable& t, const RegisterCell& c)
{
    if (c.row < 1 || c.row > RegisterTable::kRows) return true;
    const auto r = static_cast<size_t>(c.row);
    std::optional<std::string> text;
    if (c.twoWords) {
        if (t.WriteData[r] == "0" || t.WriteDataH[r] == "0") return true;
        text = filePair(t.WriteDataH[r], t.WriteData[r]);
    } else {
        if (t.WriteData[r] == "0") return true;
        text = FileWord_Text(t.WriteData[r]);
    }
    if (!text) return false;
    g.setTextMatrix(gridRow, kParamSettingCol, *text);
    return true;
}

} // namespace

ValueForm ParamRow_Form(int gridRow)
{
    if (gridRow == 1 || gridRow == 9) return ValueForm::Word;
    if (gridRow >= 2 && gridRow <= 8) return ValueForm::WordNonZero;
    if (gridRow >= 10 && gridRow <= kParamRows) return ValueForm::Long;
    return ValueForm::None;
}

ValueForm ParamZr4Row_Form(int gridRow)
{
    if (gridRow >= 12 && gridRow <= 18) return ValueForm::WordNonZero;
    if (gridRow == 19) return ValueForm::Word;
    if (gridRow >= 20 && gridRow <= kZr4ParamRows) return ValueForm::Long;
    return ValueForm::None;
}

const EditRules& ParamJV_Rules()
{
    static const ParamRules rules(kParamRows, ParamRow_Form, false);
    return rules;
}

const EditRules& ParamZr4_Rules()
{
    static const ParamRules rules(kZr4ParamRows, ParamZr4Row_Form, true);
    return rules;
}

std::optional<std::string> FileWord_Text(const std::string& word)
{
    if (word.empty() || word.size() > 4 || !isHexText(word)) return std::nullopt;
    std::string w = asciiUpper(word);
    return Hex4_Zero(w);
}

int ParamJV_FileMerge(GridCells& g, const RegisterTable& t)
{
    int left = 0;
    for (int k = 1; k <= kParamRows; ++k)
        if (!mergeRegister(g, k, t, ParamJV_Cell(t, k))) ++left;
    return left;
}

int Param7W_FileMerge(GridCells& g, int axis, const RegisterTable& t)
{
    int left = 0;
    for (int k = 1; k <= kParamRows; ++k)
        if (!mergeRegister(g, k, t, Param7W_Cell(t, axis, k))) ++left;
    return left;
}

int ParamZr4_FileMerge(GridCells& g, const std::array<std::string, 24>& values)
{
    int left = 0;
    for (int row = 1; row <= kZr4ParamRows; ++row) {
        const std::string& v = values[static_cast<size_t>(row)];
        if (v.empty()) continue;
        std::optional<std::string> text;
        if (ParamZr4Row_IsOption(row)) {
            if (const auto code = ParmZr4_OptionCode(row, v)) text = ParmZr4_CodeText(row, *code);
        } else if (isHexText(v) && v.size() <= (IsLong(ParamZr4Row_Form(row)) ? 8u : 4u)) {
            std::string h = asciiUpper(v);
            text = IsLong(ParamZr4Row_Form(row)) ? Hex8_Zero(h) : Hex4_Zero(h);
        }
        if (!text) {
            ++left;
            continue;
        }
        g.setTextMatrix(row, kParamSettingCol, *text);
    }
    return left;
}

std::string FileMerge_Message(int leftOut)
{
    if (leftOut <= 0) return {};
    return std::to_string(leftOut) + (leftOut == 1 ? " value of the file was" : " values of the file were") +
           " not valid for their cells and left out";
}

} // namespace posmod
