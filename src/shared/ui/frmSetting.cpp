#include "shared/ui/frmSetting.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/QtSerialPort.h"
#include "shared/LinkPorts.h"
#include "shared/Public.h"
#include "shared/ui/FormBase.h"

namespace posmod {

frmSetting::frmSetting(Public& pub, MessageSink& messages, SerialPort& comm, QWidget* parent)
    : QDialog(parent), pub_(pub), msg_(messages), comm_(comm)
{
    setObjectName("frmSetting");
    setWindowTitle("Setting Communication");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    NewNetworkFrame(this, net_, [this](int i) { NetworkOption_Click(i); });
    ProtocolFrame = NewFrame(this, "ProtocolFrame", "QV-PROTOCOL");
    NewStationFrame(ProtocolFrame, station_, [this](int i) { StationOption_Click(i); });
    ProcedureFrame = NewFrame(ProtocolFrame, "ProcedureFrame", "Transmission Control");
    ProcedureOption[0] = NewOption(ProcedureFrame, ArrayName("ProcedureOption", 0), "Procedure 1");
    ProcedureOption[1] = NewOption(ProcedureFrame, ArrayName("ProcedureOption", 1), "Procedure 2");
    CommFrame = NewFrame(this, "CommFrame", "Communication");
    TrLabel = NewLabel(CommFrame, "TrLabel", "Transfer rate");
    BitCombo = NewCombo(CommFrame, "BitCombo");
    PoLabel = NewLabel(CommFrame, "PoLabel", "Port No");
    PortCombo = NewCombo(CommFrame, "PortCombo");
    TrLabel->setBuddy(BitCombo);
    PoLabel->setBuddy(PortCombo);
    NewRusFrame(this, rus_);
    DataSetCommand = NewButton(this, "DataSetCommand", "OK(&O)");
    DataSetCommand->setDefault(true);
    DataCancelCommand = NewButton(this, "DataCancelCommand", "Cancel(&C)");

    auto* procBox = new QVBoxLayout(ProcedureFrame);
    procBox->addWidget(ProcedureOption[0]);
    procBox->addWidget(ProcedureOption[1]);
    auto* protoBox = new QHBoxLayout(ProtocolFrame);
    protoBox->addWidget(station_.frame);
    protoBox->addWidget(ProcedureFrame);
    auto* commGrid = new QGridLayout(CommFrame);
    commGrid->addWidget(TrLabel, 0, 0);
    commGrid->addWidget(BitCombo, 0, 1);
    commGrid->addWidget(PoLabel, 1, 0);
    commGrid->addWidget(PortCombo, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DataSetCommand);
    buttons->addWidget(DataCancelCommand);
    auto* grid = new QGridLayout(this);
    grid->addWidget(net_.frame, 0, 0);
    grid->addWidget(ProtocolFrame, 0, 1);
    grid->addWidget(CommFrame, 1, 0);
    grid->addWidget(rus_.frame, 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);

    OnLabelClick(PoLabel, [this] { PoLabel_Click(); });
    OnLabelClick(TrLabel, [this] { TrLabel_Click(); });
    connect(DataSetCommand, &QPushButton::clicked, this, &frmSetting::DataSetCommand_Click);
    connect(DataCancelCommand, &QPushButton::clicked, this, &frmSetting::DataCancelCommand_Click);

    FitTitle(this);
    Form_Load();
}

void frmSetting::Form_Load()
{
    const RsEntries e = RsEntries_Load(pub_.set);
    NetworkControls_Fill(net_, e.net);
    StationControls_Fill(station_, e.station);
    ProcedureOption[e.procedure1 ? 0 : 1]->setChecked(true);
    List_Fill(BitCombo, RateEntries(), e.rate);
    List_Fill(PortCombo, PortEntries(), e.port);
    // Each port's tooltip names the device it stands for here.
    for (int i = 0; i < PortCombo->count(); ++i)
        PortCombo->setItemData(i, QString::fromStdString(serialDeviceForPort(i + 1)), Qt::ToolTipRole);
    RusControls_Fill(rus_, e.rus);
}

void frmSetting::PoLabel_Click() { PortCombo->setFocus(Qt::MouseFocusReason); }

void frmSetting::TrLabel_Click() { BitCombo->setFocus(Qt::MouseFocusReason); }

RsEntries frmSetting::entries() const
{
    RsEntries e;
    e.net = NetworkControls_Read(net_);
    e.station = StationControls_Read(station_);
    e.procedure1 = ProcedureOption[0]->isChecked();
    e.rate = List_Choice(BitCombo);
    e.port = List_Choice(PortCombo);
    e.rus = RusControls_Read(rus_);
    return e;
}

int frmSetting::SettingInput_Check(int kind)
{
    const RsEntries e = entries();
    const SettingFault f = kind == 0 ? StationInput_Check(e.station) : NetworkInput_Check(e.net);
    if (!f.failed()) return 0;
    SettingFault_Report(f, msg_, StationText, net_);
    return 1;
}

void frmSetting::DataSetCommand_Click()
{
    if (SettingInput_Check(0) == 1) return;
    if (SettingInput_Check(1) == 1) return;
    const std::string serialSettings = RsEntries_Store(entries(), pub_.set, pub_.ReplyStatusOffset);
    // An unusable rate leaves the port unable to open; the link reports that when used.
    if (!serialSettings.empty()) comm_.setSettings(serialSettings);
    accept();
}

} // namespace posmod
