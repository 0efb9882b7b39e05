#pragma once
// The Ethernet settings dialog: the module's address and port in hexadecimal or decimal
// entry, the serial number, network address, station number and RUS numbers.
#include <QDialog>
#include <array>

#include "shared/ui/SettingsControls.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace posmod {

class MessageSink;
struct Public;

class frmInsSetting : public QDialog {
    Q_OBJECT
    // First: the control arrays below refer into them.
    NetworkControls net_;
    StationControls station_;
    RusControls rus_;

public:
    frmInsSetting(Public& pub, MessageSink& messages, QWidget* parent = nullptr);
    ~frmInsSetting() override;

    void Form_Activate();
    void Check1_Click();
    void IPText_LostFocus(int index);
    void DefCommand_Click();
    void NetworkOption_Click(int index) { NetworkOption_Apply(net_, index); }
    void StationOption_Click(int index) { StationOption_Apply(station_, index); }
    void DataSetCommand_Click();
    void DataCancelCommand_Click() { reject(); }

    // The entry colours.
    static QColor DecimalColour() { return QColor(255, 255, 128); }
    static QColor HexColour() { return QColor(255, 128, 128); }

    QGroupBox* ModuleFrame;
    std::array<QLineEdit*, kIpBoxCount> IPText;
    std::array<QLabel*, 2> Label1;
    QLabel* Label2;
    QLabel* Label8;
    QLabel* Label3;
    QLabel* Label10;
    std::array<QLabel*, 4> Label4;
    QCheckBox* Check1;
    QPushButton* DefCommand;
    std::array<QRadioButton*, 2>& NetworkOption = net_.NetworkOption;
    std::array<QLineEdit*, 2>& LoopText = net_.LoopText;
    QGroupBox* SerialFrame;
    QLineEdit* TBNText;
    std::array<QRadioButton*, 2>& StationOption = station_.StationOption;
    QLineEdit*& StationText = station_.StationText;
    std::array<QComboBox*, 3>& Rus_Combo = rus_.Rus_Combo;
    QPushButton* DataSetCommand;
    QPushButton* DataCancelCommand;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    IpBoxes boxes() const;
    void setBoxes(const IpBoxes& b);
    // The index of the address or port box holding the focus, -1 when none does.
    int focusedBox() const;

    Public& pub_;
    MessageSink& msg_;
    bool activated_ = false;
};

} // namespace posmod
