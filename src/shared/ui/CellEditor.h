#pragma once
// In-place editing of an editor's grids: one edit box (QLineEdit) and one option list (a
// non-editable QComboBox) laid over the current cell of whichever grid is in use, as the
// editor's rule table (EditRules) says: which cells take the box or the list, how an entry
// is checked, where each key in the box moves, what the list offers.
//
// An entry belongs to the cell the box was laid on: whatever ends it (Enter, an arrow, a
// click on another cell or grid, a button, an option, a tab, Tab, the scroll bar) checks the
// box's text once and commits it there once, or refuses it with its message; a click that
// left a refused entry is dropped. An emptied box clears its cell only by a key or after a
// mouse press in the box. An overlay whose cell is not wholly in view hides, and comes back
// when its cell scrolls back.
#include <QObject>
#include <QPointer>
#include <vector>

#include "shared/EditorTable.h"
#include "shared/EntryCheck.h"
#include "shared/Public.h"

class QComboBox;
class QEvent;
class QLineEdit;
class QWidget;

namespace posmod {

class FlexGrid;
class MessageSink;

// Lays the box over the grid's current cell: hidden, given the cell's text, placed 30 twips
// right of and below the cell's corner (the grid's place plus the cell's position), 10 twips
// wider and higher than the cell, brought to the front and shown, without the focus.
void GridText_Show(QLineEdit* box, FlexGrid* grid);
// Lays the list over the grid's current cell as the box (its height is its own): cleared,
// then, unless entry 0 is "NO_DATA" (case ignored), entries 0..lastIndex with the one equal
// to the cell's text (case ignored) chosen, else entry 0; brought to the front and shown.
void GridCombo_Show(QComboBox* combo, FlexGrid* grid, const Public::OptionListArray& list, int lastIndex);

class CellEditor : public QObject {
    Q_OBJECT
public:
    // list may be nullptr when no rule asks for it. The grids, the box and the list belong
    // to the editor's window; rules and messages outlive this editor.
    CellEditor(QLineEdit* box, QComboBox* list, std::vector<FlexGrid*> grids, const EditRules& rules,
               MessageSink& messages, QObject* parent);
    ~CellEditor() override;

    // The display in force, as this editor keeps it (hex at the start).
    bool decimal() const { return decimal_; }
    // The grids and the display in force, as the write, CSV and print rules take them.
    EditorTable table() const;
    // A pending entry is ended first (checked in the display it was typed in); then, only
    // when the display really changes, every value cell of every grid is converted. True
    // when it changed.
    bool SwitchDisplay(bool decimal);

    // Ends a pending entry as a way out does. False when it was refused (its message shown,
    // the entry dropped); true otherwise, also when none was pending.
    bool flush();
    // A control that takes no focus (a tab bar): pressing it is a way out of the box, and
    // the press is dropped when the entry is refused. The grids' scroll bars are guarded.
    void guardPresses(QWidget* w);
    // A fresh start: any entry dropped, nothing laid, the first grid selected. The display
    // record is kept (the editor selects its display itself).
    void Reset();
    // Lays the box or the list over the current cell of grid i, as its rule says (hidden
    // while that cell is out of view).
    void LayOver(int i) { lay(i); }

    // The grid the box and the list serve: the last one that took the focus, a key or a
    // cell change; 0 at the start.
    int selectedGrid() const { return sel_; }
    // The box holds an entry being typed.
    bool editing() const { return editing_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    struct Cell {
        int grid = -1;  // index in the editor's grids; -1: nothing laid
        int row = 0;
        int col = 0;
        bool operator==(const Cell&) const = default;
    };

    FlexGrid* grid(int i) const { return grids_[static_cast<size_t>(i)]; }
    int indexOf(const QObject* w) const;
    bool inView(const Cell& c) const;
    // The list or a part of it (its popup and the popup's view).
    bool isList(const QWidget* w) const;

    void onGridFocus(int i);
    void onGridLost(int i, QWidget* to);
    void onCellChange(int i);
    void onGridKey(int i, int keyAscii);
    void onScroll(int i);
    void onChoice(int index);

    // Lays the box or the list over the current cell of grid i, as its rule says.
    void lay(int i);
    void unlayBox();
    void unlayList();
    // Shows or hides the laid overlays as their cells are in view, at their cells' places.
    void place();
    // The overlays go by the captions of the columns they cover, as a person reads the cells.
    void nameOverlays();

    bool boxKey(EditKey key);
    // Ends the entry for a way out that is not a key: checked, committed when it holds a
    // text or the box was pressed. False when refused; dropPress: the press that took the
    // focus away is dropped then.
    bool leave(bool dropPress = false);
    void commit(const Cell& c, const std::string& text);
    // Drops the entry, gives the grid of c the focus, shows the message.
    void refuse(EntryError error, const Cell& c);
    // A press in the window following a refused entry is dropped, with its release.
    void dropNextPress();

    QLineEdit* box_;
    QPointer<QComboBox> list_;
    std::vector<FlexGrid*> grids_;
    const EditRules& rules_;
    MessageSink& messages_;

    bool decimal_ = false;
    int sel_ = 0;
    Cell boxCell_;
    Cell listCell_;
    CellKind listKind_ = CellKind::Fixed;
    bool editing_ = false;
    bool mousePressed_ = false;
    // A message box is up: the focus it takes and gives back is no way out.
    bool inMessage_ = false;
    bool dropPress_ = false;
    QPointer<QObject> dropRelease_;
    bool appFilter_ = false;
};

} // namespace posmod
