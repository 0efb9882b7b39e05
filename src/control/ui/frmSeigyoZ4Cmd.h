#pragma once
// The control-command window of the four-axis model.
#include <array>

#include "control/ui/SeigyoCmdBase.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace posmod {

class frmSeigyoZ4Cmd : public SeigyoCmdBase {
    Q_OBJECT
public:
    frmSeigyoZ4Cmd(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                   MousePointer& pointer);
    void Form_Load() override;
    void SeigyoOption_Click(int index) override;
    void SendCommand_Click() override;

    QGroupBox* JikFrame;
    std::array<QCheckBox*, 4> JikCheck;
    std::array<QRadioButton*, 15> SeigyoOption;
    QGroupBox* DaSetFrame;
    std::array<QLabel*, 3> FLabel;
    std::array<QLineEdit*, 3> SeigyoText;
    std::array<QLabel*, 3> BLabel;

protected:
    // The data dialog, fresh for every use, at this window's top-left corner.
    void showDataDialog() override;

private:
    void SeigyoText_Reset();
};

} // namespace posmod
