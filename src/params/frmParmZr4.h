#pragma once
// The common-parameter editor of the four-axis model: one grid of 23 parameters per axis.
#include <array>

#include "main/FormBase.h"
#include "shared/Public.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace posmod {

class frmParmZr4 : public EditorBase {
    Q_OBJECT
public:
    explicit frmParmZr4(Forms& forms);
    void Form_Load() override;

    QTabWidget* AutoSSTab;
    std::array<FlexGrid*, 4> PrmZ4FlexGrid;
    QLineEdit* SelHText;
    QComboBox* PrmSelZ4Combo;
    QGroupBox* PramReadZ4Frame;
    QPushButton* ParmZ4Csv_Cmd1;
    QGroupBox* PramWriteZ4Frame;
    QRadioButton* PramZ4Option1;
    QRadioButton* PramZ4Option2;
    QPushButton* ParmZ4Csv_Cmd2;
    QGroupBox* HexDecZ4Frame;
    QRadioButton* HexZ4Option;
    QRadioButton* DecZ4Option;
    QPushButton* SendZ4_Command;
    QPushButton* PrnZ4Command;
    QPushButton* DefaultZ4_Command;
    QPushButton* CancelZ4_Command;
    QPushButton* EndZ4_Command;

    // The current-data text of a grid row (1-23) from the words of one axis as read:
    // rows 1-11 the 4-bit field of the option word, 12-19 one word, 20-23 two words.
    static std::string CurrentText(const std::array<Public::Z4WordRec, 19>& words, int row, bool decimal);

private:
    void setupGrids();
    void showCurrent();
};

} // namespace posmod
