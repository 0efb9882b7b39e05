#include "control/ui/frmStatusJV_Reg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/FlexGrid.h"

namespace posmod {

frmStatusJV_Reg::frmStatusJV_Reg(Public& pub, QWidget* parent) : StatusRegBase(pub, ModelFamily::OneAxis, "frmStatusJV_Reg", parent)
{
    Grids_Build();
    Status_RegGrid = grids_[0];

    auto* labels = new QHBoxLayout;
    labels->addWidget(StLabel1);
    labels->addWidget(StLabel2);
    labels->addStretch();
    auto* box = new QGridLayout(this);
    box->addLayout(labels, 0, 0);
    box->addWidget(Status_RegGrid, 1, 0);
    box->addWidget(Status_RegCommand, 2, 0, Qt::AlignRight);
    Form_Load();
}

} // namespace posmod
