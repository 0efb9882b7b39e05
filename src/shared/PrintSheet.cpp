#include "shared/PrintSheet.h"

#include <cstdio>

namespace posmod {

namespace {
const SheetCell kEmptyCell{};

std::string numberText(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}
} // namespace

void PrintSheet::resize(int rows, int cols)
{
    rows = rows < 0 ? 0 : rows;
    cols = cols < 0 ? 0 : cols;
    std::vector<SheetCell> next(static_cast<size_t>(rows + 1) * (cols + 1));
    for (int r = 0; r <= rows && r <= rows_; ++r)
        for (int c = 0; c <= cols && c <= cols_; ++c)
            next[static_cast<size_t>(r) * (cols + 1) + c] = cells_[static_cast<size_t>(r) * (cols_ + 1) + c];
    cells_ = std::move(next);
    colWidths_.resize(static_cast<size_t>(cols + 1), -1);
    rowHeights_.resize(static_cast<size_t>(rows + 1), -1);
    breaks_.resize(static_cast<size_t>(rows + 1), false);
    rows_ = rows;
    cols_ = cols;
}

SheetCell* PrintSheet::at(int col, int row)
{
    return inside(col, row) ? &cells_[static_cast<size_t>(row) * (cols_ + 1) + col] : nullptr;
}

const SheetCell& PrintSheet::cell(int col, int row) const
{
    return inside(col, row) ? cells_[static_cast<size_t>(row) * (cols_ + 1) + col] : kEmptyCell;
}

void PrintSheet::setText(int col, int row, const std::string& text)
{
    if (SheetCell* c = at(col, row)) {
        c->text = text;
        c->isNumber = false;
        c->number = 0;
    }
}

void PrintSheet::setNumber(int col, int row, double value)
{
    if (SheetCell* c = at(col, row)) {
        c->text = numberText(value);
        c->isNumber = true;
        c->number = value;
    }
}

void PrintSheet::setLocked(int col, int row, bool locked)
{
    if (SheetCell* c = at(col, row)) c->locked = locked;
}

void PrintSheet::setAlign(int col, int row, CellAlign align)
{
    if (SheetCell* c = at(col, row)) c->align = align;
}

void PrintSheet::setBorder(int col, int row, int col2, int row2, unsigned edges, uint32_t colour, LineStyle style)
{
    for (int r = row; r <= row2; ++r)
        for (int c = col; c <= col2; ++c)
            if (SheetCell* cell = at(c, r))
                for (unsigned e = 0; e < 4; ++e)
                    if (edges & (1u << e)) cell->border[e] = CellBorder{style, colour};
}

int PrintSheet::ColWidth(int col) const
{
    if (col < 0 || col > cols_ || colWidths_[static_cast<size_t>(col)] < 0) return kDefaultColWidth;
    return colWidths_[static_cast<size_t>(col)];
}

void PrintSheet::setColWidth(int col, int twips)
{
    if (col >= 0 && col <= cols_) colWidths_[static_cast<size_t>(col)] = twips < 0 ? 0 : twips;
}

int PrintSheet::RowHeight(int row) const
{
    if (row < 0 || row > rows_ || rowHeights_[static_cast<size_t>(row)] < 0) return kDefaultRowHeight;
    return rowHeights_[static_cast<size_t>(row)];
}

void PrintSheet::setRowHeight(int row, int twips)
{
    if (row >= 0 && row <= rows_) rowHeights_[static_cast<size_t>(row)] = twips < 0 ? 0 : twips;
}

std::string PrintSheet::RowHeaderText(int row) const
{
    if (row == 0 || !RowHeaderNumbers) return cell(0, row).text;
    return row >= 1 && row <= rows_ ? std::to_string(row) : std::string();
}

bool PrintSheet::RowPageBreak(int row) const
{
    return row >= 1 && row <= rows_ && breaks_[static_cast<size_t>(row)];
}

void PrintSheet::setRowPageBreak(int row, bool on)
{
    if (row >= 1 && row <= rows_) breaks_[static_cast<size_t>(row)] = on;
}

void PrintSheet::clearPageBreaks() { breaks_.assign(breaks_.size(), false); }

void PrintSheet::setPageBreaks(const std::vector<bool>& flags)
{
    for (int r = 1; r <= rows_; ++r) breaks_[static_cast<size_t>(r)] = r < static_cast<int>(flags.size()) && flags[static_cast<size_t>(r)];
}

} // namespace posmod
