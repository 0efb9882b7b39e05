#pragma once
// What every modal dialog of the tool is held to as it opens: a row of the window or dialog
// table, so the walks over the tool reach it, and at the top-left corner of the window that
// opens it.
#include <QDialog>
#include <QWidget>

#include <string>
#include <vector>

#include "app/DialogTable.h"
#include "app/WindowTable.h"

namespace posmod::test {

inline std::string At(QPoint p) { return "(" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")"; }

// What is wrong with a dialog about to be shown, opened by opener; none when all is right.
inline std::vector<std::string> DialogFaults(const QDialog& d, const QWidget* opener)
{
    std::vector<std::string> faults;
    const std::string name = d.objectName().toStdString();
    if (!DialogTable_Row(name) && !WindowTable_Row(name))
        faults.push_back("\"" + name + "\" is a row of neither table: the walks miss it");
    if (!opener)
        faults.push_back(name + " opens without a window that opens it");
    else if (d.pos() != opener->pos())
        faults.push_back(name + " opens at " + At(d.pos()) + ", not at " + opener->objectName().toStdString() + " " +
                         At(opener->pos()));
    return faults;
}

} // namespace posmod::test
