#pragma once
// The common-parameter editor of the two-axis models: X and Y side by side.
#include <array>

#include "shared/ui/EditorTableSource.h"
#include "shared/ui/FormBase.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace posmod {

class frmParm7W : public EditorBase, public EditorTableSource {
    Q_OBJECT
public:
    frmParm7W(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages);
    void Form_Load() override;
    EditorTable editorTable() override;

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

private:
    void setupGrids();
    void showCurrent();
};

} // namespace posmod
