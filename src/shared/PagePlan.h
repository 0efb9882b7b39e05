#pragma once
// Which rows and columns of the sheet go on which printed page, and the header and footer
// lines, so that the printer only paints.
#include <string>
#include <vector>

#include "shared/PrintErrors.h"
#include "shared/PrintSheet.h"

namespace posmod {

// The printable area of a page and the room its header and footer lines take, in twips.
struct PageArea {
    double width = 0;
    double height = 0;
    double headerHeight = 0;
    double footerHeight = 0;
};

// The room left between the margins of a paper (a negative margin counts as 0).
PageArea PageArea_FromPaper(double paperWidth, double paperHeight, const PrintSheet& sheet);

struct PlannedPage {
    int number = 0;        // page number in the printed sequence, for "/p"
    std::vector<int> rows; // data rows, top to bottom
};

struct PagePlan {
    PrintError error = PrintError::None;
    bool rowHeaders = false; // the row-header column is printed
    bool colHeaders = false; // the header row is printed on every page
    int firstCol = 1, lastCol = 0;
    double scale = 1;        // the table is drawn at this scale to fit the width
    double tableTop = 0;     // from the printable area's top: below the header line
    int totalPages = 0;      // pages of the whole run (sheet or block) before the selection
    std::vector<PlannedPage> pages; // the pages to print
};

// Pages break before a row with a break flag and when the next row would not fit. Print
// types: 0 every page; 1 the cell block (a bound 0 counts as 1, an end beyond the sheet as
// its last); 2 the page holding the sheet's top row; 3 the pages start to end (0 counts as
// 1, an end beyond the last page as the last).
PagePlan PagePlan_Make(const PrintSheet& sheet, const PageArea& area);

// --- header and footer lines ---

enum class HeaderAlign { Left, Centre, Right };

struct HeaderRun {
    HeaderAlign align = HeaderAlign::Left;
    std::string font = "Arial";
    double size = 10;
    bool bold = false, italic = false, underline = false, strike = false;
    std::string text;
};

// The runs of a print header or footer: "/l", "/c", "/r" align what follows; "/fn" "name",
// "/fz" "size", "/fb", "/fi", "/fu", "/fk" 0 or 1 set font, size, bold, italic, underline and
// strike-through; "/p" is the page number. Anything else is text.
std::vector<HeaderRun> HeaderFooter_Parse(const std::string& codes, int page);
// The runs' texts joined per alignment, for a quick look at a line.
std::string HeaderFooter_Text(const std::vector<HeaderRun>& runs);

} // namespace posmod
