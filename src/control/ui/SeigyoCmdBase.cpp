#include "control/ui/SeigyoCmdBase.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace posmod {

void SetBackColor(QLineEdit* text, bool windowBackground)
{
    // From the palette the entry's class has, not from its own, which earlier calls changed.
    const QColor c = QApplication::palette(text).color(windowBackground ? QPalette::Base : QPalette::Button);
    QPalette pal = text->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(g, QPalette::Base, c);
    text->setPalette(pal);
}

void FitTextWidth(QLineEdit* text, int chars)
{
    // The frame and the text margins come on top of the digits.
    text->setFixedWidth(text->fontMetrics().horizontalAdvance(QString(chars + 1, QChar('0'))) + 12);
}

SeigyoCmdBase::SeigyoCmdBase(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                             MousePointer& pointer, int formNo)
    : ControlBase(pub, shell, link, tasks, messages), pointer_(pointer), formNo_(formNo),
      send_(pub, link, tasks, messages, *this)
{
}

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
    connect(StRegCommand, &QPushButton::clicked, this, &SeigyoCmdBase::StRegCommand_Click);
    connect(SendCommand, &QPushButton::clicked, this, &SeigyoCmdBase::SendCommand_Click);
    connect(EndCommand, &QPushButton::clicked, this, &SeigyoCmdBase::EndCommand_Click);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(StRegCommand);
    buttons->addWidget(SendCommand);
    buttons->addWidget(EndCommand);
    return buttons;
}

void SeigyoCmdBase::StRegCommand_Click() { send_.St_Reg(formNo_); }

void SeigyoCmdBase::lockForm(int formNo, bool enable)
{
    // The main window stays shown beside a control window: it is locked while a command
    // runs and afterwards left as it was (locked still while an editor is open).
    if (!enable) {
        mainWasEnabled_ = shell_.FormControl_Enabled(form::frmMain);
        shell_.FormControl_Enable(static_cast<uint8_t>(formNo), false);
        shell_.FormControl_Enable(form::frmMain, false);
    } else {
        shell_.FormControl_Enable(static_cast<uint8_t>(formNo), true);
        if (mainWasEnabled_) shell_.FormControl_Enable(form::frmMain, true);
    }
}

void SeigyoCmdBase::showStatusWindow(ModelFamily family)
{
    switch (family) {
    case ModelFamily::OneAxis: shell_.openDialog(dialog::frmStatusJV_Reg, *this); break;
    case ModelFamily::TwoAxis: shell_.openDialog(dialog::frmStatus7W_Reg, *this); break;
    case ModelFamily::FourAxis: shell_.openDialog(dialog::frmStatusZr4_Reg, *this); break;
    }
}

StepCmdBase::StepCmdBase(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                         MousePointer& pointer, int formNo, std::span<const StepCommand> commands)
    : SeigyoCmdBase(pub, shell, link, tasks, messages, pointer, formNo), commands_(commands)
{
}

void StepCmdBase::NewStepCommands(std::span<QRadioButton*> options, std::span<QLineEdit*> texts,
                                  std::span<QLabel*> labels)
{
    options_ = options;
    texts_ = texts;
    SeigyoFrame = NewFrame(this, "SeigyoFrame", "Control command");
    auto* rows = new QGridLayout(SeigyoFrame);
    for (size_t i = 0; i < options.size(); ++i) {
        options[i] = NewSeigyoOption(static_cast<int>(i), commands_[i].caption);
        rows->addWidget(options[i], static_cast<int>(i), 0);
        const int f = commands_[i].stepField;
        if (f >= 0) {
            const auto k = static_cast<size_t>(f);
            texts[k] = NewText(SeigyoFrame, QString("SeigyoText%1").arg(f + 1), kStepTextMaxLength);
            FitTextWidth(texts[k], kStepTextMaxLength);
            CaptionBy(texts[k], options[i]); // the command the step is for; "Step" is its unit
            labels[k] = NewLabel(SeigyoFrame, QString("Label%1").arg(f + 1), "Step");
            rows->addWidget(texts[k], static_cast<int>(i), 1);
            rows->addWidget(labels[k], static_cast<int>(i), 2);
        }
    }
}

void StepCmdBase::SeigyoText_Reset()
{
    for (QLineEdit* t : texts_) {
        SetBackColor(t, false);
        t->setText("0");
        t->setEnabled(false);
    }
}

void StepCmdBase::SeigyoOption_Click(int index)
{
    SeigyoText_Reset();
    if (index < 0 || index >= static_cast<int>(commands_.size())) return;
    const int f = commands_[static_cast<size_t>(index)].stepField;
    if (f < 0) return;
    QLineEdit* t = texts_[static_cast<size_t>(f)];
    SetBackColor(t, true);
    t->setText("0");
    t->setEnabled(true);
}

int StepCmdBase::chosenCommand() const
{
    for (size_t i = 0; i < options_.size(); ++i)
        if (options_[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

} // namespace posmod
