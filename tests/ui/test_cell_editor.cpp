// The editing layer on a bare window: where the box and the list are laid, what the list
// offers, the scroll band, the scroll bar and a message box as ways out.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "params/ParamEntry.h"
#include "params/ParamLayout.h"
#include "shared/ui/CellEditor.h"
#include "shared/ui/FormBase.h"
#include "ui/EditorKeys.h"
#include "ui/UiFixture.h"

using namespace posmod;
using namespace posmod::test;

namespace {

// A window with one four-axis parameter grid cut short (23 rows, about 9 in view), its box
// and list.
struct Bench {
    struct AppFirst { AppFirst() { app(); } } appFirst;
    QWidget form;
    FlexGrid* grid;
    QLineEdit* box;
    QComboBox* list;
    QPushButton* button;
    std::vector<std::pair<std::string, MsgIcon>> shown;
    PairSink sink{shown};
    std::unique_ptr<CellEditor> editor;

    Bench()
    {
        grid = NewGrid(&form, "Grid");
        ApplyGridLayout(grid, ParamZr4_Layout());
        grid->setGridSize(11250, 3000);
        ParamGrid_Shape(*grid, kZr4ParamRows);
        box = NewText(&form, "Box");
        list = NewCombo(&form, "List");
        button = NewButton(&form, "Button", "Button");
        auto* v = new QVBoxLayout(&form);
        v->addWidget(grid);
        v->addWidget(button);
        editor = std::make_unique<CellEditor>(box, list, std::vector<FlexGrid*>{grid}, ParamZr4_Rules(), sink, nullptr);
    }
    ~Bench() { editor.reset(); }
    bool open() { return Activate(&form); }
};

} // namespace

TEST(CellEditor, TheBoxLiesOverTheCurrentCellWithTheCellsTextAndNoFocus)
{
    Bench b;
    ASSERT_TRUE(b.open());
    b.grid->setTextMatrix(13, 3, "8000");
    b.grid->setFocus();
    b.grid->setRow(13);
    b.grid->setCol(3);
    ASSERT_TRUE(b.box->isVisible());
    EXPECT_TRUE(Covers(b.box, *b.grid, 13, 3));
    EXPECT_EQ(b.box->text(), "8000");
    EXPECT_TRUE(b.grid->hasFocus());
    EXPECT_FALSE(b.list->isVisible());
    // The offsets: 30 twips from the cell's corner, 10 twips more than the cell.
    const TwipsScale& s = b.grid->Scale();
    EXPECT_EQ(b.box->x(), b.grid->x() + s.toPixelsX(b.grid->ColPos(3) + 30));
    EXPECT_EQ(b.box->y(), b.grid->y() + s.toPixelsY(b.grid->RowPos(13) + 30));
    EXPECT_EQ(b.box->width(), s.toPixelsX(b.grid->ColWidth(3) + 10));
    EXPECT_EQ(b.box->height(), s.toPixelsY(b.grid->RowHeight(13) + 10));
    // A cell that takes no entry hides it.
    b.grid->setCol(2);
    EXPECT_FALSE(b.box->isVisible());
    EXPECT_FALSE(b.list->isVisible());
}

TEST(CellEditor, TheListOffersItsEntriesAndChoosesTheCellsText)
{
    Bench b;
    ASSERT_TRUE(b.open());
    struct Case { const char* cell; std::array<const char*, 5> entries; int last; const char* chosen; int count; };
    // Entries 5-9 are left from an earlier fill: never offered past the last index.
    const Case cases[] = {
        {"S CURVE 2", {"Linear acceleration and deceleration", "S curve 1", "S curve 2", "S curve 3", "Cancel"}, 4, "S curve 2", 5},
        {"", {"Linear acceleration and deceleration", "S curve 1", "S curve 2", "S curve 3", "Cancel"}, 4,
         "Linear acceleration and deceleration", 5},
        {"nothing of it", {"a", "b", "c", "d", "e"}, 2, "a", 3},
        {"x", {"NO_DATA", "b", "c", "d", "e"}, 4, "", 0},
        {"x", {"no_data", "b", "c", "d", "e"}, 4, "", 0},
    };
    b.grid->setFocus();
    b.grid->setRow(4);
    b.grid->setCol(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        Public::OptionListArray list;
        list.fill("stale");
        for (size_t k = 0; k < 5; ++k) list[k] = c.entries[k];
        b.grid->setTextMatrix(4, 3, c.cell);
        GridCombo_Show(b.list, b.grid, list, c.last);
        EXPECT_TRUE(b.list->isVisible());
        EXPECT_TRUE(Covers(b.list, *b.grid, 4, 3));
        EXPECT_EQ(b.list->count(), c.count);
        EXPECT_EQ(b.list->currentText().toStdString(), c.chosen);
    }
}

