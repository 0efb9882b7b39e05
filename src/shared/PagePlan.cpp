#include "shared/PagePlan.h"

#include <algorithm>
#include <charconv>

namespace posmod {

std::string PrintError_Message(PrintError e)
{
    for (const auto& entry : kPrintErrors)
        if (entry.error == e) return std::to_string(entry.number) + ":" + entry.description;
    return "";
}

PageArea PageArea_FromPaper(double paperWidth, double paperHeight, const PrintSheet& s)
{
    auto m = [](double v) { return v > 0 ? v : 0.0; };
    PageArea a;
    a.width = paperWidth - m(s.PrintMarginLeft) - m(s.PrintMarginRight);
    a.height = paperHeight - m(s.PrintMarginTop) - m(s.PrintMarginBottom);
    return a;
}

PagePlan PagePlan_Make(const PrintSheet& s, const PageArea& area)
{
    PagePlan plan;
    if (s.MaxRows() < 1 || s.MaxCols() < 1) {
        plan.error = PrintError::EmptySheet;
        return plan;
    }
    int c1 = 1, c2 = s.MaxCols(), r1 = 1, r2 = s.MaxRows();
    if (s.PrintType == PrintCellBlock) {
        auto one = [](int v) { return v < 1 ? 1 : v; };
        c1 = one(s.PrintCol);
        r1 = one(s.PrintRow);
        c2 = std::min(one(s.PrintCol2()), s.MaxCols());
        r2 = std::min(one(s.PrintRow2()), s.MaxRows());
        if (c1 > c2 || r1 > r2) {
            plan.error = PrintError::NoCell;
            return plan;
        }
    }
    plan.firstCol = c1;
    plan.lastCol = c2;
    plan.rowHeaders = s.PrintOptions.rowHeaders && s.RowHeaderNumbers;
    plan.colHeaders = s.PrintOptions.colHeaders;

    double tableWidth = plan.rowHeaders ? s.ColWidth(0) : 0;
    for (int c = c1; c <= c2; ++c) tableWidth += s.ColWidth(c);
    int tallest = 0;
    for (int r = r1; r <= r2; ++r) tallest = std::max(tallest, s.RowHeight(r));

    const double body = area.height - area.headerHeight - area.footerHeight;
    if (area.width <= 0 || body <= 0 || tableWidth <= 0) {
        plan.error = PrintError::NoPrintableArea;
        return plan;
    }
    plan.scale = std::min(1.0, area.width / tableWidth);
    plan.tableTop = area.headerHeight;
    const double room = body / plan.scale - (plan.colHeaders ? s.RowHeight(0) : 0);
    if (room < tallest || room <= 0) {
        plan.error = PrintError::NoPrintableArea;
        return plan;
    }

    std::vector<PlannedPage> all;
    double used = 0;
    for (int r = r1; r <= r2; ++r) {
        const int h = s.RowHeight(r);
        if (all.empty() || (!all.back().rows.empty() && (s.RowPageBreak(r) || used + h > room))) {
            all.push_back(PlannedPage{static_cast<int>(all.size()) + 1, {}});
            used = 0;
        }
        all.back().rows.push_back(r);
        used += h;
    }
    plan.totalPages = static_cast<int>(all.size());

    switch (s.PrintType) {
    case PrintCurrentPage: {
        for (const auto& p : all)
            if (std::find(p.rows.begin(), p.rows.end(), s.TopRow) != p.rows.end()) plan.pages.push_back(p);
        break;
    }
    case PrintPageRange: {
        const int start = s.PrintPageStart < 1 ? 1 : s.PrintPageStart;
        const int end = std::min(s.PrintPageEnd < 1 ? 1 : s.PrintPageEnd, plan.totalPages);
        for (int p = start; p <= end; ++p) plan.pages.push_back(all[static_cast<size_t>(p - 1)]);
        break;
    }
    default:
        plan.pages = std::move(all);
        break;
    }
    if (plan.pages.empty()) plan.error = PrintError::NoPage;
    return plan;
}

namespace {
// A quoted argument ("ARIAL") at pos; moves pos past it. Without quotes: up to the next "/".
std::string argument(const std::string& s, size_t& pos)
{
    if (pos < s.size() && s[pos] == '"') {
        const size_t close = s.find('"', pos + 1);
        const size_t end = close == std::string::npos ? s.size() : close;
        std::string v = s.substr(pos + 1, end - pos - 1);
        pos = close == std::string::npos ? s.size() : close + 1;
        return v;
    }
    const size_t end = std::min(s.find('/', pos), s.size());
    std::string v = s.substr(pos, end - pos);
    pos = end;
    return v;
}
} // namespace

std::vector<HeaderRun> HeaderFooter_Parse(const std::string& codes, int page)
{
    std::vector<HeaderRun> runs;
    HeaderRun cur;
    auto flush = [&] {
        if (!cur.text.empty()) runs.push_back(cur);
        cur.text.clear();
    };
    size_t i = 0;
    while (i < codes.size()) {
        if (codes[i] == '/' && i + 1 < codes.size()) {
            const char a = static_cast<char>(codes[i + 1] | 0x20);
            const char b = i + 2 < codes.size() ? static_cast<char>(codes[i + 2] | 0x20) : '\0';
            if (a == 'l' || a == 'c' || a == 'r') {
                flush();
                cur.align = a == 'l' ? HeaderAlign::Left : a == 'c' ? HeaderAlign::Centre : HeaderAlign::Right;
                i += 2;
                continue;
            }
            if (a == 'p') {
                cur.text += std::to_string(page);
                i += 2;
                continue;
            }
            if (a == 'f' && (b == 'n' || b == 'z')) {
                flush();
                size_t pos = i + 3;
                const std::string v = argument(codes, pos);
                if (b == 'n') cur.font = v;
                else {
                    double z = 0;
                    const auto res = std::from_chars(v.data(), v.data() + v.size(), z);
                    if (res.ec == std::errc() && z > 0 && z < 1000) cur.size = z;
                }
                i = pos;
                continue;
            }
            if (a == 'f' && (b == 'b' || b == 'i' || b == 'u' || b == 'k')) {
                flush();
                const bool on = i + 3 < codes.size() && codes[i + 3] == '1';
                (b == 'b' ? cur.bold : b == 'i' ? cur.italic : b == 'u' ? cur.underline : cur.strike) = on;
                i += i + 3 < codes.size() && (codes[i + 3] == '0' || codes[i + 3] == '1') ? 4 : 3;
                continue;
            }
        }
        cur.text += codes[i++];
    }
    flush();
    return runs;
}

std::string HeaderFooter_Text(const std::vector<HeaderRun>& runs)
{
    std::string out;
    for (const auto& r : runs) out += r.text;
    return out;
}

} // namespace posmod
