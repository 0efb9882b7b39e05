#pragma once
// What the control-command windows share: the frame of command options and the buttons
// St_Reg, Submit and Exit, the send of a command and the status snapshot over the core's
// ControlSend, and for the windows whose commands take a step, the step entries.
#include <span>

#include "control/ControlSend.h"
#include "shared/Pointer.h"
#include "shared/ui/FormBase.h"

class QGridLayout;
class QLineEdit;
class QVBoxLayout;

namespace posmod {

// The back colour of an entry: the window background (the palette's Base) where it takes
// input, the button face (the palette's Button) where it does not.
void SetBackColor(QLineEdit* text, bool windowBackground);
// An entry as wide as the longest text it takes.
void FitTextWidth(QLineEdit* text, int chars);

class SeigyoCmdBase : public ControlBase, protected ControlUi {
    Q_OBJECT
public:
    virtual void SeigyoOption_Click(int index) = 0;
    // "Submit": compose the control word of the chosen command and send it.
    virtual void SendCommand_Click() = 0;
    // "St_Reg": one snapshot of the module's status, shown in the status window of the family.
    void StRegCommand_Click();
    // "Exit".
    void EndCommand_Click() { close(); }

    QGroupBox* SeigyoFrame = nullptr;
    QPushButton* StRegCommand = nullptr;
    QPushButton* SendCommand = nullptr;
    QPushButton* EndCommand = nullptr;

protected:
    SeigyoCmdBase(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                  MousePointer& pointer, int formNo);

    // SeigyoOption(index) in SeigyoFrame; a click runs SeigyoOption_Click(index).
    QRadioButton* NewSeigyoOption(int index, const char* caption);
    // The three buttons in a column.
    QVBoxLayout* NewCommandButtons();

    // ControlUi: the lock of this window, with the main window's kept from the lock to the
    // unlock and then put back as it was; the hourglass; the status window.
    void lockForm(int formNo, bool enable) override;
    void setHourglass(bool on) override { pointer_.setHourglass(on); }
    void showStatusWindow(ModelFamily family) override;
    bool linkInUse() const override { return shell_.operationRunning(); }

    MousePointer& pointer_;
    const int formNo_;
    ControlSend send_;

private:
    bool mainWasEnabled_ = true;
};

// Commands of which some take a step, typed in the command's own row.
class StepCmdBase : public SeigyoCmdBase {
    Q_OBJECT
public:
    void SeigyoOption_Click(int index) override;

protected:
    StepCmdBase(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                MousePointer& pointer, int formNo, std::span<const StepCommand> commands);
    // SeigyoFrame: a row per command, with its entry SeigyoText<n> and label Label<n> "Step".
    void NewStepCommands(std::span<QRadioButton*> options, std::span<QLineEdit*> texts, std::span<QLabel*> labels);
    // Every entry "0", disabled, in the button face.
    void SeigyoText_Reset();
    // The first command chosen in index order, -1 when none is.
    int chosenCommand() const;

private:
    std::span<const StepCommand> commands_;
    std::span<QRadioButton*> options_;
    std::span<QLineEdit*> texts_;
};

} // namespace posmod
