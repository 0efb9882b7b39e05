#pragma once
// The common-parameter editor of the one-axis model: the twelve parameters with the
// values read from the module.
#include "shared/ui/EditorTableSource.h"
#include "shared/ui/FormBase.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace posmod {

class frmParmJV : public EditorBase, public EditorTableSource {
    Q_OBJECT
public:
    frmParmJV(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages);
    void Form_Load() override;
    EditorTable editorTable() override;

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

private:
    void setupGrid();
    void showCurrent();
};

} // namespace posmod
