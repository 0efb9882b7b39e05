#pragma once
// A grid of texts as the rules see it: rows and columns addressed from 0, row 0 the fixed
// header row, a current cell in the body. The editors' grids implement it on the screen;
// MemGrid holds it in memory for the sequences that run without a window and for tests, and
// keeps the screen's rules, so a rule proven on it holds in the window.
#include <algorithm>
#include <string>
#include <vector>

namespace posmod {

class GridCells {
public:
    virtual ~GridCells() = default;
    // Rows count the header row: at least 1, however few are asked for. Columns: at least 1.
    // A resize keeps the texts of the cells that stay; cells it adds are empty.
    virtual int Rows() const = 0;
    virtual int Cols() const = 0;
    virtual void setRows(int n) = 0;
    virtual void setCols(int n) = 0;
    // Row 0 holds the header captions. Outside the grid: the empty text, and a write changes nothing.
    virtual std::string TextMatrix(int row, int col) const = 0;
    virtual void setTextMatrix(int row, int col, const std::string& text) = 0;
    // The current cell: a body row (1 and up, also while the body is empty) and any column.
    // The header row and a row or column outside the grid are ignored; a resize that cuts
    // the current cell away moves it onto the last body row or column left.
    virtual int Row() const = 0;
    virtual int Col() const = 0;
    virtual void setRow(int row) = 0;
    virtual void setCol(int col) = 0;
};

class MemGrid : public GridCells {
public:
    // Fresh, it has the shape of a fresh grid on the screen: the header and one body row, two columns.
    MemGrid(int rows = 2, int cols = 2) { resize(rows, cols); }
    int Rows() const override { return rows_; }
    int Cols() const override { return cols_; }
    void setRows(int n) override { resize(n, cols_); }
    void setCols(int n) override { resize(rows_, n); }
    std::string TextMatrix(int row, int col) const override
    {
        return inside(row, col) ? cells_[index(row, col)] : std::string();
    }
    void setTextMatrix(int row, int col, const std::string& text) override
    {
        if (inside(row, col)) cells_[index(row, col)] = text;
    }
    int Row() const override { return row_; }
    int Col() const override { return col_; }
    void setRow(int row) override
    {
        if (row >= 1 && row < rows_) row_ = row;
    }
    void setCol(int col) override
    {
        if (col >= 0 && col < cols_) col_ = col;
    }

private:
    bool inside(int row, int col) const { return row >= 0 && col >= 0 && row < rows_ && col < cols_; }
    std::size_t index(int row, int col) const { return static_cast<std::size_t>(row) * cols_ + col; }
    void resize(int rows, int cols)
    {
        rows = std::max(rows, 1);
        cols = std::max(cols, 1);
        std::vector<std::string> next(static_cast<std::size_t>(rows) * cols);
        for (int r = 0; r < rows && r < rows_; ++r)
            for (int c = 0; c < cols && c < cols_; ++c)
                next[static_cast<std::size_t>(r) * cols + c] = cells_[index(r, c)];
        cells_ = std::move(next);
        rows_ = rows;
        cols_ = cols;
        row_ = std::clamp(row_, 1, std::max(1, rows_ - 1));
        col_ = std::clamp(col_, 0, cols_ - 1);
    }

    int rows_ = 0, cols_ = 0, row_ = 1, col_ = 0;
    std::vector<std::string> cells_;
};

} // namespace posmod
