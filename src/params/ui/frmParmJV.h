#pragma once
// The common-parameter editor of the one-axis model: the twelve parameters with the
// values read from the module, edited in place.
#include <memory>

#include "shared/ui/EditorTableSource.h"
#include "shared/ui/FormBase.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace posmod {

class CellEditor;

class frmParmJV : public EditorBase, public EditorTableSource {
    Q_OBJECT
public:
    frmParmJV(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
              CsvProcedures& csvFiles);
    ~frmParmJV() override;
    void Form_Load() override;
    EditorTable editorTable() override;
    CellEditor& cellEditor() { return *editor_; }

    FlexGrid* PrmFlexGrid;
    QLineEdit* SelText;
    QGroupBox* HexDecFrame;
    QRadioButton* HexOption;
    QRadioButton* DecOption;
    QGroupBox* RunModeFrame;
    QRadioButton* CpuReadOption;
    QRadioButton* CpuWriteOption;
    QPushButton* RunModeCommand;
    QGroupBox* ParmCsvJVFrame;
    QGroupBox* PramReadJVFrame;
    QPushButton* ParmJVCsv_Cmd1;
    QGroupBox* PramWriteJVFrame;
    QRadioButton* PramJVOption1;
    QRadioButton* PramJVOption2;
    QPushButton* ParmJVCsv_Cmd2;
    QPushButton* Send_Command;
    QPushButton* PrnCommand;
    QPushButton* Default_Command;
    QPushButton* Cancel_Command;
    QPushButton* End_Command;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void setupGrid();
    void DecOption_Toggled(bool decimal);
    void Cancel_Command_Click();
    void Default_Command_Click();
    void Send_Command_Click();
    void RunModeCommand_Click();
    void ParmJVCsv_Cmd1_Click();
    void ParmJVCsv_Cmd2_Click();
    void PrnCommand_Click();

    std::unique_ptr<CellEditor> editor_;
};

} // namespace posmod
