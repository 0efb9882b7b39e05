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

class LinkOps;
class MessageSink;
class TaskOps;
class WindowShell;
struct Public;

class frmTeach_Command : public QDialog {
    Q_OBJECT
public:
    frmTeach_Command(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages);
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
    Public& pub_;
    WindowShell& shell_;
    LinkOps& link_;
    TaskOps& tasks_;
    MessageSink& messages_;
};

} // namespace posmod
