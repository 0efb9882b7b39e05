#include "platform/FlexGrid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace posmod {

namespace {
constexpr int kDefaultRowTwips = 240;
constexpr int kDefaultColTwips = 960;
constexpr int kGeneral = 9;
} // namespace

// Row 0 of the grid: drawn as the control draws its fixed cells, captions centred.
class FlexHeader : public QHeaderView {
public:
    explicit FlexHeader(FlexGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setSectionResizeMode(QHeaderView::Fixed);
        setMinimumSectionSize(0);
        setStretchLastSection(false);
    }
    QSize sizeHint() const override { return QSize(length(), height_); }
    void setHeightPixels(int h)
    {
        height_ = h;
        setFixedHeight(h);
    }

protected:
    void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override
    {
        p->save();
        p->fillRect(rect, palette().button());
        p->setPen(palette().color(QPalette::Mid));
        p->drawLine(rect.topRight(), rect.bottomRight());
        p->drawLine(rect.bottomLeft(), rect.bottomRight());
        p->setPen(palette().color(QPalette::ButtonText));
        const QRect text = rect.adjusted(FlexGrid::kHeaderMargin, 0, -FlexGrid::kHeaderMargin, 0);
        p->drawText(text, static_cast<int>(Qt::AlignCenter), grid_->ShownHeader(logicalIndex));
        p->restore();
    }

private:
    FlexGrid* grid_;
    int height_ = 0;
};

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(1, 2, parent)
{
    setHorizontalHeader(new FlexHeader(this));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    // Tab leaves the grid for the next control, as on the original platform.
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::StrongFocus);
    setWordWrap(false);
    rowTwips_.assign(2, kDefaultRowTwips);
    colTwips_.assign(2, kDefaultColTwips);
    colAlign_.assign(2, kGeneral);
    addHeaderCells();
    scale_ = TwipsScale::of(*this);
    applySizes();
    syncCurrent();
    connect(this, &QTableWidget::currentCellChanged, this, [this](int r, int c, int, int) {
        if (syncing_ || r < 0 || c < 0) return;
        if (r + 1 == row_ && c == col_) return;
        row_ = r + 1;
        col_ = c;
        emit RowColChange();
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
}

void FlexGrid::setRows(int n)
{
    n = std::max(n, 1);
    // New rows take the height of the last row that existed, as the control does.
    rowTwips_.resize(static_cast<size_t>(n), rowTwips_.back());
    syncing_ = true;
    setRowCount(n - 1);
    syncing_ = false;
    applySizes();
    clampCurrent();
}

void FlexGrid::setCols(int n)
{
    n = std::max(n, 1);
    colTwips_.resize(static_cast<size_t>(n), colTwips_.back());
    colAlign_.resize(static_cast<size_t>(n), kGeneral);
    syncing_ = true;
    setColumnCount(n);
    syncing_ = false;
    addHeaderCells();
    applySizes();
    clampCurrent();
}

void FlexGrid::addHeaderCells()
{
    for (int c = 0; c < columnCount(); ++c)
        if (!horizontalHeaderItem(c)) setHorizontalHeaderItem(c, new QTableWidgetItem);
}

QString FlexGrid::header(int col) const
{
    const QTableWidgetItem* h = horizontalHeaderItem(col);
    return h ? h->text() : QString();
}

void FlexGrid::clampCurrent()
{
    const int row = std::clamp(row_, 1, std::max(1, Rows() - 1));
    const int col = std::clamp(col_, 0, Cols() - 1);
    const bool moved = row != row_ || col != col_;
    row_ = row;
    col_ = col;
    syncCurrent();
    if (moved) emit RowColChange();
}

void FlexGrid::syncCurrent()
{
    if (row_ > rowCount()) return; // no body row
    syncing_ = true;
    setCurrentCell(row_ - 1, col_);
    syncing_ = false;
}

std::string FlexGrid::TextMatrix(int row, int col) const
{
    if (!inside(row, col)) return {};
    if (row == 0) return header(col).toStdString();
    const QTableWidgetItem* it = item(row - 1, col);
    return it ? it->text().toStdString() : std::string();
}

void FlexGrid::setTextMatrix(int row, int col, const std::string& text)
{
    if (!inside(row, col)) return;
    if (row == 0) {
        // The header's own item: the header redraws it, and its model answers it as the
        // column's caption to assistive tools (without one they read the column number).
        horizontalHeaderItem(col)->setText(QString::fromStdString(text));
        return;
    }
    cell(row, col)->setText(QString::fromStdString(text));
}

QTableWidgetItem* FlexGrid::cell(int row, int col)
{
    QTableWidgetItem* it = item(row - 1, col);
    if (!it) {
        it = new QTableWidgetItem;
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        it->setTextAlignment(AlignmentForCode(colAlign_[static_cast<size_t>(col)]));
        setItem(row - 1, col, it);
    }
    return it;
}

void FlexGrid::setRow(int row)
{
    if (row < 1 || row >= Rows() || row == row_) return;
    setCurrentCell(row - 1, col_); // raises RowColChange through currentCellChanged
}

void FlexGrid::setCol(int col)
{
    if (col < 0 || col >= Cols() || col == col_) return;
    if (row_ > rowCount()) { // no body: only the column is kept
        col_ = col;
        emit RowColChange();
        return;
    }
    setCurrentCell(row_ - 1, col);
}

void FlexGrid::applySizes()
{
    // Pixel edges are taken from the twips summed so far, so rounding never piles up
    // along a row of columns or a column of rows.
    long long sum = 0;
    int edge = 0;
    for (int c = 0; c < Cols(); ++c) {
        sum += colTwips_[static_cast<size_t>(c)];
        const int next = scale_.toPixelsX(sum);
        horizontalHeader()->resizeSection(c, next - edge);
        edge = next;
    }
    sum = rowTwips_[0];
    edge = scale_.toPixelsY(sum);
    static_cast<FlexHeader*>(horizontalHeader())->setHeightPixels(edge);
    for (int r = 1; r < Rows(); ++r) {
        sum += rowTwips_[static_cast<size_t>(r)];
        const int next = scale_.toPixelsY(sum);
        QTableWidget::setRowHeight(r - 1, next - edge);
        edge = next;
    }
    if (widthTwips_ >= 0) setFixedSize(scale_.toPixelsX(widthTwips_), scale_.toPixelsY(heightTwips_));
    updateGeometries();
}

void FlexGrid::changeEvent(QEvent* e)
{
    QTableWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) {
        scale_ = TwipsScale::of(*this);
        applySizes();
    }
}

