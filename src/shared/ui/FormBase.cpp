#include "shared/ui/FormBase.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/AccessibleNames.h"
#include "platform/FlexGrid.h"
#include "shared/Conversions.h"
#include "shared/ModelTable.h"
#include "shared/Public.h"

namespace posmod {

namespace {

QBoxLayout* NewBox(QWidget* owner, Qt::Orientation o)
{
    if (o == Qt::Vertical) return new QVBoxLayout(owner);
    return new QHBoxLayout(owner);
}

constexpr Qt::Alignment kCorner = Qt::AlignTop | Qt::AlignLeft;

// The table is placed by the caller's hand (a widget or a layout), the rest alike.
template <class Place>
void LayEditorWith(QWidget* window, Place placeTable, FramesAt at, std::initializer_list<QWidget*> frames,
                   std::initializer_list<QPushButton*> buttons)
{
    auto* box = new QVBoxLayout(window);
    QBoxLayout* framesBox = nullptr;
    if (at == FramesAt::Beside) {
        auto* top = new QHBoxLayout;
        placeTable(top);
        framesBox = new QVBoxLayout;
        top->addLayout(framesBox);
        top->addStretch(1);
        box->addLayout(top);
    } else {
        placeTable(box);
        framesBox = new QHBoxLayout;
        box->addLayout(framesBox);
    }
    for (QWidget* f : frames) framesBox->addWidget(f);
    framesBox->addStretch(1);
    box->addStretch(1);
    auto* row = new QHBoxLayout;
    for (QPushButton* b : buttons) row->addWidget(b);
    box->addLayout(row);
}
} // namespace

void SetControlEnabled(QObject* control, bool enable)
{
    if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->menuAction()->setEnabled(enable);
        menu->setEnabled(enable);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        action->setEnabled(enable);
    } else if (auto* w = qobject_cast<QWidget*>(control)) {
        w->setEnabled(enable);
    }
}

bool ControlEnabled(const QObject* control)
{
    if (auto* menu = qobject_cast<const QMenu*>(control)) return menu->menuAction()->isEnabled();
    if (auto* action = qobject_cast<const QAction*>(control)) return action->isEnabled();
    // The control's own setting, whatever its parents are set to.
    if (auto* w = qobject_cast<const QWidget*>(control)) return !w->testAttribute(Qt::WA_ForceDisabled);
    return false;
}

QString ArrayName(const char* name, int index) { return QString("%1(%2)").arg(name).arg(index); }

QPushButton* NewButton(QWidget* parent, const QString& name, const char* caption)
{
    UseCaptionNames();
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QGroupBox* NewFrame(QWidget* parent, const QString& name, const char* caption)
{
    UseCaptionNames();
    auto* f = new QGroupBox(QString::fromUtf8(caption), parent);
    f->setObjectName(name);
    return f;
}

QRadioButton* NewOption(QWidget* parent, const QString& name, const char* caption, bool checked)
{
    UseCaptionNames();
    auto* o = new QRadioButton(QString::fromUtf8(caption), parent);
    o->setObjectName(name);
    o->setChecked(checked);
    return o;
}

QCheckBox* NewCheck(QWidget* parent, const QString& name, const char* caption)
{
    UseCaptionNames();
    auto* c = new QCheckBox(QString::fromUtf8(caption), parent);
    c->setObjectName(name);
    return c;
}

QLabel* NewLabel(QWidget* parent, const QString& name, const char* caption)
{
    UseCaptionNames();
    auto* l = new QLabel(QString::fromUtf8(caption), parent);
    l->setObjectName(name);
    return l;
}

QLineEdit* NewText(QWidget* parent, const QString& name, int maxLength)
{
    auto* t = new QLineEdit(parent);
    t->setObjectName(name);
    if (maxLength > 0) t->setMaxLength(maxLength);
    return t;
}

FlexGrid* NewGrid(QWidget* parent, const QString& name)
{
    auto* g = new FlexGrid(parent);
    g->setObjectName(name);
    return g;
}

QComboBox* NewCombo(QWidget* parent, const QString& name)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    return c;
}

void CaptionBy(QWidget* box, const QWidget* caption)
{
    QString text;
    if (auto* b = qobject_cast<const QAbstractButton*>(caption)) text = ShownCaption(b->text());
    if (auto* l = qobject_cast<const QLabel*>(caption)) text = l->buddy() ? ShownCaption(l->text()) : l->text();
    box->setAccessibleName(text);
}

QGroupBox* NewHexDecFrame(QWidget* parent, const char* name, Qt::Orientation o, QRadioButton*& hex,
                          const char* hexName, QRadioButton*& dec, const char* decName)
{
    QGroupBox* f = NewFrame(parent, name, "Hex / Dec Display");
    hex = NewOption(f, hexName, "Hex display", true);
    dec = NewOption(f, decName, "Dec display");
    QBoxLayout* box = NewBox(f, o);
    box->addWidget(hex);
    box->addWidget(dec);
    return f;
}

