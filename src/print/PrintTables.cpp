#include "print/PrintTables.h"

#include <vector>

#include "print/PrintNumbers.h"
#include "shared/Conversions.h"

namespace posmod {

namespace {

const char* const kJvNames[12] = {
    "Operation mode(2)", "Pulse number for one rotation", "Work move length for one rotation",
    "Upper limit of speed", "Initial speed", "Manual/High-speed homing velocity", "Low-speed homing velocity",
    "Acceleration/Deceleration time", "Backlash", "Upper limit position data", "Lower limit position data",
    "Home position data",
};

const char* const kZr4Names[23] = {
    "Homing direction", "Homing mode", "Revolution polarity", "Acceleration/Deceleration mode",
    "Speed scaling factor", "Position scaling factor", "Unit", "Pulse logic", "+ O.RUNInput mode",
    "- O.RUNInput mode", "SRDY/COINInput mode", "Pulse number for one rotation",
    "Work move length for one rotation", "Upper limit of speed", "initial speed",
    "High speed manual operation. high speed homing", "Low speed manual operation. low speed homing",
    "Acceleration/Deceleration time", "Backlash", "Upper limit position data", "Lower limit position data",
    "Home position data", "Homing offset value",
};

const char* const k7wNames[12] = {
    "Operation mode(1)", "Upper limit of speed", "Manual initial speed", "Manual speed", "Auto initial speed",
    "Hi-speed homing velocity", "Low-speed homing velocity", "Rate of acceleration/deceleration", "Backlash",
    "Upper limit position data", "Lower limit position data", "Home position data",
};

const char* kindModel(int kind)
{
    static const char* const models[10] = {"JV-ZR", "JV-ZR4", "VELTA-7W", "VELTAK7W", "ZRH",
                                           "JV-ZR", "JV-ZR4", "VELTA-7W", "VELTAK7W", "ZRH"};
    return kind >= 0 && kind <= 9 ? models[kind] : "";
}

std::string paramName(int kind, int n) // n from 1
{
    if (kind == 0) return kJvNames[n - 1];
    if (kind == 1) return kZr4Names[n - 1];
    if (kind == 3 && n == 3) return "In position value";
    if (kind == 3 && n == 5) return "Deviation quantity warning value";
    return k7wNames[n - 1];
}

std::string cellOf(const GridCells* g, int row, int col) { return g ? g->TextMatrix(row, col) : std::string(); }

void lockedText(PrintSheet& s, int col, int row, const std::string& text, bool centre)
{
    s.setLocked(col, row, true);
    if (centre) s.setAlign(col, row, CellAlign::Centre);
    s.setText(col, row, text);
}

void parameterRow(PrintSheet& s, int kind, int row, int n, const GridCells* g, int gridRow)
{
    lockedText(s, 1, row, paramName(kind, n), false);
    lockedText(s, 2, row, cellOf(g, gridRow, 2), true);
    lockedText(s, 3, row, cellOf(g, gridRow, 3), true);
}

void axisRow(PrintSheet& s, int row, const std::string& name)
{
    lockedText(s, 1, row, "[" + StrByte_Cut(name, 20) + "]", false);
    lockedText(s, 2, row, "", false);
}

struct Family {
    std::vector<std::string> headers; // columns 1..C
    std::vector<int> widths;
};

Family positioningFamily(int kind)
{
    if (kind == 5)
        return {{"Step", "Setting", "Mode/Dwell", "Acceleration time", "Deceleration time", "Velocity",
                 "Target position"},
                {600, 1100, 1100, 1550, 1550, 1100, 1550}};
    if (kind == 6)
        return {{"Step", "Setting", "Mode", "Dwell", "Acceleration", "Deceleration", "Velocity", "Target",
                 "Circular"},
                {600, 1150, 1150, 1150, 1150, 1150, 1150, 1150, 1150}};
    return {{"Step", "Setting", "Mode/Dwell", "Rate of acceleration", "Rate of deceleration", "Velocity",
             "Target position"},
            {600, 1100, 1100, 1800, 1800, 1100, 1800}};
}

} // namespace

bool PrintKind_IsPaged(int kind) { return kind == 1 || (kind >= 5 && kind <= 9); }

std::string PageLabelText(int currentPage, int totalPages)
{
    return std::to_string(currentPage) + "/" + std::to_string(totalPages);
}

std::string PrintTable_Title(int kind, const std::string& axisName)
{
    if (kind < 0 || kind > 9) return "";
    if (kind <= 4) return std::string("Common parameter setting(") + kindModel(kind) + ").";
    std::string t = std::string("Automatic operation data setting(") + kindModel(kind) + ").";
    if (kind >= 6) t = "[" + StrByte_Cut(axisName, 20) + "]" + t;
    return t;
}

PrintLayout PrintTable_Build(PrintSheet& s, const PrintSource& src, double textHeight, int pageFrameWidth)
{
    PrintLayout out;
    const int kind = src.kind;
    if (kind < 0 || kind > 9) return out;
    const bool paged = PrintKind_IsPaged(kind);
    const bool parameters = kind <= 4;
    out.pageFrameVisible = paged;

    int rows = 0;
    int cols = 0;
    Family fam;
    if (parameters) {
        rows = kind == 0 ? 12 : kind == 1 ? 96 : 26;
        cols = 3;
        fam.headers = {"parameter", src.decimalDisplay ? "Current data(Dec)" : "Current data(Hex)",
                       src.decimalDisplay ? "Setting data(Dec)" : "Setting data(Hex)"};
        fam.widths = kind == 1 ? std::vector<int>{3700, 2900, 2900} : std::vector<int>{3000, 2000, 2000};
    } else {
        const int steps = src.range.LastStep - src.range.FirstStep + 1;
        rows = steps > 0 ? 2 * steps : 0;
        fam = positioningFamily(kind);
        cols = static_cast<int>(fam.headers.size());
    }
    s.setMaxCols(cols);
    s.setMaxRows(rows);
    s.TopRow = 1;
    s.LeftCol = 1;
    s.RowHeaderNumbers = parameters;

    if (parameters) s.setText(0, 0, "No.");
    for (int c = 1; c <= cols; ++c) s.setText(c, 0, fam.headers[static_cast<size_t>(c - 1)]);

    int axis = 0;
    if (kind == 0) {
        for (int r = 1; r <= 12; ++r) parameterRow(s, kind, r, r, src.grids[0], r);
    } else if (kind == 1) {
        for (int a = 0; a < 4; ++a) {
            const int first = 24 * a + 1;
            axisRow(s, first, src.axisNames[static_cast<size_t>(a)]);
            for (int n = 1; n <= 23; ++n) parameterRow(s, kind, first + n, n, src.grids[static_cast<size_t>(a)], n);
        }
    } else if (parameters) {
        for (int a = 0; a < 2; ++a) {
            const int first = 13 * a + 1;
            axisRow(s, first, src.axisNames[static_cast<size_t>(a)]);
            for (int n = 1; n <= 12; ++n) parameterRow(s, kind, first + n, n, src.grids[static_cast<size_t>(a)], n);
        }
    } else {
        if (kind >= 6) axis = src.range.AxisNo >= 0 && src.range.AxisNo <= 3 ? src.range.AxisNo : 0;
        const GridCells* g = src.grids[static_cast<size_t>(axis)];
        for (int k = 0; 2 * k + 2 <= rows; ++k) {
            const int r = 2 * k + 1;
            s.setLocked(1, r, true);
            s.setAlign(1, r, CellAlign::Centre);
            s.setNumber(1, r, src.range.FirstStep + k);
            lockedText(s, 2, r, "Current data", true);
            lockedText(s, 2, r + 1, "Setting data", true);
            for (int c = 3; c <= cols; ++c) {
                lockedText(s, c, r, cellOf(g, r, c - 1), true);
                lockedText(s, c, r + 1, cellOf(g, r + 1, c - 1), true);
            }
            s.setBorder(1, r + 1, cols, r + 1, EdgeBottom, 0xE0E0E0, LineStyle::Solid);
        }
    }

    s.GridShowVert = true;
    s.GridShowHoriz = parameters;

    out.title = PrintTable_Title(kind, src.axisNames[static_cast<size_t>(axis)]);
    out.caption = out.title + " Print Setting.";
    s.PrintHeader = "/l/fn\"ARIAL\"/fz\"12\"/fb1/fi0/fu0/fk0" + out.title;
    s.PrintFooter = "/c/fn\"ARIAL\"/fz\"9\"/fb0/fi0/fu0/fk0- /p -";
    s.PrintOptions.colHeaders = true;
    s.PrintOptions.rowHeaders = true;

    if (paged) {
        out.CurrentPage = 1;
        out.TotalPages = kind == 1 ? 4 : (rows + 29) / 30;
        if (out.TotalPages < 1) out.TotalPages = 1;
        out.pageLabel = PageLabelText(out.CurrentPage, out.TotalPages);
    }

    const int h = static_cast<int>(RoundHalfEven(textHeight + 10));
    out.rowHeight = h;
    for (int r = 0; r <= rows; ++r) s.setRowHeight(r, h);
    for (int c = 1; c <= cols; ++c) s.setColWidth(c, fam.widths[static_cast<size_t>(c - 1)]);

    if (kind == 0) out.controlHeight = (rows + 1) * (h + 22);
    else if (kind == 1) out.controlHeight = 25 * (h + 21);
    else if (parameters) out.controlHeight = (rows + 1) * (h + 21);
    else out.controlHeight = 31 * (h + 21);

    // The parameter tables count the row-header column and one column past the last.
    const int firstCol = parameters ? 0 : 1;
    const int lastCol = parameters ? 4 : cols;
    for (int c = firstCol; c <= lastCol; ++c) out.controlWidth += s.ColWidth(c) + 19;

    out.windowHeight = out.controlHeight + 800;
    if (paged) {
        out.windowWidth = out.controlWidth + pageFrameWidth + 500;
        out.pageFrameLeft = out.controlWidth + 280;
    } else {
        out.windowWidth = out.controlWidth + 350;
    }
    return out;
}

PrintLayout PrintPreview_Load(Public& pub, PrintSheet& sheet, const PrintSource& src, double textHeight,
                              int pageFrameWidth)
{
    pub.PrintAxesPerPage = "1";
    pub.PrintStepsPerPage = "20";
    PrintLayout out = PrintTable_Build(sheet, src, textHeight, pageFrameWidth);
    sheet.PrintOptions.usedAreaOnly = true;
    sheet.PrintOptions.gridLines = true;
    sheet.PrintOptions.border = true;
    sheet.PrintOptions.shadowedHeaders = true;
    return out;
}

} // namespace posmod
