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

#include "control/ui/frmSeigyo7WCmd.h"
#include "control/ui/frmSeigyoJVCmd.h"
#include "control/ui/frmSeigyoZ4Cmd.h"
#include "shared/ui/FormBase.h"
#include "app/Forms.h"
#include "shared/ModelTable.h"
#include "params/ui/frmParm7W.h"
#include "params/ui/frmParmJV.h"
#include "params/ui/frmParmZr4.h"
#include "positioning/ui/frmAutoRun7WMode.h"
#include "positioning/ui/frmAutoRunJVMode.h"
#include "positioning/ui/frmAutoRunZr4Mode.h"
#include "positioning/ui/frmStepSet.h"
#include "shared/RegisterTable.h"
#include "shared/SettingsFile.h"
#include "transfer/ui/frmCsvRead.h"
#include "transfer/ui/frmWaitDisp.h"

namespace posmod {

namespace {
QAction* NewItem(QMenu* menu, const char* name, const char* caption)
{
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(name);
    return a;
}
} // namespace

frmMain::frmMain(Forms& forms) : QMainWindow(nullptr), forms_(forms)
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

    // The settings, axis-name and version dialogs come later.
    for (QAction* a : {mnuAxisName, mnuRS232C, mnuEthernet, mnuAboutPassSet}) MarkNotBuilt(a);
    // The copies between a CSV file and the module (wait-window modes 9 and 10) come later.
    MarkNotBuilt({CpuSendCommand, CpuReadCommand});

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
    connect(mnuPaSet, &QAction::triggered, this, &frmMain::mnuPaSet_Click);
    connect(mnuAutoSet, &QAction::triggered, this, &frmMain::mnuAutoSet_Click);
    connect(mnuRunStop, &QAction::triggered, this, &frmMain::mnuRunStop_Click);

    forms_.messages.setParentWidget(this);
    forms_.link.SettingMenu_Enable = [this] { SettingMenu_Enable(); };
}

void frmMain::Form_Load()
{
    Public& p = forms_.pub;
    SerialPort& comm = forms_.MSComm1;

    Setting_ReadSub(p.set, forms_.settingsPath, comm);

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

    frmWaitDisp& wait = forms_.WaitDisp();
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
    Public& p = forms_.pub;
    if (p.ModelSelectReady == 0) return;
    Model_Choose(p, CpuCombo->currentText().toStdString());
}

void frmMain::Connect_Option_Click(int index) { forms_.pub.set.LinkKind = index == 0 ? 0 : 1; }

void frmMain::ExitCommand_Click()
{
    // Never under a running transfer or link operation: their waits run inside the event loop.
    if (forms_.operationRunning()) return;
    forms_.linkOps->TSK1600();
    forms_.linkOps->POCLS();
    const bool written = Setting_WriteSub(forms_.pub.set, forms_.settingsPath, Connect_Option[0]->isChecked(),
                                          CpuCombo->currentText().toStdString());
    if (!written) forms_.messages.show(kSettingsNotSavedMessage, MsgIcon::Exclamation);
    forms_.endProgram();
}

void frmMain::closeEvent(QCloseEvent* e)
{
    if (forms_.operationRunning()) {
        e->ignore();
        return;
    }
    ExitCommand_Click();
    e->accept();
}

void frmMain::lock() { forms_.FormControl_Enable(0, false); }
void frmMain::unlock() { forms_.FormControl_Enable(0, true); }

void frmMain::openParamEditor()
{
    switch (forms_.pub.ModuleType) {
    case 1: forms_.openAtMain(forms_.ParmJV()); break;
    case 5: forms_.openAtMain(forms_.ParmZr4()); break;
    default: forms_.openAtMain(forms_.Parm7W()); break;
    }
}

void frmMain::openPositioningEditor()
{
    switch (forms_.pub.ModuleType) {
    case 1: forms_.openAtMain(forms_.AutoRunJVMode()); break;
    case 5: forms_.openAtMain(forms_.AutoRunZr4Mode()); break;
    default: forms_.openAtMain(forms_.AutoRun7WMode()); break;
    }
}

void frmMain::ParmSetCommand_Click()
{
    lock();
    forms_.pub.DataSourceCaption = "";
    if (forms_.SendMain(1) == 1) {
        hide();
        openParamEditor();
    } else {
        unlock();
    }
}

void frmMain::AutoSetCommand_Click()
{
    frmStepSet dialog(forms_.pub, this);
    forms_.execDialog(dialog);
    forms_.pub.DataSourceCaption = "";
    if (forms_.pub.StepRange.Result == 2) return;
    lock();
    if (forms_.SendMain(5) == 1) {
        hide();
        openPositioningEditor();
    } else {
        unlock();
    }
}

void frmMain::CpuRunStopCommand_Click()
{
    switch (forms_.pub.ModuleType) {
    case 1: forms_.openAtMain(forms_.SeigyoJVCmd()); break;
    case 5: forms_.openAtMain(forms_.SeigyoZ4Cmd()); break;
    default: forms_.openAtMain(forms_.Seigyo7WCmd()); break;
    }
}

void frmMain::ParmCsvCommand_Click()
{
    lock();
    forms_.pub.DataSourceCaption = "[Csv file]";
    hide();
    CodeTable_ForType(forms_.pub.reg, forms_.pub.ModuleType);
    openParamEditor();
}

void frmMain::AutoCsvCommand_Click()
{
    lock();
    forms_.pub.DataSourceCaption = "[Csv file]";
    hide();
    CodeTable_ForType(forms_.pub.reg, forms_.pub.ModuleType);
    openPositioningEditor();
}

void frmMain::CpuSendCommand_Click()
{
    if (IsNotBuilt(CpuSendCommand)) return;
    lock();
    forms_.SendMain(9);
    unlock();
}

void frmMain::CpuReadCommand_Click()
{
    if (IsNotBuilt(CpuReadCommand)) return;
    frmCsvRead dialog(forms_.pub, this);
    forms_.execDialog(dialog);
    if (forms_.pub.CsvStoreRange[0] == 3) return;
    lock();
    forms_.SendMain(10);
    unlock();
}

} // namespace posmod
