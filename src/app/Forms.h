#pragma once
// The one instance of every window, created on first use (loaded, not shown), and
// what they share: the data, the serial port and TCP client, the link and the tasks.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "main/Link.h"
#include "main/TaskSend.h"
#include "platform/MessageBox.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"
#include "shared/FormControl.h"
#include "shared/Public.h"

class QDialog;
class QObject;
class QWidget;

namespace posmod {

class frmMain;
class frmWaitDisp;
class frmParmJV;
class frmParm7W;
class frmParmZr4;
class frmAutoRunJVMode;
class frmAutoRun7WMode;
class frmAutoRunZr4Mode;
class frmSeigyoJVCmd;
class frmSeigyo7WCmd;
class frmSeigyoZ4Cmd;
class frmTeach_Command;

// Where Setting.ini lives: POSMOD_SETTINGS when set, else beside the program, else (that
// folder cannot be written) in the user's configuration folder.
std::string SettingsFilePath();

class Forms {
public:
    Forms();
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    Public pub;
    QtRuntime runtime;
    QtSerialPort MSComm1;
    QtTcpClient Winsock1;
    QtMessageSink messages;
    Link link;
    Tasks tasks;

    // What the wait window and the exit run the link through; tests may point these at
    // stubs before the wait window is created.
    LinkOps* linkOps = &link;
    TaskOps* taskOps = &tasks;

    std::string settingsPath;
    // Ends the program after Exit; the program quits its event loop.
    std::function<void()> endProgram;
    // Shows a dialog modal; tests answer it without a modal loop.
    std::function<void(QDialog&)> execDialog;

    frmMain& Main();
    frmWaitDisp& WaitDisp();
    frmParmJV& ParmJV();
    frmParm7W& Parm7W();
    frmParmZr4& ParmZr4();
    frmAutoRunJVMode& AutoRunJVMode();
    frmAutoRun7WMode& AutoRun7WMode();
    frmAutoRunZr4Mode& AutoRunZr4Mode();
    frmSeigyoJVCmd& SeigyoJVCmd();
    frmSeigyo7WCmd& Seigyo7WCmd();
    frmSeigyoZ4Cmd& SeigyoZ4Cmd();
    frmTeach_Command& Teach_Command();

    // The window of a form number, created when missing; nullptr for 10 and 12 and above.
    QWidget* form(int formNo);
    // The window of a form number if it exists already.
    QWidget* existingForm(int formNo) const;
    // A window by its name ("frmMain", ...) if it exists.
    QWidget* existingForm(const std::string& formName) const;

    // The one control of a window that the lock table names; nullptr when there is not exactly one.
    static QObject* findControl(QWidget* window, const QString& name);

    // Switches the controls of a window on or off (the window is created when missing);
    // 10 and 12 and above change nothing.
    void FormControl_Enable(uint8_t formNo, bool enable);

    // The wait window's transfer.
    uint8_t SendMain(int mode);
    // A transfer or a link operation runs: windows taking part must not close.
    bool operationRunning() const;

    // Opens a window at the main window's top-left corner: loaded afresh, then shown.
    void openAtMain(QWidget& w);

private:
    std::array<QWidget*, kFormCount> forms_{};
    frmWaitDisp* waitDisp_ = nullptr;
    template <class W> W& get(int formNo);
};

} // namespace posmod