int FlexGrid::RowHeight(int row) const { return inside(row, 0) ? rowTwips_[static_cast<size_t>(row)] : 0; }

void FlexGrid::setRowHeight(int row, int twips)
{
    twips = std::max(twips, 0);
    if (row < 0)
        std::fill(rowTwips_.begin(), rowTwips_.end(), twips);
    else if (row < Rows())
        rowTwips_[static_cast<size_t>(row)] = twips;
    else
        return;
    applySizes();
}

int FlexGrid::ColWidth(int col) const { return inside(0, col) ? colTwips_[static_cast<size_t>(col)] : 0; }

void FlexGrid::setColWidth(int col, int twips)
{
    twips = std::max(twips, 0);
    if (col < 0)
        std::fill(colTwips_.begin(), colTwips_.end(), twips);
    else if (col < Cols())
        colTwips_[static_cast<size_t>(col)] = twips;
    else
        return;
    applySizes();
}

int FlexGrid::GridWidth() const { return widthTwips_ >= 0 ? widthTwips_ : scale_.toTwipsX(width()); }
int FlexGrid::GridHeight() const { return heightTwips_ >= 0 ? heightTwips_ : scale_.toTwipsY(height()); }

void FlexGrid::setGridSize(int widthTwips, int heightTwips)
{
    widthTwips_ = std::max(widthTwips, 0);
    heightTwips_ = std::max(heightTwips, 0);
    applySizes();
}


// Whole rows (columns) scrolled away are counted in twips; the part of one shown cut at
// the edge (at the end of the scroll, where the last row is laid flush) in pixels.
long long FlexGrid::scrolledTwipsY() const
{
    const QHeaderView* h = verticalHeader();
    const int top = h->logicalIndexAt(0); // the view's row at the top edge; grid row top + 1
    if (top < 0) return 0;
    long long sum = 0;
    for (int r = 1; r <= top; ++r) sum += rowTwips_[static_cast<size_t>(r)];
    return sum + scale_.toTwipsY(h->offset() - h->sectionPosition(top));
}

