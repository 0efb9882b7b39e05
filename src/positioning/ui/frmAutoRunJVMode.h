#pragma once
// The positioning editor of the one-axis model: two rows per step of the step window.
#include "positioning/ui/StepEditor.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace posmod {

class frmAutoRunJVMode : public StepEditorBase {
    Q_OBJECT
public:
    frmAutoRunJVMode(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
                     CsvProcedures& csvFiles);
    void Form_Load() override;

    FlexGrid* RunModeGrid;
    QLineEdit* AutoSelText;
    QComboBox* AutoSelCombo;
    QGroupBox* AutoCsvJVFrame;
    QGroupBox* AutoWriteJVFrame;
    QRadioButton* AutoJVOption1;
    QRadioButton* AutoJVOption2;
    QPushButton* AutoJVCsv_Cmd2;
    QGroupBox* AutoReadJVFrame;
    QPushButton* AutoJVCsv_Cmd1;
    QGroupBox* AutoHexDecFrame;
    QRadioButton* AutoHexOption;
    QRadioButton* AutoDecOption;
    QPushButton* AutoCancel_Command;
    QPushButton* AutoDefault_Command;
    QPushButton* AutoSend_Command;
    QPushButton* PrnCommand;
    QPushButton* AutoEnd_Command;

protected:
    void fillCurrent() override;

private:
    void AutoSend_Command_Click();
};

} // namespace posmod
