#pragma once
// What the control-command windows share: the frame of command options and the buttons
// St_Reg, Submit and Exit; for the windows whose commands take a step, the step entries.
#include <span>

#include "shared/ui/FormBase.h"

class QGridLayout;
class QVBoxLayout;

namespace posmod {

class SeigyoCmdBase : public ControlBase {
    Q_OBJECT
public:
    using ControlBase::ControlBase;
    virtual void SeigyoOption_Click(int index) = 0;

    QGroupBox* SeigyoFrame = nullptr;
    QPushButton* StRegCommand = nullptr;
    QPushButton* SendCommand = nullptr;
    QPushButton* EndCommand = nullptr;

protected:
    // SeigyoOption(index) in SeigyoFrame; a click runs SeigyoOption_Click(index).
    QRadioButton* NewSeigyoOption(int index, const char* caption);
    // The three buttons in a column; Exit closes, the other two wait for the control work.
    QVBoxLayout* NewCommandButtons();
};

// Commands of which some take a step, typed in the command's own row.
class StepCmdBase : public SeigyoCmdBase {
    Q_OBJECT
public:
    void SeigyoOption_Click(int index) override;

protected:
    // stepFieldOf: the step entry of a command, -1 for none.
    StepCmdBase(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                int (*stepFieldOf)(int));
    // SeigyoFrame: a row per command, with its entry SeigyoText<n> and label Label<n> "Step".
    void NewStepCommands(std::span<QRadioButton*> options, const char* const* captions,
                         std::span<QLineEdit*> texts, std::span<QLabel*> labels);
    // Every entry "0" and disabled.
    void SeigyoText_Reset();

private:
    int (*stepFieldOf_)(int);
    std::span<QLineEdit*> texts_;
};

} // namespace posmod
