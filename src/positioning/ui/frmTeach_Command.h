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
class MousePointer;
class TaskOps;
class WindowShell;
struct Public;

class frmTeach_Command : public QDialog {
    Q_OBJECT
public:
    frmTeach_Command(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                     MousePointer* pointer);
    // Every showing starts as a new dialog: nothing ticked, no step, the axis names as captions.
    void Form_Load();

    QLabel* StepLabel;
    QLineEdit* StepText;
    QGroupBox* JikFrame;
    std::array<QCheckBox*, 4> JikCheck;
    QPushButton* DataSetCommand;
    QPushButton* Cancel_Command;

public slots:
    void DataSetCommand_Click();

protected:
    void showEvent(QShowEvent* e) override;
    // Refused while the command is on its way (the close box, Esc).
    void reject() override;

private:
    Public& pub_;
    WindowShell& shell_;
    LinkOps& link_;
    TaskOps& tasks_;
    MessageSink& messages_;
    MousePointer* pointer_;
    bool sending_ = false;
};

} // namespace posmod
