#pragma once
// The control-command window of the four-axis model.
#include <array>

#include "main/FormBase.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace posmod {

class frmSeigyoZ4Cmd : public ControlBase {
    Q_OBJECT
public:
    explicit frmSeigyoZ4Cmd(Forms& forms);
    void Form_Load() override;
    void SeigyoOption_Click(int index);

    QGroupBox* JikFrame;
    std::array<QCheckBox*, 4> JikCheck;
    QGroupBox* SeigyoFrame;
    std::array<QRadioButton*, 15> SeigyoOption;
    QGroupBox* DaSetFrame;
    std::array<QLabel*, 3> FLabel;
    std::array<QLineEdit*, 3> SeigyoText;
    std::array<QLabel*, 3> BLabel;
    QPushButton* StRegCommand;
    QPushButton* SendCommand;
    QPushButton* EndCommand;

private:
    void SeigyoText_Reset();
};

} // namespace posmod
