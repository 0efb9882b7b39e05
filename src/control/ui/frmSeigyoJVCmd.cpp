#include "control/ui/frmSeigyoJVCmd.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace posmod {

frmSeigyoJVCmd::frmSeigyoJVCmd(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                               MousePointer& pointer)
    : StepCmdBase(pub, shell, link, tasks, messages, pointer, form::frmSeigyoJVCmd, kSeigyoJVCommands)
{
    setObjectName("frmSeigyoJVCmd");
    setWindowTitle(kSeigyoJVCaption);
    NewStepCommands(SeigyoOption, SeigyoText, StepLabel);
    QVBoxLayout* buttons = NewCommandButtons();
    buttons->addStretch();
    auto* box = new QGridLayout(this);
    box->addWidget(SeigyoFrame, 0, 0);
    box->addLayout(buttons, 0, 1);
    Form_Load();
}

void frmSeigyoJVCmd::Form_Load()
{
    SeigyoText_Reset();
    SeigyoOption[0]->setChecked(true);
    SeigyoOption_Click(0);
}

void frmSeigyoJVCmd::SendCommand_Click()
{
    std::array<std::string, 4> steps;
    for (size_t k = 0; k < steps.size(); ++k) steps[k] = SeigyoText[k]->text().toStdString();
    send_.SubmitJV(chosenCommand(), steps);
}

} // namespace posmod
