#include "platform/AccessibleNames.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMovie>
#include <QPicture>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>

namespace posmod {

QString ShownCaption(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

namespace {

// The name a window gave the control, else its caption; never the frame's around it.
QString NameOr(const QWidget* w, const QString& caption)
{
    return w->accessibleName().isEmpty() ? caption : w->accessibleName();
}

// Alt and the underlined character, as the key that reaches the control.
QString MnemonicKey(const QString& caption)
{
    return QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText);
}

class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(QGroupBox* f) : QAccessibleWidget(f, QAccessible::Grouping) {}

    QAccessible::Role role() const override
    {
        return frame()->isCheckable() ? QAccessible::CheckBox : QAccessible::Grouping;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = frame()->isCheckable();
        s.checked = frame()->isChecked();
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return NameOr(widget(), ShownCaption(frame()->title()));
        if (t == QAccessible::Accelerator) return MnemonicKey(frame()->title());
        return QAccessibleWidget::text(t);
    }
    // The title labels what the frame holds.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto rels = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Labelled) && !frame()->title().isEmpty())
            for (int i = 0; i < childCount(); ++i)
                if (QAccessibleInterface* c = child(i)) rels.append({c, QAccessible::Labelled});
        return rels;
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (frame()->isCheckable()) names.prepend(toggleAction());
        return names;
    }
    void doAction(const QString& action) override
    {
        if (action == toggleAction())
            frame()->setChecked(!frame()->isChecked());
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QGroupBox* frame() const { return static_cast<QGroupBox*>(widget()); }
};

class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(QAbstractButton* b) : QAccessibleWidget(b, QAccessible::Button)
    {
        addControllingSignal(b->isCheckable() ? QStringLiteral("toggled(bool)") : QStringLiteral("clicked()"));
    }

    QAccessible::Role role() const override
    {
        if (auto* p = qobject_cast<QPushButton*>(button()); p && p->menu()) return QAccessible::ButtonMenu;
        if (button()->isCheckable()) return button()->autoExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
        return QAccessible::Button;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        QAbstractButton* b = button();
        s.checkable = b->isCheckable();
        s.checked = b->isChecked();
        if (auto* c = qobject_cast<QCheckBox*>(b)) s.checkStateMixed = c->checkState() == Qt::PartiallyChecked;
        s.pressed = b->isDown();
        if (auto* p = qobject_cast<QPushButton*>(b)) {
            s.defaultButton = p->isDefault();
            s.hasPopup = p->menu() != nullptr;
        }
        return s;
    }
    // An option or check box is its mark and its caption, not the room its layout gives it.
    QRect rect() const override
    {
        QAbstractButton* b = button();
        const bool check = qobject_cast<QCheckBox*>(b) != nullptr;
        if (!b->isVisible() || (!check && !qobject_cast<QRadioButton*>(b))) return QAccessibleWidget::rect();
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        opt.icon = b->icon();
        opt.iconSize = b->iconSize();
        const auto element = check ? QStyle::SE_CheckBoxClickRect : QStyle::SE_RadioButtonClickRect;
        return b->style()->subElementRect(element, &opt, b).translated(b->mapToGlobal(QPoint(0, 0)));
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return NameOr(widget(), ShownCaption(button()->text()));
        if (t == QAccessible::Accelerator) {
            if (auto* p = qobject_cast<QPushButton*>(button()); p && p->isDefault())
                return QKeySequence(Qt::Key_Enter).toString(QKeySequence::NativeText);
            return MnemonicKey(button()->text());
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled()) {
            switch (role()) {
            case QAccessible::ButtonMenu: names << showMenuAction(); break;
            case QAccessible::RadioButton: names << toggleAction(); break;
            default:
                if (button()->isCheckable()) names << toggleAction();
                names << pressAction();
            }
        }
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (!widget()->isEnabled()) return;
        auto* p = qobject_cast<QPushButton*>(button());
        if (action == pressAction() || action == showMenuAction()) {
            if (p && p->menu())
                p->showMenu();
            else
                button()->animateClick();
        } else if (action == toggleAction()) {
            button()->toggle();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction()) return {button()->shortcut().toString(QKeySequence::NativeText)};
        return {};
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

class LabelAccessible : public QAccessibleWidget, public QAccessibleImageInterface {
public:
    explicit LabelAccessible(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        if (!label()->pixmap().isNull() || !label()->picture().isNull()) return QAccessible::Graphic;
        if (label()->movie()) return QAccessible::Animation;
        return QAccessible::StaticText;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return NameOr(widget(), shown());
        if (t == QAccessible::Accelerator) return label()->buddy() ? MnemonicKey(label()->text()) : QString();
        return QAccessibleWidget::text(t);
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto rels = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled)
            if (QAccessibleInterface* b = QAccessible::queryAccessibleInterface(label()->buddy()))
                rels.append({b, QAccessible::Labelled});
        return rels;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ImageInterface) return static_cast<QAccessibleImageInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString imageDescription() const override { return label()->toolTip(); }
    QSize imageSize() const override { return label()->pixmap().size(); }
    QPoint imagePosition() const override
    {
        return label()->pixmap().isNull() ? QPoint() : label()->mapToGlobal(QPoint(0, 0));
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    // Rich text as its plain text; the mnemonic is drawn only when the label has a buddy.
    QString shown() const
    {
        const QString text = label()->text();
        if (label()->textFormat() == Qt::RichText || (label()->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
            QTextDocument doc;
            doc.setHtml(text);
            return doc.toPlainText();
        }
        return label()->buddy() ? ShownCaption(text) : text;
    }
};

QAccessibleInterface* CaptionInterface(const QString& className, QObject* o)
{
    if (className == QLatin1String("QGroupBox")) return new FrameAccessible(static_cast<QGroupBox*>(o));
    if (className == QLatin1String("QLabel")) return new LabelAccessible(static_cast<QLabel*>(o));
    if (className == QLatin1String("QPushButton") || className == QLatin1String("QCheckBox") ||
        className == QLatin1String("QRadioButton"))
        return new ButtonAccessible(static_cast<QAbstractButton*>(o));
    return nullptr;
}

} // namespace

void UseCaptionNames()
{
    static const bool installed = [] {
        QAccessible::installFactory(CaptionInterface);
        return true;
    }();
    (void)installed;
}

} // namespace posmod
