#pragma once
// The common-parameter editor of the four-axis model: one grid of 23 parameters per axis,
// options chosen from a list, values typed into a box.
#include <array>
#include <memory>

#include "shared/ui/EditorTableSource.h"
#include "shared/ui/FormBase.h"
#include "shared/Public.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace posmod {

class CellEditor;

class frmParmZr4 : public EditorBase, public EditorTableSource {
    Q_OBJECT
public:
    frmParmZr4(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
               CsvProcedures& csvFiles);
    ~frmParmZr4() override;
    void Form_Load() override;
    EditorTable editorTable() override;

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

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void setupGrids();
    FlexGrid* shownGrid() const;
    // Tab captions renewed, tab 0 shown, grid 0 at row 1, column 1.
    void backToStart();
    // Tab 0 shown, grid 0 at row 1, column 1.
    void showStart();
    void DecZ4Option_Toggled(bool decimal);
    void CancelZ4_Command_Click();
    void DefaultZ4_Command_Click();
    void SendZ4_Command_Click();
    void ParmZ4Csv_Cmd1_Click();
    void ParmZ4Csv_Cmd2_Click();
    void PrnZ4Command_Click();

    std::unique_ptr<CellEditor> editor_;
};

} // namespace posmod
