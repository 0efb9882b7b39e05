#pragma once
// The RS-232C settings dialog: network address, station number, transmission procedure,
// rate, port and RUS numbers; OK checks, stores in the settings and closes.
#include <QDialog>
#include <array>

#include "shared/ui/SettingsControls.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace posmod {

class MessageSink;
class SerialPort;
struct Public;

class frmSetting : public QDialog {
    Q_OBJECT
    // First: the control arrays below refer into them.
    NetworkControls net_;
    StationControls station_;
    RusControls rus_;

public:
    // comm: the serial port whose settings text OK sets from the rate chosen.
    frmSetting(Public& pub, MessageSink& messages, SerialPort& comm, QWidget* parent = nullptr);

    void Form_Load();
    void NetworkOption_Click(int index) { NetworkOption_Apply(net_, index); }
    void StationOption_Click(int index) { StationOption_Apply(station_, index); }
    void PoLabel_Click();
    void TrLabel_Click();
    // Kind 0 the station number, kind 1 the network address; 1 when the check failed (its
    // message shown, the focus in the box at fault), else 0.
    int SettingInput_Check(int kind);
    void DataSetCommand_Click();
    void DataCancelCommand_Click() { reject(); }

    std::array<QRadioButton*, 2>& NetworkOption = net_.NetworkOption;
    std::array<QLineEdit*, 2>& LoopText = net_.LoopText;
    std::array<QRadioButton*, 2>& StationOption = station_.StationOption;
    QLineEdit*& StationText = station_.StationText;
    std::array<QComboBox*, 3>& Rus_Combo = rus_.Rus_Combo;
    QGroupBox* ProtocolFrame;
    QGroupBox* ProcedureFrame;
    std::array<QRadioButton*, 2> ProcedureOption;
    QGroupBox* CommFrame;
    QLabel* TrLabel;
    QComboBox* BitCombo;
    QLabel* PoLabel;
    QComboBox* PortCombo;
    QPushButton* DataSetCommand;
    QPushButton* DataCancelCommand;

private:
    RsEntries entries() const;

    Public& pub_;
    MessageSink& msg_;
    SerialPort& comm_;
};

} // namespace posmod
