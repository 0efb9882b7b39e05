#pragma once
// The common-parameter editor of the two-axis models: X and Y side by side, one edit box
// serving both grids.
#include <array>
#include <memory>

#include "shared/ui/EditorTableSource.h"
#include "shared/ui/FormBase.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace posmod {

class CellEditor;

class frmParm7W : public EditorBase, public EditorTableSource {
    Q_OBJECT
public:
    frmParm7W(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
              CsvProcedures& csvFiles);
    ~frmParm7W() override;
    void Form_Load() override;
    EditorTable editorTable() override;
    CellEditor& cellEditor() { return *editor_; }

    std::array<FlexGrid*, 2> PrmHFlexGrid;
    QLabel* X_Label;
    QLabel* Y_Label;
    QLineEdit* SelHText;
    QGroupBox* HexDecHFrame;
    QRadioButton* HexHOption;
    QRadioButton* DecHOption;
    QGroupBox* RunMode7WFrame;
    QRadioButton* CpuRead7WOption;
    QRadioButton* CpuWrite7WOption;
    QPushButton* RunModeHCommand;
    QGroupBox* ParmCsv7WFrame;
    QGroupBox* PramRead7WFrame;
    QPushButton* Parm7WCsv_Cmd1;
    QGroupBox* PramWrite7WFrame;
    QRadioButton* Pram7WOption1;
    QRadioButton* Pram7WOption2;
    QPushButton* Parm7WCsv_Cmd2;
    QPushButton* SendH_Command;
    QPushButton* PrnCommand;
    QPushButton* DefaultH_Command;
    QPushButton* CancelH_Command;
    QPushButton* EndH_Command;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void setupGrids();
    void setAxisLabels();
    void DecHOption_Toggled(bool decimal);
    void CancelH_Command_Click();
    void DefaultH_Command_Click();
    void SendH_Command_Click();
    void RunModeHCommand_Click();
    void Parm7WCsv_Cmd1_Click();
    void Parm7WCsv_Cmd2_Click();
    void PrnCommand_Click();

    std::unique_ptr<CellEditor> editor_;
};

} // namespace posmod
