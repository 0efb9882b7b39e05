#pragma once
// The preview's sheet: a table of cells with its layout and its print settings. Row 0 holds
// the column headers and column 0 the row headers; data rows and columns count from 1.
// Sizes are twips. The builders fill it, the paging and the break rule work on it, and the
// platform shows, prints and exports it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace posmod {

enum class CellAlign { General, Centre }; // General: texts left, numbers right

enum BorderEdge : unsigned { EdgeLeft = 1, EdgeRight = 2, EdgeTop = 4, EdgeBottom = 8 };
enum class LineStyle { None, Solid };

struct CellBorder {
    LineStyle style = LineStyle::None;
    uint32_t colour = 0; // 0xRRGGBB
};

struct SheetCell {
    std::string text; // as shown; a number holds its decimal text here too
    bool isNumber = false;
    double number = 0;
    bool locked = false;
    CellAlign align = CellAlign::General;
    std::array<CellBorder, 4> border{}; // left, right, top, bottom
};

// Print types of the sheet.
enum PrintTypeCode { PrintAll = 0, PrintCellBlock = 1, PrintCurrentPage = 2, PrintPageRange = 3 };

struct SheetPrintOptions {
    bool usedAreaOnly = false;
    bool gridLines = false;
    bool border = false;
    bool shadowedHeaders = false;
    bool colHeaders = false;
    bool rowHeaders = false;
};

class PrintSheet {
public:
    static constexpr int kDefaultColWidth = 900;
    static constexpr int kDefaultRowHeight = 255;
    static constexpr double kDefaultMargin = 720;

    int MaxCols() const { return cols_; }
    int MaxRows() const { return rows_; }
    void setMaxCols(int n) { resize(rows_, n); }
    void setMaxRows(int n) { resize(n, cols_); }

    // Cells outside 0..MaxCols x 0..MaxRows read as empty and ignore writes.
    const SheetCell& cell(int col, int row) const;
    void setText(int col, int row, const std::string& text);
    void setNumber(int col, int row, double value);
    void setLocked(int col, int row, bool locked);
    void setAlign(int col, int row, CellAlign align);
    // One line of the given edges on every cell of the block.
    void setBorder(int col, int row, int col2, int row2, unsigned edges, uint32_t colour, LineStyle style);

    // Widths and heights in twips; a column or row never set has the default.
    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    int RowHeight(int row) const;
    void setRowHeight(int row, int twips);

    bool GridShowHoriz = true;
    bool GridShowVert = true;
    // The row header shows row numbers (parameter tables) or stays blank (positioning tables).
    bool RowHeaderNumbers = true;
    std::string RowHeaderText(int row) const;

    // Scroll position: the row shown at the top and the column at the left.
    int TopRow = 1;
    int LeftCol = 1;
    bool Redraw = true;

    bool RowPageBreak(int row) const;
    void setRowPageBreak(int row, bool on);
    void clearPageBreaks();
    std::vector<bool> pageBreaks() const { return breaks_; }
    void setPageBreaks(const std::vector<bool>& flags);

    std::string PrintHeader;
    std::string PrintFooter;
    std::string PrintJobName;
    SheetPrintOptions PrintOptions;
    int PrintType = PrintAll;
    int PrintPageStart = 1;
    int PrintPageEnd = 1;
    int PrintCol = 1;
    int PrintRow = 1;
    // The block's end column and row; until set they follow the last column and row.
    int PrintCol2() const { return col2_ < 0 ? cols_ : col2_; }
    int PrintRow2() const { return row2_ < 0 ? rows_ : row2_; }
    void setPrintCol2(int c) { col2_ = c; }
    void setPrintRow2(int r) { row2_ = r; }
    double PrintMarginTop = kDefaultMargin;
    double PrintMarginBottom = kDefaultMargin;
    double PrintMarginLeft = kDefaultMargin;
    double PrintMarginRight = kDefaultMargin;

private:
    void resize(int rows, int cols);
    bool inside(int col, int row) const { return col >= 0 && row >= 0 && col <= cols_ && row <= rows_; }
    SheetCell* at(int col, int row);

    int rows_ = 0, cols_ = 0;
    int col2_ = -1, row2_ = -1;
    std::vector<SheetCell> cells_ = std::vector<SheetCell>(1); // (rows + 1) x (cols + 1)
    std::vector<int> colWidths_ = std::vector<int>(1, -1);
    std::vector<int> rowHeights_ = std::vector<int>(1, -1);
    std::vector<bool> breaks_ = std::vector<bool>(1, false);
};

} // namespace posmod
