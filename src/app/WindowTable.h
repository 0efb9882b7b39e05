#pragma once
// The one table of the tool's windows: form number, window, how it is created and which of
// its controls the lock switches; beside it the table of the dialogs.
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace posmod {

class Forms;

struct WindowRow {
    int formNo;
    std::string name;                              // the window's objectName
    std::function<QWidget*(Forms&)> create;        // loaded, not shown
    std::vector<std::string> lockControls;         // "Name" or "Name(index)", in switching order
};

// Rows by form number 0..11; 10 has none.
const std::vector<WindowRow>& WindowTable();
// The row of a form number; nullptr for 10, 12 and above.
const WindowRow* WindowTable_Row(int formNo);
// The row of a window name; nullptr when none has it.
const WindowRow* WindowTable_Row(const std::string& name);

// The dialogs, and the wait window: shown over the window that opens them, at its position.
// The program makes a new dialog each time where it opens one; create makes one as its opener
// does, for the model in use, for a walk over every window of the tool (nullptr when the
// model has no such dialog). The wait window is the one Forms keeps, never deleted by it.
struct DialogRow {
    std::string name; // the dialog's objectName
    std::function<std::shared_ptr<QWidget>(Forms&, QWidget& opener)> create;
};

const std::vector<DialogRow>& DialogTable();
// The row of a dialog name; nullptr when none has it.
const DialogRow* DialogTable_Row(const std::string& name);

} // namespace posmod
