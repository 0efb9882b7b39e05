#include "params/ui/frmParmJV.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/FlexGrid.h"
#include "params/ParamLayout.h"
#include "shared/Public.h"
#include "shared/Conversions.h"

namespace posmod {

frmParmJV::frmParmJV(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages)
    : EditorBase(pub, shell, transfers, messages)
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

    auto* side = new QVBoxLayout;
    side->addWidget(HexDecFrame);
    side->addWidget(RunModeFrame);
    side->addWidget(ParmCsvJVFrame);
    side->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Send_Command, PrnCommand, Default_Command, Cancel_Command, End_Command})
        buttons->addWidget(b);
    auto* grid = new QGridLayout(this);
    grid->addWidget(PrmFlexGrid, 0, 0);
    grid->addLayout(side, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);

    // Editing, writing, CSV files, printing and the mode display come with the full editor.
    MarkNotBuilt({RunModeCommand, ParmJVCsv_Cmd1, ParmJVCsv_Cmd2, Send_Command, PrnCommand, Default_Command,
                  Cancel_Command});

    connect(End_Command, &QPushButton::clicked, this, &QWidget::close);
    connect(HexOption, &QRadioButton::toggled, this, [this] { showCurrent(); });

    setupGrid();
}

void frmParmJV::Form_Load()
{
    const Public& p = pub_;
    setWindowTitle(QString::fromStdString(p.DataSourceCaption + "Common parameter setting(JV-ZR)"));
    HexOption->setChecked(true);
    setupGrid();
    ParmCsvJVFrame->setVisible(!p.DataSourceCaption.empty());
    showCurrent();
    PrmFlexGrid->setRow(1);
    PrmFlexGrid->setCol(3);
}

void frmParmJV::setupGrid()
{
    ApplyGridLayout(PrmFlexGrid, ParamJV_Layout());
    ParamGrid_Shape(*PrmFlexGrid, kParamRows);
}

void frmParmJV::showCurrent() { ParamJV_FillCurrent(*PrmFlexGrid, pub_, DecOption->isChecked()); }

EditorTable frmParmJV::editorTable()
{
    EditorTable t;
    for (FlexGrid* g : std::initializer_list<FlexGrid*>{PrmFlexGrid}) t.grids.push_back(g);
    t.decimal = DecOption->isChecked();
    t.hexadecimal = HexOption->isChecked();
    return t;
}

} // namespace posmod
