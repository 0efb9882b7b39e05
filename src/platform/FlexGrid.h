#pragma once
// The grid the editors are built around: a matrix of texts addressed by row and
// column, fixed (header) rows and columns drawn greyed, a current cell, sizes in
// twips. Cells are never edited in place; the windows lay their own edit boxes over them.
#include <string>
#include <vector>

#include <QTableWidget>

namespace posmod {

// Twips are 1/1440 inch: 15 to a pixel at 96 dpi.
constexpr int TwipsToPixels(int twips, int dpi) { return static_cast<int>((static_cast<long long>(twips) * dpi + 720) / 1440); }
constexpr int PixelsToTwips(int pixels, int dpi) { return dpi > 0 ? static_cast<int>(static_cast<long long>(pixels) * 1440 / dpi) : 0; }

class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    int Rows() const { return rowCount(); }
    void setRows(int n);
    int Cols() const { return columnCount(); }
    void setCols(int n);
    int FixedRows() const { return fixedRows_; }
    void setFixedRows(int n);
    int FixedCols() const { return fixedCols_; }
    void setFixedCols(int n);

    std::string TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const std::string& text);

    // The current cell.
    int Row() const { return row_; }
    void setRow(int row);
    int Col() const { return col_; }
    void setCol(int col);
    std::string Text() const { return TextMatrix(row_, col_); }
    void setText(const std::string& text) { setTextMatrix(row_, col_, text); }

    // Sizes in twips.
    int RowHeight(int row) const;
    void setRowHeight(int row, int twips);
    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    int GridWidth() const;
    int GridHeight() const;
    void setGridSize(int widthTwips, int heightTwips);
    // Left/top of a row or column inside the grid, in twips (cell placement of edit boxes).
    int RowPos(int row) const;
    int ColPos(int col) const;

    // Alignment codes 0-8: left/centre/right x top/centre/bottom (0 left-top ... 8 right-bottom), 9 general.
    int ColAlignment(int col) const;
    void setColAlignment(int col, int code);
    static Qt::Alignment AlignmentForCode(int code);

signals:
    void RowColChange();
    // A key typed while the grid has the focus: its character code (Enter 13, Esc 27, ...).
    void KeyPress(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    int dpiX() const;
    int dpiY() const;
    QTableWidgetItem* cell(int row, int col);
    void styleCell(QTableWidgetItem* item, int row, int col) const;
    void restyle();
    bool valid(int row, int col) const { return row >= 0 && col >= 0 && row < rowCount() && col < columnCount(); }

    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int row_ = 1;
    int col_ = 1;
    std::vector<int> colAlign_;
    bool syncing_ = false;
};

} // namespace posmod
