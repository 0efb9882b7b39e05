#pragma once
// The main window: model choice, link choice, the commands that start every function,
// start-up and shutdown of the tool.
#include <QMainWindow>
#include <array>

#include "main/ui/MainServices.h"
#include "transfer/CsvProcedures.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace posmod {

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(const MainServices& services);

    void Form_Load();
    void SettingMenu_Enable();

    void CpuCombo_Click();
    void Connect_Option_Click(int index);
    void ExitCommand_Click();

    void ParmSetCommand_Click();
    void AutoSetCommand_Click();
    void CpuRunStopCommand_Click();
    void ParmCsvCommand_Click();
    void AutoCsvCommand_Click();
    void CpuSendCommand_Click();
    void CpuReadCommand_Click();
    // The CSV load of the editors (the service the editors are handed runs it).
    uint8_t CsvData_ReadSub() { return s_.csv.CsvData_ReadSub(); }

    void mnuPaSet_Click() { ParmSetCommand_Click(); }
    void mnuAutoSet_Click() { AutoSetCommand_Click(); }
    void mnuRunStop_Click() { CpuRunStopCommand_Click(); }
    void mnuExit_Click() { ExitCommand_Click(); }
    void mnuAxisName_Click();
    void mnuRS232C_Click();
    void mnuEthernet_Click();
    void mnuAboutPassSet_Click();

    QLabel* Label1;
    QComboBox* CpuCombo;
    QGroupBox* ConnectFrame;
    std::array<QRadioButton*, 2> Connect_Option;
    QPushButton* ParmSetCommand;
    QPushButton* AutoSetCommand;
    QPushButton* CpuRunStopCommand;
    QGroupBox* CSVFrame2;
    QPushButton* ParmCsvCommand;
    QPushButton* AutoCsvCommand;
    QGroupBox* CSVFrame1;
    QPushButton* CpuSendCommand;
    QPushButton* CpuReadCommand;
    QPushButton* ExitCommand;

    QMenu* mnuFile;
    QAction* mnuAxisName;
    QAction* mnuExit;
    QMenu* mnuMode;
    QAction* mnuPaSet;
    QAction* mnuAutoSet;
    QAction* mnuRunStop;
    QMenu* mnuSetting;
    QAction* mnuRS232C;
    QAction* mnuEthernet;
    QMenu* mnuHelp;
    QAction* mnuAboutPassSet;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void lock();
    void unlock();
    // The editor of the chosen model opened over the main window.
    void openParamEditor();
    void openPositioningEditor();
    // The settings dialogs: refused while a transfer or link operation runs (their stores
    // would reach its requests).
    bool settingsDialogAllowed() const;

    MainServices s_;
};

} // namespace posmod
