#include "control/ui/StatusRegBase.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "platform/FlexGrid.h"
#include "shared/ui/FormBase.h"

namespace posmod {

StatusRegBase::StatusRegBase(Public& pub, ModelFamily family, const char* name, QWidget* parent)
    : QDialog(parent), pub_(pub), family_(family)
{
    setObjectName(name);
    setWindowTitle(kStatusCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Nothing else takes input while the link is held open under the window.
    setWindowModality(Qt::ApplicationModal);
    StLabel1 = NewLabel(this, "StLabel1", "");
    StLabel2 = NewLabel(this, "StLabel2", "");
    Status_RegCommand = NewButton(this, "Status_RegCommand", "OK");
    connect(Status_RegCommand, &QPushButton::clicked, this, &StatusRegBase::Status_RegCommand_Click);
}

void StatusRegBase::Grids_Build()
{
    const StatusGridLayout& l = StatusGrid_Layout(family_);
    grids_.assign(static_cast<size_t>(l.tabs > 0 ? l.tabs : 1), nullptr);
    if (l.tabs > 0) {
        tabs_ = NewGridTabs(this, l.tabsName, l.gridName, grids_);
        for (int t = 0; t < l.tabs; ++t)
            tabs_->setTabText(t, CaptionOf(StatusTab_Caption(pub_, family_, t)));
    } else {
        grids_[0] = NewGrid(this, l.gridName);
    }
    const GridLayout layout = StatusGrid_GridLayout(family_);
    for (FlexGrid* g : grids_) {
        StatusGrid_Setup(*g);
        ApplyGridLayout(g, layout);
        g->setRowHeight(-1, l.rowHeight);
    }
}

void StatusRegBase::Form_Load()
{
    if (tabs_) tabs_->setCurrentIndex(0);
    Tab_Click(0);
    if (tabs_) connect(tabs_, &QTabWidget::currentChanged, this, &StatusRegBase::Tab_Click);
}

void StatusRegBase::Tab_Click(int tab)
{
    if (tab < 0 || tab >= static_cast<int>(grids_.size())) return;
    Labels_Set(StatusTab_Show(pub_, family_, tab, *grids_[static_cast<size_t>(tab)]));
}

void StatusRegBase::Labels_Set(const StatusLabels& l)
{
    StLabel1->setText(QString::fromStdString(l.StLabel1));
    StLabel2->setText(QString::fromStdString(l.StLabel2));
}

} // namespace posmod
