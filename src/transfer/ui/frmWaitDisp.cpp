#include "transfer/ui/frmWaitDisp.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace posmod {

frmWaitDisp::frmWaitDisp(Public& pub, LinkOps& link, TaskOps& tasks, QWidget* parent)
    : QDialog(parent), transfer_(pub, link, tasks, static_cast<WaitUi&>(*this))
{
    setObjectName("frmWaitDisp");
    setWindowTitle("Communication");
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    pbrLoading = new QProgressBar(this);
    pbrLoading->setObjectName("pbrLoading");
    pbrLoading->setRange(0, 1);
    pbrLoading->setValue(0);
    pbrLoading->setTextVisible(false);
    lblLoading = new QLabel(this);
    lblLoading->setObjectName("lblLoading");
    lblLoading->setAlignment(Qt::AlignCenter);
    cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &frmWaitDisp::cmdCancel_Click);

    auto* box = new QVBoxLayout(this);
    box->addWidget(pbrLoading);
    box->addWidget(lblLoading);
    box->addWidget(cmdCancel, 0, Qt::AlignHCenter);
    setMinimumWidth(360);
}

uint8_t frmWaitDisp::SendMain(int mode) { return transfer_.SendMain(mode); }

void frmWaitDisp::cmdCancel_Click() { transfer_.cmdCancel_Click(); }

void frmWaitDisp::placeOver(QWidget* caller)
{
    if (caller) move(caller->window()->pos());
}

// The close box and Esc never take the window away under a running sequence: they ask
// for Cancel, like the button.
void frmWaitDisp::closeEvent(QCloseEvent* e)
{
    e->ignore();
    if (transfer_.busy()) cmdCancel_Click();
}

void frmWaitDisp::reject()
{
    if (transfer_.busy()) cmdCancel_Click();
}

void frmWaitDisp::placeOver(int formNo)
{
    if (windowOf) placeOver(windowOf(formNo));
}

void frmWaitDisp::showWait()
{
    show();
    raise();
}

void frmWaitDisp::hideWait() { hide(); }

void frmWaitDisp::setBar(int maximum, int value)
{
    pbrLoading->setRange(0, maximum);
    pbrLoading->setValue(value);
}

void frmWaitDisp::setCountText(const std::string& text) { lblLoading->setText(QString::fromStdString(text)); }

} // namespace posmod
