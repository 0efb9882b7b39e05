// The grid, the message box and the accessible names of the platform layer.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cstdlib>
#include <functional>

#include "UiFixture.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "shared/ui/FormBase.h"

using namespace posmod;

namespace {

// A parameter grid as the editors lay it: a header and rows of 300 twips, the columns of
// the one-axis editor, column 0 numbering the rows.
void LayParamGrid(FlexGrid& g, int bodyRows, int widthTwips = 7020, int heightTwips = 4000)
{
    g.setCols(4);
    g.setRows(bodyRows + 1);
    g.setGridSize(widthTwips, heightTwips);
    g.setRowHeight(-1, 300);
    const int widths[] = {600, 3100, 1600, 1600};
    const char* heads[] = {"No.", "parameter", "Current data(Hex)", "Setting data(Hex)"};
    for (int c = 0; c < 4; ++c) {
        g.setColWidth(c, widths[c]);
        g.setTextMatrix(0, c, heads[c]);
    }
    for (int r = 1; r <= bodyRows; ++r) g.setTextMatrix(r, 0, std::to_string(r));
}

QModelIndex IndexOf(const FlexGrid& g, int row, int col) { return g.model()->index(row - 1, col); }

// A cell's rectangle as the grid draws it, in pixels of the grid's parent.
QRect DrawnCell(const FlexGrid& g, int row, int col)
{
    if (row == 0) {
        const QHeaderView* h = g.horizontalHeader();
        return QRect(h->mapTo(g.parentWidget(), QPoint(h->sectionViewportPosition(col), 0)),
                     QSize(h->sectionSize(col), h->height()));
    }
    const QRect r = g.visualRect(IndexOf(g, row, col));
    return QRect(g.viewport()->mapTo(g.parentWidget(), r.topLeft()), QSize(g.columnWidth(col), g.rowHeight(row - 1)));
}

QRect InPixels(const TwipsScale& s, const QRect& twips)
{
    return QRect(s.toPixelsX(twips.left()), s.toPixelsY(twips.top()), s.toPixelsX(twips.width()),
                 s.toPixelsY(twips.height()));
}

void Wheel(QWidget* w, int notches)
{
    const QPointF at = QPointF(w->rect().center());
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(Twips, FifteenAPixelForTheLayoutsFontAndInProportionForAnother)
{
    struct Case { double letter, line; int twips, across, down; } cases[] = {
        {5, 13, 15, 1, 1},       {5, 13, 300, 20, 20},  {5, 13, 1440, 96, 96}, {5, 13, 7020, 468, 468},
        {5, 13, 7, 0, 0},        {5, 13, 8, 1, 1},      {5, 13, -300, -20, -20},
        {6.25, 16.25, 1440, 120, 120}, // the layouts' font at 120 dpi: 12 twips a pixel
        {6.75, 14, 1600, 144, 115},    // wider letters, taller lines: across by the one, down by the other
        {0, 0, 300, 20, 20},          // a font without metrics keeps the layouts' scale
    };
    for (const auto& c : cases) {
        const TwipsScale s = TwipsScale::ofMetrics(c.letter, c.line);
        EXPECT_EQ(s.toPixelsX(c.twips), c.across) << c.twips << " twips, letter " << c.letter;
        EXPECT_EQ(s.toPixelsY(c.twips), c.down) << c.twips << " twips, line " << c.line;
    }
    const TwipsScale layout = TwipsScale::ofMetrics(5, 13);
    EXPECT_EQ(layout.toTwipsX(20), 300);
    EXPECT_EQ(layout.toTwipsY(-2), -30);

    // A font's own metrics: a larger size of the same face scales in proportion.
    test::app();
    QFont small = QApplication::font();
    small.setPointSizeF(9);
    QFont large = small;
    large.setPointSizeF(18);
    const TwipsScale a = TwipsScale::ofFont(small), b = TwipsScale::ofFont(large);
    EXPECT_NEAR(b.x() / a.x(), 2.0, 0.1);
    EXPECT_NEAR(b.y() / a.y(), 2.0, 0.1);
}

TEST(FlexGrid, MatrixCurrentCellAndSizes)
{
    test::app();
    FlexGrid g;
    g.setCols(4);
    g.setRows(13);
    EXPECT_EQ(g.Rows(), 13);
    EXPECT_EQ(g.Cols(), 4);

    g.setTextMatrix(0, 2, "Current data(Hex)");
    g.setTextMatrix(12, 3, "3FFFFFFF");
    EXPECT_EQ(g.TextMatrix(0, 2), "Current data(Hex)");
    EXPECT_EQ(g.TextMatrix(12, 3), "3FFFFFFF");
    EXPECT_EQ(g.TextMatrix(5, 1), "");
    // Outside the matrix: nothing is written, nothing is read.
    g.setTextMatrix(13, 0, "x");
    g.setTextMatrix(-1, 0, "x");
    g.setTextMatrix(0, 4, "x");
    EXPECT_EQ(g.TextMatrix(13, 0), "");
    EXPECT_EQ(g.TextMatrix(0, 4), "");

    g.setRow(12);
    g.setCol(3);
    EXPECT_EQ(g.Row(), 12);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.Text(), "3FFFFFFF");
    g.setRow(99);
    g.setRow(0); // the header row is never current
    g.setCol(4);
    EXPECT_EQ(g.Row(), 12);
    EXPECT_EQ(g.Col(), 3);

    // Growing keeps what the cells hold; shrinking moves the current row inside; the
    // header row stays however few rows are asked for.
    g.setRows(20);
    EXPECT_EQ(g.TextMatrix(12, 3), "3FFFFFFF");
    g.setRows(5);
    EXPECT_EQ(g.Row(), 4);
    g.setRows(0);
    EXPECT_EQ(g.Rows(), 1);
    EXPECT_EQ(g.TextMatrix(0, 2), "Current data(Hex)");
    g.setRows(5);
    EXPECT_EQ(g.TextMatrix(4, 3), "");

    // Twips are answered as set; new rows take the height of the last row.
    g.setRowHeight(-1, 300);
    g.setRowHeight(4, 450);
    g.setRows(7);
    EXPECT_EQ(g.RowHeight(3), 300);
    EXPECT_EQ(g.RowHeight(6), 450);
    g.setColWidth(1, 3100);
    EXPECT_EQ(g.ColWidth(1), 3100);
    EXPECT_EQ(g.ColPos(0), 0);
    EXPECT_EQ(g.ColPos(2) - g.ColPos(1), 3100);
    EXPECT_EQ(g.RowPos(0), 0);
    EXPECT_EQ(g.RowPos(1), 300);
    EXPECT_EQ(g.RowPos(5) - g.RowPos(4), 450);
    g.setGridSize(7020, 4000);
    EXPECT_EQ(g.GridWidth(), 7020);
    EXPECT_EQ(g.GridHeight(), 4000);
    // On the screen they are scaled by the grid's font.
    EXPECT_NEAR(g.columnWidth(1), g.Scale().toPixelsX(3100), 1);
    EXPECT_NEAR(g.rowHeight(3), g.Scale().toPixelsY(450), 1);
    EXPECT_EQ(g.horizontalHeader()->height(), g.Scale().toPixelsY(300));
    EXPECT_EQ(g.width(), g.Scale().toPixelsX(7020));
}

TEST(FlexGrid, CaptionsFitColumnsLaidForTheLayoutsFontInAnyFont)
{
    test::app();
    for (double points : {7.0, 9.0, 12.0, 16.0}) {
        QFont f = QApplication::font();
        f.setPointSizeF(points);
        FlexGrid g;
        g.setFont(f);
        LayParamGrid(g, 12);
        EXPECT_EQ(g.ColWidth(2), 1600) << points;
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(g.ShownHeader(c).toStdString(), g.TextMatrix(0, c)) << points << " pt, column " << c;
        // Laid afresh in another font, the columns follow it.
        g.setFont(QFont(f.family(), static_cast<int>(points * 2)));
        EXPECT_NEAR(g.columnWidth(2), g.Scale().toPixelsX(1600), 1);
        EXPECT_EQ(g.ShownHeader(2).toStdString(), "Current data(Hex)") << points * 2 << " pt";
    }
    // A column too narrow for its caption shows it cut short.
    FlexGrid g;
    LayParamGrid(g, 1);
    g.setColWidth(2, 600);
    EXPECT_NE(g.ShownHeader(2).toStdString(), "Current data(Hex)");
    EXPECT_TRUE(g.ShownHeader(2).endsWith(QChar(0x2026)));
}

// What an assistive tool reads: a column header, a frame, an option, a check box, a command
// button and a label by the caption shown now, also one set after the control was made; an
// empty caption by nothing, not by the frame around the control.
TEST(CaptionNames, CaptionsSetLaterAreAnnouncedAsShown)
{
    test::app();
    const auto name = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
    QWidget window;
    QGroupBox* outer = NewFrame(&window, "Outer", "Module");
    FlexGrid* grid = NewGrid(outer, "Grid");
    const auto headers = [&] {
        QStringList shown;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(grid);
        for (int c = 0; c < i->childCount(); ++c)
            if (i->child(c)->role() == QAccessible::ColumnHeader) shown << i->child(c)->text(QAccessible::Name);
        return shown;
    };
    grid->setCols(3);
    EXPECT_EQ(headers(), QStringList({"", "", ""})) << "not the column numbers";
    grid->setTextMatrix(0, 0, "No.");
    grid->setTextMatrix(0, 2, "Current data(Hex)");
    EXPECT_EQ(headers(), QStringList({"No.", "", "Current data(Hex)"}));
    grid->setTextMatrix(0, 2, "Current data(Dec)");
    EXPECT_EQ(headers(), QStringList({"No.", "", "Current data(Dec)"}));

    QGroupBox* inner = NewFrame(outer, "Inner", "Hex / Dec Display");
    struct Case {
        QWidget* control;
        std::function<void(const QString&)> setCaption;
    };
    QRadioButton* option = NewOption(inner, "Option", "Hex display");
    QCheckBox* check = NewCheck(inner, "Check", "X axis");
    QPushButton* button = NewButton(inner, "Button", "Execute");
    QLabel* label = NewLabel(inner, "Label", "Step");
    const Case cases[] = {
        {inner, [&](const QString& t) { inner->setTitle(t); }},
        {option, [&](const QString& t) { option->setText(t); }},
        {check, [&](const QString& t) { check->setText(t); }},
        {button, [&](const QString& t) { button->setText(t); }},
        {label, [&](const QString& t) { label->setText(t); }},
    };
    for (const Case& c : cases) {
        const std::string which = c.control->objectName().toStdString();
        c.setCaption("Cancel(&C)");
        EXPECT_EQ(name(c.control), c.control == label ? "Cancel(&C)" : "Cancel(C)") << which;
        c.setCaption("");
        EXPECT_EQ(name(c.control), "") << which << " is not announced as its frame";
    }
    // Paired with a box, a label draws its mnemonic.
    label->setBuddy(NewText(inner, "Box"));
    label->setText("Port number (&P)");
    EXPECT_EQ(name(label), "Port number (P)");
}

TEST(FlexGrid, CellsAreNeverEditedInPlace)
{
    test::app();
    FlexGrid g;
    LayParamGrid(g, 3);
    g.setTextMatrix(1, 3, "0001");
    g.show();
    g.setRow(1);
    g.setCol(3);
    const QPoint at = g.visualRect(IndexOf(g, 1, 3)).center();
    QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, at);
    QTest::keyClick(&g, Qt::Key_F2);
    QTest::keyClick(&g, Qt::Key_Return);
    EXPECT_TRUE(g.findChildren<QLineEdit*>().isEmpty());
    EXPECT_EQ(g.TextMatrix(1, 3), "0001");
}

