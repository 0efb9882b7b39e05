#pragma once
// Paging of the preview, the page setting's per-page values, the print dialog's boxes and
// the row page breaks a print sets by table kind.
#include <array>
#include <string>
#include <vector>

#include "shared/PrintSheet.h"
#include "shared/Public.h"

namespace posmod {

// --- screen pages ---

// 24 rows (one axis block) for kind 1, else 30 (15 steps).
int RowsPerScreenPage(int kind);
// The sheet row at the top of screen page p.
int ScreenPageTopRow(int kind, int page);

struct PreviewPaging {
    int kind = -1;
    int CurrentPage = 0;
    int TotalPages = 0;
};

// One page back or on; false (nothing changes) at the first or last page.
bool Paging_ExPage(PreviewPaging& p);
bool Paging_NextPage(PreviewPaging& p);
// Scrolls the sheet to the current page (redraw off meanwhile).
void Paging_Show(const PreviewPaging& p, PrintSheet& sheet);

enum class PageJumpError { None, Empty, Numeric, Limit };
// The page to jump to from the page box, checked in order: empty, a decimal number, 1..TotalPages.
PageJumpError PageJump_Check(const std::string& text, int totalPages, int& page);
const char* PageJump_Message(PageJumpError e);

// --- page setting ---

inline constexpr const char* kNotNumberMessage = "Cannot input it besides a number.";

enum class PerPageError { None, Numeric, Limit };
// A per-page value: a number, rounded half to even, 1-4 axes or 1-256 steps.
PerPageError PerPage_Check(const std::string& text, bool axes, int& value);
const char* PerPage_Message(PerPageError e);

// The page-setting dialog's load: the sheet's margins (top, bottom, left, right) rounded half
// to even into `margins`, and the texts its boxes show.
std::array<std::string, 4> PageSetting_LoadMargins(const PrintSheet& sheet, std::array<float, 4>& margins);
// A margin box losing the focus: a number is kept in `stored`; otherwise the message, and
// the box shows SingleText(stored) again.
const char* MarginBox_Check(const std::string& text, float& stored);

// Which per-page combos the kind uses: the axes for kind 1, the steps for kinds 5-9.
struct PerPageUse {
    bool axes = false;
    bool steps = false;
};
PerPageUse PageSetting_Use(int kind);

// OK: each used combo is checked (an unused one keeps its text and is skipped). On the
// first failure nothing is applied and `failed` names the combo (0 axes, 1 steps) with its
// message; otherwise the margins go to the sheet and the values (whole numbers) to pub.
struct PageSettingResult {
    int failed = -1;
    const char* message = nullptr;
};
PageSettingResult PageSetting_Ok(PrintSheet& sheet, Public& pub, int kind, const std::string& axesText,
                                 const std::string& stepsText, const std::array<float, 4>& margins);

// --- print dialog ---

struct PrintRangeSetting {
    int PrintType = PrintAll;
    int PageStart = 1, PageEnd = 1, Col = 1, Col2 = 1, Row = 1, Row2 = 1;
};
PrintRangeSetting PrintRange_FromSheet(const PrintSheet& sheet);
void PrintRange_ToSheet(const PrintRangeSetting& r, PrintSheet& sheet);

enum class PrintBox { Col, Col2, Row, Row2, PageStart, PageEnd };
// A box's text checked in order; on success stored := the value rounded half to even.
// Returns the message of the first failed check, or nullptr.
const char* PrintBox_Check(PrintBox box, const std::string& text, int sheetCols, int sheetRows, int& stored);

// The label shown while a table prints ("" outside 0-9).
std::string PrintLabel_Text(int kind);

// --- page breaks ---

// Sets the row page breaks of a print from the page setting: none for the single-page
// tables, every n axis blocks for kind 1, every n steps for kinds 5-9. A per-page value that
// is no whole number of at least 1 sets no break and gives false.
bool PageBreaks_Set(PrintSheet& sheet, int kind, const std::string& axesPerPage, const std::string& stepsPerPage);

// --- one print ---

inline constexpr const char* kPrintJobName = "Axis_Print";

// Before a print: the page breaks by kind; for a current-page print of a paged table the
// breaks are then saved into `saved` and cleared. False when the page setting set no break.
bool PrintBreaks_Prepare(PrintSheet& sheet, int kind, const std::string& axesPerPage,
                         const std::string& stepsPerPage, bool currentPage, std::vector<bool>& saved);
// After the print, whatever it gave: the breaks saved before are put back.
void PrintBreaks_Restore(PrintSheet& sheet, const std::vector<bool>& saved);
// The job name and the dialog's print range, handed to the sheet just before printing.
void PrintRange_Apply(const PrintRangeSetting& range, PrintSheet& sheet);

} // namespace posmod
