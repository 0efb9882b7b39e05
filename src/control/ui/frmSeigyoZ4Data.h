#pragma once
// The setting data dialog of the four-axis commands that carry a data block: seven rows of
// data per axis, enabled as the command and the checked axes need them, shown in hexadecimal
// or decimal; OK packs them into Z4DataBlock. The rules are the core's (Z4DataForm); the
// dialog copies the texts between its fields and the core around every action.
#include <QDialog>
#include <array>

#include "control/Z4Data.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace posmod {

class frmSeigyoZ4Data : public QDialog {
    Q_OBJECT
public:
    // Loaded for p.Z4CommandIndex and p.Z4AxisMask; a fresh dialog for every use.
    frmSeigyoZ4Data(Public& pub, MessageSink& messages, QWidget* parent = nullptr);

    void DataSetCommand_Click();
    void DataCancelCommand_Click();
    void HexZ4Option_Click();
    void DecZ4Option_Click();

    using Row = std::array<QLineEdit*, kZ4DataRows>;
    std::array<QLabel*, kZ4DataAxes> JikLabel;
    std::array<std::array<QLabel*, kZ4DataRows>, kZ4DataAxes> SeLabel; // SeLabel1 .. SeLabel4
    std::array<Row, kZ4DataAxes> SeText;                               // SeText1 .. SeText4
    QGroupBox* HexDecZ4Frame;
    QRadioButton* HexZ4Option;
    QRadioButton* DecZ4Option;
    QPushButton* DataSetCommand;
    QPushButton* DataCancelCommand;

protected:
    // The close box and Esc: a cancel.
    void reject() override;

private:
    void Form_Load();
    // Fields -> core before a rule runs, core -> fields (texts and the display chosen) after.
    void pull();
    void push();

    Public& pub_;
    Z4DataForm form_;
};

} // namespace posmod
