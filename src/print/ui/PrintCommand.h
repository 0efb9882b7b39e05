#pragma once
// An editor's print command once its table is chosen: the kind set, the step window handed
// over for a positioning table, the editor hidden while the preview is open at its position.
#include <array>

class QWidget;

namespace posmod {

class GridCells;
class WindowShell;
struct PrintSource;
struct Public;

// The table an editor's print hands to the preview: the kind of the editor set in
// pub.PrintDataKind and, for a positioning table, the step window the grid holds.
PrintSource PrintCommand_Source(Public& pub, int formNo, const std::array<const GridCells*, 4>& grids, bool decimal);

// grids: the editor's grids by member index; decimal: the editor shows decimal values.
// For kinds 6-9 the axis is pub.AxisStepRange.AxisNo, chosen before in the range dialog.
void PrintCommand_Run(Public& pub, WindowShell& shell, QWidget& editor, int formNo,
                      const std::array<const GridCells*, 4>& grids, bool decimal);

} // namespace posmod
