#pragma once
// The positioning grids of the three editors: two rows per step of the step window (row
// 2j + 1 "Current data" with the step number, row 2j + 2 "Setting data"), the value columns
// and the register rows or four-axis store words they hold, and the fill of the Current rows.
#include <string>
#include <vector>

#include "shared/Grid.h"
#include "shared/GridLayout.h"
#include "shared/ModelTable.h"
#include "shared/Public.h"

namespace posmod {

inline constexpr int kStepFirstValueCol = 2;
inline constexpr int kStepLastValueColJV = 6;   // also the two-axis editor
inline constexpr int kStepLastValueColZr4 = 8;

inline int StepRow_Current(int stepIndex) { return 2 * stepIndex + 1; }
inline int StepRow_Setting(int stepIndex) { return 2 * stepIndex + 2; }

// Column layouts and grid sizes of frmAutoRunJVMode, frmAutoRun7WMode and frmAutoRunZr4Mode.
const GridLayout& StepJV_Layout();
const GridLayout& Step7W_Layout();
const GridLayout& StepZr4_Layout();

// Which word of which register row a value column holds.
enum class WordPart { None, Low, High, Pair }; // Pair: two words, shown high word first
struct StepRegisterCell {
    int row = 0;                    // register row; 0 for none
    WordPart part = WordPart::None;
};
// A step of a register table is four items (mode/dwell, acceleration/deceleration, velocity,
// target position), each one row per axis, the axes' rows of an item in turn.
inline constexpr int kStepItems = 4;
// The cell of step j of an axis, the step's rows from AutoRange(0) + rowsPerStep * j:
// column 2 the mode/dwell row, 3 and 4 the low and high word of the
// acceleration/deceleration row, 5 velocity, 6 the two-word target position.
StepRegisterCell StepRegister_Cell(const RegisterTable& t, int rowsPerStep, int axis, int stepIndex, int col);
// One-axis: four rows per step.
StepRegisterCell StepJV_Cell(const RegisterTable& t, int stepIndex, int col);
// Two-axis: eight rows per step, the X and Y row of each item interleaved.
StepRegisterCell Step7W_Cell(const RegisterTable& t, int axis, int stepIndex, int col);

// Four-axis: columns 2-6 words 0-4, 7 the pair 5 (low) / 6 (high), 8 the pair 7 / 8.
struct Zr4StepCell {
    int low = -1;   // the word, or the low word of a pair; -1 for none
    int high = -1;  // the high word of a pair; -1 for a one-word column
};
Zr4StepCell StepZr4_Cell(int col);

// The grid shaped for the step window firstStep..lastStep: columns and their headers, two
// rows per step with the step number and "Current data" / "Setting data", every value emptied.
void StepGrid_Shape(GridCells& g, const GridLayout& layout, int firstStep, int lastStep);

// The Current rows from the data read from the module; nothing on CSV work.
void StepJV_FillCurrent(GridCells& g, const Public& p, bool decimal);
void Step7W_FillCurrent(GridCells& g, int axis, const Public& p, bool decimal);
void StepZr4_FillCurrent(GridCells& g, int axis, const Public& p, int firstStep, bool decimal);
// The Current row of one step (the stepIndex-th of the grid) from the four-axis store, in
// the display given; a 32-bit value missing one of its words shows empty.
void StepZr4_FillStep(GridCells& g, int axis, const Public& p, int step, int stepIndex, bool decimal);

} // namespace posmod
