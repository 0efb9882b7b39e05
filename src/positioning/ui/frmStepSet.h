#pragma once
// The step-range dialog: which steps of the positioning table to read.
#include <QDialog>
#include <array>

#include "shared/Messages.h"
#include "shared/Public.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace posmod {

class frmStepSet : public QDialog {
    Q_OBJECT
public:
    frmStepSet(Public& pub, MessageSink& messages, QWidget* parent = nullptr);

    QLabel* Label2;
    std::array<QLineEdit*, 2> StepText;
    QLabel* Label3;
    QPushButton* StepCommand;
    QPushButton* CancelCommand;

public slots:
    void StepCommand_Click();
    void CancelCommand_Click();

protected:
    void showEvent(QShowEvent* e) override;
    // The close box and Esc: a cancel.
    void reject() override;

private:
    Public& pub_;
    MessageSink& msg_;
};

} // namespace posmod
