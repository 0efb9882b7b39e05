#pragma once
// The one table of the tool's windows: form number, window, how it is created and which of
// its controls the lock switches. The dialogs are in the table beside it (app/DialogTable.h).
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace posmod {

class Forms;

struct WindowRow {
    int formNo;                                    // form::kNone: the wait window, which has none
    std::string name;                              // the window's objectName
    std::function<QWidget*(Forms&)> create;        // loaded, not shown
    std::vector<std::string> lockControls;         // "Name" or "Name(index)", in switching order
};

// Rows by form number 0..11 (10 has none), then the wait window.
const std::vector<WindowRow>& WindowTable();
// The row of a form number; nullptr for 10, 12 and above and for form::kNone.
const WindowRow* WindowTable_Row(int formNo);
// The row of a window name; nullptr when none has it.
const WindowRow* WindowTable_Row(const std::string& name);

} // namespace posmod
