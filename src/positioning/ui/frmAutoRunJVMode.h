#pragma once
// The positioning editor of the one-axis model: two rows per step of the step window.
#include "shared/ui/EditorTableSource.h"
#include "shared/ui/FormBase.h"
#include "shared/Public.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace posmod {

class frmAutoRunJVMode : public EditorBase, public EditorTableSource {
    Q_OBJECT
public:
    frmAutoRunJVMode(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages);
    void Form_Load() override;
    EditorTable editorTable() override;

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

private:
    void showCurrent();
};

} // namespace posmod
