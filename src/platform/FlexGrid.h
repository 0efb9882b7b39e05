#pragma once
// The grid the editors are built around: a matrix of texts addressed by row and column,
// row 0 the fixed header that stays in view while the body scrolls, no fixed column, a
// current cell in the body, sizes in twips. Cells are never edited in place; the windows
// lay their own edit boxes over them.
#include <string>
#include <vector>

#include <QRect>
#include <QTableWidget>

#include "platform/Twips.h"
#include "shared/Grid.h"

namespace posmod {

class FlexGrid : public QTableWidget, public GridCells {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    // Rows count the header row: at least 1. Columns: at least 1.
    int Rows() const override { return static_cast<int>(rowTwips_.size()); }
    void setRows(int n) override;
    int Cols() const override { return static_cast<int>(colTwips_.size()); }
    void setCols(int n) override;

    // Row 0 holds the header captions.
    std::string TextMatrix(int row, int col) const override;
    void setTextMatrix(int row, int col, const std::string& text) override;

    // The current cell: a body row (1 and up, also while the body is empty) and any column.
    // A move made here raises RowColChange as a move by the user does; the same cell raises nothing.
    int Row() const override { return row_; }
    void setRow(int row) override;
    int Col() const override { return col_; }
    void setCol(int col) override;
    std::string Text() const { return TextMatrix(row_, col_); }

    // Sizes in the layouts' twips, answered as they were set; the screen shows them scaled
    // by the font in use (TwipsScale). -1 sets every row or column.
    int RowHeight(int row) const;
    void setRowHeight(int row, int twips);
    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    int GridWidth() const;
    int GridHeight() const;
    void setGridSize(int widthTwips, int heightTwips);
    // Top of a row, left of a column, in twips from the inside of the grid's frame as the
    // grid shows them now: RowPos(0) is 0, the body rows follow the scrolling.
    int RowPos(int row) const;
    int ColPos(int col) const;
    // A cell as shown now, in twips in the grid's parent: an overlay laid on it covers the cell.
    QRect CellRect(int row, int col) const;
    // Whether the cell lies wholly inside what the grid shows (header row: inside the header).
    bool CellInView(int row, int col) const;
    // Pixels per twip of the grid's font.
    const TwipsScale& Scale() const { return scale_; }

    // Alignment codes 0-8: left/centre/right x top/centre/bottom (0 left-top ... 8 right-bottom), 9 general.
    int ColAlignment(int col) const;
    void setColAlignment(int col, int code);
    static Qt::Alignment AlignmentForCode(int code);

    // A header caption as the header draws it: cut short with an ellipsis when its column is too narrow.
    QString ShownHeader(int col) const;

signals:
    void RowColChange();
    // A character typed while the grid has the focus: its code (Enter 13, Esc 27, ...).
    // Typed characters never move the current cell.
    void KeyPress(int keyAscii);
    void GotFocus();
    // The focus went to `to` (nullptr: to no widget of the program).
    void LostFocus(QWidget* to);
    // The body scrolled, by the user or because the current cell was brought into view.
    void Scroll();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    friend class FlexHeader;
    static constexpr int kHeaderMargin = 2; // pixels either side of a header caption

    QTableWidgetItem* cell(int row, int col);
    // Every column holds a header item, its caption (row 0) kept in it.
    void addHeaderCells();
    QString header(int col) const;
    void applySizes();
    // Puts the view's current cell on row_/col_ without raising anything.
    void syncCurrent();
    // Keeps row_/col_ inside the grid after a resize; raises RowColChange when they moved.
    void clampCurrent();
    bool inside(int row, int col) const { return row >= 0 && col >= 0 && row < Rows() && col < Cols(); }
    // Twips from the top of the body (the left of the grid) to the first row (column) shown.
    long long scrolledTwipsY() const;
    long long scrolledTwipsX() const;

    std::vector<int> rowTwips_;
    std::vector<int> colTwips_;
    std::vector<int> colAlign_;
    int widthTwips_ = -1;
    int heightTwips_ = -1;
    TwipsScale scale_;
    int row_ = 1;
    int col_ = 0;
    bool syncing_ = false;
    // The grid holds the focus within its window (a switch of windows does not take it).
    bool focused_ = false;
};

} // namespace posmod
