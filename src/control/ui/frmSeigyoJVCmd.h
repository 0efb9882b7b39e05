#pragma once
// The control-command window of the one-axis model.
#include <array>

#include "control/ui/SeigyoCmdBase.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace posmod {

class frmSeigyoJVCmd : public StepCmdBase {
    Q_OBJECT
public:
    frmSeigyoJVCmd(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                   MousePointer& pointer);
    void Form_Load() override;
    void SendCommand_Click() override;

    std::array<QRadioButton*, 14> SeigyoOption;
    std::array<QLineEdit*, 4> SeigyoText;   // SeigyoText1 .. SeigyoText4
    std::array<QLabel*, 4> StepLabel;       // Label1 .. Label4
};

} // namespace posmod
