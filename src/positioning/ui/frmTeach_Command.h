#pragma once
// The teaching window of the four-axis model: a step and the axes to teach.
#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace posmod {

class Forms;

class frmTeach_Command : public QDialog {
    Q_OBJECT
public:
    explicit frmTeach_Command(Forms& forms);
    void Form_Load();

    QLabel* StepLabel;
    QLineEdit* StepText;
    QGroupBox* JikFrame;
    std::array<QCheckBox*, 4> JikCheck;
    QPushButton* DataSetCommand;
    QPushButton* Cancel_Command;

protected:
    void showEvent(QShowEvent* e) override;

private:
    Forms& forms_;
};

} // namespace posmod
