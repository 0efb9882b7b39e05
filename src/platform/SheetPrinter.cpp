#include "platform/SheetPrinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace posmod {

namespace {

constexpr double kCellPad = 40;     // twips between a cell's edge and its text
constexpr double kLineGap = 80;     // twips between the header line and the table, and the table and the footer
const QColor kGridColour(0xC0, 0xC0, 0xC0);
const QColor kShadow(0xE8, 0xE8, 0xE8);

QFont runFont(const HeaderRun& r)
{
    QFont f(QString::fromStdString(r.font));
    f.setPixelSize(std::max(1, static_cast<int>(r.size * 20 + 0.5))); // points to twips
    f.setBold(r.bold);
    f.setItalic(r.italic);
    f.setUnderline(r.underline);
    f.setStrikeOut(r.strike);
    return f;
}

double lineHeight(const std::vector<HeaderRun>& runs)
{
    double h = 0;
    for (const auto& r : runs) h = std::max(h, QFontMetricsF(runFont(r)).height());
    return h > 0 ? h + kLineGap : 0;
}

// One header or footer line across width, its top at y (twips).
void paintLine(QPainter& p, const std::vector<HeaderRun>& runs, double y, double width)
{
    double ascent = 0;
    for (const auto& r : runs) ascent = std::max(ascent, QFontMetricsF(runFont(r)).ascent());
    for (HeaderAlign a : {HeaderAlign::Left, HeaderAlign::Centre, HeaderAlign::Right}) {
        double total = 0;
        for (const auto& r : runs)
            if (r.align == a) total += QFontMetricsF(runFont(r)).horizontalAdvance(QString::fromStdString(r.text));
        double x = a == HeaderAlign::Left ? 0 : a == HeaderAlign::Centre ? (width - total) / 2 : width - total;
        for (const auto& r : runs) {
            if (r.align != a) continue;
            const QFont f = runFont(r);
            const QString text = QString::fromStdString(r.text);
            p.setFont(f);
            p.drawText(QPointF(x, y + ascent), text);
            x += QFontMetricsF(f).horizontalAdvance(text);
        }
    }
}

QColor colourOf(uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

Qt::Alignment cellAlignment(const SheetCell& c)
{
    if (c.align == CellAlign::Centre) return Qt::AlignHCenter | Qt::AlignVCenter;
    return (c.isNumber ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

void paintText(QPainter& p, const QRectF& cell, const QString& text, Qt::Alignment align)
{
    if (text.isEmpty()) return;
    p.drawText(cell.adjusted(kCellPad, 0, -kCellPad, 0), static_cast<int>(align | Qt::TextSingleLine), text);
}

// The table part of one page, in twips from its top-left corner.
void paintTable(QPainter& p, const PrintSheet& s, const PagePlan& plan, const PlannedPage& page)
{
    std::vector<int> cols;
    if (plan.rowHeaders) cols.push_back(0);
    for (int c = plan.firstCol; c <= plan.lastCol; ++c) cols.push_back(c);
    std::vector<double> x{0};
    for (int c : cols) x.push_back(x.back() + s.ColWidth(c));
    std::vector<int> rows;
    if (plan.colHeaders) rows.push_back(0);
    rows.insert(rows.end(), page.rows.begin(), page.rows.end());
    std::vector<double> y{0};
    for (int r : rows) y.push_back(y.back() + s.RowHeight(r));
    const double width = x.back(), height = y.back();

    p.setFont(SheetFont());
    QPen thin(kGridColour);
    thin.setWidthF(10);
    for (size_t i = 0; i < rows.size(); ++i) {
        const int r = rows[i];
        for (size_t j = 0; j < cols.size(); ++j) {
            const int c = cols[j];
            const QRectF rect(x[j], y[i], x[j + 1] - x[j], y[i + 1] - y[i]);
            const bool header = r == 0 || c == 0;
            if (header && s.PrintOptions.shadowedHeaders) p.fillRect(rect, kShadow);
            p.setPen(Qt::black);
            if (r == 0) paintText(p, rect, QString::fromStdString(s.cell(c, 0).text), Qt::AlignCenter);
            else if (c == 0) paintText(p, rect, QString::fromStdString(s.RowHeaderText(r)), Qt::AlignCenter);
            else paintText(p, rect, QString::fromStdString(s.cell(c, r).text), cellAlignment(s.cell(c, r)));
        }
    }
    // Grid lines as the sheet shows them; the header cells are always ruled.
    p.setPen(thin);
    const bool grid = s.PrintOptions.gridLines;
    const size_t headRows = plan.colHeaders ? 1 : 0;
    const size_t headCols = plan.rowHeaders ? 1 : 0;
    for (size_t j = 1; j < x.size() - 1; ++j)
        if (grid && s.GridShowVert) p.drawLine(QPointF(x[j], 0), QPointF(x[j], height));
        else if (headRows) p.drawLine(QPointF(x[j], 0), QPointF(x[j], y[1]));
    for (size_t i = 1; i < y.size() - 1; ++i)
        if ((grid && s.GridShowHoriz) || i <= headRows) p.drawLine(QPointF(0, y[i]), QPointF(width, y[i]));
        else if (headCols) p.drawLine(QPointF(0, y[i]), QPointF(x[1], y[i]));
    // Cell borders drawn on the sheet.
    for (size_t i = 0; i < rows.size(); ++i)
        for (size_t j = 0; j < cols.size(); ++j) {
            const SheetCell& cell = s.cell(cols[j], rows[i]);
            const QLineF edges[4] = {{x[j], y[i], x[j], y[i + 1]}, {x[j + 1], y[i], x[j + 1], y[i + 1]},
                                     {x[j], y[i], x[j + 1], y[i]}, {x[j], y[i + 1], x[j + 1], y[i + 1]}};
            for (int e = 0; e < 4; ++e) {
                if (cell.border[static_cast<size_t>(e)].style == LineStyle::None) continue;
                QPen pen(colourOf(cell.border[static_cast<size_t>(e)].colour));
                pen.setWidthF(15);
                p.setPen(pen);
                p.drawLine(edges[e]);
            }
        }
    if (s.PrintOptions.border) {
        QPen pen(Qt::black);
        pen.setWidthF(15);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0, 0, width, height));
    }
}

} // namespace

QFont SheetFont()
{
    // The tables' column widths are measured for Arial: a face of its metrics where Arial is
    // missing, else a narrow one, so that headers and labels are never cut.
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                   QStringLiteral("DejaVu Sans Condensed")});
    f.setPixelSize(180); // 9 points
    return f;
}

