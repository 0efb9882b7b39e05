#include "main/ui/frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "main/LinkApi.h"
#include "shared/FormNumbers.h"
#include "shared/LinkPorts.h"
#include "shared/Messages.h"
#include "shared/ModelTable.h"
#include "shared/Public.h"
#include "shared/SettingsFile.h"
#include "shared/ui/FormBase.h"
#include "shared/ui/WindowShell.h"
#include "transfer/Transfer.h"

namespace posmod {

namespace {
QAction* NewItem(QMenu* menu, const char* name, const char* caption)
{
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(name);
    return a;
}
} // namespace

frmMain::frmMain(const MainServices& services) : QMainWindow(nullptr), s_(services)
{
    setObjectName("frmMain");
    setWindowTitle("Positioning module data seting tool");

    auto* central = new QWidget(this);
    setCentralWidget(central);

    Label1 = NewLabel(central, "Label1", "Module");
    CpuCombo = NewCombo(central, "CpuCombo");
    CpuCombo->setMinimumWidth(160);

    ConnectFrame = NewFrame(central, "ConnectFrame", "Operation for Connection (&B)");
    for (int i = 0; i < 2; ++i)
        Connect_Option[static_cast<size_t>(i)] =
            NewOption(ConnectFrame, ArrayName("Connect_Option", i), i == 0 ? "RS-232C" : "Ethernet");

    ParmSetCommand = NewButton(central, "ParmSetCommand", "Common parameter setting(&N)");
    AutoSetCommand = NewButton(central, "AutoSetCommand", "Automatic operation data setting(&O)");
    CpuRunStopCommand = NewButton(central, "CpuRunStopCommand", "Operation start stop(&P)");
    CSVFrame2 = NewFrame(central, "CSVFrame2", "CSV file making");
    ParmCsvCommand = NewButton(CSVFrame2, "ParmCsvCommand", "Common parameter create(&D)");
    AutoCsvCommand = NewButton(CSVFrame2, "AutoCsvCommand", "Automatic operation position data(&E)");
    CSVFrame1 = NewFrame(central, "CSVFrame1", "CSV file transmission and reception");
    CpuSendCommand = NewButton(CSVFrame1, "CpuSendCommand", "Data load(Csv file >>> Cpu) (&R)");
    CpuReadCommand = NewButton(CSVFrame1, "CpuReadCommand", "Data save(Cpu >>> Csv file) (&W)");
    ExitCommand = NewButton(central, "ExitCommand", "Exit(&X)");

    // Layout: model and link on top, the commands below.
    auto* top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addWidget(CpuCombo, 1);
    auto* connectBox = new QHBoxLayout(ConnectFrame);
    connectBox->addWidget(Connect_Option[0]);
    connectBox->addWidget(Connect_Option[1]);
    auto* makeBox = new QVBoxLayout(CSVFrame2);
    makeBox->addWidget(ParmCsvCommand);
    makeBox->addWidget(AutoCsvCommand);
    auto* sendBox = new QVBoxLayout(CSVFrame1);
    sendBox->addWidget(CpuSendCommand);
    sendBox->addWidget(CpuReadCommand);
    auto* grid = new QGridLayout(central);
    grid->addLayout(top, 0, 0);
    grid->addWidget(ConnectFrame, 0, 1);
    grid->addWidget(ParmSetCommand, 1, 0);
    grid->addWidget(AutoSetCommand, 2, 0);
    grid->addWidget(CpuRunStopCommand, 3, 0);
    grid->addWidget(CSVFrame2, 1, 1, 2, 1);
    grid->addWidget(CSVFrame1, 3, 1, 2, 1);
    grid->addWidget(ExitCommand, 4, 0);
    for (QPushButton* b : {ParmSetCommand, AutoSetCommand, CpuRunStopCommand, ExitCommand})
        b->setMinimumHeight(36);

    mnuFile = menuBar()->addMenu("[File(&F)]");
    mnuFile->setObjectName("mnuFile");
    mnuAxisName = NewItem(mnuFile, "mnuAxisName", "Axis Name Setting(&J)");
    mnuExit = NewItem(mnuFile, "mnuExit", "Exit(&X)");
    mnuMode = menuBar()->addMenu("[Mode(&M)]");
    mnuMode->setObjectName("mnuMode");
    mnuPaSet = NewItem(mnuMode, "mnuPaSet", "Common parameter setting(&S)");
    mnuAutoSet = NewItem(mnuMode, "mnuAutoSet", "Automatic operation data setting(&R)");
    mnuRunStop = NewItem(mnuMode, "mnuRunStop", "Operation start stop(&H)");
    mnuSetting = menuBar()->addMenu("[Setting(&S)]");
    mnuSetting->setObjectName("mnuSetting");
    mnuRS232C = NewItem(mnuSetting, "mnuRS232C", "RS-232C(&R)");
    mnuEthernet = NewItem(mnuSetting, "mnuEthernet", "Ethernet(&E)");
    mnuHelp = menuBar()->addMenu("[Help(&H)]");
    mnuHelp->setObjectName("mnuHelp");
    mnuAboutPassSet = NewItem(mnuHelp, "mnuAboutPassSet", "Version Information(&A)");

    connect(CpuCombo, &QComboBox::activated, this, [this](int) { CpuCombo_Click(); });
    for (int i = 0; i < 2; ++i)
        connect(Connect_Option[static_cast<size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { Connect_Option_Click(i); });
    connect(ParmSetCommand, &QPushButton::clicked, this, &frmMain::ParmSetCommand_Click);
    connect(AutoSetCommand, &QPushButton::clicked, this, &frmMain::AutoSetCommand_Click);
    connect(CpuRunStopCommand, &QPushButton::clicked, this, &frmMain::CpuRunStopCommand_Click);
    connect(ParmCsvCommand, &QPushButton::clicked, this, &frmMain::ParmCsvCommand_Click);
    connect(AutoCsvCommand, &QPushButton::clicked, this, &frmMain::AutoCsvCommand_Click);
    connect(CpuSendCommand, &QPushButton::clicked, this, &frmMain::CpuSendCommand_Click);
    connect(CpuReadCommand, &QPushButton::clicked, this, &frmMain::CpuReadCommand_Click);
    connect(ExitCommand, &QPushButton::clicked, this, &frmMain::ExitCommand_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuAxisName, &QAction::triggered, this, &frmMain::mnuAxisName_Click);
    connect(mnuRS232C, &QAction::triggered, this, &frmMain::mnuRS232C_Click);
    connect(mnuEthernet, &QAction::triggered, this, &frmMain::mnuEthernet_Click);
    connect(mnuAboutPassSet, &QAction::triggered, this, &frmMain::mnuAboutPassSet_Click);
    connect(mnuPaSet, &QAction::triggered, this, &frmMain::mnuPaSet_Click);
    connect(mnuAutoSet, &QAction::triggered, this, &frmMain::mnuAutoSet_Click);
    connect(mnuRunStop, &QAction::triggered, this, &frmMain::mnuRunStop_Click);
}

void frmMain::Form_Load()
{
    Public& p = s_.pub;
    SerialPort& comm = s_.comm;

    Setting_ReadSub(p.set, s_.settingsPath, comm);

    const int option = p.set.S_Setting != 0 ? 1 : 0;
    Connect_Option[static_cast<size_t>(option)]->setChecked(true);
    Connect_Option_Click(option);

    // An unusable rate leaves the port unable to open; the link reports that when used.
    comm.setSettings(p.set.R_RateNo + ",e,7,1");
    comm.clearInput();
    comm.clearOutput();

    p.ReplyStatusOffset = p.set.R_StatNo.empty() ? 0 : 2;

    SettingMenu_Enable();

    CpuCombo->clear();
    for (const ModelRow& m : kModelTable) CpuCombo->addItem(QString::fromUtf8(m.text));

    p.ModelSelectReady = 0;

    int index = p.set.ModuleNoIni;
    if (index < 0 || index >= static_cast<int>(kModelTable.size())) index = 0;
    CpuCombo->setCurrentIndex(index);
    Model_StartupSelect(p, index);

    ModuleAddress_Set(p.set);

    QWidget& wait = s_.waitWindow();
    wait.move(pos());
    wait.show();
    wait.hide();

    show();

    p.SendCancel = -1;
    p.ModelSelectReady = 1;
}

void frmMain::SettingMenu_Enable() { SetControlEnabled(mnuSetting, true); }

void frmMain::CpuCombo_Click()
{
    Public& p = s_.pub;
    if (p.ModelSelectReady == 0) return;
    const int before = p.ModuleType;
    Model_Choose(p, CpuCombo->currentText().toStdString());
    // An open control window would send its words to a module of another type.
    if (p.ModuleType != before) s_.shell.closeForm(Model_ForType(before).controlForm);
}

void frmMain::Connect_Option_Click(int index) { s_.pub.set.LinkKind = index == 0 ? 0 : 1; }

void frmMain::ExitCommand_Click()
{
    // Never under a running transfer or link operation: their waits run inside the event loop.
    if (s_.shell.operationRunning()) return;
    s_.link.TSK1600();
    s_.link.POCLS();
    const bool written = Setting_WriteSub(s_.pub.set, s_.settingsPath, Connect_Option[0]->isChecked(),
                                          CpuCombo->currentText().toStdString(), s_.fileWriter);
    if (!written) s_.messages.show(kSettingsNotSavedMessage, MsgIcon::Exclamation);
    s_.endProgram();
}

void frmMain::closeEvent(QCloseEvent* e)
{
    if (s_.shell.operationRunning()) {
        e->ignore();
        return;
    }
    ExitCommand_Click();
    e->accept();
}

void frmMain::lock() { s_.shell.FormControl_Enable(form::frmMain, false); }
void frmMain::unlock() { s_.shell.FormControl_Enable(form::frmMain, true); }

void frmMain::openParamEditor() { s_.shell.openAtMain(Model_ForType(s_.pub.ModuleType).paramForm); }

void frmMain::openPositioningEditor() { s_.shell.openAtMain(Model_ForType(s_.pub.ModuleType).autoForm); }

void frmMain::ParmSetCommand_Click()
{
    lock();
    s_.pub.DataSourceCaption = "";
    if (s_.transfers.SendMain(1) == 1) {
        hide();
        openParamEditor();
    } else {
        unlock();
    }
}

void frmMain::AutoSetCommand_Click()
{
    s_.shell.openDialog(dialog::frmStepSet, *this);
    s_.pub.DataSourceCaption = "";
    if (s_.pub.StepRange.Result == 2) return;
    lock();
    if (s_.transfers.SendMain(5) == 1) {
        hide();
        openPositioningEditor();
    } else {
        unlock();
    }
}

void frmMain::CpuRunStopCommand_Click()
{
    s_.shell.openAtMain(Model_ForType(s_.pub.ModuleType).controlForm);
}

void frmMain::ParmCsvCommand_Click()
{
    lock();
    s_.pub.DataSourceCaption = "[Csv file]";
    hide();
    Model_BuildRegisters(s_.pub);
    openParamEditor();
}

void frmMain::AutoCsvCommand_Click()
{
    lock();
    s_.pub.DataSourceCaption = "[Csv file]";
    hide();
    Model_BuildRegisters(s_.pub);
    openPositioningEditor();
}

void frmMain::CpuSendCommand_Click()
{
    lock();
    s_.transfers.SendMain(9);
    unlock();
}

void frmMain::CpuReadCommand_Click()
{
    s_.shell.openDialog(dialog::frmCsvRead, *this);
    if (s_.pub.CsvStoreRange[0] == 3) return;
    lock();
    s_.transfers.SendMain(10);
    unlock();
}

bool frmMain::settingsDialogAllowed() const
{
    return !s_.shell.operationRunning() && !s_.pub.ControlBusy;
}

void frmMain::mnuAxisName_Click()
{
    if (!settingsDialogAllowed()) return;
    if (Model_Family(s_.pub.ModuleType) == ModelFamily::OneAxis) return; // no axis names
    s_.shell.openDialog(dialog::frmAxisName, *this);
}

void frmMain::mnuRS232C_Click()
{
    if (!settingsDialogAllowed()) return;
    s_.shell.openDialog(dialog::frmSetting, *this);
    // A link left open by a failed operation would be reused with the old port or address.
    s_.link.POCLS();
}

void frmMain::mnuEthernet_Click()
{
    if (!settingsDialogAllowed()) return;
    s_.shell.openDialog(dialog::frmInsSetting, *this);
    s_.link.POCLS();
}

void frmMain::mnuAboutPassSet_Click()
{
    s_.shell.openDialog(dialog::frmVerRev, *this);
}

} // namespace posmod
