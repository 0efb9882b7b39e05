#pragma once
// The control-command window of the two-axis models.
#include <array>

#include "control/ui/SeigyoCmdBase.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace posmod {

class frmSeigyo7WCmd : public StepCmdBase {
    Q_OBJECT
public:
    frmSeigyo7WCmd(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                   MousePointer& pointer);
    void Form_Load() override;
    void SendCommand_Click() override;

    QGroupBox* JikFrame;
    std::array<QRadioButton*, 2> JikOption;
    std::array<QRadioButton*, 10> SeigyoOption;
    std::array<QLineEdit*, 5> SeigyoText;   // SeigyoText1 .. SeigyoText5
    std::array<QLabel*, 5> StepLabel;       // Label1 .. Label5
};

} // namespace posmod