TEST(CellEditor, OverlaysHideWhenTheirCellScrollsAwayAndComeBackWithIt)
{
    Bench b;
    ASSERT_TRUE(b.open());
    b.grid->setTextMatrix(12, 3, "1234");
    b.grid->setFocus();
    b.grid->setRow(12);
    b.grid->setCol(3);
    ASSERT_TRUE(Covers(b.box, *b.grid, 12, 3));
    // Far enough down that row 12 leaves the view.
    Wheel(b.grid->viewport(), 5);
    ASSERT_FALSE(b.grid->CellInView(12, 3));
    EXPECT_FALSE(b.box->isVisible());
    Wheel(b.grid->viewport(), -5);
    ASSERT_TRUE(b.grid->CellInView(12, 3));
    EXPECT_TRUE(Covers(b.box, *b.grid, 12, 3));
    EXPECT_EQ(b.box->text(), "1234");
    // A cell moved into view by a key takes the box where it is drawn.
    Key(Qt::Key_End, Qt::ControlModifier);
    ASSERT_EQ(b.grid->Row(), 23);
    EXPECT_TRUE(Covers(b.box, *b.grid, 23, 3));
    // The list the same way.
    b.grid->setRow(2);
    ASSERT_TRUE(b.list->isVisible());
    Wheel(b.grid->viewport(), 5);
    EXPECT_FALSE(b.list->isVisible());
    Wheel(b.grid->viewport(), -5);
    EXPECT_TRUE(Covers(b.list, *b.grid, 2, 3));
}

TEST(CellEditor, AnEntryWhoseCellScrollsAwayGoesIntoItsCell)
{
    Bench b;
    ASSERT_TRUE(b.open());
    b.grid->setFocus();
    b.grid->setRow(12);
    b.grid->setCol(3);
    Type("7F");
    ASSERT_TRUE(b.box->hasFocus());
    // The wheel, and a press on the scroll bar: each a way out into the cell typed over.
    Wheel(b.grid->viewport(), 5);
    EXPECT_EQ(b.grid->TextMatrix(12, 3), "7F");
    EXPECT_FALSE(b.box->isVisible());
    EXPECT_TRUE(b.grid->hasFocus());
    Wheel(b.grid->viewport(), -5);
    b.grid->setRow(13);
    Type("AB");
    QScrollBar* bar = b.grid->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    EXPECT_EQ(b.grid->TextMatrix(13, 3), "AB");
    EXPECT_EQ(b.grid->TextMatrix(12, 3), "7F");
    EXPECT_FALSE(b.editor->editing());
    EXPECT_TRUE(b.shown.empty());
}

TEST(CellEditor, APressOnTheScrollBarAfterARefusedEntryIsDropped)
{
    Bench b;
    ASSERT_TRUE(b.open());
    b.grid->setFocus();
    b.grid->setRow(12);
    b.grid->setCol(3);
    Type("0"); // zero is refused on row 12
    QScrollBar* bar = b.grid->verticalScrollBar();
    const int before = bar->value();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    ASSERT_EQ(b.shown.size(), 1u);
    EXPECT_EQ(b.shown[0], std::make_pair(std::string("Data Limit Error"), MsgIcon::Exclamation));
    EXPECT_EQ(bar->value(), before);
    EXPECT_EQ(b.grid->TextMatrix(12, 3), "");
    EXPECT_TRUE(b.grid->hasFocus());
    // The next press is the user's own again.
    QCoreApplication::processEvents();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    EXPECT_GT(bar->value(), before);
}

namespace {
// A message box as the program shows one: it takes the focus while it is up and gives it back.
struct FocusTakingSink : MessageSink {
    QWidget* taker;
    QWidget* back;
    int count = 0;
    void show(const std::string&, MsgIcon) override
    {
        ++count;
        taker->setFocus();
        back->setFocus();
    }
};
} // namespace

TEST(CellEditor, AMessageBoxTakingTheFocusIsNoWayOut)
{
    Bench b;
    FocusTakingSink sink;
    sink.taker = b.button;
    sink.back = b.grid;
    b.editor = std::make_unique<CellEditor>(b.box, b.list, std::vector<FlexGrid*>{b.grid}, ParamZr4_Rules(), sink,
                                            nullptr);
    ASSERT_TRUE(b.open());
    b.grid->setTextMatrix(14, 3, "FFFF");
    b.grid->setFocus();
    b.grid->setRow(14);
    b.grid->setCol(3);
    Type("0");
    Key(Qt::Key_Return);
    EXPECT_EQ(sink.count, 1);
    EXPECT_EQ(b.grid->TextMatrix(14, 3), "FFFF");
    EXPECT_TRUE(b.grid->hasFocus());
    EXPECT_TRUE(Covers(b.box, *b.grid, 14, 3));
    EXPECT_EQ(b.box->text(), "FFFF");
}
