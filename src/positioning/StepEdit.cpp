#include "positioning/StepEdit.h"

#include <algorithm>

#include "positioning/StepLayout.h"
#include "shared/Conversions.h"
#include "shared/ModelTable.h"
#include "shared/NameTables.h"

namespace posmod {

namespace {

// The positioning grids' rules: value columns firstValue..lastValue, one detail column.
class StepRules : public EditRules {
public:
    StepRules(ValueForm (*form)(int), int detailCol, bool fourAxis)
        : form_(form), detailCol_(detailCol), fourAxis_(fourAxis)
    {
    }

    CellRule cell(const GridCells& g, int row, int col) const override
    {
        if (row < 1 || row > lastRow(g)) return {};
        if (col == detailCol_) return {CellKind::Detail, ValueForm::None};
        const ValueForm f = form_(col);
        if (f == ValueForm::None) return {};
        return {row % 2 == 0 ? CellKind::Edit : CellKind::Fixed, f};
    }

    KeyMove move(const GridCells& g, EditKey key, int row, int col) const override
    {
        switch (key) {
        case EditKey::Enter: return {true, row, col};
        case EditKey::Left: return {true, row, std::max(0, col - 1)};
        case EditKey::Right: return {true, row, std::min(g.Cols() - 1, col + 1)};
        case EditKey::Up: return {true, std::max(1, row - 1), col};
        case EditKey::Down: return {true, row < lastRow(g) ? row + 1 : row, col};
        }
        return {false, row, col};
    }

    void options(const GridCells& g, int row, int col, bool decimal, Public::OptionListArray& list) const override
    {
        const std::string word =
            cell(g, row, col).kind == CellKind::Detail ? StepMode_Word(g.TextMatrix(row, kStepFirstValueCol), decimal)
                                                       : std::string();
        if (word.empty()) {
            EditRules::options(g, row, col, decimal, list);
            return;
        }
        list.fill(std::string());
        if (fourAxis_) AutoModeZr4_TextSet(list, word);
        else AutoMode_TextSet(list, word);
    }

private:
    static int lastRow(const GridCells& g) { return g.Rows() - 1; }

