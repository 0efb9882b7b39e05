#pragma once
// The composition root: the shared data, the serial port and TCP client, the link, the
// tasks and the message seam, and the one instance of every window, created on first use
// (loaded, not shown) from the window table. Each window is handed only what it uses.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "main/Link.h"
#include "main/TaskSend.h"
#include "main/ui/MainServices.h"
#include "platform/MessageBox.h"
#include "platform/PrinterChoice.h"
#include "platform/QtFiles.h"
#include "platform/QtPointer.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"
#include "print/ui/PrintServices.h"
#include "shared/FormNumbers.h"
#include "shared/Public.h"
#include "shared/ui/WindowShell.h"
#include "transfer/CsvProcedures.h"
#include "transfer/Transfer.h"

class QDialog;
class QObject;
class QWidget;

namespace posmod {

class frmMain;
class frmWaitDisp;

// Where Setting.ini lives: POSMOD_SETTINGS when set, else beside the program, else (that
// folder cannot be written) in the user's configuration folder.
std::string SettingsFilePath();

class Forms : public WindowShell, public TransferRunner {
public:
    // messages: where every box goes; the program's own boxes when nullptr (tests capture).
    explicit Forms(MessageSink* messages = nullptr);
    ~Forms() override;
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    Public pub;
    QtRuntime runtime;
    QtSerialPort MSComm1;
    QtTcpClient Winsock1;
    QtFileWriter fileWriter;

private:
    QtMessageSink ownMessages_;
    MessageSink& messages_;

public:
    Link link;
    Tasks tasks;

    // What the wait window, the control windows and the exit run the link through; tests may
    // point these at stubs before those windows are created.
    LinkOps* linkOps = &link;
    TaskOps* taskOps = &tasks;

    QtPointer pointer;

    // The one file dialog the CSV dialogs of the main window and of the wait window show;
    // each of the two offers the name chosen last in it. The main window's is also the
    // export's.
    QtFileNameDialog fileDialog;
    RememberingFileDialog CsvDialog{fileDialog};
    RememberingFileDialog waitCsvDialog{fileDialog};
    // The CSV files of the editors, which the main window and the editors' CSV buttons run.
    CsvProcedures csvFiles{pub, runtime, CsvDialog, fileWriter, messages_, &pointer};
    // The PDF file of a print when the system has no printer (not the CSV dialog: its name stays).
    QtFileNameDialog pdfDialog;
    QtPrinterChoice printers;
    // What the print preview and its dialogs are handed.
    PrintServices printServices{pub, *this, messages_, &pointer, CsvDialog, pdfDialog, fileWriter, printers, runtime};

    std::string settingsPath;
    // Ends the program after Exit; the program quits its event loop.
    std::function<void()> endProgram;
    // Shows a dialog modal; tests answer it without a modal loop.
    std::function<void(QDialog&)> runDialog;
    // Tests: sees every modal dialog, placed and not yet shown, just before runDialog, with the
    // window that opens it (for a window shown through execDialog its parent's window, nullptr
    // when it has no parent).
    std::function<void(QDialog& dialog, const QWidget* opener)> dialogShown;

    MessageSink& messages() { return messages_; }
    MainServices mainServices();

    frmMain& Main();
    frmWaitDisp& WaitDisp();
    // The window of a class, created when missing.
    template <class W> W& window() { return *static_cast<W*>(form(formOf(W::staticMetaObject.className()))); }

    // WindowShell
    void FormControl_Enable(uint8_t formNo, bool enable) override;
    bool FormControl_Enabled(uint8_t formNo) const override;
    QWidget* form(int formNo) override;
    bool operationRunning() const override;
    bool linkBusy() const override { return link.busy(); }
    void execDialog(QDialog& d) override;
    int openDialog(dialog::No dialogNo, QWidget& opener) override;
    void openAtMain(int formNo) override;
    void closeForm(int formNo) override;

    // TransferRunner: the wait window's transfer.
    uint8_t SendMain(int mode) override;

    // The window of a form number if it exists already.
    QWidget* existingForm(int formNo) const;
    // A window by its name ("frmMain", "frmWaitDisp", ...) if it exists.
    QWidget* existingForm(const std::string& formName) const;
    // A window by its name, created when missing; nullptr when no row of the table has it.
    QWidget* form(const std::string& formName);

    // The one control of a window that the lock table names; nullptr when there is not exactly one.
    static QObject* findControl(QWidget* window, const QString& name);

    // The table of an editor that exists; none otherwise.
    EditorTable editorTable(int formNo) const;

private:
    static int formOf(const char* className);
    void showDialog(QDialog& d, const QWidget* opener);

    std::array<QWidget*, form::kCount> forms_{};
    std::array<bool, form::kCount> enabled_;
    frmWaitDisp* waitDisp_ = nullptr;
};

} // namespace posmod
