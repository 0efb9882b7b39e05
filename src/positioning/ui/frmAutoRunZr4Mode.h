#pragma once
// The positioning editor of the four-axis model: one grid per axis on four tabs, and teaching.
#include <array>

#include "positioning/ui/StepEditor.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace posmod {

class frmAutoRunZr4Mode : public StepEditorBase {
    Q_OBJECT
public:
    frmAutoRunZr4Mode(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
                      CsvProcedures& csvFiles);
    void Form_Load() override;

    std::array<FlexGrid*, 4> RunModeZr4Grid;
    QTabWidget* AutoSSTab;
    QLineEdit* AutoSelZ4Text;
    QComboBox* AutoSelZ4Combo;
    QGroupBox* AutoHexDecZ4Frame;
    QRadioButton* AutoHexZ4Option;
    QRadioButton* AutoDecZ4Option;
    QGroupBox* AutoReadZ4Frame;
    QPushButton* AutoZ4Csv_Cmd1;
    QGroupBox* AutoWriteZ4Frame;
    QRadioButton* AutoZ4Option1;
    QRadioButton* AutoZ4Option2;
    QPushButton* AutoZ4Csv_Cmd2;
    QPushButton* AutoCancelZ4_Command;
    QPushButton* AutoDefaultZ4_Command;
    QPushButton* AutoSendZ4_Command;
    QPushButton* PrnZ4Command;
    QPushButton* Teach_Command;
    QPushButton* AutoEndZ4_Command;

protected:
    void fillCurrent() override;
    void Form_Unload() override;

private:
    void Teach_Command_Click();
};

} // namespace posmod
