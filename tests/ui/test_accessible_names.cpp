// Every window of the tool as an assistive tool reads it: a control with a caption is
// announced by the caption a person sees, and a control without one is not announced under
// the caption of the frame around it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextDocument>

#include <array>
#include <optional>

#include "UiFixture.h"
#include "WindowWalk.h"
#include "platform/FlexGrid.h"
#include "shared/ui/FormBase.h"

using namespace posmod;

namespace {

std::string Str(const QString& s) { return "\"" + s.toStdString() + "\""; }

// A caption as it is drawn: each "&" marks the character after it, which is drawn
// underlined ("&&" is a drawn "&"); a last "&" marks nothing and is drawn. The cases of
// CaptionsReadAsDrawn pin it.
QString Drawn(const QString& caption)
{
    static const QRegularExpression marked("&(.)", QRegularExpression::DotMatchesEverythingOption);
    return QString(caption).replace(marked, "\\1");
}

// A label draws its mnemonic only when it has a control to move to; rich text as its plain text.
QString DrawnLabel(const QLabel* l)
{
    QString text = l->text();
    if (l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument doc;
        doc.setHtml(text);
        return doc.toPlainText();
    }
    return l->buddy() ? Drawn(text) : text;
}

QString NameOf(QObject* o)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(QAccessible::Name) : QString();
}

// The caption a person sees on the control itself; no value for a control without one.
std::optional<QString> OwnCaption(const QWidget* w)
{
    if (auto* f = qobject_cast<const QGroupBox*>(w)) return Drawn(f->title());
    if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QRadioButton*>(w) ||
        qobject_cast<const QCheckBox*>(w))
        return Drawn(static_cast<const QAbstractButton*>(w)->text());
    if (auto* l = qobject_cast<const QLabel*>(w)) return DrawnLabel(l);
    return std::nullopt;
}

// What an assistive tool would announce otherwise than a person reads it, one line a control.
std::vector<std::string> Misnamed(QWidget& window)
{
    std::vector<std::string> found;
    const std::string at = window.objectName().toStdString() + ".";
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const std::string name = at + w->objectName().toStdString();
        const QString announced = NameOf(w);
        if (const std::optional<QString> caption = OwnCaption(w)) {
            if (announced != *caption)
                found.push_back(name + " " + Str(*caption) + " announced as " + Str(announced));
            continue;
        }
        // A control without a caption: its label's where a label names it (a list shows its
        // entry instead: Qt names a list by it here and gives the label as its label), never
        // the caption of a frame around it, unless the frame holds nothing else and so is its
        // caption to a person too. A box a person sees without a label has a caption near it.
        bool labelled = false;
        for (const QLabel* l : window.findChildren<QLabel*>()) {
            if (l->buddy() != w) continue;
            labelled = true;
            const auto* list = qobject_cast<const QComboBox*>(w);
            const QString expected = list && !list->currentText().isEmpty() ? list->currentText() : DrawnLabel(l);
            if (announced != expected)
                found.push_back(name + " labelled " + Str(DrawnLabel(l)) + " announced as " + Str(announced));
        }
        if (announced.isEmpty() && !labelled && qobject_cast<QLineEdit*>(w) && w->isVisible())
            found.push_back(name + " announced without a name");
        if (announced.isEmpty()) continue;
        for (const QWidget* up = w->parentWidget(); up && up != &window; up = up->parentWidget()) {
            const auto* f = qobject_cast<const QGroupBox*>(up);
            if (!f || announced != Drawn(f->title())) continue;
            if (up == w->parentWidget() && f->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size() == 1) continue;
            found.push_back(name + " announced under its frame " + f->objectName().toStdString() + " " +
                            Str(announced));
        }
    }
    for (QTabBar* bar : window.findChildren<QTabBar*>()) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(bar);
        int tab = 0;
        for (int c = 0; i && c < i->childCount(); ++c) {
            QAccessibleInterface* child = i->child(c);
            if (!child || child->role() != QAccessible::PageTab) continue;
            const QString caption = Drawn(bar->tabText(tab));
            if (child->text(QAccessible::Name) != caption)
                found.push_back(at + bar->parentWidget()->objectName().toStdString() + " tab " + std::to_string(tab) +
                                " " + Str(caption) + " announced as " + Str(child->text(QAccessible::Name)));
            ++tab;
        }
    }
    for (FlexGrid* g : window.findChildren<FlexGrid*>()) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(g);
        int col = 0;
        for (int c = 0; i && c < i->childCount(); ++c) {
            QAccessibleInterface* child = i->child(c);
            if (!child || child->role() != QAccessible::ColumnHeader) continue;
            const QString caption = QString::fromStdString(g->TextMatrix(0, col));
            if (child->text(QAccessible::Name) != caption)
                found.push_back(at + g->objectName().toStdString() + " column " + std::to_string(col) + " " +
                                Str(caption) + " announced as " + Str(child->text(QAccessible::Name)));
            ++col;
        }
        if (col != g->Cols())
            found.push_back(at + g->objectName().toStdString() + " announces " + std::to_string(col) + " of " +
                            std::to_string(g->Cols()) + " column headers");
    }
    return found;
}

