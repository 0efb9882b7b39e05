#pragma once
// The positioning editor of the two-axis models: one grid per axis on two tabs.
#include <array>

#include "positioning/ui/StepEditor.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace posmod {

class frmAutoRun7WMode : public StepEditorBase {
    Q_OBJECT
public:
    frmAutoRun7WMode(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
                     CsvProcedures& csvFiles);
    void Form_Load() override;

    QTabWidget* AutoSSTab;
    std::array<FlexGrid*, 2> RunMode7WGrid;
    QLineEdit* AutoSel7WText;
    QComboBox* AutoSel7WCombo;
    QGroupBox* AutoHexDec7WFrame;
    QRadioButton* AutoHex7WOption;
    QRadioButton* AutoDec7WOption;
    QGroupBox* AutoRead7WFrame;
    QPushButton* Auto7WCsv_Cmd1;
    QGroupBox* AutoWrite7WFrame;
    QRadioButton* Auto7WOption1;
    QRadioButton* Auto7WOption2;
    QPushButton* Auto7WCsv_Cmd2;
    QPushButton* AutoCancel7W_Command;
    QPushButton* AutoSend7W_Command;
    QPushButton* AutoDefault7W_Command;
    QPushButton* PrnCommand;
    QPushButton* AutoEnd7W_Command;

protected:
    void fillCurrent() override;
};

} // namespace posmod
