#include "params/ui/frmParmJV.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "params/ParamEntry.h"
#include "params/ParamLayout.h"
#include "platform/FlexGrid.h"
#include "print/ui/PrintCommand.h"
#include "shared/FormNumbers.h"
#include "shared/ModelTable.h"
#include "shared/NameTables.h"
#include "shared/Public.h"
#include "shared/ui/CellEditor.h"
#include "transfer/CsvProcedures.h"
#include "transfer/Transfer.h"

namespace posmod {

frmParmJV::frmParmJV(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
                     CsvProcedures& csvFiles)
    : EditorBase(pub, shell, transfers, messages, csvFiles)
{
    setObjectName("frmParmJV");
    PrmFlexGrid = NewGrid(this, "PrmFlexGrid");
    SelText = NewText(this, "SelText");
    SelText->hide();

    HexDecFrame = NewHexDecFrame(this, "HexDecFrame", Qt::Vertical, HexOption, "HexOption", DecOption, "DecOption");
    RunModeFrame = NewRunModeFrame(this, "RunModeFrame", CpuReadOption, "CpuReadOption", CpuWriteOption,
                                   "CpuWriteOption", RunModeCommand, "RunModeCommand");

    ParmCsvJVFrame = NewFrame(this, "ParmCsvJVFrame", "Csv format edit");
    PramReadJVFrame =
        NewCsvLoadFrame(ParmCsvJVFrame, "PramReadJVFrame", Qt::Vertical, ParmJVCsv_Cmd1, "ParmJVCsv_Cmd1");
    PramWriteJVFrame = NewCsvSaveFrame(ParmCsvJVFrame, "PramWriteJVFrame", Qt::Vertical, PramJVOption1, "PramJVOption1",
                                       PramJVOption2, "PramJVOption2", ParmJVCsv_Cmd2, "ParmJVCsv_Cmd2");
    auto* csv = new QVBoxLayout(ParmCsvJVFrame);
    csv->addWidget(PramReadJVFrame);
    csv->addWidget(PramWriteJVFrame);

    Send_Command = NewButton(this, "Send_Command", "Submit");
    PrnCommand = NewButton(this, "PrnCommand", "Print");
    Default_Command = NewButton(this, "Default_Command", "Default");
    Cancel_Command = NewButton(this, "Cancel_Command", "Cancel");
    End_Command = NewButton(this, "End_Command", "Exit");

    LayEditor(this, PrmFlexGrid, FramesAt::Beside, {HexDecFrame, RunModeFrame, ParmCsvJVFrame},
              {Send_Command, PrnCommand, Default_Command, Cancel_Command, End_Command});

    editor_ = std::make_unique<CellEditor>(SelText, nullptr, std::vector<FlexGrid*>{PrmFlexGrid}, ParamJV_Rules(),
                                           messages_, nullptr);
    connect(DecOption, &QRadioButton::toggled, this, &frmParmJV::DecOption_Toggled);
    connect(Cancel_Command, &QPushButton::clicked, this, &frmParmJV::Cancel_Command_Click);
    connect(Default_Command, &QPushButton::clicked, this, &frmParmJV::Default_Command_Click);
    connect(Send_Command, &QPushButton::clicked, this, &frmParmJV::Send_Command_Click);
    connect(RunModeCommand, &QPushButton::clicked, this, &frmParmJV::RunModeCommand_Click);
    connect(PrnCommand, &QPushButton::clicked, this, &frmParmJV::PrnCommand_Click);
    connect(End_Command, &QPushButton::clicked, this, &QWidget::close);
    connect(ParmJVCsv_Cmd1, &QPushButton::clicked, this, &frmParmJV::ParmJVCsv_Cmd1_Click);
    connect(ParmJVCsv_Cmd2, &QPushButton::clicked, this, &frmParmJV::ParmJVCsv_Cmd2_Click);

    setupGrid();
}

frmParmJV::~frmParmJV() = default;

void frmParmJV::Form_Load()
{
    Public& p = pub_;
    setWindowTitle(QString::fromStdString(p.DataSourceCaption + "Common parameter setting(JV-ZR)"));
    editor_->Reset();
    HexOption->setChecked(true);
    CpuReadOption->setChecked(true);
    PramJVOption2->setChecked(true);
    setupGrid();
    ParmName_Set(p);
    int rows = 0;
    const std::string* names = Model_ParamNames(p, p.ModuleType, rows);
    for (int k = 1; k <= kParamRows; ++k) PrmFlexGrid->setTextMatrix(k, 1, names && k <= rows ? names[k] : "");
    ParmCsvJVFrame->setVisible(!p.DataSourceCaption.empty());
    ParamJV_FillCurrent(*PrmFlexGrid, p, false);
    PrmFlexGrid->setRow(1);
    PrmFlexGrid->setCol(3);
    DefaultData_Set(p);
    editor_->LayOver(0);
}

void frmParmJV::setupGrid()
{
    ApplyGridLayout(PrmFlexGrid, ParamJV_Layout());
    ParamGrid_Shape(*PrmFlexGrid, kParamRows);
}

void frmParmJV::closeEvent(QCloseEvent* e)
{
    // An entry left in the box goes into its cell first; a refused one keeps the window.
    if (!editor_->flush()) {
        e->ignore();
        return;
    }
    EditorBase::closeEvent(e);
}

void frmParmJV::DecOption_Toggled(bool decimal)
{
    if (editor_->SwitchDisplay(decimal)) ParamGrid_Headers(*PrmFlexGrid, decimal);
}

void frmParmJV::Cancel_Command_Click()
{
    if (!editor_->flush()) return;
    for (int k = 1; k <= kParamRows; ++k) PrmFlexGrid->setTextMatrix(k, kParamSettingCol, "");
    SelText->clear();
}

void frmParmJV::Default_Command_Click()
{
    if (!editor_->flush()) return;
    HexOption->setChecked(true);
    for (int k = 1; k <= kParamRows; ++k)
        PrmFlexGrid->setTextMatrix(k, kParamSettingCol, pub_.PrmDefault[static_cast<size_t>(k)]);
}

void frmParmJV::Send_Command_Click()
{
    if (!editor_->flush()) return;
    shell_.FormControl_Enable(form::frmParmJV, false);
    transfers_.SendMain(Model_ForType(pub_.ModuleType).paramWriteMode);
    shell_.FormControl_Enable(form::frmParmJV, true);
    PrmFlexGrid->setRow(1);
    PrmFlexGrid->setCol(2);
}

void frmParmJV::ParmJVCsv_Cmd1_Click()
{
    if (!editor_->flush()) return;
    shell_.FormControl_Enable(form::frmParmJV, false);
    if (csv_.CsvData_ReadSub() == 1) {
        // The file's words are hex: the grid shows hex before they come in.
        HexOption->setChecked(true);
        QCoreApplication::processEvents();
        if (const std::string m = FileMerge_Message(ParamJV_FileMerge(*PrmFlexGrid, pub_.reg)); !m.empty())
            messages_.show(m, MsgIcon::Exclamation);
    }
    PrmFlexGrid->setRow(1);
    PrmFlexGrid->setCol(2);
    DefaultData_Set(pub_);
    shell_.FormControl_Enable(form::frmParmJV, true);
}

void frmParmJV::ParmJVCsv_Cmd2_Click()
{
    if (!editor_->flush()) return;
    shell_.FormControl_Enable(form::frmParmJV, false);
    csv_.CsvData_WriteJVSub(PramJVOption1->isChecked());
    shell_.FormControl_Enable(form::frmParmJV, true);
    PrmFlexGrid->setRow(1);
    PrmFlexGrid->setCol(2);
}

void frmParmJV::RunModeCommand_Click()
{
    if (!editor_->flush()) return;
    pub_.RunModeDecimal = editor_->decimal() ? 1 : 0;
    pub_.RunModeCol = CpuReadOption->isChecked() ? kParamCurrentCol : kParamSettingCol;
    if (PrmFlexGrid->TextMatrix(1, pub_.RunModeCol).empty()) {
        messages_.show(kNoRequiredDataMessage, MsgIcon::Exclamation);
        return;
    }
    shell_.openDialog(dialog::frmRunMode, *this);
}

void frmParmJV::PrnCommand_Click()
{
    if (!editor_->flush()) return;
    PrintCommand_Run(shell_, *this);
}

EditorTable frmParmJV::editorTable() { return editor_->table(); }

} // namespace posmod
