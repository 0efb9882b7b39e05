#include "shared/ui/frmVerRev.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shared/ui/FormBase.h"
#include "shared/ui/SettingsControls.h"

namespace posmod {

frmVerRev::frmVerRev(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmVerRev");
    setWindowTitle("Version Information");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(QFont("Arial"));

    lblVerNo = NewLabel(this, "lblVerNo", kVersionText);
    lblVerNo->setTextFormat(Qt::PlainText);
    cmdOK = NewButton(this, "cmdOK", "OK(&O)");
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* box = new QVBoxLayout(this);
    box->addWidget(lblVerNo);
    box->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmVerRev::cmdOK_Click);
    FitTitle(this);
}

} // namespace posmod
