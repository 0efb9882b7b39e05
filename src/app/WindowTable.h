#pragma once
// The one table of the tool's windows: form number, window, how it is created and which of
// its controls the lock switches.
#include <functional>
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

} // namespace posmod
