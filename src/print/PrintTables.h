#pragma once
// The ten printable tables: what the preview copies from an editor's grid into its sheet,
// with titles, headers, widths, header and footer, and the sizes of the sheet and the window.
#include <array>
#include <string>

#include "shared/PrintSheet.h"
#include "shared/Grid.h"
#include "shared/Public.h"

namespace posmod {

// Kinds 0-4 parameter tables, 5-9 positioning tables; 1 and 5-9 are paged on screen.
bool PrintKind_IsPaged(int kind);

// What the preview reads of the editor that opened it.
struct PrintSource {
    int kind = -1;
    // The editor's grids by member index: kinds 0 and 5 use [0], kind 1 [0..3], kinds 2-4
    // [0..1], kinds 6-9 [AxisNo].
    std::array<const GridCells*, 4> grids{};
    std::array<std::string, 4> axisNames;
    Public::AxisStepRangeRec range;
    // The editor shows decimal values: a parameter table is headed "(Dec)".
    bool decimalDisplay = false;
};

struct PrintLayout {
    std::string title;
    std::string caption = "Print Setting";
    bool pageFrameVisible = false;
    int CurrentPage = 0;
    int TotalPages = 0;
    std::string pageLabel;
    int rowHeight = 0; // h
    // Twips; 0 keeps the design size (a kind outside 0-9).
    int controlWidth = 0, controlHeight = 0;
    int windowWidth = 0, windowHeight = 0;
    int pageFrameLeft = 0; // from the control's left; its top is the control's top
};

// Fills an empty sheet with the table of src.kind. textHeight is the height of one line of
// the sheet's font in twips; pageFrameWidth the width of the page frame. A kind outside 0-9
// leaves the sheet empty.
PrintLayout PrintTable_Build(PrintSheet& sheet, const PrintSource& src, double textHeight, int pageFrameWidth);

// The preview's load: the page setting back to "1" axis and "20" steps, the table, the
// print options.
PrintLayout PrintPreview_Load(Public& pub, PrintSheet& sheet, const PrintSource& src, double textHeight,
                              int pageFrameWidth);

// Title of a table ("" outside 0-9); kinds 6-9 put the axis name cut to 20 bytes in brackets first.
std::string PrintTable_Title(int kind, const std::string& axisName);

std::string PageLabelText(int currentPage, int totalPages);

} // namespace posmod
