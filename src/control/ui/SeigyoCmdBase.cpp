#include "control/ui/SeigyoCmdBase.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace posmod {

QRadioButton* SeigyoCmdBase::NewSeigyoOption(int index, const char* caption)
{
    QRadioButton* o = NewOption(SeigyoFrame, ArrayName("SeigyoOption", index), caption);
    connect(o, &QRadioButton::clicked, this, [this, index] { SeigyoOption_Click(index); });
    return o;
}

QVBoxLayout* SeigyoCmdBase::NewCommandButtons()
{
    StRegCommand = NewButton(this, "StRegCommand", "St_Reg");
    SendCommand = NewButton(this, "SendCommand", "Submit");
    EndCommand = NewButton(this, "EndCommand", "Exit");
    // Sending commands and the status snapshot come with the control work.
    MarkNotBuilt({StRegCommand, SendCommand});
    connect(EndCommand, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(StRegCommand);
    buttons->addWidget(SendCommand);
    buttons->addWidget(EndCommand);
    return buttons;
}

StepCmdBase::StepCmdBase(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                         int (*stepFieldOf)(int))
    : SeigyoCmdBase(pub, shell, link, tasks, messages), stepFieldOf_(stepFieldOf)
{
}

void StepCmdBase::NewStepCommands(std::span<QRadioButton*> options, const char* const* captions,
                                  std::span<QLineEdit*> texts, std::span<QLabel*> labels)
{
    texts_ = texts;
    SeigyoFrame = NewFrame(this, "SeigyoFrame", "Control command");
    auto* rows = new QGridLayout(SeigyoFrame);
    for (int i = 0; i < static_cast<int>(options.size()); ++i) {
        options[static_cast<size_t>(i)] = NewSeigyoOption(i, captions[i]);
        rows->addWidget(options[static_cast<size_t>(i)], i, 0);
        const int f = stepFieldOf_(i);
        if (f >= 0) {
            const auto k = static_cast<size_t>(f);
            texts[k] = NewText(SeigyoFrame, QString("SeigyoText%1").arg(f + 1), 3);
            labels[k] = NewLabel(SeigyoFrame, QString("Label%1").arg(f + 1), "Step");
            rows->addWidget(texts[k], i, 1);
            rows->addWidget(labels[k], i, 2);
        }
    }
}

void StepCmdBase::SeigyoText_Reset()
{
    for (QLineEdit* t : texts_) {
        t->setText("0");
        t->setEnabled(false);
    }
}

void StepCmdBase::SeigyoOption_Click(int index)
{
    SeigyoText_Reset();
    const int f = stepFieldOf_(index);
    if (f >= 0) texts_[static_cast<size_t>(f)]->setEnabled(true);
}

} // namespace posmod