QGroupBox* NewRunModeFrame(QWidget* parent, const char* name, QRadioButton*& current, const char* currentName,
                           QRadioButton*& setting, const char* settingName, QPushButton*& mode,
                           const char* modeName)
{
    QGroupBox* f = NewFrame(parent, name, "Operation mode display");
    current = NewOption(f, currentName, "Current data", true);
    setting = NewOption(f, settingName, "Setting data");
    mode = NewButton(f, modeName, "Operation mode");
    auto* box = new QVBoxLayout(f);
    box->addWidget(current);
    box->addWidget(setting);
    box->addWidget(mode);
    return f;
}

QGroupBox* NewCsvLoadFrame(QWidget* parent, const char* name, Qt::Orientation o, QPushButton*& execute,
                           const char* executeName)
{
    QGroupBox* f = NewFrame(parent, name, "Csv format load");
    execute = NewButton(f, executeName, "Execute");
    NewBox(f, o)->addWidget(execute);
    return f;
}

QGroupBox* NewCsvSaveFrame(QWidget* parent, const char* name, Qt::Orientation o, QRadioButton*& current,
                           const char* currentName, QRadioButton*& setting, const char* settingName,
                           QPushButton*& execute, const char* executeName)
{
    QGroupBox* f = NewFrame(parent, name, "Csv format file save");
    current = NewOption(f, currentName, "Current data");
    setting = NewOption(f, settingName, "Setting data", true);
    execute = NewButton(f, executeName, "Execute");
    QBoxLayout* box = NewBox(f, o);
    box->addWidget(current);
    box->addWidget(setting);
    box->addWidget(execute);
    return f;
}

QTabWidget* NewGridTabs(QWidget* parent, const char* name, const char* gridName, std::span<FlexGrid*> grids)
{
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(name);
    for (size_t t = 0; t < grids.size(); ++t) {
        auto* page = new QWidget(tabs);
        grids[t] = NewGrid(page, ArrayName(gridName, static_cast<int>(t)));
        (new QVBoxLayout(page))->addWidget(grids[t]);
        tabs->addTab(page, QString());
    }
    return tabs;
}

QString CaptionOf(const std::string& text) { return QString::fromStdString(text).replace('&', "&&"); }

void SetAxisTabs(QTabWidget* tabs, const Settings& set, int maxBytes)
{
    for (int t = 0; t < tabs->count(); ++t)
        tabs->setTabText(t, CaptionOf(StrByte_Cut(set.AxisName[static_cast<size_t>(t)], maxBytes)));
    tabs->setCurrentIndex(0);
}

void LayEditor(QWidget* window, QWidget* table, FramesAt at, std::initializer_list<QWidget*> frames,
               std::initializer_list<QPushButton*> buttons)
{
    // A grid on a tab keeps its page's corner too.
    if (auto* tabs = qobject_cast<QTabWidget*>(table))
        for (int t = 0; t < tabs->count(); ++t)
            if (QLayout* l = tabs->widget(t)->layout()) l->setAlignment(kCorner);
    LayEditorWith(window, [table](QBoxLayout* l) { l->addWidget(table, 0, kCorner); }, at, frames, buttons);
}

void LayEditor(QWidget* window, QLayout* table, FramesAt at, std::initializer_list<QWidget*> frames,
               std::initializer_list<QPushButton*> buttons)
{
    LayEditorWith(window,
                  [table](QBoxLayout* l) {
                      table->setAlignment(kCorner);
                      l->addLayout(table);
                  },
                  at, frames, buttons);
}

void ApplyGridLayout(FlexGrid* g, const GridLayout& layout)
{
    const int cols = static_cast<int>(layout.columns.size());
    if (g->Cols() != cols) g->setCols(cols);
    g->setGridSize(layout.widthTwips, layout.heightTwips);
    g->setRowHeight(-1, 300);
    for (int c = 0; c < cols; ++c) {
        g->setColWidth(c, layout.columns[static_cast<size_t>(c)].width);
        g->setColAlignment(c, layout.columns[static_cast<size_t>(c)].align);
    }
}

FormBase::FormBase(Public& pub, WindowShell& shell) : QWidget(nullptr), pub_(pub), shell_(shell) {}

void FormBase::setModelTitle(const std::string& head)
{
    setWindowTitle(QString::fromStdString(head + "(" + Model_ForType(pub_.ModuleType).text + ")"));
}

EditorBase::EditorBase(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
                       CsvProcedures& csvFiles)
    : FormBase(pub, shell), transfers_(transfers), messages_(messages), csv_(csvFiles)
{
}

void EditorBase::closeEvent(QCloseEvent* e)
{
    if (shell_.operationRunning()) {
        e->ignore();
        return;
    }
    Form_Unload();
    e->accept();
    if (QWidget* main = shell_.form(form::frmMain)) main->show();
    shell_.FormControl_Enable(form::frmMain, true);
}

ControlBase::ControlBase(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages)
    : FormBase(pub, shell), link_(link), tasks_(tasks), messages_(messages)
{
}

void ControlBase::closeEvent(QCloseEvent* e)
{
    // Not under its own command or snapshot (their messages and the status window included),
    // nor under another link procedure.
    if (pub_.ControlBusy || shell_.linkBusy()) {
        e->ignore();
        return;
    }
    e->accept();
    if (QWidget* main = shell_.form(form::frmMain)) main->show();
}

} // namespace posmod
