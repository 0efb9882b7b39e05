// Every window of the tool, shown as a person sees it, in more than one font: no caption of
// a grid header, label, button, frame or tab is cut.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>

#include "UiFixture.h"
#include "WindowWalk.h"
#include "platform/FlexGrid.h"

using namespace posmod;

namespace {

struct FontCase {
    const char* name;
    const char* family; // nullptr: the platform's own font
    double points;
};
void PrintTo(const FontCase& c, std::ostream* os) { *os << c.name; }

std::string Name(const QObject* o) { return o->objectName().toStdString(); }
std::string Text(const QString& s) { return "\"" + s.toStdString() + "\""; }

// What a person would find cut in a shown window, one line per caption.
std::vector<std::string> CutCaptions(QWidget* window)
{
    std::vector<std::string> cut;
    const std::string at = Name(window) + ".";
    // Grids on tabs not in front count too: their captions are laid the same.
    for (const FlexGrid* g : window->findChildren<FlexGrid*>())
        for (int c = 0; c < g->Cols(); ++c)
            if (g->ShownHeader(c).toStdString() != g->TextMatrix(0, c))
                cut.push_back(at + Name(g) + " column " + std::to_string(c) + " shows " + Text(g->ShownHeader(c)));
    auto tooSmall = [](const QWidget* w, QSize need) { return w->width() < need.width() || w->height() < need.height(); };
    for (const QLabel* l : window->findChildren<QLabel*>())
        if (l->isVisible() && !l->text().isEmpty() && tooSmall(l, l->sizeHint()))
            cut.push_back(at + Name(l) + " " + Text(l->text()));
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->isVisible() && !b->text().isEmpty() && tooSmall(b, b->sizeHint()))
            cut.push_back(at + Name(b) + " " + Text(b->text()));
    for (const QGroupBox* f : window->findChildren<QGroupBox*>())
        if (f->isVisible() && tooSmall(f, f->minimumSizeHint())) cut.push_back(at + Name(f) + " " + Text(f->title()));
    // A tab bar narrower than its tabs want elides their captions.
    for (const QTabBar* t : window->findChildren<QTabBar*>())
        if (t->isVisible() && t->width() < t->sizeHint().width())
            for (int i = 0; i < t->count(); ++i) cut.push_back(at + "tab " + std::to_string(i) + " " + Text(t->tabText(i)));
    return cut;
}

class CaptionsFit : public test::UiTest, public ::testing::WithParamInterface<FontCase> {
protected:
    QFont saved;

    void SetUp() override
    {
        UiTest::SetUp();
        saved = QApplication::font();
        if (GetParam().family) QApplication::setFont(QFont(GetParam().family, static_cast<int>(GetParam().points)));
        // The longest axis names the windows take (labels cut them to 50 bytes, tabs to 20).
        writeIni("MODULE_NO=0\r\n"
                 "AX_NAME_A=Carriage W travelling the long way round the cell\r\n"
                 "AX_NAME_B=Magazine M\r\nAX_NAME_C=WWWWWWWWWWWWWWWWWWWW\r\nAX_NAME_D=Lift\r\n");
    }
    void TearDown() override
    {
        UiTest::TearDown();
        QApplication::setFont(saved);
    }

    static void check(QWidget& w, std::vector<std::string>& cut)
    {
        test::ForEachShowing(w, [&](const std::string& showing) {
            for (const std::string& c : CutCaptions(&w)) cut.push_back(c + showing);
        });
    }
};

TEST_P(CaptionsFit, EveryWindowOfEveryModelShowsItsCaptionsWhole)
{
    std::vector<std::string> cut;
    const int models = start().CpuCombo->count();
    for (int model = 0; model < models; ++model) {
        // A fresh start for each model: every window is laid for its first showing.
        frmMain& main = start();
        chooseModel(main, model);
        const std::string which = " with " + main.CpuCombo->currentText().toStdString();
        std::vector<std::string> here;
        test::ForEveryWindow(*forms, [&](QWidget& w) { check(w, here); });
        for (const std::string& c : here) cut.push_back(c + which);
    }
    for (const std::string& c : cut) ADD_FAILURE() << "cut: " << c;
}

INSTANTIATE_TEST_SUITE_P(Fonts, CaptionsFit,
                         ::testing::Values(FontCase{"PlatformFont", nullptr, 0}, FontCase{"Sans12pt", "DejaVu Sans", 12},
                                           FontCase{"Serif10pt", "DejaVu Serif", 10}),
                         [](const ::testing::TestParamInfo<FontCase>& i) { return std::string(i.param.name); });

} // namespace
