#include "print/PrintPaging.h"

#include <cmath>

#include "print/PrintNumbers.h"
#include "print/PrintTables.h"
#include "shared/Conversions.h"
#include "shared/TableSizes.h"

namespace posmod {

namespace {
// The print windows' own spelling, with its full stop.
constexpr const char* kLimitMessage = "Data Limit Error.";
} // namespace

int RowsPerScreenPage(int kind) { return kind == 1 ? 24 : 30; }

int ScreenPageTopRow(int kind, int page) { return (page - 1) * RowsPerScreenPage(kind) + 1; }

bool Paging_ExPage(PreviewPaging& p)
{
    if (p.CurrentPage - 1 < 1) return false;
    --p.CurrentPage;
    return true;
}

bool Paging_NextPage(PreviewPaging& p)
{
    if (p.CurrentPage + 1 > p.TotalPages) return false;
    ++p.CurrentPage;
    return true;
}

void Paging_Show(const PreviewPaging& p, PrintSheet& sheet)
{
    sheet.Redraw = false;
    sheet.LeftCol = 1;
    sheet.TopRow = ScreenPageTopRow(p.kind, p.CurrentPage);
    sheet.Redraw = true;
}

PageJumpError PageJump_Check(const std::string& text, int totalPages, int& page)
{
    if (text.empty()) return PageJumpError::Empty;
    if (!NumText_Check(text, true)) return PageJumpError::Numeric;
    const auto n = signedDecimalValue(text); // nullopt: beyond 64 bits, so beyond the last page
    if (!n || *n < 1 || *n > totalPages) return PageJumpError::Limit;
    page = static_cast<int>(*n);
    return PageJumpError::None;
}

const char* PageJump_Message(PageJumpError e)
{
    switch (e) {
    case PageJumpError::Empty: return "Data isn't set.  Please set the data.";
    case PageJumpError::Numeric: return "Data Numeric Error.";
    case PageJumpError::Limit: return kLimitMessage;
    case PageJumpError::None: break;
    }
    return "";
}

PerPageError PerPage_Check(const std::string& text, bool axes, int& value)
{
    const auto v = NumericText_Value(text);
    if (!v) return PerPageError::Numeric;
    const double n = RoundHalfEven(*v);
    if (!(n >= 1 && n <= (axes ? 4 : kStepCount))) return PerPageError::Limit;
    value = static_cast<int>(n);
    return PerPageError::None;
}

const char* PerPage_Message(PerPageError e)
{
    switch (e) {
    case PerPageError::Numeric: return kNotNumberMessage;
    case PerPageError::Limit: return kLimitMessage;
    case PerPageError::None: break;
    }
    return "";
}

std::array<std::string, 4> PageSetting_LoadMargins(const PrintSheet& s, std::array<float, 4>& margins)
{
    const double from[4] = {s.PrintMarginTop, s.PrintMarginBottom, s.PrintMarginLeft, s.PrintMarginRight};
    std::array<std::string, 4> texts;
    for (size_t i = 0; i < 4; ++i) {
        margins[i] = static_cast<float>(RoundHalfEven(from[i]));
        texts[i] = SingleText(margins[i]);
    }
    return texts;
}

const char* MarginBox_Check(const std::string& text, float& stored)
{
    const auto v = MarginText_Value(text);
    if (!v) return kNotNumberMessage;
    stored = *v;
    return nullptr;
}

PerPageUse PageSetting_Use(int kind)
{
    PerPageUse u;
    u.axes = kind == 1;
    u.steps = kind >= 5 && kind <= 9;
    return u;
}

PageSettingResult PageSetting_Ok(PrintSheet& s, Public& pub, int kind, const std::string& axesText,
                                 const std::string& stepsText, const std::array<float, 4>& margins)
{
    const PerPageUse use = PageSetting_Use(kind);
    int axes = 0, steps = 0;
    if (use.axes) {
        const PerPageError e = PerPage_Check(axesText, true, axes);
        if (e != PerPageError::None) return {0, PerPage_Message(e)};
    }
    if (use.steps) {
        const PerPageError e = PerPage_Check(stepsText, false, steps);
        if (e != PerPageError::None) return {1, PerPage_Message(e)};
    }
    s.PrintMarginTop = margins[0];
    s.PrintMarginBottom = margins[1];
    s.PrintMarginLeft = margins[2];
    s.PrintMarginRight = margins[3];
    pub.PrintAxesPerPage = use.axes ? std::to_string(axes) : axesText;
    pub.PrintStepsPerPage = use.steps ? std::to_string(steps) : stepsText;
    return {};
}

PrintRangeSetting PrintRange_FromSheet(const PrintSheet& s)
{
    PrintRangeSetting r;
    r.PrintType = s.PrintType;
    r.PageStart = s.PrintPageStart;
    r.PageEnd = s.PrintPageEnd;
    r.Col = s.PrintCol;
    r.Col2 = s.PrintCol2();
    r.Row = s.PrintRow;
    r.Row2 = s.PrintRow2();
    return r;
}

void PrintRange_ToSheet(const PrintRangeSetting& r, PrintSheet& s)
{
    s.PrintType = r.PrintType;
    s.PrintCol = r.Col;
    s.setPrintCol2(r.Col2);
    s.PrintRow = r.Row;
    s.setPrintRow2(r.Row2);
    s.PrintPageStart = r.PageStart;
    s.PrintPageEnd = r.PageEnd;
}

const char* PrintBox_Check(PrintBox box, const std::string& text, int sheetCols, int sheetRows, int& stored)
{
    const auto v = NumericText_Value(text);
    if (!v) return kNotNumberMessage;
    switch (box) {
    case PrintBox::Col:
    case PrintBox::Col2:
        if (*v > sheetCols) return "Cannot input a value more than maximum row number.";
        if (*v < 0) return "Cannot input a value less than 0.";
        break;
    case PrintBox::Row:
    case PrintBox::Row2:
        if (*v > sheetRows) return "Cannot input a value more than maximum line number.";
        if (*v < 0) return "Cannot input a value less than 0.";
        break;
    case PrintBox::PageStart:
    case PrintBox::PageEnd:
        if (*v > 32767 || *v < 0) return "Cannot input a value more than integer types and a value less than 0.";
        break;
    }
    stored = static_cast<int>(RoundHalfEven(*v));
    return nullptr;
}

std::string PrintLabel_Text(int kind)
{
    std::string title = PrintTable_Title(kind, "");
    if (title.empty()) return "";
    if (kind >= 6) title.erase(0, 2); // the empty axis brackets
    title.pop_back();                 // the full stop
    return title + " printing.";
}

namespace {
// A per-page value as a whole number, or 0 when it is none or below 1.
long long perPageValue(const std::string& text)
{
    const auto v = NumericText_Value(text);
    if (!v) return 0;
    const double n = RoundHalfEven(*v);
    if (!(n >= 1)) return 0;
    return n > 1e9 ? 1000000000LL : static_cast<long long>(n);
}
} // namespace

bool PageBreaks_Set(PrintSheet& s, int kind, const std::string& axesPerPage, const std::string& stepsPerPage)
{
    s.clearPageBreaks();
    const int rows = s.MaxRows();
    if (kind == 1) {
        const long long n = perPageValue(axesPerPage);
        if (n < 1) return false;
        for (long long k = n; k <= 3; k += n) s.setRowPageBreak(static_cast<int>(24 * k + 1), true);
    } else if (kind >= 5 && kind <= 9) {
        const long long n = 2 * perPageValue(stepsPerPage);
        if (n < 1) return false;
        if (rows > n)
            for (long long k = n; k <= rows - 1; k += n) s.setRowPageBreak(static_cast<int>(k + 1), true);
    }
    return true;
}

bool PrintBreaks_Prepare(PrintSheet& s, int kind, const std::string& axesPerPage, const std::string& stepsPerPage,
                         bool currentPage, std::vector<bool>& saved)
{
    const bool ok = PageBreaks_Set(s, kind, axesPerPage, stepsPerPage);
    saved.clear();
    if (currentPage && PrintKind_IsPaged(kind)) {
        saved = s.pageBreaks();
        s.clearPageBreaks();
    }
    return ok;
}

void PrintBreaks_Restore(PrintSheet& s, const std::vector<bool>& saved)
{
    if (!saved.empty()) s.setPageBreaks(saved);
}

void PrintRange_Apply(const PrintRangeSetting& range, PrintSheet& s)
{
    s.PrintJobName = kPrintJobName;
    PrintRange_ToSheet(range, s);
}

} // namespace posmod
