#include "platform/QtPointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace posmod {

void QtPointer::setHourglass(bool on)
{
    // Balanced: each hourglass set is restored once, whatever nests inside it.
    if (on) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ++depth_;
    } else if (depth_ > 0) {
        QGuiApplication::restoreOverrideCursor();
        --depth_;
    }
}

} // namespace posmod
