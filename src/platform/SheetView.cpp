#include "platform/SheetView.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "platform/SheetPrinter.h"

namespace posmod {

class SheetModel : public QAbstractTableModel {
public:
    const PrintSheet* sheet = nullptr;

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !sheet ? 0 : sheet->MaxRows();
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !sheet ? 0 : sheet->MaxCols();
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!sheet || !index.isValid()) return {};
        const SheetCell& c = sheet->cell(index.column() + 1, index.row() + 1);
        if (role == Qt::DisplayRole) return QString::fromStdString(c.text);
        if (role == Qt::TextAlignmentRole) {
            if (c.align == CellAlign::Centre) return int(Qt::AlignCenter);
            return int((c.isNumber ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (!sheet || role != Qt::DisplayRole) return {};
        if (o == Qt::Horizontal) return QString::fromStdString(sheet->cell(section + 1, 0).text);
        return QString::fromStdString(sheet->RowHeaderText(section + 1));
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }
};

namespace {

// Grid lines as the sheet shows them, and the cells' own borders.
class SheetDelegate : public QStyledItemDelegate {
public:
    SheetDelegate(const PrintSheet* const* sheet, QObject* parent) : QStyledItemDelegate(parent), sheet_(sheet) {}
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(p, option, index);
        const PrintSheet* s = *sheet_;
        if (!s) return;
        const QRect r = option.rect;
        p->save();
        p->setPen(QColor(0xC0, 0xC0, 0xC0));
        if (s->GridShowVert) p->drawLine(r.topRight(), r.bottomRight());
        if (s->GridShowHoriz) p->drawLine(r.bottomLeft(), r.bottomRight());
        const SheetCell& c = s->cell(index.column() + 1, index.row() + 1);
        const QLine edges[4] = {{r.topLeft(), r.bottomLeft()}, {r.topRight(), r.bottomRight()},
                                {r.topLeft(), r.topRight()}, {r.bottomLeft(), r.bottomRight()}};
        for (int e = 0; e < 4; ++e) {
            const CellBorder& b = c.border[static_cast<size_t>(e)];
            if (b.style == LineStyle::None) continue;
            p->setPen(QColor((b.colour >> 16) & 0xFF, (b.colour >> 8) & 0xFF, b.colour & 0xFF));
            p->drawLine(edges[e]);
        }
        p->restore();
    }

private:
    const PrintSheet* const* sheet_;
};

} // namespace

SheetView::SheetView(QWidget* parent) : QTableView(parent), model_(new SheetModel)
{
    model_->setParent(this);
    setModel(model_);
    setItemDelegate(new SheetDelegate(&sheet_, this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(false);
    setWordWrap(false);
    setFont(SheetFont());
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setCornerButtonEnabled(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    if (auto* corner = findChild<QAbstractButton*>()) corner->installEventFilter(this);
}

SheetView::~SheetView() = default;

void SheetView::setSheet(const PrintSheet* sheet)
{
    sheet_ = sheet;
    model_->sheet = sheet;
    refresh();
}

void SheetView::refresh()
{
    model_->reset();
    if (!sheet_) return;
    QFont f = SheetFont();
    f.setPixelSize(twipsToPixels(f.pixelSize())); // the cell font at the view's scale
    setFont(f);
    horizontalHeader()->setFont(f);
    verticalHeader()->setFont(f);
    for (int c = 1; c <= sheet_->MaxCols(); ++c) setColumnWidth(c - 1, twipsToPixels(sheet_->ColWidth(c)));
    for (int r = 1; r <= sheet_->MaxRows(); ++r) setRowHeight(r - 1, twipsToPixels(sheet_->RowHeight(r)));
    horizontalHeader()->setFixedHeight(twipsToPixels(sheet_->RowHeight(0)));
    verticalHeader()->setVisible(sheet_->RowHeaderNumbers);
    verticalHeader()->setFixedWidth(twipsToPixels(sheet_->ColWidth(0)));
    showTopRow();
    viewport()->update();
}

void SheetView::showTopRow()
{
    if (!sheet_ || !sheet_->Redraw) return;
    // Scrolling per item: a bar's value is the index of the first row or column shown.
    verticalScrollBar()->setValue(sheet_->TopRow - 1);
    horizontalScrollBar()->setValue(sheet_->LeftCol - 1);
}

void SheetView::updateGeometries()
{
    // The toolkit ends the bar where the last row meets the bottom, so a short last page could
    // not start with its own top row. Once the rows do not all fit, any row may come to the top
    // (blank below the table), and the sheet's TopRow always; a resize keeps the top row.
    const int value = verticalScrollBar()->value();
    QTableView::updateGeometries();
    if (!sheet_) return;
    const int fitted = verticalScrollBar()->maximum();
    const int last = fitted > 0 ? model_->rowCount() - 1 : 0;
    verticalScrollBar()->setMaximum(std::max({fitted, last, sheet_->TopRow - 1}));
    verticalScrollBar()->setValue(value);
    alignTopRow();
}

void SheetView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    alignTopRow();
}

void SheetView::alignTopRow()
{
    // At the bar's maximum the row header aligns the last row with the bottom instead of
    // putting the bar's row at the top.
    QHeaderView* rows = verticalHeader();
    const int value = verticalScrollBar()->value();
    if (value < 0 || value >= rows->count() || rows->offset() == rows->sectionPosition(value)) return;
    rows->setOffsetToSectionPosition(value);
    viewport()->update();
}

int SheetView::topRow() const { return rowAt(0) + 1; }

bool SheetView::eventFilter(QObject* watched, QEvent* event)
{
    // The corner over the row numbers shows the sheet's corner text ("No.").
    if (event->type() == QEvent::Paint && sheet_ && watched == findChild<QAbstractButton*>()) {
        auto* corner = static_cast<QWidget*>(watched);
        QPainter p(corner);
        p.fillRect(corner->rect(), palette().button());
        p.setPen(palette().buttonText().color());
        p.setFont(horizontalHeader()->font());
        p.drawText(corner->rect(), Qt::AlignCenter, QString::fromStdString(sheet_->cell(0, 0).text));
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace posmod
