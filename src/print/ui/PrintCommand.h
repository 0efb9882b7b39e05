#pragma once
// An editor's print command once its table is chosen: the kind set, the step window handed
// over for a positioning table, the editor hidden while the preview is open at its position.
#include <array>

class QWidget;

namespace posmod {

class GridCells;
class WindowShell;
struct Public;

// grids: the editor's grids by member index; decimal: the editor shows decimal values.
// For kinds 6-9 the axis is pub.AxisStepRange.AxisNo, chosen before in the range dialog.
void PrintCommand_Run(Public& pub, WindowShell& shell, QWidget& editor, int formNo,
                      const std::array<const GridCells*, 4>& grids, bool decimal);

} // namespace posmod
