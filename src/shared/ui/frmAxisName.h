#pragma once
// The axis-name dialog: the names of the selected model's axes, stored on OK.
#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace posmod {

class MessageSink;
struct Public;

class frmAxisName : public QDialog {
    Q_OBJECT
public:
    frmAxisName(Public& pub, MessageSink& messages, QWidget* parent = nullptr);

    void Form_Load();
    void OkCommand_Click();
    void CancelCommand_Click() { reject(); }

    std::array<QLabel*, 4> AxisLabel;
    std::array<QLineEdit*, 4> AxisText;
    QPushButton* OkCommand;
    QPushButton* CancelCommand;

private:
    Public& pub_;
    MessageSink& msg_;
};

} // namespace posmod