TEST(FlexGrid, TypedCharactersAreReportedAndNeverMoveTheCurrentCell)
{
    test::app();
    FlexGrid g;
    LayParamGrid(g, 12); // column 0 holds "1" to "12": a keyboard search would jump to them
    g.show();
    g.setRow(2);
    g.setCol(0);
    QSignalSpy moves(&g, &FlexGrid::RowColChange);
    QSignalSpy keys(&g, &FlexGrid::KeyPress);
    struct Case { Qt::Key key; Qt::KeyboardModifiers mod; int code; } cases[] = {
        {Qt::Key_5, {}, '5'},     {Qt::Key_1, {}, '1'},          {Qt::Key_A, {}, 'a'},
        {Qt::Key_Minus, {}, '-'}, {Qt::Key_Space, {}, ' '},
        {Qt::Key_Return, {}, 13}, {Qt::Key_Enter, Qt::KeypadModifier, 13}, {Qt::Key_Escape, {}, 27},
        {Qt::Key_Backspace, {}, 8},
    };
    for (const auto& c : cases) {
        keys.clear();
        QTest::keyClick(&g, c.key, c.mod);
        ASSERT_EQ(keys.count(), 1) << c.code;
        EXPECT_EQ(keys.at(0).at(0).toInt(), c.code);
        EXPECT_EQ(g.Row(), 2) << c.code;
        EXPECT_EQ(g.Col(), 0) << c.code;
    }
    // A capital letter (typed with Shift).
    keys.clear();
    QTest::keyClick(&g, 'F', Qt::ShiftModifier);
    ASSERT_EQ(keys.count(), 1);
    EXPECT_EQ(keys.at(0).at(0).toInt(), 'F');
    EXPECT_EQ(moves.count(), 0);
    // Keys that type no character report nothing.
    keys.clear();
    for (Qt::Key k : {Qt::Key_Delete, Qt::Key_Shift, Qt::Key_F2}) QTest::keyClick(&g, k);
    EXPECT_EQ(keys.count(), 0);
}