// Captions as a person reads them on the screen, the oracle of the walk below.
struct ReadCase {
    enum Kind { Button, Frame, Option, Check, Label, LabelWithBuddy } kind;
    const char* caption;
    const char* read;
};

const ReadCase kReadCases[] = {
    {ReadCase::Button, "Exit(&X)", "Exit(X)"},
    {ReadCase::Button, "Trailing &", "Trailing &"},
    {ReadCase::Frame, "A && B", "A & B"},
    {ReadCase::Frame, "Feed && Lift", "Feed & Lift"},
    {ReadCase::Option, "&&&Go", "&Go"},
    {ReadCase::Check, "Feed && &Lift", "Feed & Lift"},
    {ReadCase::Check, "Magazine &&&& M", "Magazine && M"},
    {ReadCase::LabelWithBuddy, "&Step No.", "Step No."},
    {ReadCase::LabelWithBuddy, "A && B", "A & B"},
    {ReadCase::Label, "A && B", "A && B"},
    {ReadCase::Label, "Exit(&X)", "Exit(&X)"},
};

TEST(CaptionsReadAsDrawn, EachControlIsAnnouncedAsItsCaptionReads)
{
    test::app();
    QWidget window;
    auto* box = NewText(&window, "Box");
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(std::string("caption ") + c.caption);
        QWidget* w = nullptr;
        switch (c.kind) {
        case ReadCase::Button: w = NewButton(&window, "B", c.caption); break;
        case ReadCase::Frame: w = NewFrame(&window, "F", c.caption); break;
        case ReadCase::Option: w = NewOption(&window, "O", c.caption); break;
        case ReadCase::Check: w = NewCheck(&window, "C", c.caption); break;
        case ReadCase::Label:
        case ReadCase::LabelWithBuddy: {
            QLabel* l = NewLabel(&window, "L", c.caption);
            if (c.kind == ReadCase::LabelWithBuddy) l->setBuddy(box);
            EXPECT_EQ(DrawnLabel(l).toStdString(), c.read) << "the walk's reading";
            w = l;
            break;
        }
        }
        EXPECT_EQ(NameOf(w).toStdString(), c.read);
        if (c.kind != ReadCase::Label && c.kind != ReadCase::LabelWithBuddy) {
            EXPECT_EQ(Drawn(QString::fromUtf8(c.caption)).toStdString(), c.read) << "the walk's reading";
        }
        delete w;
    }
}

using AccessibleNames = test::UiTest;

// The captions of a window that hold an axis name as they read: the drawn captions of its
// controls and tabs that begin as one of names does (its first four characters).
std::vector<QString> AxisCaptions(QWidget& window, const std::array<QString, 4>& names)
{
    std::vector<QString> read;
    auto take = [&](const QString& text) {
        for (const QString& n : names)
            if (!n.isEmpty() && text.startsWith(n.left(4))) read.push_back(text);
    };
    for (QWidget* w : window.findChildren<QWidget*>())
        if (const std::optional<QString> caption = OwnCaption(w)) take(*caption);
    for (QTabBar* bar : window.findChildren<QTabBar*>())
        for (int t = 0; t < bar->count(); ++t) take(Drawn(bar->tabText(t)));
    return read;
}

TEST_F(AccessibleNames, EveryWindowOfEveryModelAnnouncesWhatAPersonReads)
{
    // Axis names a person types with "&" in them, which a caption must show as typed.
    const std::array<std::string, 4> axisNames = {"Feed & Lift", "Magazine && M", "Turret", "Lift"};
    const std::array<QString, 4> typed = {"Feed & Lift", "Magazine && M", "Turret", "Lift"};
    std::vector<std::string> found;
    const int models = start().CpuCombo->count();
    for (int model = 0; model < models; ++model) {
        frmMain& main = start();
        chooseModel(main, model);
        forms->pub.set.AxisName = axisNames;
        const std::string which = " with " + main.CpuCombo->currentText().toStdString();
        int axisCaptions = 0;
        test::ForEveryWindow(*forms, [&](QWidget& w) {
            test::ForEachShowing(w, [&](const std::string& showing) {
                for (const std::string& m : Misnamed(w)) found.push_back(m + showing + which);
                for (const QString& c : AxisCaptions(w, typed)) {
                    ++axisCaptions;
                    // A caption may cut a name short, never change it.
                    if (std::none_of(typed.begin(), typed.end(), [&](const QString& n) { return n.startsWith(c); }))
                        found.push_back(w.objectName().toStdString() + " shows an axis name as " + Str(c) + which);
                }
            });
        });
        // The one-axis model names no axis.
        if (model > 0) {
            EXPECT_GT(axisCaptions, 0) << "no window" << which << " shows an axis name";
        }
    }
    for (const std::string& m : found) ADD_FAILURE() << m;
}

} // namespace
