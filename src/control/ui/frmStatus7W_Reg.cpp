#include "control/ui/frmStatus7W_Reg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace posmod {

frmStatus7W_Reg::frmStatus7W_Reg(Public& pub, QWidget* parent) : StatusRegBase(pub, ModelFamily::TwoAxis, "frmStatus7W_Reg", parent)
{
    Grids_Build();
    P7WRegSSTab = tabs_;
    for (size_t t = 0; t < Status7W_RegGrid.size(); ++t) Status7W_RegGrid[t] = grids_[t];

    auto* labels = new QHBoxLayout;
    labels->addWidget(StLabel1);
    labels->addWidget(StLabel2);
    labels->addStretch();
    auto* box = new QGridLayout(this);
    box->addLayout(labels, 0, 0);
    box->addWidget(P7WRegSSTab, 1, 0);
    box->addWidget(Status_RegCommand, 2, 0, Qt::AlignRight);
    Form_Load();
}

} // namespace posmod
