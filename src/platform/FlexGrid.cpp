#include "platform/FlexGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPalette>
#include <QScreen>

namespace posmod {

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(2, 2, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    colAlign_.assign(2, 9);
    restyle();
    connect(this, &QTableWidget::currentCellChanged, this, [this](int r, int c, int, int) {
        if (syncing_ || r < 0 || c < 0) return;
        if (r == row_ && c == col_) return;
        row_ = r;
        col_ = c;
        emit RowColChange();
    });
}

int FlexGrid::dpiX() const { return logicalDpiX() > 0 ? logicalDpiX() : 96; }
int FlexGrid::dpiY() const { return logicalDpiY() > 0 ? logicalDpiY() : 96; }

void FlexGrid::setRows(int n)
{
    if (n < 0) n = 0;
    const int old = rowCount();
    setRowCount(n);
    if (n > old && old > 0) {
        // New rows take the height of the last row that existed, as the control does.
        const int h = rowHeight(old - 1);
        for (int r = old; r < n; ++r) QTableWidget::setRowHeight(r, h);
    }
    if (row_ >= n) row_ = n > 0 ? n - 1 : 0;
    restyle();
}

void FlexGrid::setCols(int n)
{
    if (n < 0) n = 0;
    setColumnCount(n);
    colAlign_.resize(static_cast<size_t>(n), 9);
    if (col_ >= n) col_ = n > 0 ? n - 1 : 0;
    restyle();
}

void FlexGrid::setFixedRows(int n)
{
    fixedRows_ = n < 0 ? 0 : n;
    restyle();
}

void FlexGrid::setFixedCols(int n)
{
    fixedCols_ = n < 0 ? 0 : n;
    restyle();
}

std::string FlexGrid::TextMatrix(int row, int col) const
{
    if (!valid(row, col)) return {};
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text().toStdString() : std::string();
}

void FlexGrid::setTextMatrix(int row, int col, const std::string& text)
{
    if (!valid(row, col)) return;
    cell(row, col)->setText(QString::fromStdString(text));
}

QTableWidgetItem* FlexGrid::cell(int row, int col)
{
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        styleCell(it, row, col);
        setItem(row, col, it);
    }
    return it;
}

void FlexGrid::styleCell(QTableWidgetItem* it, int row, int col) const
{
    const bool fixed = row < fixedRows_ || col < fixedCols_;
    if (fixed) {
        it->setFlags(Qt::ItemIsEnabled);
        it->setBackground(palette().brush(QPalette::Button));
        it->setTextAlignment(AlignmentForCode(4));
    } else {
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        it->setBackground(QBrush());
        const int code = col < static_cast<int>(colAlign_.size()) ? colAlign_[static_cast<size_t>(col)] : 9;
        it->setTextAlignment(AlignmentForCode(code));
    }
}

void FlexGrid::restyle()
{
    // Fixed cells need an item to carry their colour even while they hold no text.
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            if (QTableWidgetItem* it = item(r, c))
                styleCell(it, r, c);
            else if (r < fixedRows_ || c < fixedCols_)
                cell(r, c);
        }
}

void FlexGrid::setRow(int row)
{
    if (row < 0 || row >= rowCount()) return;
    row_ = row;
    syncing_ = true;
    setCurrentCell(row_, col_ < columnCount() ? col_ : 0);
    syncing_ = false;
}

void FlexGrid::setCol(int col)
{
    if (col < 0 || col >= columnCount()) return;
    col_ = col;
    syncing_ = true;
    setCurrentCell(row_ < rowCount() ? row_ : 0, col_);
    syncing_ = false;
}

int FlexGrid::RowHeight(int row) const
{
    if (row < 0 || row >= rowCount()) return 0;
    return PixelsToTwips(rowHeight(row), dpiY());
}

void FlexGrid::setRowHeight(int row, int twips)
{
    // -1 sets every row, as the control's RowHeight(-1) does.
    const int px = TwipsToPixels(twips < 0 ? 0 : twips, dpiY());
    if (row < 0) {
        for (int r = 0; r < rowCount(); ++r) QTableWidget::setRowHeight(r, px);
        verticalHeader()->setDefaultSectionSize(px);
        return;
    }
    if (row < rowCount()) QTableWidget::setRowHeight(row, px);
}

int FlexGrid::ColWidth(int col) const
{
    if (col < 0 || col >= columnCount()) return 0;
    return PixelsToTwips(columnWidth(col), dpiX());
}

void FlexGrid::setColWidth(int col, int twips)
{
    const int px = TwipsToPixels(twips < 0 ? 0 : twips, dpiX());
    if (col < 0) {
        for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, px);
        return;
    }
    if (col < columnCount()) setColumnWidth(col, px);
}

int FlexGrid::GridWidth() const { return PixelsToTwips(width(), dpiX()); }
int FlexGrid::GridHeight() const { return PixelsToTwips(height(), dpiY()); }

void FlexGrid::setGridSize(int widthTwips, int heightTwips)
{
    setFixedSize(TwipsToPixels(widthTwips, dpiX()), TwipsToPixels(heightTwips, dpiY()));
}

int FlexGrid::RowPos(int row) const
{
    if (row < 0 || row >= rowCount()) return 0;
    return PixelsToTwips(rowViewportPosition(row) + viewport()->y(), dpiY());
}

int FlexGrid::ColPos(int col) const
{
    if (col < 0 || col >= columnCount()) return 0;
    return PixelsToTwips(columnViewportPosition(col) + viewport()->x(), dpiX());
}

int FlexGrid::ColAlignment(int col) const
{
    if (col < 0 || col >= static_cast<int>(colAlign_.size())) return 9;
    return colAlign_[static_cast<size_t>(col)];
}

void FlexGrid::setColAlignment(int col, int code)
{
    if (col < 0 || col >= columnCount()) return;
    colAlign_[static_cast<size_t>(col)] = code;
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* it = item(r, col)) styleCell(it, r, col);
}

Qt::Alignment FlexGrid::AlignmentForCode(int code)
{
    if (code < 0 || code > 8) return Qt::AlignLeft | Qt::AlignVCenter; // general
    static const Qt::Alignment h[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment v[3] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return h[code / 3] | v[code % 3];
}

void FlexGrid::keyPressEvent(QKeyEvent* e)
{
    int ascii = 0;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: ascii = 13; break;
    case Qt::Key_Escape: ascii = 27; break;
    case Qt::Key_Backspace: ascii = 8; break;
    case Qt::Key_Tab: ascii = 9; break;
    default:
        if (!e->text().isEmpty()) ascii = e->text().at(0).unicode();
    }
    if (ascii != 0) emit KeyPress(ascii);
    QTableWidget::keyPressEvent(e);
}

} // namespace posmod
