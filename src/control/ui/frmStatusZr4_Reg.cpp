#include "control/ui/frmStatusZr4_Reg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "shared/ui/FormBase.h"

namespace posmod {

frmStatusZr4_Reg::frmStatusZr4_Reg(Public& pub, QWidget* parent) : StatusRegBase(pub, ModelFamily::FourAxis, "frmStatusZr4_Reg", parent)
{
    ErLabel1 = NewLabel(this, "ErLabel1", "");
    ErLabel2 = NewLabel(this, "ErLabel2", "");
    IchiLabel1 = NewLabel(this, "IchiLabel1", "");
    IchiLabel2 = NewLabel(this, "IchiLabel2", "");
    Grids_Build();
    Zr4RegSSTab = tabs_;
    for (size_t t = 0; t < StatusZr4_RegGrid.size(); ++t) StatusZr4_RegGrid[t] = grids_[t];

    // The status word and the error code on one line, the current value below.
    auto* labels = new QGridLayout;
    labels->addWidget(StLabel1, 0, 0);
    labels->addWidget(StLabel2, 0, 1);
    labels->addWidget(ErLabel1, 0, 2);
    labels->addWidget(ErLabel2, 0, 3);
    labels->addWidget(IchiLabel1, 1, 0);
    labels->addWidget(IchiLabel2, 1, 1, 1, 3);
    labels->setColumnStretch(4, 1);
    labels->setHorizontalSpacing(12);
    auto* box = new QGridLayout(this);
    box->addLayout(labels, 0, 0);
    box->addWidget(Zr4RegSSTab, 1, 0);
    box->addWidget(Status_RegCommand, 2, 0, Qt::AlignRight);
    Form_Load();
}

void frmStatusZr4_Reg::Labels_Set(const StatusLabels& l)
{
    StatusRegBase::Labels_Set(l);
    ErLabel1->setText(QString::fromStdString(l.ErLabel1));
    ErLabel2->setText(QString::fromStdString(l.ErLabel2));
    IchiLabel1->setText(QString::fromStdString(l.IchiLabel1));
    IchiLabel2->setText(QString::fromStdString(l.IchiLabel2));
}

} // namespace posmod
