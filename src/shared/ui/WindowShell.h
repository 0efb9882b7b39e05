#pragma once
// What a window may ask of the tool's window and dialog tables: the lock of a window's controls,
// a window by form number (its position is where a dialog or the wait window goes), whether an
// operation runs, and a dialog by its number, shown modal. Implemented by the composition root.
#include <cstdint>

#include "shared/DialogNumbers.h"
#include "shared/FormNumbers.h"

class QDialog;
class QWidget;

namespace posmod {

class WindowShell {
public:
    virtual ~WindowShell() = default;
    // Switches the controls of a window on or off (the window is created when missing);
    // 10 and 12 and above change nothing.
    virtual void FormControl_Enable(uint8_t formNo, bool enable) = 0;
    // What the last FormControl_Enable of a window set (true when it was never switched), so a
    // caller that locks a window for a while can put it back as it was.
    virtual bool FormControl_Enabled(uint8_t formNo) const = 0;
    // The window of a form number, created when missing; nullptr for 10 and 12 and above.
    virtual QWidget* form(int formNo) = 0;
    // A transfer or a link operation runs: windows taking part must not close.
    virtual bool operationRunning() const = 0;
    // A link operation runs.
    virtual bool linkBusy() const = 0;
    // Shows a window of the window table modal; tests answer it without a modal loop.
    virtual void execDialog(QDialog& d) = 0;
    // Opens a dialog of the dialog table (a dialog:: number) from opener: created afresh by its
    // row at opener's top-left corner, shown modal as execDialog shows, deleted. Returns its
    // result (QDialog::Accepted or QDialog::Rejected); what it chose stays in Public.
    virtual int openDialog(dialog::No dialogNo, QWidget& opener) = 0;
    // Opens a window at the main window's top-left corner: loaded afresh unless it is open,
    // then shown.
    virtual void openAtMain(int formNo) = 0;
    // Closes the window of a form number when it is open (a window may refuse); creates none.
    virtual void closeForm(int formNo) = 0;
};

} // namespace posmod