TEST(FlexGrid, EveryMoveOfTheCurrentCellRaisesRowColChangeOnce)
{
    test::app();
    QWidget form;
    auto* g = new FlexGrid(&form);
    LayParamGrid(*g, 12);
    form.resize(800, 500);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    g->setRow(1);
    g->setCol(1);
    std::vector<std::pair<int, int>> seen; // the cell as the handler sees it
    QObject::connect(g, &FlexGrid::RowColChange, [&] { seen.emplace_back(g->Row(), g->Col()); });
    auto click = [g](int row, int col) {
        const QPoint at = row == 0 ? QPoint(g->horizontalHeader()->sectionViewportPosition(col) + 5, 5)
                                   : g->visualRect(IndexOf(*g, row, col)).center();
        QTest::mouseClick(row == 0 ? g->horizontalHeader()->viewport() : g->viewport(), Qt::LeftButton, {}, at);
    };
    struct Step { const char* what; std::function<void()> act; int row, col; bool raised; } steps[] = {
        {"Down", [g] { QTest::keyClick(g, Qt::Key_Down); }, 2, 1, true},
        {"Up", [g] { QTest::keyClick(g, Qt::Key_Up); }, 1, 1, true},
        {"Up on row 1: row 0 is never current", [g] { QTest::keyClick(g, Qt::Key_Up); }, 1, 1, false},
        {"Left", [g] { QTest::keyClick(g, Qt::Key_Left); }, 1, 0, true},
        {"Left on column 0", [g] { QTest::keyClick(g, Qt::Key_Left); }, 1, 0, false},
        {"Row in code", [g] { g->setRow(3); }, 3, 0, true},
        {"the same Row in code", [g] { g->setRow(3); }, 3, 0, false},
        {"Col in code", [g] { g->setCol(2); }, 3, 2, true},
        {"Row 0 in code", [g] { g->setRow(0); }, 3, 2, false},
        {"a click on a cell", [&] { click(5, 3); }, 5, 3, true},
        {"a click on the same cell", [&] { click(5, 3); }, 5, 3, false},
        {"a click on the header", [&] { click(0, 1); }, 5, 3, false},
        {"fewer rows than the current row", [g] { g->setRows(4); }, 3, 3, true},
    };
    for (const Step& s : steps) {
        seen.clear();
        s.act();
        EXPECT_EQ(g->Row(), s.row) << s.what;
        EXPECT_EQ(g->Col(), s.col) << s.what;
        ASSERT_EQ(seen.size(), s.raised ? 1u : 0u) << s.what;
        if (s.raised) {
            EXPECT_EQ(seen[0], std::make_pair(s.row, s.col)) << s.what;
        }
    }
}

