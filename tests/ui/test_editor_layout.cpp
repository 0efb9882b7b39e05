// The six editors as the user sees them, on module data and for CSV work: the table stands
// in the top left corner of the window (never centred in the room the frames leave), the
// frames follow it in their order, also when the window is made larger.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLayout>
#include <QTabWidget>

#include "UiFixture.h"
#include "platform/FlexGrid.h"
#include "shared/ModelTable.h"

using namespace posmod;

namespace {

struct EditorCase {
    const char* model;
    bool params;                     // the parameter editor, else the positioning editor
    const char* corner;              // the control at the top left of the window's content
    std::vector<const char*> frames; // in their order; a frame within a frame after it
};

const EditorCase kEditors[] = {
    {"JV-ZR", true, "PrmFlexGrid",
     {"HexDecFrame", "RunModeFrame", "ParmCsvJVFrame", "PramReadJVFrame", "PramWriteJVFrame"}},
    {"VELTA-7W", true, "X_Label",
     {"HexDecHFrame", "RunMode7WFrame", "ParmCsv7WFrame", "PramRead7WFrame", "PramWrite7WFrame"}},
    {"JV-ZR4", true, "AutoSSTab", {"PramReadZ4Frame", "PramWriteZ4Frame", "HexDecZ4Frame"}},
    {"JV-ZR", false, "RunModeGrid", {"AutoCsvJVFrame", "AutoWriteJVFrame", "AutoReadJVFrame", "AutoHexDecFrame"}},
    {"VELTA-7W", false, "AutoSSTab", {"AutoHexDec7WFrame", "AutoRead7WFrame", "AutoWrite7WFrame"}},
    {"JV-ZR4", false, "AutoSSTab", {"AutoHexDecZ4Frame", "AutoReadZ4Frame", "AutoWriteZ4Frame"}},
};

// What is out of place in a shown editor, one line each.
std::vector<std::string> Misplaced(QWidget* window, const EditorCase& c)
{
    std::vector<std::string> out;
    auto at = [window](const QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); };
    auto text = [](QPoint p) { return "(" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")"; };
    const QRect content = window->layout()->contentsRect();
    auto* corner = window->findChild<QWidget*>(c.corner);
    if (!corner) return {std::string(c.corner) + " not found"};
    const QRect table = at(corner);
    if (table.topLeft() != content.topLeft())
        out.push_back(std::string(c.corner) + " at " + text(table.topLeft()) + ", the content begins at " +
                      text(content.topLeft()));
    if (auto* tabs = qobject_cast<QTabWidget*>(corner)) {
        QWidget* page = tabs->currentWidget();
        const FlexGrid* g = page->findChild<FlexGrid*>();
        if (g->pos() != page->layout()->contentsRect().topLeft())
            out.push_back(g->objectName().toStdString() + " at " + text(g->pos()) + " of its tab, its room begins at " +
                          text(page->layout()->contentsRect().topLeft()));
    }
    std::vector<std::pair<std::string, QRect>> shown;
    for (const char* name : c.frames) {
        auto* f = window->findChild<QWidget*>(name);
        if (!f) out.push_back(std::string(name) + " not found");
        else if (f->isVisible()) shown.emplace_back(name, at(f));
    }
    if (shown.empty()) return out;
    // Beside the table the frames stand in a column from its top, below it in a row from the left.
    const bool beside = shown[0].second.left() >= table.right();
    if (beside ? shown[0].second.top() != table.top() : shown[0].second.left() != content.left())
        out.push_back(shown[0].first + " at " + text(shown[0].second.topLeft()) + " does not begin the frames " +
                      (beside ? "beside " : "below ") + c.corner);
    for (size_t i = 1; i < shown.size(); ++i) {
        const QRect& was = shown[i - 1].second;
        const QRect& is = shown[i].second;
        if (beside ? is.top() <= was.top() : is.left() <= was.left())
            out.push_back(shown[i].first + " does not follow " + shown[i - 1].first);
    }
    return out;
}

class EditorLayout : public test::UiTest {};

TEST_F(EditorLayout, EveryEditorHasItsTableAtTheTopLeftAndItsFramesInOrder)
{
    start();
    Public& p = forms->pub;
    std::vector<std::string> wrong;
    for (const EditorCase& c : kEditors)
        for (const bool csv : {false, true}) {
            Model_Choose(p, c.model);
            Model_BuildRegisters(p);
            p.StepRange = {3, 0, 2};
            p.DataSourceCaption = csv ? "[Csv file]" : "";
            const ModelRow& m = Model_ForType(p.ModuleType);
            QWidget* w = forms->form(c.params ? m.paramForm : m.autoForm);
            forms->openAtMain(c.params ? m.paramForm : m.autoForm);
            QCoreApplication::processEvents();
            const std::string which = " in " + w->windowTitle().toStdString();
            for (const std::string& s : Misplaced(w, c)) wrong.push_back(s + which);
            // Room given to the window stays beside and below the table.
            w->resize(w->size() + QSize(240, 180));
            QCoreApplication::processEvents();
            for (const std::string& s : Misplaced(w, c)) wrong.push_back(s + which + ", made larger");
            w->close();
        }
    for (const std::string& s : wrong) ADD_FAILURE() << s;
}

} // namespace
