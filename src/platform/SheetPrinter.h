#pragma once
// Printing the preview's sheet through QPrinter: the core's page plan says which rows go
// on which page; this paints them with the header and footer lines, the column headers on
// every page, the row numbers where the sheet has them, and the table scaled to the width.
#include <QFont>

#include "shared/PagePlan.h"
#include "shared/PrintSheet.h"

class QPrinter;

namespace posmod {

// The sheet's cell font, sized in twips (its pixel size is its height in twips).
QFont SheetFont();
// The height of one text line of the sheet's font, in twips.
double SheetTextHeightTwips();

struct SheetPrintResult {
    PrintError error = PrintError::None;
    PagePlan plan;
    int pagesPrinted = 0;
};

// The page area the sheet's margins, header and footer leave on the printer's paper, in twips.
PageArea SheetPageArea(const PrintSheet& sheet, const QPrinter& printer);

// Prints as the sheet's print type, range, margins and options say, under its job name.
// An error found before the first page (no room, nothing selected, a device that cannot be
// opened) prints nothing and leaves no file.
SheetPrintResult SheetPrint(const PrintSheet& sheet, QPrinter& printer);

} // namespace posmod
