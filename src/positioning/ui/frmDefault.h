#pragma once
// The range dialog of the positioning editors: an axis and a range of steps inside the step
// window, for Default; or the axis alone, for Print. Every use is a fresh dialog.
#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace posmod {

class MessageSink;
struct Public;

class frmDefault : public QDialog {
    Q_OBJECT
public:
    // Loaded at once from RangeTitle, ModuleType, AxisName and StepRange.
    frmDefault(Public& pub, MessageSink& messages, QWidget* parent = nullptr);

    // The print use: only the axis choice is shown; the hidden boxes hold the step window.
    void HideSteps();

    QLabel* Label1;
    QComboBox* DefaultCombo;
    QLabel* Label2;
    std::array<QLineEdit*, 2> DefaultText;
    QLabel* Label3;
    QPushButton* DefaultCommand;
    QPushButton* CancelCommand;

public slots:
    void DefaultCommand_Click();
    void CancelCommand_Click();

protected:
    // The close box and Esc: a cancel.
    void reject() override;

private:
    void Form_Load();

    Public& pub_;
    MessageSink& msg_;
};

} // namespace posmod
