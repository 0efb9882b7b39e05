#include "control/ui/frmSeigyo7WCmd.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shared/Conversions.h"
#include "shared/Public.h"

namespace posmod {

namespace {
const char* const kCommands[10] = {"Deceleration stop", "Homing", "manual 1", "manual 2", "Auto 1",
                                   "Auto 2", "Auto 3", "Undefined", "Stop", "Set initial command to CR"};
// Commands 3..7 take a step, in fields 1..5.
int StepFieldOf(int index) { return index >= 3 && index <= 7 ? index - 3 : -1; }
} // namespace

frmSeigyo7WCmd::frmSeigyo7WCmd(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages)
    : StepCmdBase(pub, shell, link, tasks, messages, StepFieldOf)
{
    setObjectName("frmSeigyo7WCmd");
    JikFrame = NewFrame(this, "JikFrame", "Axis");
    auto* axes = new QHBoxLayout(JikFrame);
    for (int i = 0; i < 2; ++i) {
        JikOption[static_cast<size_t>(i)] = NewOption(JikFrame, ArrayName("JikOption", i), i == 0 ? "X axis" : "Y axis");
        axes->addWidget(JikOption[static_cast<size_t>(i)]);
    }
    NewStepCommands(SeigyoOption, kCommands, SeigyoText, StepLabel);
    QVBoxLayout* buttons = NewCommandButtons();
    buttons->addStretch();
    auto* box = new QGridLayout(this);
    box->addWidget(JikFrame, 0, 0);
    box->addWidget(SeigyoFrame, 1, 0);
    box->addLayout(buttons, 0, 1, 2, 1);
    SeigyoText_Reset();
}

void frmSeigyo7WCmd::Form_Load()
{
    const Public& p = pub_;
    setModelTitle("Control command transmit");
    JikOption[0]->setChecked(true);
    SeigyoOption[0]->setChecked(true);
    SeigyoOption_Click(0);
    for (size_t i = 0; i < 2; ++i)
        JikOption[i]->setText(QString::fromStdString(StrByte_Cut(p.set.AxisName[i], 40)));
}

} // namespace posmod
