#pragma once
// An editor's print: the table the preview is built from (the preview's row takes it from the
// editor), and the command that opens the preview at the editor, hidden while it is open.
#include <array>

class QWidget;

namespace posmod {

class GridCells;
class WindowShell;
struct PrintSource;
struct Public;

// The table an editor's print hands to the preview: the kind of the editor set in
// pub.PrintDataKind and, for a positioning table, the step window the grid holds.
// grids: the editor's grids by member index; decimal: the editor shows decimal values.
// For kinds 6-9 the axis is pub.AxisStepRange.AxisNo, chosen before in the range dialog.
PrintSource PrintCommand_Source(Public& pub, int formNo, const std::array<const GridCells*, 4>& grids, bool decimal);

// Opens the preview of editor's table (the preview's row asks the editor for it).
void PrintCommand_Run(WindowShell& shell, QWidget& editor);

} // namespace posmod