    ValueForm (*form_)(int);
    int detailCol_;
    bool fourAxis_;
};

int settingRows(const GridCells& g) { return g.Rows() - 1; }

// A register row's word as a cell takes it, or "" when it fails its form.
std::string wordText(const std::string& w) { return StepFile_Text(ValueForm::Word, w); }

// The cells of one register row of a step in a grid (its columns as the layout maps them);
// false when one of its values was left out.
template <class CellOf>
bool mergeRow(GridCells& g, int row, int regRow, const RegisterTable& t, CellOf cellOf, bool detail)
{
    bool ok = true;
    const auto r = static_cast<size_t>(regRow);
    for (int col = kStepFirstValueCol; col <= kStepLastValueColJV; ++col) {
        const StepRegisterCell c = cellOf(col);
        if (c.row != regRow) continue;
        std::string text;
        switch (c.part) {
        case WordPart::Low: text = wordText(t.WriteData[r]); break;
        case WordPart::High: text = wordText(t.WriteDataH[r]); break;
        case WordPart::Pair: {
            const std::string high = wordText(t.WriteDataH[r]), low = wordText(t.WriteData[r]);
            if (!high.empty() && !low.empty()) text = high + low;
            break;
        }
        case WordPart::None: continue;
        }
        if (text.empty()) {
            ok = false;
            continue;
        }
        g.setTextMatrix(row, col, text);
        if (detail && col == kStepFirstValueCol) StepDetail_Fill(g, row, false);
    }
    return ok;
}

// The Setting rows of a register model's grids, one per axis, from the rows a CSV file
// filled; the rows of a step's item are its axes in turn.
int registerFileMerge(std::span<GridCells* const> grids, ModelFamily family, const Public& p)
{
    const RegisterTable& t = p.reg;
    const int perStep = Model_OfFamily(family).rowsPerStep;
    const int axes = perStep / kStepItems;
    const int first = t.AutoRange[0];
    const int count = std::clamp<int>(p.CsvReadCount, 0, RegisterTable::kRows);
    int left = 0;
    for (int k = 1; k <= count; ++k) {
        const int e = p.CsvReadIndex[static_cast<size_t>(k)];
        if (e < first || e > RegisterTable::kRows) continue;
        const int step = (e - first) / perStep;
        const int axis = (e - first) % axes;
        GridCells* g = grids[static_cast<size_t>(axis)];
        const int row = StepRow_Setting(step);
        const auto cellOf = [&](int col) { return StepRegister_Cell(t, perStep, axis, step, col); };
        if (!g || row > settingRows(*g) || cellOf(kStepFirstValueCol).row == 0) {
            ++left;
            continue;
        }
        if (!mergeRow(*g, row, e, t, cellOf, true)) ++left;
    }
    return left;
}

} // namespace

ValueForm StepJV_ColForm(int col)
{
    switch (col) {
    case 2: return ValueForm::Word;
    case 3:
    case 4:
    case 5: return ValueForm::WordNonZero;
    case 6: return ValueForm::Long;
    default: return ValueForm::None;
    }
}

ValueForm StepZr4_ColForm(int col)
{
    switch (col) {
    case 2:
    case 3: return ValueForm::Word;
    case 4:
    case 5:
    case 6: return ValueForm::WordNonZero;
    case 7:
    case 8: return ValueForm::Long;
    default: return ValueForm::None;
    }
}

const EditRules& StepJV_Rules()
{
    static const StepRules rules(StepJV_ColForm, kStepDetailColJV, false);
    return rules;
}

const EditRules& StepZr4_Rules()
{
    static const StepRules rules(StepZr4_ColForm, kStepDetailColZr4, true);
    return rules;
}

std::string StepMode_Word(const std::string& cellText, bool decimal)
{
    if (cellText.empty()) return {};
    std::string hex = decimal ? DisplayText_ToHex(ValueForm::Word, cellText) : asciiUpper(cellText);
    if (hex.size() > 4 || !isHexText(hex)) return {};
    return Hex4_Zero(hex);
}

std::string StepDetail_Text(const std::string& cellText, bool decimal)
{
    const std::string word = StepMode_Word(cellText, decimal);
    if (word.empty()) return {};
    Public::OptionListArray list;
    AutoMode_TextSet(list, word);
    std::string text;
    for (int k = 0; k <= 5; ++k) text += list[static_cast<size_t>(k)];
    return text;
}

void StepDetail_Fill(GridCells& g, int row, bool decimal)
{
    g.setTextMatrix(row, kStepDetailColJV, StepDetail_Text(g.TextMatrix(row, kStepFirstValueCol), decimal));
}

void StepDetail_FillCurrent(GridCells& g, bool decimal)
{
    for (int row = 1; row <= settingRows(g); row += 2) StepDetail_Fill(g, row, decimal);
}

RowSpan StepRange_Rows(int firstStep, int fromStep, int toStep)
{
    return {StepRow_Setting(fromStep - firstStep), StepRow_Setting(toStep - firstStep)};
}

void StepSetting_Fill(GridCells& g, RowSpan span, int firstCol, int lastCol, std::span<const std::string> byCol)
{
    int first = std::max(span.first, 2);
    if (first % 2 != 0) ++first;
    const int last = std::min(span.last, settingRows(g));
    lastCol = std::min(lastCol, static_cast<int>(byCol.size()) - 1);
    for (int row = first; row <= last; row += 2)
        for (int c = firstCol; c <= lastCol; ++c) g.setTextMatrix(row, c, byCol[static_cast<size_t>(c)]);
}

void StepSetting_Clear(GridCells& g, int lastCol)
{
    for (int row = 2; row <= settingRows(g); row += 2)
        for (int c = kStepFirstValueCol; c <= lastCol; ++c) g.setTextMatrix(row, c, "");
}

std::string StepFile_Text(ValueForm form, const std::string& value)
{
    if (form == ValueForm::None || value.empty() || value.size() > (IsLong(form) ? 8u : 4u) || !isHexText(value))
        return {};
    std::string text = asciiUpper(value);
    return IsLong(form) ? Hex8_Zero(text) : Hex4_Zero(text);
}

int StepJV_FileMerge(GridCells& g, const Public& p)
{
    GridCells* const grids[] = {&g};
    return registerFileMerge(grids, ModelFamily::OneAxis, p);
}

int Step7W_FileMerge(const std::array<GridCells*, 2>& grids, const Public& p)
{
    return registerFileMerge(grids, ModelFamily::TwoAxis, p);
}

int StepZr4_FileMerge(const std::array<GridCells*, 4>& grids, const Z4AutoCsvData& data)
{
    int left = 0;
    for (int a = 0; a < kZr4Axes; ++a) {
        GridCells* g = grids[static_cast<size_t>(a)];
        for (int point = 0; point < kZr4Points; ++point)
            for (int i = 0; i < kZr4Items; ++i) {
                const std::string& v = data(a, point, i);
                if (v.empty()) continue;
                const int row = StepRow_Setting(point), col = i + kStepFirstValueCol;
                const std::string text = StepFile_Text(StepZr4_ColForm(col), v);
                if (!g || row > settingRows(*g) || text.empty()) {
                    ++left;
                    continue;
                }
                g->setTextMatrix(row, col, text);
            }
    }
    return left;
}

} // namespace posmod
