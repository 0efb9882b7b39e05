#include "positioning/ui/frmAutoRun7WMode.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "platform/FlexGrid.h"
#include "positioning/StepEdit.h"
#include "positioning/StepLayout.h"
#include "shared/FormNumbers.h"
#include "shared/ModelTable.h"
#include "shared/Public.h"
#include "transfer/CsvProcedures.h"

namespace posmod {

frmAutoRun7WMode::frmAutoRun7WMode(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
                                   CsvProcedures& csvFiles)
    : StepEditorBase(pub, shell, transfers, messages, csvFiles)
{
    setObjectName("frmAutoRun7WMode");
    // Arial where it is installed; the nearest font otherwise.
    setFont(QFont("Arial"));
    AutoSSTab = NewGridTabs(this, "AutoSSTab", "RunMode7WGrid", RunMode7WGrid);
    AutoSel7WText = NewText(this, "AutoSel7WText");
    AutoSel7WCombo = NewCombo(this, "AutoSel7WCombo");

    AutoHexDec7WFrame = NewHexDecFrame(this, "AutoHexDec7WFrame", Qt::Horizontal, AutoHex7WOption, "AutoHex7WOption",
                                       AutoDec7WOption, "AutoDec7WOption");
    AutoRead7WFrame = NewCsvLoadFrame(this, "AutoRead7WFrame", Qt::Horizontal, Auto7WCsv_Cmd1, "Auto7WCsv_Cmd1");
    AutoWrite7WFrame = NewCsvSaveFrame(this, "AutoWrite7WFrame", Qt::Horizontal, Auto7WOption1, "Auto7WOption1",
                                       Auto7WOption2, "Auto7WOption2", Auto7WCsv_Cmd2, "Auto7WCsv_Cmd2");

    AutoCancel7W_Command = NewButton(this, "AutoCancel7W_Command", "Cancel");
    AutoSend7W_Command = NewButton(this, "AutoSend7W_Command", "Submit");
    AutoDefault7W_Command = NewButton(this, "AutoDefault7W_Command", "Default");
    PrnCommand = NewButton(this, "PrnCommand", "Print");
    AutoEnd7W_Command = NewButton(this, "AutoEnd7W_Command", "Exit");

    LayEditor(this, AutoSSTab, FramesAt::Below, {AutoHexDec7WFrame, AutoRead7WFrame, AutoWrite7WFrame},
              {AutoCancel7W_Command, AutoSend7W_Command, AutoDefault7W_Command, PrnCommand, AutoEnd7W_Command});

    setupEditing({form::frmAutoRun7WMode, &Step7W_Layout(), &StepJV_Rules(), kStepLastValueColJV, kStepDetailColJV,
                  Model_OfFamily(ModelFamily::TwoAxis).autoWriteMode, 46},
                 {RunMode7WGrid[0], RunMode7WGrid[1]}, AutoSel7WText, AutoSel7WCombo, AutoSSTab, AutoHex7WOption,
                 AutoDec7WOption);
    connect(PrnCommand, &QPushButton::clicked, this, [this] { Print_Click(true); });
    connect(AutoCancel7W_Command, &QPushButton::clicked, this, &frmAutoRun7WMode::Cancel_Click);
    connect(AutoDefault7W_Command, &QPushButton::clicked, this, [this] { Default_Click(pub_.AutoDefault); });
    connect(AutoSend7W_Command, &QPushButton::clicked, this, [this] {
        if (Submit_Click()) relay();
    });
    connect(AutoEnd7W_Command, &QPushButton::clicked, this, &QWidget::close);
    connect(Auto7WCsv_Cmd1, &QPushButton::clicked, this, [this] {
        CsvLoad_Run([this] { return csv_.CsvData_ReadSub() == 1; },
                    [this] { return Step7W_FileMerge({RunMode7WGrid[0], RunMode7WGrid[1]}, pub_); },
                    // The file may have named the axes.
                    [this] { SetAxisTabs(AutoSSTab, pub_.set, kind_.tabBytes); });
    });
    connect(Auto7WCsv_Cmd2, &QPushButton::clicked, this, [this] {
        CsvSave_Run([this] {
            csv_.CsvAuto_Write7WSub(Auto7WOption1->isChecked());
        });
    });
}

void frmAutoRun7WMode::Form_Load()
{
    setModelTitle(pub_.DataSourceCaption + "Automatic operation data setting");
    Auto7WOption2->setChecked(true);
    loadTable();
    const bool csv = !pub_.DataSourceCaption.empty();
    AutoRead7WFrame->setVisible(csv);
    AutoWrite7WFrame->setVisible(csv);
}

void frmAutoRun7WMode::fillCurrent()
{
    for (int axis = 0; axis < 2; ++axis) {
        FlexGrid* g = RunMode7WGrid[static_cast<size_t>(axis)];
        Step7W_FillCurrent(*g, axis, pub_, false);
        StepDetail_FillCurrent(*g, false);
    }
}

} // namespace posmod
