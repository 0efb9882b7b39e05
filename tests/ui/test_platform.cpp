// The grid and the message box of the platform layer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <QSignalSpy>
#include <QTest>

#include "UiFixture.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"

using namespace posmod;

TEST(Twips, ConvertAtTheScreenResolution)
{
    struct Case { int twips, dpi, pixels; } cases[] = {
        {15, 96, 1}, {300, 96, 20}, {1440, 96, 96}, {1440, 120, 120}, {7020, 96, 468}, {0, 96, 0}, {7, 96, 0}, {8, 96, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
    }
    EXPECT_EQ(PixelsToTwips(20, 96), 300);
    EXPECT_EQ(PixelsToTwips(5, 0), 0);
}

TEST(FlexGrid, MatrixCurrentCellAndSizes)
{
    test::app();
    FlexGrid g;
    g.setCols(4);
    g.setRows(13);
    g.setFixedCols(0);
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
    EXPECT_EQ(g.TextMatrix(13, 0), "");

    g.setRow(12);
    g.setCol(3);
    EXPECT_EQ(g.Row(), 12);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.Text(), "3FFFFFFF");
    g.setRow(99);
    EXPECT_EQ(g.Row(), 12);

    // Growing keeps what the cells hold; shrinking moves the current row inside.
    g.setRows(20);
    EXPECT_EQ(g.TextMatrix(12, 3), "3FFFFFFF");
    g.setRows(5);
    EXPECT_EQ(g.Row(), 4);

    g.setRowHeight(-1, 300);
    g.setColWidth(1, 3100);
    const int tw = PixelsToTwips(1, g.logicalDpiX());
    EXPECT_NEAR(g.RowHeight(4), 300, tw);
    EXPECT_NEAR(g.ColWidth(1), 3100, tw);
    EXPECT_NEAR(g.ColPos(2) - g.ColPos(1), 3100, tw);
}

TEST(FlexGrid, CellsAreNeverEditedInPlaceAndFixedCellsAreNotSelectable)
{
    test::app();
    FlexGrid g;
    g.setRows(3);
    g.setCols(3);
    g.setTextMatrix(1, 1, "0001");
    g.setTextMatrix(0, 1, "head");
    const QTableWidgetItem* body = g.item(1, 1);
    const QTableWidgetItem* head = g.item(0, 1);
    ASSERT_TRUE(body && head);
    EXPECT_FALSE(body->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(body->flags() & Qt::ItemIsSelectable);
    EXPECT_FALSE(head->flags() & Qt::ItemIsSelectable);
    EXPECT_EQ(g.editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST(FlexGrid, AlignmentCodes)
{
    struct Case { int code; Qt::Alignment a; } cases[] = {
        {0, Qt::AlignLeft | Qt::AlignTop},       {2, Qt::AlignLeft | Qt::AlignBottom},
        {4, Qt::AlignHCenter | Qt::AlignVCenter}, {5, Qt::AlignHCenter | Qt::AlignBottom},
        {7, Qt::AlignRight | Qt::AlignVCenter},  {9, Qt::AlignLeft | Qt::AlignVCenter},
    };
    for (const auto& c : cases) EXPECT_EQ(FlexGrid::AlignmentForCode(c.code), c.a) << c.code;

    test::app();
    FlexGrid g;
    g.setRows(2);
    g.setCols(2);
    g.setTextMatrix(1, 1, "before");
    g.setColAlignment(1, 5);
    g.setTextMatrix(1, 0, "x");
    EXPECT_EQ(g.ColAlignment(1), 5);
    EXPECT_EQ(Qt::Alignment(g.item(1, 1)->textAlignment()), FlexGrid::AlignmentForCode(5));
}

TEST(FlexGrid, KeysAndMovesRaiseTheirEvents)
{
    test::app();
    FlexGrid g;
    g.setRows(4);
    g.setCols(3);
    g.setFixedCols(0);
    g.show();
    g.setRow(1);
    g.setCol(1);
    QSignalSpy moves(&g, &FlexGrid::RowColChange);
    QSignalSpy keys(&g, &FlexGrid::KeyPress);
    QTest::keyClick(&g, Qt::Key_Down);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(moves.count(), 1);
    QTest::keyClick(&g, Qt::Key_Return);
    QTest::keyClick(&g, Qt::Key_A);
    // Moving keys type no character.
    ASSERT_EQ(keys.count(), 2);
    EXPECT_EQ(keys.at(0).at(0).toInt(), 13);
    EXPECT_EQ(keys.at(1).at(0).toInt(), 'a');
    // A move made by the program raises no event.
    g.setRow(3);
    EXPECT_EQ(moves.count(), 1);
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
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            box->accept();
        });
        QtMessageSink().show("Time Out Occurred", c.icon);
        EXPECT_EQ(title, "Positioning module data seting");
        EXPECT_EQ(text, "Time Out Occurred");
        EXPECT_EQ(icon, c.shown);
        EXPECT_EQ(buttons, 1);
    }
}
