#pragma once
// What every modal dialog of the tool is held to as it opens: a row of the window or dialog
// table whose openers include the window that opens it, so the walks over the tool reach it
// there, and at the top-left corner of that window.
#include <QDialog>
#include <QWidget>

#include <string>
#include <vector>

#include "app/DialogTable.h"
#include "app/WindowTable.h"

namespace posmod::test {

inline std::string At(QPoint p) { return "(" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")"; }

// Whether a row of the dialog table of that name lists opener, a window or a dialog, as one
// that opens it.
inline bool ListsOpener(const std::string& name, const QWidget& opener)
{
    const std::string at = opener.objectName().toStdString();
    for (const DialogRow& row : DialogTable()) {
        if (row.name != name) continue;
        for (int formNo : row.openers)
            if (const WindowRow* w = WindowTable_Row(formNo); w && w->name == at) return true;
        if (const DialogRow* over = DialogTable_Row(row.openerDialog); over && over->name == at) return true;
    }
    return false;
}

// What is wrong with a dialog about to be shown, opened by opener; none when all is right.
inline std::vector<std::string> DialogFaults(const QDialog& d, const QWidget* opener)
{
    std::vector<std::string> faults;
    const std::string name = d.objectName().toStdString();
    if (!DialogTable_Row(name) && !WindowTable_Row(name))
        faults.push_back("\"" + name + "\" is a row of neither table: the walks miss it");
    if (!opener) {
        faults.push_back(name + " opens without a window that opens it");
        return faults;
    }
    if (DialogTable_Row(name) && !ListsOpener(name, *opener))
        faults.push_back(name + " opens from " + opener->objectName().toStdString() +
                         ", which no row of it lists: the walks miss that opening");
    if (d.pos() != opener->pos())
        faults.push_back(name + " opens at " + At(d.pos()) + ", not at " + opener->objectName().toStdString() + " " +
                         At(opener->pos()));
    return faults;
}

} // namespace posmod::test
