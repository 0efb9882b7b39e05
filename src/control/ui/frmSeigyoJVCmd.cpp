#include "control/ui/frmSeigyoJVCmd.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>


namespace posmod {

namespace {
const char* const kCommands[14] = {
    "Homing", "Manual operation", "Forward manual operation", "Forward JOG operation",
    "Reverse manual operation", "Reverse JOG operation", "Automatic step operation",
    "Automatic cycle operation", "Automatic continuous cycle operation", "Deceleration stop",
    "Emergency stop", "Velocity change", "Velocity and position data specified automatic step operation",
    "Set initial command to CR"};
// The step field of each command, -1 for none.
int StepFieldOf(int index)
{
    switch (index) {
    case 6: return 0;
    case 7: return 1;
    case 8: return 2;
    case 12: return 3;
    default: return -1;
    }
}
} // namespace

frmSeigyoJVCmd::frmSeigyoJVCmd(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages)
    : StepCmdBase(pub, shell, link, tasks, messages, StepFieldOf)
{
    setObjectName("frmSeigyoJVCmd");
    setWindowTitle("Control command transmit (JV-ZR)");
    NewStepCommands(SeigyoOption, kCommands, SeigyoText, StepLabel);
    QVBoxLayout* buttons = NewCommandButtons();
    buttons->addStretch();
    auto* box = new QGridLayout(this);
    box->addWidget(SeigyoFrame, 0, 0);
    box->addLayout(buttons, 0, 1);
    Form_Load();
}

void frmSeigyoJVCmd::Form_Load()
{
    SeigyoOption[0]->setChecked(true);
    SeigyoOption_Click(0);
}

} // namespace posmod
