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
#include <QTabBar>
#include <QTextDocument>

#include <optional>

#include "UiFixture.h"
#include "WindowWalk.h"
#include "platform/FlexGrid.h"

using namespace posmod;

namespace {

std::string Str(const QString& s) { return "\"" + s.toStdString() + "\""; }

// A caption as it is drawn: "&x" underlines x, "&&" shows one "&".
QString Drawn(const QString& caption)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
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

using AccessibleNames = test::UiTest;

TEST_F(AccessibleNames, EveryWindowOfEveryModelAnnouncesWhatAPersonReads)
{
    writeIni("MODULE_NO=0\r\nAX_NAME_A=Feed & Lift\r\nAX_NAME_B=Magazine M\r\nAX_NAME_C=Turret\r\nAX_NAME_D=Lift\r\n");
    std::vector<std::string> found;
    const int models = start().CpuCombo->count();
    for (int model = 0; model < models; ++model) {
        frmMain& main = start();
        chooseModel(main, model);
        const std::string which = " with " + main.CpuCombo->currentText().toStdString();
        test::ForEveryWindow(*forms, [&](QWidget& w) {
            test::ForEachShowing(w, [&](const std::string& showing) {
                for (const std::string& m : Misnamed(w)) found.push_back(m + showing + which);
            });
        });
    }
    for (const std::string& m : found) ADD_FAILURE() << m;
}

} // namespace
