#pragma once
// The tool's dialogs, beside the window table: each created as the window that opens it
// creates it, so a walk over the two tables reaches every window of the tool. The windows
// still create their dialogs themselves, a new one at each opening; the walks use these rows.
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QDialog;
class QWidget;

namespace posmod {

class Forms;

// Deletes a dialog with whatever it was built on: the page-setting and print dialogs set the
// sheet of a preview, which goes with them.
using DialogPtr = std::unique_ptr<QDialog, std::function<void(QDialog*)>>;

struct DialogRow {
    std::string name; // the dialog's objectName
    // The form numbers of the windows whose commands open it (the print dialogs through the
    // preview of an editor).
    std::vector<int> openers;
    // A new dialog as opener, one of openers, creates it, at opener's top-left corner as
    // every dialog opens; loaded, not shown.
    std::function<DialogPtr(Forms&, QWidget& opener)> create;
};

const std::vector<DialogRow>& DialogTable();
// The row of a dialog name; nullptr when none has it.
const DialogRow* DialogTable_Row(const std::string& name);

} // namespace posmod
