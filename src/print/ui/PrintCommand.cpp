#include "print/ui/PrintCommand.h"

#include <QWidget>

#include "print/PrintHandOver.h"
#include "print/PrintTables.h"
#include "shared/Public.h"
#include "shared/ui/WindowShell.h"
#include "transfer/RangeEntry.h"

namespace posmod {

PrintSource PrintCommand_Source(Public& pub, int formNo, const std::array<const GridCells*, 4>& grids, bool decimal)
{
    const int kind = PrintKind_ForEditor(formNo, pub.ModuleType);
    if (kind >= 0) pub.PrintDataKind = kind;
    PrintSource src;
    src.kind = pub.PrintDataKind;
    src.grids = grids;
    src.axisNames = pub.set.AxisName;
    src.decimalDisplay = decimal;
    if (PrintKind_IsPaged(src.kind) && src.kind != 1) {
        // The step window the editor's grid holds is the one printed.
        int first = 0, last = 0;
        StepWindow(pub, first, last);
        pub.AxisStepRange.FirstStep = first;
        pub.AxisStepRange.LastStep = last;
    }
    src.range = pub.AxisStepRange;
    return src;
}

void PrintCommand_Run(WindowShell& shell, QWidget& editor)
{
    editor.hide();
    shell.openDialog(dialog::frmPrintDisp, editor);
    editor.show();
}

} // namespace posmod
