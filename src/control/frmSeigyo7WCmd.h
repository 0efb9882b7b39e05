#pragma once
// The control-command window of the two-axis models.
#include <array>

#include "main/FormBase.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace posmod {

class frmSeigyo7WCmd : public ControlBase {
    Q_OBJECT
public:
    explicit frmSeigyo7WCmd(Forms& forms);
    void Form_Load() override;
    void SeigyoOption_Click(int index);

    QGroupBox* JikFrame;
    std::array<QRadioButton*, 2> JikOption;
    QGroupBox* SeigyoFrame;
    std::array<QRadioButton*, 10> SeigyoOption;
    std::array<QLineEdit*, 5> SeigyoText;   // SeigyoText1 .. SeigyoText5
    std::array<QLabel*, 5> StepLabel;       // Label1 .. Label5
    QPushButton* StRegCommand;
    QPushButton* SendCommand;
    QPushButton* EndCommand;

private:
    void SeigyoText_Reset();
};

} // namespace posmod
