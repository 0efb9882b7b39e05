#include "params/ParamLayout.h"

#include "params/ParamOptions.h"
#include "shared/Conversions.h"

namespace posmod {

namespace {

bool inTable(int row) { return row >= 1 && row <= RegisterTable::kRows; }

// A two-word value as shown: high word then low word; a value missing a word has none.
std::string pairText(const std::string& high, const std::string& low)
{
    return high.empty() || low.empty() ? std::string() : high + low;
}

std::string registerText(const RegisterTable& t, const RegisterCell& c, bool decimal)
{
    if (!inTable(c.row)) return {};
    const auto r = static_cast<size_t>(c.row);
    const std::string hex = c.twoWords ? pairText(t.ReadDataH[r], t.ReadData[r]) : t.ReadData[r];
    return CurrentCellText(hex, c.twoWords, decimal);
}

} // namespace

const GridLayout& ParamJV_Layout()
{
    static const GridLayout l{{{"No.", 600, 5}, {"parameter", 3100, 2}, {"", 1600, 5}, {"", 1600, 5}}, 7020, 4000};
    return l;
}

const GridLayout& Param7W_Layout()
{
    static const GridLayout l{{{"No.", 350, 5}, {"parameter", 2500, 2}, {"", 1400, 5}, {"", 1400, 5}}, 5750, 4000};
    return l;
}

const GridLayout& ParamZr4_Layout()
{
    static const GridLayout l{{{"No.", 600, 4}, {"parameter", 3690, 2}, {"", 3300, 2}, {"", 3300, 2}}, 11250, 6080};
    return l;
}

RegisterCell ParamJV_Cell(const RegisterTable& t, int gridRow)
{
    if (gridRow < 1 || gridRow > kParamRows) return {};
    const int row = t.PrmRange[0] + gridRow - 1;
    if (!inTable(row)) return {};
    return {row, t.TwoWords[static_cast<size_t>(row)]};
}

RegisterCell Param7W_Cell(const RegisterTable& t, int axis, int gridRow)
{
    if (gridRow < 1 || gridRow > kParamRows || axis < 0 || axis > 1) return {};
    const int xRow = t.PrmRange[0] + 2 * (gridRow - 1);
    const int row = xRow + axis;
    if (!inTable(xRow) || !inTable(row)) return {};
    return {row, t.TwoWords[static_cast<size_t>(xRow)]};
}

Zr4ParamCell ParamZr4_Cell(int gridRow)
{
    if (gridRow >= 1 && gridRow <= 4) return {Zr4ParamKind::Option, 0, gridRow - 1};
    if (gridRow >= 5 && gridRow <= 7) return {Zr4ParamKind::Option, 1, gridRow - 4};
    if (gridRow >= 8 && gridRow <= 11) return {Zr4ParamKind::Option, 2, gridRow - 8};
    if (gridRow >= 12 && gridRow <= 19) return {Zr4ParamKind::Word, gridRow - 9, -1};
    if (gridRow >= 20 && gridRow <= 23) return {Zr4ParamKind::Pair, 11 + 2 * (gridRow - 20), -1};
    return {};
}

bool ParamRow_TwoWords(int gridRow) { return gridRow >= 10 && gridRow <= kParamRows; }

bool ParamZr4Row_IsOption(int gridRow) { return gridRow >= 1 && gridRow <= 11; }

void ParamGrid_Shape(GridCells& g, int rows)
{
    g.setCols(4);
    g.setRows(rows + 1);
    for (int k = 1; k <= rows; ++k) {
        g.setTextMatrix(k, 0, std::to_string(k));
        g.setTextMatrix(k, kParamCurrentCol, "");
        g.setTextMatrix(k, kParamSettingCol, "");
    }
    ParamGrid_Headers(g, false);
}

void ParamGrid_Headers(GridCells& g, bool decimal)
{
    g.setTextMatrix(0, 0, "No.");
    g.setTextMatrix(0, 1, "parameter");
    g.setTextMatrix(0, kParamCurrentCol, decimal ? "Current data(Dec)" : "Current data(Hex)");
    g.setTextMatrix(0, kParamSettingCol, decimal ? "Setting data(Dec)" : "Setting data(Hex)");
}

void ParamJV_FillCurrent(GridCells& g, const Public& p, bool decimal)
{
    ParamGrid_Headers(g, decimal);
    const bool module = p.DataSourceCaption.empty();
    for (int k = 1; k <= kParamRows; ++k)
        g.setTextMatrix(k, kParamCurrentCol, module ? registerText(p.reg, ParamJV_Cell(p.reg, k), decimal) : "");
}

void Param7W_FillCurrent(GridCells& g, int axis, const Public& p, bool decimal)
{
    ParamGrid_Headers(g, decimal);
    const bool module = p.DataSourceCaption.empty();
    for (int k = 1; k <= kParamRows; ++k)
        g.setTextMatrix(k, kParamCurrentCol, module ? registerText(p.reg, Param7W_Cell(p.reg, axis, k), decimal) : "");
}

std::string ParmZr4_CurrentText(const std::array<Public::Z4WordRec, 19>& words, int row, bool decimal)
{
    const Zr4ParamCell c = ParamZr4_Cell(row);
    auto word = [&](int w) -> const std::string& { return words[static_cast<size_t>(w)].Word; };
    switch (c.kind) {
    case Zr4ParamKind::Option: return ModeText_Cha(word(c.word), row);
    case Zr4ParamKind::Word: return CurrentCellText(word(c.word), false, decimal);
    case Zr4ParamKind::Pair: return CurrentCellText(pairText(word(c.word + 1), word(c.word)), true, decimal);
    case Zr4ParamKind::None: break;
    }
    return {};
}

void ParamZr4_FillCurrent(GridCells& g, int axis, const Public& p, bool decimal)
{
    ParamGrid_Headers(g, decimal);
    const bool module = p.DataSourceCaption.empty() && axis >= 0 && axis < 4;
    for (int row = 1; row <= kZr4ParamRows; ++row)
        g.setTextMatrix(row, kParamCurrentCol,
                        module ? ParmZr4_CurrentText(p.Z4PrmData[static_cast<size_t>(axis)], row, decimal) : "");
}

} // namespace posmod
