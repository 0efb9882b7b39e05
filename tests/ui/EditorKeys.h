#pragma once
// Driving an editor's grids as a user does: keys to the widget that has the focus, clicks on
// cells and controls, the wheel, and where an overlay lies against the cell it covers.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include <string>

#include "platform/FlexGrid.h"

namespace posmod::test {

// Each character typed into whatever has the focus (the grid, then the box it opened).
inline void Type(const std::string& text)
{
    for (char c : text) QTest::keyClick(QApplication::focusWidget(), c);
}

inline void Key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), k, m);
}

inline QRect CellRectPx(const FlexGrid& g, int row, int col)
{
    return g.visualRect(g.model()->index(row - 1, col));
}

// A click on a body cell (the press gives the grid the focus and makes the cell current).
inline void ClickCell(FlexGrid* g, int row, int col)
{
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, CellRectPx(*g, row, col).center());
}

inline void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

inline void Wheel(QWidget* w, int notches)
{
    const QPointF at = QPointF(w->rect().center());
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

// The overlay lies over the cell as the grid draws it, within a few pixels on every side.
inline bool Covers(const QWidget* overlay, const FlexGrid& g, int row, int col, int slack = 4)
{
    if (!overlay->isVisible()) return false;
    const QRect cell = CellRectPx(g, row, col);
    const QPoint topLeft = g.viewport()->mapToGlobal(cell.topLeft());
    const QRect drawn(topLeft, cell.size());
    const QRect laid(overlay->mapToGlobal(QPoint(0, 0)), overlay->size());
    return std::abs(laid.left() - drawn.left()) <= slack && std::abs(laid.top() - drawn.top()) <= slack &&
           std::abs(laid.right() - drawn.right()) <= slack &&
           (overlay->inherits("QComboBox") || std::abs(laid.bottom() - drawn.bottom()) <= slack);
}

inline bool Activate(QWidget* w)
{
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

} // namespace posmod::test
