#pragma once
// The tool's dialogs, beside the window table: a row to each use of a dialog, by the number a
// window asks the shell for it with (shared/DialogNumbers.h). The shell creates every dialog
// through its row, a new one at each opening, and the walks use the same rows, so they open
// what a person opens.
#include <memory>
#include <string>
#include <vector>

#include "shared/DialogNumbers.h"

class QDialog;
class QWidget;

namespace posmod {

class Forms;
struct PrintServices;

using DialogPtr = std::unique_ptr<QDialog>;

struct DialogRow {
    dialog::No dialogNo;
    std::string name; // the dialog's objectName (the two uses of the range dialog share theirs)
    // The form numbers of the windows whose commands open it; none for a dialog opened from a
    // dialog of this table.
    std::vector<int> openers;
    // A new dialog as opener (a window of openers, or the dialog openerDialog) creates it, at
    // opener's top-left corner as every dialog opens; loaded, not shown.
    DialogPtr (*create)(Forms&, QWidget& opener);
    // The dialog of this table whose menu opens it: the page-setting and print dialogs open
    // over the preview.
    dialog::No openerDialog = dialog::kNone;
};

const std::vector<DialogRow>& DialogTable();
// The row of a dialog number; nullptr when none has it.
const DialogRow* DialogTable_Row(dialog::No dialogNo);
// The first row of a dialog name; nullptr when none has it.
const DialogRow* DialogTable_Row(const std::string& name);

// The page-setting or print dialog over a preview, on its sheet and top row, as their rows
// create them with services; nullptr for another number or an opener that is no preview.
DialogPtr DialogTable_OverPreview(dialog::No dialogNo, PrintServices& services, QWidget& preview);

} // namespace posmod
