#include "positioning/ui/frmAutoRunJVMode.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/FlexGrid.h"
#include "positioning/StepEdit.h"
#include "positioning/StepLayout.h"
#include "shared/FormNumbers.h"
#include "shared/ModelTable.h"
#include "shared/Public.h"
#include "transfer/CsvProcedures.h"

namespace posmod {

frmAutoRunJVMode::frmAutoRunJVMode(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
                                   CsvProcedures& csvFiles)
    : StepEditorBase(pub, shell, transfers, messages, csvFiles)
{
    setObjectName("frmAutoRunJVMode");
    RunModeGrid = NewGrid(this, "RunModeGrid");
    AutoSelText = NewText(this, "AutoSelText");
    AutoSelCombo = NewCombo(this, "AutoSelCombo");

    AutoCsvJVFrame = NewFrame(this, "AutoCsvJVFrame", "Csv format edit");
    AutoWriteJVFrame = NewCsvSaveFrame(AutoCsvJVFrame, "AutoWriteJVFrame", Qt::Horizontal, AutoJVOption1,
                                       "AutoJVOption1", AutoJVOption2, "AutoJVOption2", AutoJVCsv_Cmd2,
                                       "AutoJVCsv_Cmd2");
    AutoReadJVFrame =
        NewCsvLoadFrame(AutoCsvJVFrame, "AutoReadJVFrame", Qt::Horizontal, AutoJVCsv_Cmd1, "AutoJVCsv_Cmd1");
    auto* csv = new QHBoxLayout(AutoCsvJVFrame);
    csv->addWidget(AutoWriteJVFrame);
    csv->addWidget(AutoReadJVFrame);

    AutoHexDecFrame = NewHexDecFrame(this, "AutoHexDecFrame", Qt::Horizontal, AutoHexOption, "AutoHexOption",
                                     AutoDecOption, "AutoDecOption");

    AutoCancel_Command = NewButton(this, "AutoCancel_Command", "Cancel");
    AutoDefault_Command = NewButton(this, "AutoDefault_Command", "Default");
    AutoSend_Command = NewButton(this, "AutoSend_Command", "Submit");
    PrnCommand = NewButton(this, "PrnCommand", "Print");
    AutoEnd_Command = NewButton(this, "AutoEnd_Command", "Exit");

    LayEditor(this, RunModeGrid, FramesAt::Below, {AutoCsvJVFrame, AutoHexDecFrame},
              {AutoCancel_Command, AutoDefault_Command, AutoSend_Command, PrnCommand, AutoEnd_Command});

    setupEditing({form::frmAutoRunJVMode, &StepJV_Layout(), &StepJV_Rules(), kStepLastValueColJV, kStepDetailColJV,
                  Model_OfFamily(ModelFamily::OneAxis).autoWriteMode, 0},
                 {RunModeGrid}, AutoSelText, AutoSelCombo, nullptr, AutoHexOption, AutoDecOption);
    connect(PrnCommand, &QPushButton::clicked, this, [this] { Print_Click(false); });
    connect(AutoCancel_Command, &QPushButton::clicked, this, &frmAutoRunJVMode::Cancel_Click);
    connect(AutoDefault_Command, &QPushButton::clicked, this, [this] { Default_Click(pub_.AutoDefault); });
    connect(AutoSend_Command, &QPushButton::clicked, this, &frmAutoRunJVMode::AutoSend_Command_Click);
    connect(AutoEnd_Command, &QPushButton::clicked, this, &QWidget::close);
    const auto home = [this] {
        RunModeGrid->setRow(1);
        RunModeGrid->setCol(2);
    };
    connect(AutoJVCsv_Cmd1, &QPushButton::clicked, this, [this, home] {
        CsvLoad_Run([this] { return csv_.CsvData_ReadSub() == 1; },
                    [this] { return StepJV_FileMerge(*RunModeGrid, pub_); }, home);
    });
    connect(AutoJVCsv_Cmd2, &QPushButton::clicked, this, [this, home] {
        CsvSave_Run([this, home] {
            csv_.CsvAuto_WriteJVSub(AutoJVOption1->isChecked());
            home();
        });
    });
}

void frmAutoRunJVMode::Form_Load()
{
    Public& p = pub_;
    setWindowTitle(QString::fromStdString(p.DataSourceCaption + "Automatic operation data setting (JV-ZR)"));
    AutoJVOption2->setChecked(true);
    loadTable();
    AutoCsvJVFrame->setVisible(!p.DataSourceCaption.empty());
}

void frmAutoRunJVMode::fillCurrent()
{
    StepJV_FillCurrent(*RunModeGrid, pub_, false);
    StepDetail_FillCurrent(*RunModeGrid, false);
}

void frmAutoRunJVMode::AutoSend_Command_Click()
{
    if (!Submit_Click()) return;
    RunModeGrid->setRow(1);
    RunModeGrid->setCol(2);
}

} // namespace posmod
