#include "positioning/StepLayout.h"

#include "shared/Conversions.h"
#include "shared/ModelTable.h"

namespace posmod {

namespace {

bool inTable(int row) { return row >= 1 && row <= RegisterTable::kRows; }

std::string pairText(const std::string& high, const std::string& low)
{
    return high.empty() || low.empty() ? std::string() : high + low;
}

// Offset from the step's first row (X row for the two-axis models) and part, by column.
StepRegisterCell itemCell(int col, int rowsPerItem)
{
    switch (col) {
    case 2: return {0, WordPart::Low};
    case 3: return {rowsPerItem, WordPart::Low};
    case 4: return {rowsPerItem, WordPart::High};
    case 5: return {2 * rowsPerItem, WordPart::Low};
    case 6: return {3 * rowsPerItem, WordPart::Pair};
    default: return {};
    }
}

StepRegisterCell stepCell(int first, int rowsPerStep, int col, int rowsPerItem)
{
    StepRegisterCell c = itemCell(col, rowsPerItem);
    if (c.part == WordPart::None) return {};
    const int row = first + c.row;
    // The whole step must lie in the table, or none of its cells holds a register.
    if (!inTable(first) || !inTable(first + rowsPerStep - 1)) return {};
    return {row, c.part};
}

std::string cellText(const RegisterTable& t, const StepRegisterCell& c, bool decimal)
{
    if (!inTable(c.row)) return {};
    const auto r = static_cast<size_t>(c.row);
    switch (c.part) {
    case WordPart::Low: return CurrentCellText(t.ReadData[r], false, decimal);
    case WordPart::High: return CurrentCellText(t.ReadDataH[r], false, decimal);
    case WordPart::Pair: return CurrentCellText(pairText(t.ReadDataH[r], t.ReadData[r]), true, decimal);
    case WordPart::None: break;
    }
    return {};
}

int stepCount(const GridCells& g) { return g.Rows() > 1 ? (g.Rows() - 1) / 2 : 0; }

// The Current rows of one axis's grid of a register model.
void registerFillCurrent(GridCells& g, ModelFamily family, int axis, const Public& p, bool decimal)
{
    if (!p.DataSourceCaption.empty()) return;
    const int perStep = Model_OfFamily(family).rowsPerStep;
    for (int j = 0; j < stepCount(g); ++j)
        for (int c = kStepFirstValueCol; c <= kStepLastValueColJV; ++c) {
            const StepRegisterCell cell = StepRegister_Cell(p.reg, perStep, axis, j, c);
            g.setTextMatrix(StepRow_Current(j), c, cellText(p.reg, cell, decimal));
        }
}

} // namespace

const GridLayout& StepJV_Layout()
{
    static const GridLayout l{{{"Step", 450, 5},
                               {"Setting", 980, 2},
                               {"Mode/Dwell", 1200, 5},
                               {"Acceleration time", 1330, 5},
                               {"Deceleration time", 1330, 5},
                               {"Velocity", 1200, 5},
                               {"Target position", 1200, 5},
                               {"detailed of operation mode", 3560, 2}},
                              11610,
                              5780};
    return l;
}

const GridLayout& Step7W_Layout()
{
    static const GridLayout l{{{"Step", 450, 5},
                               {"Setting", 980, 2},
                               {"Mode/Dwell", 1000, 5},
                               {"Rate of acceleration", 1550, 5},
                               {"Rate of deceleration", 1550, 5},
                               {"Velocity", 850, 5},
                               {"Target position", 1150, 5},
                               {"detailed of operation mode", 3420, 2}},
                              11310,
                              5780};
    return l;
}

const GridLayout& StepZr4_Layout()
{
    static const GridLayout l{{{"Step", 450, 5},
                               {"Setting", 980, 2},
                               {"Mode", 700, 5},
                               {"Dwell", 700, 5},
                               {"Acceleration", 1000, 5},
                               {"Deceleration", 1000, 5},
                               {"Velocity", 700, 5},
                               {"Target position", 1200, 5},
                               {"Circular", 1200, 5},
                               {"detailed of operation mode", 3000, 2}},
                              11310,
                              5780};
    return l;
}

StepRegisterCell StepRegister_Cell(const RegisterTable& t, int rowsPerStep, int axis, int stepIndex, int col)
{
    const int axes = rowsPerStep / kStepItems;
    if (stepIndex < 0 || axis < 0 || axis >= axes) return {};
    const int first = t.AutoRange[0] + rowsPerStep * stepIndex;
    StepRegisterCell c = stepCell(first, rowsPerStep, col, axes);
    if (c.part != WordPart::None) c.row += axis;
    return c;
}

StepRegisterCell StepJV_Cell(const RegisterTable& t, int stepIndex, int col)
{
    return StepRegister_Cell(t, Model_OfFamily(ModelFamily::OneAxis).rowsPerStep, 0, stepIndex, col);
}

StepRegisterCell Step7W_Cell(const RegisterTable& t, int axis, int stepIndex, int col)
{
    return StepRegister_Cell(t, Model_OfFamily(ModelFamily::TwoAxis).rowsPerStep, axis, stepIndex, col);
}

Zr4StepCell StepZr4_Cell(int col)
{
    if (col >= 2 && col <= 6) return {col - 2, -1};
    if (col == 7) return {5, 6};
    if (col == 8) return {7, 8};
    return {};
}

void StepGrid_Shape(GridCells& g, const GridLayout& layout, int firstStep, int lastStep)
{
    const int steps = lastStep >= firstStep ? lastStep - firstStep + 1 : 0;
    const int cols = static_cast<int>(layout.columns.size());
    g.setCols(cols);
    g.setRows(2 * steps + 1);
    for (int c = 0; c < cols; ++c) g.setTextMatrix(0, c, layout.columns[static_cast<size_t>(c)].header);
    for (int j = 0; j < steps; ++j) {
        for (int c = 0; c < cols; ++c) {
            g.setTextMatrix(StepRow_Current(j), c, "");
            g.setTextMatrix(StepRow_Setting(j), c, "");
        }
        g.setTextMatrix(StepRow_Current(j), 0, std::to_string(firstStep + j));
        g.setTextMatrix(StepRow_Current(j), 1, "Current data");
        g.setTextMatrix(StepRow_Setting(j), 1, "Setting data");
    }
}

void StepJV_FillCurrent(GridCells& g, const Public& p, bool decimal)
{
    registerFillCurrent(g, ModelFamily::OneAxis, 0, p, decimal);
}

void Step7W_FillCurrent(GridCells& g, int axis, const Public& p, bool decimal)
{
    registerFillCurrent(g, ModelFamily::TwoAxis, axis, p, decimal);
}

void StepZr4_FillStep(GridCells& g, int axis, const Public& p, int step, int stepIndex, bool decimal)
{
    if (axis < 0 || axis > 3 || step < 0 || step >= static_cast<int>(p.Z4AutoData.size())) return;
    const auto& w = p.Z4AutoData[static_cast<size_t>(step)][static_cast<size_t>(axis)];
    for (int c = kStepFirstValueCol; c <= kStepLastValueColZr4; ++c) {
        const Zr4StepCell z = StepZr4_Cell(c);
        const std::string& low = w[static_cast<size_t>(z.low)].Word;
        const std::string text = z.high < 0 ? CurrentCellText(low, false, decimal)
                                            : CurrentCellText(pairText(w[static_cast<size_t>(z.high)].Word, low),
                                                              true, decimal);
        g.setTextMatrix(StepRow_Current(stepIndex), c, text);
    }
}

void StepZr4_FillCurrent(GridCells& g, int axis, const Public& p, int firstStep, bool decimal)
{
    if (!p.DataSourceCaption.empty() || axis < 0 || axis > 3) return;
    for (int j = 0; j < stepCount(g); ++j) StepZr4_FillStep(g, axis, p, firstStep + j, j, decimal);
}

} // namespace posmod
