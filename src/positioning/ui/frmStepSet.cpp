#include "positioning/ui/frmStepSet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "shared/ui/FormBase.h"
#include "transfer/ui/RangeDialog.h"

namespace posmod {

frmStepSet::frmStepSet(Public& pub, MessageSink& messages, QWidget* parent)
    : QDialog(parent), pub_(pub), msg_(messages)
{
    RangeDialog_Setup(this, "frmStepSet", "Step cnt setting");
    Label2 = NewLabel(this, "Label2", "Step No.");
    NewStepPair(this, StepText, Label3, 0);
    Label2->setBuddy(StepText[0]);
    CaptionBy(StepText[1], Label2); // the end of the range: "~" only marks it
    QHBoxLayout* buttons = NewOkCancel(this, StepCommand, "StepCommand", CancelCommand);
    connect(StepCommand, &QPushButton::clicked, this, &frmStepSet::StepCommand_Click);
    connect(CancelCommand, &QPushButton::clicked, this, &frmStepSet::CancelCommand_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(StepText[0], 0, 1);
    grid->addWidget(Label3, 0, 2);
    grid->addWidget(StepText[1], 0, 3);
    grid->addLayout(buttons, 1, 0, 1, 4);
}

// Every showing starts like a freshly loaded dialog (the main window places it).
void frmStepSet::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        for (auto* t : StepText) t->clear();
        StepText[0]->setFocus();
    }
    QDialog::showEvent(e);
}

void frmStepSet::StepCommand_Click()
{
    int32_t first = 0, last = 0;
    if (!StepPair_Read(StepText, msg_, first, last)) return;
    pub_.StepRange.Result = 3;
    pub_.StepRange.FirstStep = first;
    pub_.StepRange.LastStep = last;
    accept();
}

void frmStepSet::CancelCommand_Click() { reject(); }

void frmStepSet::reject()
{
    pub_.StepRange.Result = 2;
    QDialog::reject();
}

} // namespace posmod
