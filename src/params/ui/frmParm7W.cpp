#include "params/ui/frmParm7W.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "params/ParamEntry.h"
#include "params/ParamLayout.h"
#include "platform/FlexGrid.h"
#include "print/ui/PrintCommand.h"
#include "shared/Conversions.h"
#include "shared/FormNumbers.h"
#include "shared/ModelTable.h"
#include "shared/NameTables.h"
#include "shared/Public.h"
#include "shared/ui/CellEditor.h"
#include "transfer/CsvProcedures.h"
#include "transfer/Transfer.h"

namespace posmod {

frmParm7W::frmParm7W(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
                     CsvProcedures& csvFiles)
    : EditorBase(pub, shell, transfers, messages, csvFiles)
{
    setObjectName("frmParm7W");
    for (int i = 0; i < 2; ++i) PrmHFlexGrid[static_cast<size_t>(i)] = NewGrid(this, ArrayName("PrmHFlexGrid", i));
    X_Label = NewLabel(this, "X_Label", "X axis data");
    Y_Label = NewLabel(this, "Y_Label", "Y axis data");
    // Axis names are shown as they are, never read as markup.
    X_Label->setTextFormat(Qt::PlainText);
    Y_Label->setTextFormat(Qt::PlainText);
    SelHText = NewText(this, "SelHText");
    SelHText->hide();

    HexDecHFrame = NewHexDecFrame(this, "HexDecHFrame", Qt::Vertical, HexHOption, "HexHOption", DecHOption,
                                  "DecHOption");
    RunMode7WFrame = NewRunModeFrame(this, "RunMode7WFrame", CpuRead7WOption, "CpuRead7WOption", CpuWrite7WOption,
                                     "CpuWrite7WOption", RunModeHCommand, "RunModeHCommand");

    ParmCsv7WFrame = NewFrame(this, "ParmCsv7WFrame", "Csv format edit");
    PramRead7WFrame =
        NewCsvLoadFrame(ParmCsv7WFrame, "PramRead7WFrame", Qt::Vertical, Parm7WCsv_Cmd1, "Parm7WCsv_Cmd1");
    PramWrite7WFrame = NewCsvSaveFrame(ParmCsv7WFrame, "PramWrite7WFrame", Qt::Vertical, Pram7WOption1, "Pram7WOption1",
                                       Pram7WOption2, "Pram7WOption2", Parm7WCsv_Cmd2, "Parm7WCsv_Cmd2");
    auto* csv = new QHBoxLayout(ParmCsv7WFrame);
    csv->addWidget(PramRead7WFrame);
    csv->addWidget(PramWrite7WFrame);

    SendH_Command = NewButton(this, "SendH_Command", "Submit");
    PrnCommand = NewButton(this, "PrnCommand", "Print");
    DefaultH_Command = NewButton(this, "DefaultH_Command", "Default");
    CancelH_Command = NewButton(this, "CancelH_Command", "Cancel");
    EndH_Command = NewButton(this, "EndH_Command", "Exit");

    auto* table = new QGridLayout;
    table->addWidget(X_Label, 0, 0);
    table->addWidget(Y_Label, 0, 1);
    table->addWidget(PrmHFlexGrid[0], 1, 0);
    table->addWidget(PrmHFlexGrid[1], 1, 1);
    LayEditor(this, table, FramesAt::Below, {HexDecHFrame, RunMode7WFrame, ParmCsv7WFrame},
              {SendH_Command, PrnCommand, DefaultH_Command, CancelH_Command, EndH_Command});

    editor_ = std::make_unique<CellEditor>(SelHText, nullptr, std::vector<FlexGrid*>{PrmHFlexGrid[0], PrmHFlexGrid[1]},
                                           ParamJV_Rules(), messages_, nullptr);
    connect(DecHOption, &QRadioButton::toggled, this, &frmParm7W::DecHOption_Toggled);
    connect(CancelH_Command, &QPushButton::clicked, this, &frmParm7W::CancelH_Command_Click);
    connect(DefaultH_Command, &QPushButton::clicked, this, &frmParm7W::DefaultH_Command_Click);
    connect(SendH_Command, &QPushButton::clicked, this, &frmParm7W::SendH_Command_Click);
    connect(RunModeHCommand, &QPushButton::clicked, this, &frmParm7W::RunModeHCommand_Click);
    connect(PrnCommand, &QPushButton::clicked, this, &frmParm7W::PrnCommand_Click);
    connect(EndH_Command, &QPushButton::clicked, this, &QWidget::close);
    connect(Parm7WCsv_Cmd1, &QPushButton::clicked, this, &frmParm7W::Parm7WCsv_Cmd1_Click);
    connect(Parm7WCsv_Cmd2, &QPushButton::clicked, this, &frmParm7W::Parm7WCsv_Cmd2_Click);
    setupGrids();
}

frmParm7W::~frmParm7W() = default;

void frmParm7W::setupGrids()
{
    for (FlexGrid* g : PrmHFlexGrid) {
        ApplyGridLayout(g, Param7W_Layout());
        ParamGrid_Shape(*g, kParamRows);
    }
}

void frmParm7W::setAxisLabels()
{
    X_Label->setText(QString::fromStdString(StrByte_Cut(pub_.set.AxisName[0], 50)));
    Y_Label->setText(QString::fromStdString(StrByte_Cut(pub_.set.AxisName[1], 50)));
}

void frmParm7W::Form_Load()
{
    Public& p = pub_;
    setModelTitle(p.DataSourceCaption + "Common parameter setting");
    editor_->Reset();
    HexHOption->setChecked(true);
    CpuRead7WOption->setChecked(true);
    Pram7WOption2->setChecked(true);
    setupGrids();
    ParmName_Set(p);
    int rows = 0;
    const std::string* names = Model_ParamNames(p, p.ModuleType, rows);
    for (int axis = 0; axis < 2; ++axis) {
        FlexGrid* g = PrmHFlexGrid[static_cast<size_t>(axis)];
        for (int k = 1; k <= kParamRows; ++k) g->setTextMatrix(k, 1, names && k <= rows ? names[k] : "");
        Param7W_FillCurrent(*g, axis, p, false);
    }
    ParmCsv7WFrame->setVisible(!p.DataSourceCaption.empty());
    setAxisLabels();
    // The Y grid is left where its shaping ended; the box starts over X.
    PrmHFlexGrid[1]->setRow(kParamRows);
    PrmHFlexGrid[1]->setCol(2);
    PrmHFlexGrid[0]->setRow(1);
    PrmHFlexGrid[0]->setCol(3);
    DefaultData_Set(p);
    editor_->Reset();
    editor_->LayOver(0);
}

void frmParm7W::closeEvent(QCloseEvent* e)
{
    if (!editor_->flush()) {
        e->ignore();
        return;
    }
    EditorBase::closeEvent(e);
}

void frmParm7W::DecHOption_Toggled(bool decimal)
{
    if (!editor_->SwitchDisplay(decimal)) return;
    for (FlexGrid* g : PrmHFlexGrid) ParamGrid_Headers(*g, decimal);
}

void frmParm7W::CancelH_Command_Click()
{
    if (!editor_->flush()) return;
    for (FlexGrid* g : PrmHFlexGrid)
        for (int k = 1; k <= kParamRows; ++k) g->setTextMatrix(k, kParamSettingCol, "");
    SelHText->clear();
}

void frmParm7W::DefaultH_Command_Click()
{
    if (!editor_->flush()) return;
    HexHOption->setChecked(true);
    for (FlexGrid* g : PrmHFlexGrid)
        for (int k = 1; k <= kParamRows; ++k)
            g->setTextMatrix(k, kParamSettingCol, pub_.PrmDefault[static_cast<size_t>(k)]);
}

void frmParm7W::SendH_Command_Click()
{
    if (!editor_->flush()) return;
    shell_.FormControl_Enable(form::frmParm7W, false);
    transfers_.SendMain(Model_ForType(pub_.ModuleType).paramWriteMode);
    shell_.FormControl_Enable(form::frmParm7W, true);
    PrmHFlexGrid[0]->setRow(1);
    PrmHFlexGrid[0]->setCol(2);
}

void frmParm7W::Parm7WCsv_Cmd1_Click()
{
    if (!editor_->flush()) return;
    shell_.FormControl_Enable(form::frmParm7W, false);
    if (csv_.CsvData_ReadSub() == 1) {
        HexHOption->setChecked(true);
        QCoreApplication::processEvents();
        int left = 0;
        for (int axis = 0; axis < 2; ++axis)
            left += Param7W_FileMerge(*PrmHFlexGrid[static_cast<size_t>(axis)], axis, pub_.reg);
        if (const std::string m = FileMerge_Message(left); !m.empty()) messages_.show(m, MsgIcon::Exclamation);
    }
    // The file may have named the axes.
    setAxisLabels();
    PrmHFlexGrid[0]->setRow(1);
    PrmHFlexGrid[0]->setCol(2);
    DefaultData_Set(pub_);
    shell_.FormControl_Enable(form::frmParm7W, true);
}

void frmParm7W::Parm7WCsv_Cmd2_Click()
{
    if (!editor_->flush()) return;
    shell_.FormControl_Enable(form::frmParm7W, false);
    csv_.CsvData_Write7WSub(Pram7WOption1->isChecked());
    shell_.FormControl_Enable(form::frmParm7W, true);
    PrmHFlexGrid[0]->setRow(1);
    PrmHFlexGrid[0]->setCol(2);
}

void frmParm7W::RunModeHCommand_Click()
{
    if (!editor_->flush()) return;
    pub_.RunModeDecimal = editor_->decimal() ? 1 : 0;
    pub_.RunModeCol = CpuRead7WOption->isChecked() ? kParamCurrentCol : kParamSettingCol;
    for (FlexGrid* g : PrmHFlexGrid)
        if (g->TextMatrix(1, pub_.RunModeCol).empty()) {
            messages_.show(kNoRequiredDataMessage, MsgIcon::Exclamation);
            return;
        }
    shell_.openDialog(dialog::frmRunMode, *this);
}

void frmParm7W::PrnCommand_Click()
{
    if (!editor_->flush()) return;
    PrintCommand_Run(shell_, *this);
}

EditorTable frmParm7W::editorTable() { return editor_->table(); }

} // namespace posmod