double SheetTextHeightTwips() { return QFontMetricsF(SheetFont()).height(); }

PageArea SheetPageArea(const PrintSheet& s, const QPrinter& printer)
{
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Point);
    PageArea a = PageArea_FromPaper(paper.width() * 20, paper.height() * 20, s);
    a.headerHeight = lineHeight(HeaderFooter_Parse(s.PrintHeader, 1));
    a.footerHeight = lineHeight(HeaderFooter_Parse(s.PrintFooter, 1));
    return a;
}

SheetPrintResult SheetPrint(const PrintSheet& s, QPrinter& printer)
{
    SheetPrintResult out;
    printer.setFullPage(true);
    printer.setDocName(QString::fromStdString(s.PrintJobName));
    const PageArea area = SheetPageArea(s, printer);
    out.plan = PagePlan_Make(s, area);
    if (out.plan.error != PrintError::None) {
        out.error = out.plan.error;
        return out;
    }

    QPainter p;
    if (!p.begin(&printer)) {
        out.error = PrintError::DeviceOpen;
        return out;
    }
    const double k = printer.resolution() / 1440.0; // device pixels per twip
    const double left = std::max(0.0, s.PrintMarginLeft), top = std::max(0.0, s.PrintMarginTop);
    for (size_t i = 0; i < out.plan.pages.size(); ++i) {
        const PlannedPage& page = out.plan.pages[i];
        if (i > 0 && !printer.newPage()) {
            p.end();
            out.error = PrintError::DeviceWrite;
            return out;
        }
        p.resetTransform();
        p.scale(k, k);
        p.translate(left, top);
        p.setPen(Qt::black);
        paintLine(p, HeaderFooter_Parse(s.PrintHeader, page.number), 0, area.width);
        paintLine(p, HeaderFooter_Parse(s.PrintFooter, page.number), area.height - area.footerHeight + kLineGap,
                  area.width);
        p.save();
        p.translate(0, out.plan.tableTop);
        p.scale(out.plan.scale, out.plan.scale);
        paintTable(p, s, out.plan, page);
        p.restore();
        ++out.pagesPrinted;
    }
    if (!p.end()) out.error = PrintError::DeviceWrite;
    return out;
}

} // namespace posmod
