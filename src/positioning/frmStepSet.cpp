#include "positioning/frmStepSet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "transfer/RangeEntry.h"

namespace posmod {

frmStepSet::frmStepSet(Public& pub, QWidget* parent) : QDialog(parent), pub_(pub), msg_(this)
{
    setObjectName("frmStepSet");
    setWindowTitle("Step cnt setting");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Label2 = new QLabel("Step No.", this);
    Label2->setObjectName("Label2");
    Label3 = new QLabel("~", this);
    Label3->setObjectName("Label3");
    for (int i = 0; i < 2; ++i) {
        StepText[i] = new QLineEdit(this);
        StepText[i]->setObjectName(QString("StepText(%1)").arg(i));
    }
    StepCommand = new QPushButton("OK", this);
    StepCommand->setObjectName("StepCommand");
    StepCommand->setDefault(true);
    CancelCommand = new QPushButton("Cancel", this);
    CancelCommand->setObjectName("CancelCommand");
    connect(StepCommand, &QPushButton::clicked, this, &frmStepSet::StepCommand_Click);
    connect(CancelCommand, &QPushButton::clicked, this, &frmStepSet::CancelCommand_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(StepText[0], 0, 1);
    grid->addWidget(Label3, 0, 2);
    grid->addWidget(StepText[1], 0, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(StepCommand);
    buttons->addWidget(CancelCommand);
    grid->addLayout(buttons, 1, 0, 1, 4);
}

// Every showing starts like a freshly loaded dialog, at the caller's top-left corner.
void frmStepSet::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        for (auto* t : StepText) t->clear();
        StepText[0]->setFocus();
        if (parentWidget()) move(parentWidget()->window()->pos());
    }
    QDialog::showEvent(e);
}

void frmStepSet::StepCommand_Click()
{
    int32_t first = 0, last = 0;
    const RangeEntryError e = StepPair_Check(StepText[0]->text().toStdString(),
                                             StepText[1]->text().toStdString(), first, last);
    if (e != RangeEntryError::None) {
        msg_.show(RangeEntry_Message(e), MsgIcon::Exclamation);
        return;
    }
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
