#pragma once
// An editor's table as the write, CSV and print rules see it: its grids (one per axis, in axis
// order) and the display they hold. The windows hand it over; no rule knows a widget.
#include <functional>
#include <vector>

#include "shared/Grid.h"

namespace posmod {

struct EditorTable {
    std::vector<GridCells*> grids;  // empty when the editor is not there
    bool decimal = false;           // "Dec display" selected
    bool hexadecimal = true;        // "Hex display" selected (the four-axis editors keep both)
};

// The table of the editor of a form number.
using EditorTables = std::function<EditorTable(int formNo)>;

} // namespace posmod