long long FlexGrid::scrolledTwipsX() const
{
    const QHeaderView* h = horizontalHeader();
    const int left = h->logicalIndexAt(0);
    if (left < 0) return 0;
    long long sum = 0;
    for (int c = 0; c < left; ++c) sum += colTwips_[static_cast<size_t>(c)];
    return sum + scale_.toTwipsX(h->offset() - h->sectionPosition(left));
}

int FlexGrid::RowPos(int row) const
{
    if (!inside(row, 0) || row == 0) return 0;
    long long sum = 0;
    for (int r = 0; r < row; ++r) sum += rowTwips_[static_cast<size_t>(r)];
    return static_cast<int>(sum - scrolledTwipsY());
}

int FlexGrid::ColPos(int col) const
{
    if (!inside(0, col)) return 0;
    long long sum = 0;
    for (int c = 0; c < col; ++c) sum += colTwips_[static_cast<size_t>(c)];
    return static_cast<int>(sum - scrolledTwipsX());
}

QRect FlexGrid::CellRect(int row, int col) const
{
    if (!inside(row, col)) return {};
    const int left = scale_.toTwipsX(x() + frameWidth()) + ColPos(col);
    const int top = scale_.toTwipsY(y() + frameWidth()) + RowPos(row);
    return QRect(left, top, ColWidth(col), RowHeight(row));
}

bool FlexGrid::CellInView(int row, int col) const
{
    if (!inside(row, col)) return false;
    const QHeaderView* head = horizontalHeader();
    const int x = head->sectionViewportPosition(col);
    const bool across = x >= 0 && x + head->sectionSize(col) <= viewport()->width();
    if (row == 0) return across;
    if (row > rowCount()) return false;
    const int y = rowViewportPosition(row - 1);
    return across && y >= 0 && y + QTableWidget::rowHeight(row - 1) <= viewport()->height();
}

int FlexGrid::ColAlignment(int col) const { return inside(0, col) ? colAlign_[static_cast<size_t>(col)] : kGeneral; }

void FlexGrid::setColAlignment(int col, int code)
{
    if (!inside(0, col)) return;
    colAlign_[static_cast<size_t>(col)] = code;
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* it = item(r, col)) it->setTextAlignment(AlignmentForCode(code));
}

Qt::Alignment FlexGrid::AlignmentForCode(int code)
{
    if (code < 0 || code > 8) return Qt::AlignLeft | Qt::AlignVCenter; // general
    static const Qt::Alignment h[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment v[3] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return h[code / 3] | v[code % 3];
}

QString FlexGrid::ShownHeader(int col) const
{
    if (!inside(0, col)) return {};
    const int room = horizontalHeader()->sectionSize(col) - 2 * kHeaderMargin;
    return horizontalHeader()->fontMetrics().elidedText(header(col), Qt::ElideRight, room);
}

void FlexGrid::keyPressEvent(QKeyEvent* e)
{
    int ascii = 0;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: ascii = 13; break;
    case Qt::Key_Escape: ascii = 27; break;
    case Qt::Key_Backspace: ascii = 8; break;
    case Qt::Key_Delete: break; // a key, not a character
    default:
        if (!e->text().isEmpty()) ascii = e->text().at(0).unicode();
    }
    if (ascii == 0) {
        // Arrows, pages, Home and End move the current cell.
        QTableWidget::keyPressEvent(e);
        return;
    }
    // A character is the grid's to report, never a search for a cell.
    e->accept();
    emit KeyPress(ascii);
}

namespace {
// The focus moving with a switch of windows or a popup stays where it was within the window.
bool WindowSwitch(const QFocusEvent* e)
{
    return e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason;
}
} // namespace

void FlexGrid::focusInEvent(QFocusEvent* e)
{
    QTableWidget::focusInEvent(e);
    if (focused_) return;
    focused_ = true;
    emit GotFocus();
}

void FlexGrid::focusOutEvent(QFocusEvent* e)
{
    QTableWidget::focusOutEvent(e);
    if (WindowSwitch(e) || !focused_) return;
    focused_ = false;
    emit LostFocus(QApplication::focusWidget());
}

} // namespace posmod
