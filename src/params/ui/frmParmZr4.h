#pragma once
// The common-parameter editor of the four-axis model: one grid of 23 parameters per axis.
#include <array>

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

class frmParmZr4 : public EditorBase, public EditorTableSource {
    Q_OBJECT
public:
    frmParmZr4(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages);
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

private:
    void setupGrids();
    void showCurrent();
};

} // namespace posmod
