#pragma once
// The control-command window of the one-axis model.
#include <array>

#include "main/FormBase.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace posmod {

class frmSeigyoJVCmd : public ControlBase {
    Q_OBJECT
public:
    explicit frmSeigyoJVCmd(Forms& forms);
    void Form_Load() override;
    void SeigyoOption_Click(int index);

    QGroupBox* SeigyoFrame;
    std::array<QRadioButton*, 14> SeigyoOption;
    std::array<QLineEdit*, 4> SeigyoText;   // SeigyoText1 .. SeigyoText4
    std::array<QLabel*, 4> StepLabel;       // Label1 .. Label4
    QPushButton* StRegCommand;
    QPushButton* SendCommand;
    QPushButton* EndCommand;

private:
    void SeigyoText_Reset();
};

} // namespace posmod