TEST(FlexGrid, FocusEventsNameTheWidgetTakingTheFocus)
{
    test::app();
    QWidget form;
    auto* g = new FlexGrid(&form);
    auto* box = new QLineEdit(&form);
    LayParamGrid(*g, 12);
    box->move(0, 320);
    form.resize(800, 400);
    QSignalSpy got(g, &FlexGrid::GotFocus);
    QSignalSpy lost(g, &FlexGrid::LostFocus);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    // The first control of a window coming up takes the focus.
    g->setFocus();
    EXPECT_TRUE(g->hasFocus());
    EXPECT_EQ(got.count(), 1);
    box->setFocus();
    ASSERT_EQ(lost.count(), 1);
    EXPECT_EQ(lost.at(0).at(0).value<QWidget*>(), box);
    // A click on a cell gives the grid the focus.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(IndexOf(*g, 2, 2)).center());
    EXPECT_TRUE(g->hasFocus());
    EXPECT_EQ(got.count(), 2);

    // Another window coming to the front and going leaves the focus where it was.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(lost.count(), 1);
    EXPECT_EQ(got.count(), 2);
}

TEST(FlexGrid, HeaderStaysInViewAndCellsFollowTheScroll)
{
    test::app();
    QWidget form;
    auto* g = new FlexGrid(&form);
    // The four-axis parameter grid: 23 rows below the header, room for about 19.
    LayParamGrid(*g, 23, 11250, 6080);
    g->move(40, 30);
    form.resize(1100, 700);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const TwipsScale& s = g->Scale();
    auto covers = [&](int row, int col) {
        const QRect laid = InPixels(s, g->CellRect(row, col)), drawn = DrawnCell(*g, row, col);
        return std::abs(laid.left() - drawn.left()) <= 1 && std::abs(laid.top() - drawn.top()) <= 1 &&
               std::abs(laid.width() - drawn.width()) <= 1 && std::abs(laid.height() - drawn.height()) <= 1;
    };
    EXPECT_TRUE(covers(0, 2));
    EXPECT_TRUE(covers(1, 0));
    EXPECT_TRUE(covers(12, 3));
    EXPECT_TRUE(g->CellInView(1, 3));
    EXPECT_FALSE(g->CellInView(23, 3));
    const QRect headBefore = g->horizontalHeader()->geometry();
    const QRect cellBefore = g->CellRect(12, 3);

    QSignalSpy scrolls(g, &FlexGrid::Scroll);
    QSignalSpy moves(g, &FlexGrid::RowColChange);
    Wheel(g->viewport(), 1);
    ASSERT_GT(scrolls.count(), 0);
    const int top = g->verticalScrollBar()->value() + 1; // first body row shown
    ASSERT_GT(top, 1);
    EXPECT_EQ(moves.count(), 0);
    // The header keeps its place and its captions; the first row shown lies just below it.
    EXPECT_EQ(g->horizontalHeader()->geometry(), headBefore);
    EXPECT_TRUE(g->horizontalHeader()->isVisible());
    EXPECT_TRUE(g->CellInView(0, 2));
    EXPECT_TRUE(covers(0, 2));
    EXPECT_EQ(g->TextMatrix(0, 2), "Current data(Hex)");
    EXPECT_EQ(g->RowPos(top), g->RowHeight(0));
    EXPECT_LT(g->RowPos(1), 0);
    // Cells went up by the rows scrolled away; the current cell's row is out of view.
    EXPECT_EQ(cellBefore.top() - g->CellRect(12, 3).top(), (top - 1) * 300);
    EXPECT_TRUE(covers(12, 3));
    EXPECT_FALSE(g->CellInView(1, 3));
    EXPECT_FALSE(g->CellInView(top - 1, 0));
    EXPECT_TRUE(g->CellInView(top, 0));

    // Making a row current brings it into view, and that is a scroll too.
    scrolls.clear();
    g->setRow(2);
    EXPECT_GT(scrolls.count(), 0);
    EXPECT_TRUE(g->CellInView(2, 0));
    EXPECT_EQ(g->RowPos(2), g->RowHeight(0)); // scrolled back just far enough: the row comes to the top
    scrolls.clear();
    g->setRow(23);
    EXPECT_GT(scrolls.count(), 0);
    EXPECT_TRUE(g->CellInView(23, 3));
    EXPECT_TRUE(covers(23, 3));
}

TEST(MessageBox, ShowsAModalBoxWithTheToolsTitleAndTheIconOfItsKind)
{
    test::app();
    struct Case { MsgIcon icon; QMessageBox::Icon shown; };
    for (const Case c : {Case{MsgIcon::Critical, QMessageBox::Critical}, Case{MsgIcon::Exclamation, QMessageBox::Warning},
                         Case{MsgIcon::None, QMessageBox::NoIcon}}) {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Question;
        int buttons = 0;
        bool titleFits = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            QFont bold = box->font();
            bold.setBold(true);
            // The title in a bold face, and the title bar's icon and three buttons beside it.
            const QFontMetrics fm(bold);
            titleFits = box->width() >= fm.horizontalAdvance(box->windowTitle()) + 4 * fm.height();
            box->accept();
        });
        QtMessageSink().show("Time Out Occurred", c.icon);
        EXPECT_EQ(title, "Positioning module data seting");
        EXPECT_EQ(text, "Time Out Occurred");
        EXPECT_EQ(icon, c.shown);
        EXPECT_EQ(buttons, 1);
        EXPECT_TRUE(titleFits) << "a short text still leaves room for the title";
    }
}
