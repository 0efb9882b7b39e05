#include "control/ui/frmSeigyo7WCmd.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shared/Conversions.h"
#include "shared/Public.h"

namespace posmod {

frmSeigyo7WCmd::frmSeigyo7WCmd(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                               MousePointer& pointer)
    : StepCmdBase(pub, shell, link, tasks, messages, pointer, form::frmSeigyo7WCmd, kSeigyo7WCommands)
{
    setObjectName("frmSeigyo7WCmd");
    JikFrame = NewFrame(this, "JikFrame", "Axis");
    auto* axes = new QVBoxLayout(JikFrame);
    for (int i = 0; i < 2; ++i) {
        JikOption[static_cast<size_t>(i)] = NewOption(JikFrame, ArrayName("JikOption", i), i == 0 ? "X axis" : "Y axis");
        axes->addWidget(JikOption[static_cast<size_t>(i)]);
    }
    NewStepCommands(SeigyoOption, SeigyoText, StepLabel);
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
    SeigyoText_Reset();
    JikOption[0]->setChecked(true);
    SeigyoOption[0]->setChecked(true);
    SeigyoOption_Click(0);
    for (size_t i = 0; i < 2; ++i)
        JikOption[i]->setText(CaptionOf(StrByte_Cut(p.set.AxisName[i], kAxisOptionBytes)));
}

void frmSeigyo7WCmd::SendCommand_Click()
{
    std::array<std::string, 5> steps;
    for (size_t k = 0; k < steps.size(); ++k) steps[k] = SeigyoText[k]->text().toStdString();
    send_.Submit7W(chosenCommand(), !JikOption[0]->isChecked(), steps);
}

} // namespace posmod
