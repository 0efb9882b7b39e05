#pragma once
// The store-range dialog of a module-to-file copy: data kind, axes and steps.
#include <QDialog>
#include <array>

#include "shared/Messages.h"
#include "shared/Public.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace posmod {

class frmCsvRead : public QDialog {
    Q_OBJECT
public:
    frmCsvRead(Public& pub, MessageSink& messages, QWidget* parent = nullptr);

    QComboBox* DataCombo;
    QComboBox* JikCombo;
    QLabel* Label2;
    std::array<QLineEdit*, 2> StepText;
    QLabel* Label3;
    QPushButton* DefaultCommand;
    QPushButton* CancelCommand;

public slots:
    void DefaultCommand_Click();
    void CancelCommand_Click();

protected:
    void showEvent(QShowEvent* e) override;
    // The close box and Esc: a cancel.
    void reject() override;

private:
    void Form_Load();

    Public& pub_;
    MessageSink& msg_;
};

} // namespace posmod
