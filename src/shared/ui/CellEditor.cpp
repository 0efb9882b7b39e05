#include "shared/ui/CellEditor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

#include "platform/FlexGrid.h"
#include "shared/Conversions.h"
#include "shared/Messages.h"
#include "shared/NameTables.h"

namespace posmod {

namespace {

// The place of an overlay over cell (row, col) of g, in the overlay's parent: the cell's
// corner as the grid reports it (the grid's place plus the cell's position) and 30 twips,
// 10 twips wider and higher than the cell.
QRect overlayRect(const FlexGrid* g, int row, int col, const QWidget* overlay)
{
    const TwipsScale& s = g->Scale();
    const QPoint inGridParent(g->x() + s.toPixelsX(g->ColPos(col) + 30), g->y() + s.toPixelsY(g->RowPos(row) + 30));
    QPoint at = inGridParent;
    const QWidget* from = g->parentWidget();
    const QWidget* to = overlay->parentWidget();
    if (from && to && from != to) at = to->mapFromGlobal(from->mapToGlobal(inGridParent));
    return QRect(at, QSize(s.toPixelsX(g->ColWidth(col) + 10), s.toPixelsY(g->RowHeight(row) + 10)));
}

bool leavesNothing(Qt::FocusReason r)
{
    // Another window coming to the front, or a popup of the control itself, is no way out.
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}

bool isPress(const QEvent* e)
{
    return e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick;
}

} // namespace

void GridText_Show(QLineEdit* box, FlexGrid* grid)
{
    box->hide();
    box->setText(QString::fromStdString(grid->Text()));
    const QRect r = overlayRect(grid, grid->Row(), grid->Col(), box);
    box->setGeometry(r);
    box->raise();
    box->show();
}

void GridCombo_Show(QComboBox* combo, FlexGrid* grid, const Public::OptionListArray& list, int lastIndex)
{
    combo->hide();
    combo->clear();
    if (!equalsNoCase(list[0], "NO_DATA")) {
        const std::string cell = grid->Text();
        int chosen = -1;
        const int last = std::clamp(lastIndex, 0, 9);
        for (int k = 0; k <= last; ++k) {
            const std::string& entry = list[static_cast<size_t>(k)];
            combo->addItem(QString::fromStdString(entry));
            if (equalsNoCase(entry, cell)) chosen = k;
        }
        combo->setCurrentIndex(chosen < 0 ? 0 : chosen);
    }
    const QRect r = overlayRect(grid, grid->Row(), grid->Col(), combo);
    combo->setGeometry(r.x(), r.y(), r.width(), combo->sizeHint().height());
    combo->raise();
    combo->show();
}

CellEditor::CellEditor(QLineEdit* box, QComboBox* list, std::vector<FlexGrid*> grids, const EditRules& rules,
                       MessageSink& messages, QObject* parent)
    : QObject(parent), box_(box), list_(list), grids_(std::move(grids)), rules_(rules), messages_(messages)
{
    box_->hide();
    // An entry starts only from a key on the grid or a press in the box; Tab, and the focus
    // Qt moves on when the grid is locked under the box, never reach it.
    box_->setFocusPolicy(Qt::ClickFocus);
    box_->installEventFilter(this);
    if (list_) {
        list_->hide();
        list_->installEventFilter(this);
        connect(list_, &QComboBox::activated, this, &CellEditor::onChoice);
    }
    for (int i = 0; i < static_cast<int>(grids_.size()); ++i) {
        FlexGrid* g = grid(i);
        connect(g, &FlexGrid::GotFocus, this, [this, i] { onGridFocus(i); });
        connect(g, &FlexGrid::LostFocus, this, [this, i](QWidget* to) { onGridLost(i, to); });
        connect(g, &FlexGrid::RowColChange, this, [this, i] { onCellChange(i); });
        connect(g, &FlexGrid::KeyPress, this, [this, i](int k) { onGridKey(i, k); });
        connect(g, &FlexGrid::Scroll, this, [this, i] { onScroll(i); });
        connect(g->model(), &QAbstractItemModel::headerDataChanged, this, &CellEditor::nameOverlays);
        guardPresses(g->verticalScrollBar());
        guardPresses(g->horizontalScrollBar());
        // The overlays follow their grid when it or a window around it moves, resizes,
        // shows or hides.
        for (QWidget* w = g; w; w = w->parentWidget()) {
            w->installEventFilter(this);
            if (w->isWindow()) break;
        }
    }
}

CellEditor::~CellEditor()
{
    if (appFilter_) qApp->removeEventFilter(this);
}

int CellEditor::indexOf(const QObject* w) const
{
    for (int i = 0; i < static_cast<int>(grids_.size()); ++i)
        if (grid(i) == w) return i;
    return -1;
}

bool CellEditor::inView(const Cell& c) const
{
    if (c.grid < 0) return false;
    const FlexGrid* g = grid(c.grid);
    return g->isVisible() && g->CellInView(c.row, c.col);
}

bool CellEditor::SwitchDisplay(bool decimal)
{
    flush();
    if (decimal == decimal_) return false;
    for (FlexGrid* g : grids_) GridDisplay_Convert(*g, rules_, decimal);
    decimal_ = decimal;
    if (boxCell_.grid >= 0 && !editing_)
        box_->setText(QString::fromStdString(grid(boxCell_.grid)->TextMatrix(boxCell_.row, boxCell_.col)));
    return true;
}

bool CellEditor::flush()
{
    if (!editing_ || inMessage_) return true;
    const Cell target = boxCell_;
    const bool hadFocus = box_->hasFocus();
    if (!leave()) return false;
    // The grid takes the focus back, as after a key; the box is laid again over its cell.
    if (hadFocus && target.grid >= 0) grid(target.grid)->setFocus(Qt::OtherFocusReason);
    return true;
}

void CellEditor::guardPresses(QWidget* w)
{
    if (w) w->installEventFilter(this);
}

void CellEditor::Reset()
{
    editing_ = false;
    mousePressed_ = false;
    box_->clear();
    unlayBox();
    unlayList();
    sel_ = 0;
}

void CellEditor::onGridFocus(int i)
{
    if (inMessage_ || box_->hasFocus()) return;
    lay(i);
}

bool CellEditor::isList(const QWidget* w) const
{
    if (!list_ || !w) return false;
    if (w == list_ || list_->isAncestorOf(w)) return true;
    // The popup is a window of its own, holding the list's view.
    const QWidget* popup = list_->view() ? list_->view()->window() : nullptr;
    return popup && popup != list_->window() && (w == popup || popup->isAncestorOf(w));
}

void CellEditor::onGridLost(int, QWidget* to)
{
    if (inMessage_ || !to) return;
    if (to == box_ || isList(to)) return;
    if (indexOf(to) >= 0) return; // that grid lays them
    unlayBox();
    unlayList();
}

void CellEditor::onCellChange(int i)
{
    if (inMessage_) return;
    // A move made while an entry is pending (by code) ends the entry in its own cell first.
    flush();
    lay(i);
}

void CellEditor::onGridKey(int i, int keyAscii)
{
    if (inMessage_) return;
    FlexGrid* g = grid(i);
    if (rules_.cell(*g, g->Row(), g->Col()).kind != CellKind::Edit) return;
    const GridKeyOpen open = GridKey_Opens(keyAscii, decimal_);
    if (open == GridKeyOpen::Ignore) return;
    const Cell here{i, g->Row(), g->Col()};
    if (!(boxCell_ == here) || !box_->isVisible()) lay(i);
    if (!box_->isVisible()) return; // the cell is out of view: nothing to type into
    mousePressed_ = false;
    editing_ = true;
    if (open == GridKeyOpen::WithCellText) {
        box_->setText(QString::fromStdString(g->Text()));
        box_->setFocus(Qt::OtherFocusReason);
        box_->selectAll();
    } else {
        box_->setText(QString(QChar(keyAscii)));
        box_->setFocus(Qt::OtherFocusReason);
        box_->setCursorPosition(1);
    }
}

void CellEditor::onScroll(int i)
{
    if (inMessage_) return;
    // Typing over a cell that scrolled out of view: the entry goes into it, the box hides.
    if (editing_ && boxCell_.grid == i && !inView(boxCell_)) flush();
    place();
}

void CellEditor::onChoice(int index)
{
    if (inMessage_ || !list_ || listCell_.grid < 0 || listKind_ != CellKind::Option || index < 0) return;
    commit(listCell_, OptionChoice_Text(list_->itemText(index).toStdString()));
}

void CellEditor::lay(int i)
{
    if (i < 0 || i >= static_cast<int>(grids_.size())) return;
    sel_ = i;
    FlexGrid* g = grid(i);
    const Cell here{i, g->Row(), g->Col()};
    const CellRule rule = rules_.cell(*g, here.row, here.col);
    switch (rule.kind) {
    case CellKind::Edit:
        unlayList();
        boxCell_ = here;
        if (inView(here))
            GridText_Show(box_, g);
        else {
            box_->hide();
            box_->setText(QString::fromStdString(g->Text()));
        }
        break;
    case CellKind::Option:
    case CellKind::Detail:
        unlayBox();
        if (!list_) break;
        {
            Public::OptionListArray options;
            rules_.options(*g, here.row, here.col, decimal_, options);
            GridCombo_Show(list_, g, options, OptionList_LastIndex(options));
        }
        listCell_ = here;
        listKind_ = rule.kind;
        if (!inView(here)) list_->hide();
        break;
    case CellKind::Fixed:
        unlayBox();
        unlayList();
        break;
    }
    nameOverlays();
}

void CellEditor::nameOverlays()
{
    const auto caption = [this](const Cell& c) {
        return c.grid < 0 ? QString() : QString::fromStdString(grid(c.grid)->TextMatrix(0, c.col));
    };
    box_->setAccessibleName(caption(boxCell_));
    if (list_) list_->setAccessibleName(caption(listCell_));
}

void CellEditor::unlayBox()
{
    boxCell_ = {};
    if (box_->hasFocus() && editing_) leave();
    editing_ = false;
    box_->hide();
}

void CellEditor::unlayList()
{
    listCell_ = {};
    listKind_ = CellKind::Fixed;
    if (list_) list_->hide();
}

void CellEditor::place()
{
    if (boxCell_.grid >= 0) {
        if (inView(boxCell_)) {
            box_->setGeometry(overlayRect(grid(boxCell_.grid), boxCell_.row, boxCell_.col, box_));
            box_->raise();
            box_->show();
        } else {
            // Hiding the box while it has the focus ends the entry as a way out.
            if (editing_ && box_->hasFocus()) flush();
            box_->hide();
        }
    }
    if (list_ && listCell_.grid >= 0) {
        if (inView(listCell_)) {
            const QRect r = overlayRect(grid(listCell_.grid), listCell_.row, listCell_.col, list_);
            list_->setGeometry(r.x(), r.y(), r.width(), list_->sizeHint().height());
            list_->raise();
            list_->show();
        } else {
            list_->hide();
        }
    }
}

bool CellEditor::boxKey(EditKey key)
{
    const Cell t = boxCell_;
    if (t.grid < 0) return false;
    FlexGrid* g = grid(t.grid);
    const std::string text = box_->text().toStdString();
    const EntryResult checked = EntryData_Check(rules_.cell(*g, t.row, t.col).form, decimal_, text);
    if (!checked.ok()) {
        refuse(checked.error, t);
        return true;
    }
    const KeyMove m = rules_.move(*g, key, t.row, t.col);
    if (!m.commit) return false; // the key goes to the box
    editing_ = false;
    mousePressed_ = false;
    commit(t, text);
    box_->clear();
    g->setFocus(Qt::OtherFocusReason);
    if (!g->hasFocus()) lay(t.grid); // the window is not active: lay it as the focus would
    g->setRow(m.row);
    g->setCol(m.col);
    return true;
}

bool CellEditor::leave(bool dropPress)
{
    const Cell t = boxCell_;
    const std::string text = box_->text().toStdString();
    const bool clears = mousePressed_;
    editing_ = false;
    mousePressed_ = false;
    if (t.grid < 0 || (text.empty() && !clears)) return true;
    const EntryResult checked = EntryData_Check(rules_.cell(*grid(t.grid), t.row, t.col).form, decimal_, text);
    if (!checked.ok()) {
        refuse(checked.error, t);
        if (dropPress) dropNextPress();
        return false;
    }
    commit(t, text);
    return true;
}

void CellEditor::commit(const Cell& c, const std::string& text)
{
    if (c.grid < 0) return;
    grid(c.grid)->setTextMatrix(c.row, c.col, text);
}

void CellEditor::refuse(EntryError error, const Cell& c)
{
    editing_ = false;
    mousePressed_ = false;
    box_->clear();
    FlexGrid* g = grid(c.grid);
    g->setFocus(Qt::OtherFocusReason);
    lay(c.grid);
    inMessage_ = true;
    messages_.show(EntryError_Text(error), MsgIcon::Exclamation);
    inMessage_ = false;
    // The grid keeps the focus; the box shows the cell's own text again.
    if (g->isVisible()) {
        g->setFocus(Qt::OtherFocusReason);
        lay(c.grid);
    }
}

void CellEditor::dropNextPress()
{
    dropPress_ = true;
    if (!appFilter_) {
        qApp->installEventFilter(this);
        appFilter_ = true;
    }
    // Only the press being delivered now (the one that took the focus from the box) is
    // dropped; a later one is the user's next action.
    QTimer::singleShot(0, this, [this] {
        dropPress_ = false;
        if (!dropRelease_ && appFilter_) {
            qApp->removeEventFilter(this);
            appFilter_ = false;
        }
    });
}

bool CellEditor::eventFilter(QObject* o, QEvent* e)
{
    // The click that took the focus from a refused entry.
    if (appFilter_ && o->isWidgetType()) {
        if (dropPress_ && isPress(e) && static_cast<QWidget*>(o)->window() == box_->window()) {
            dropPress_ = false;
            dropRelease_ = o;
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease && dropRelease_ == o) {
            dropRelease_ = nullptr;
            if (!dropPress_) {
                qApp->removeEventFilter(this);
                appFilter_ = false;
            }
            return true;
        }
    }

    if (o == box_) {
        switch (e->type()) {
        case QEvent::KeyPress: {
            if (inMessage_) return false;
            switch (static_cast<QKeyEvent*>(e)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter: return boxKey(EditKey::Enter);
            case Qt::Key_Left: return boxKey(EditKey::Left);
            case Qt::Key_Up: return boxKey(EditKey::Up);
            case Qt::Key_Right: return boxKey(EditKey::Right);
            case Qt::Key_Down: return boxKey(EditKey::Down);
            default: return false;
            }
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (inMessage_ || boxCell_.grid < 0) return false;
            // A press selects the whole entry; emptied afterwards, it clears its cell.
            mousePressed_ = true;
            editing_ = true;
            box_->setFocus(Qt::MouseFocusReason);
            box_->selectAll();
            return true;
        case QEvent::FocusOut: {
            if (inMessage_ || leavesNothing(static_cast<QFocusEvent*>(e)->reason())) return false;
            QWidget* to = QApplication::focusWidget();
            if (editing_) {
                // Refused: the grid has the focus again, the click that moved it is dropped.
                if (!leave(true)) return false;
            }
            if (indexOf(to) < 0) unlayBox(); // else that grid lays it again
            return false;
        }
        default: return false;
        }
    }

    if (list_ && o == list_) {
        if (e->type() == QEvent::FocusOut && !inMessage_ && !leavesNothing(static_cast<QFocusEvent*>(e)->reason())) {
            // Its own popup taking the focus is no way out.
            QWidget* to = QApplication::focusWidget();
            if (indexOf(to) < 0 && !isList(to)) unlayList();
        }
        return false;
    }

    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A guarded control: a way out of the box; refused, the press is dropped.
        if (o->isWidgetType() && indexOf(o) < 0 && editing_ && !inMessage_) {
            if (!flush()) {
                dropPress_ = false;
                dropRelease_ = o;
                if (!appFilter_) {
                    qApp->installEventFilter(this);
                    appFilter_ = true;
                }
                return true;
            }
        }
        return false;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        if (!inMessage_) place();
        return false;
    default: return false;
    }
}

EditorTable CellEditor::table() const
{
    EditorTable t;
    for (FlexGrid* g : grids_) t.grids.push_back(g);
    t.decimal = decimal_;
    t.hexadecimal = !decimal_;
    return t;
}

} // namespace posmod
