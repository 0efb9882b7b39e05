#include "params/frmParmJV.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "main/Forms.h"
#include "platform/FlexGrid.h"

namespace posmod {

frmParmJV::frmParmJV(Forms& forms) : EditorBase(forms, 1)
{
    setObjectName("frmParmJV");
    PrmFlexGrid = NewGrid(this, "PrmFlexGrid");
    SelText = NewText(this, "SelText");
    SelText->hide();

    HexDecFrame = NewFrame(this, "HexDecFrame", "Hex / Dec Display");
    HexOption = NewOption(HexDecFrame, "HexOption", "Hex display", true);
    DecOption = NewOption(HexDecFrame, "DecOption", "Dec display");
    auto* hexDec = new QVBoxLayout(HexDecFrame);
    hexDec->addWidget(HexOption);
    hexDec->addWidget(DecOption);

    RunModeFrame = NewFrame(this, "RunModeFrame", "Operation mode display");
    CpuReadOption = NewOption(RunModeFrame, "CpuReadOption", "Current data", true);
    CpuWriteOption = NewOption(RunModeFrame, "CpuWriteOption", "Setting data");
    RunModeCommand = NewButton(RunModeFrame, "RunModeCommand", "Operation mode");
    auto* runMode = new QVBoxLayout(RunModeFrame);
    runMode->addWidget(CpuReadOption);
    runMode->addWidget(CpuWriteOption);
    runMode->addWidget(RunModeCommand);

    ParmCsvJVFrame = NewFrame(this, "ParmCsvJVFrame", "Csv format edit");
    PramReadJVFrame = NewFrame(ParmCsvJVFrame, "PramReadJVFrame", "Csv format load");
    ParmJVCsv_Cmd1 = NewButton(PramReadJVFrame, "ParmJVCsv_Cmd1", "Execute");
    (new QVBoxLayout(PramReadJVFrame))->addWidget(ParmJVCsv_Cmd1);
    PramWriteJVFrame = NewFrame(ParmCsvJVFrame, "PramWriteJVFrame", "Csv format file save");
    PramJVOption1 = NewOption(PramWriteJVFrame, "PramJVOption1", "Current data");
    PramJVOption2 = NewOption(PramWriteJVFrame, "PramJVOption2", "Setting data", true);
    ParmJVCsv_Cmd2 = NewButton(PramWriteJVFrame, "ParmJVCsv_Cmd2", "Execute");
    auto* write = new QVBoxLayout(PramWriteJVFrame);
    write->addWidget(PramJVOption1);
    write->addWidget(PramJVOption2);
    write->addWidget(ParmJVCsv_Cmd2);
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
    for (QObject* c : std::initializer_list<QObject*>{RunModeCommand, ParmJVCsv_Cmd1, ParmJVCsv_Cmd2, Send_Command,
                                                     PrnCommand, Default_Command, Cancel_Command})
        MarkNotBuilt(c);

    connect(End_Command, &QPushButton::clicked, this, &QWidget::close);
    connect(HexOption, &QRadioButton::toggled, this, [this] { showCurrent(); });

    SetupParamGrid(PrmFlexGrid, 12, {600, 3100, 1600, 1600}, {5, 2, 5, 5}, 7020, 4000);
}

void frmParmJV::Form_Load()
{
    const Public& p = forms_.pub;
    setWindowTitle(QString::fromStdString(p.DataSourceCaption + "Common parameter setting(JV-ZR)"));
    HexOption->setChecked(true);
    SetupParamGrid(PrmFlexGrid, 12, {600, 3100, 1600, 1600}, {5, 2, 5, 5}, 7020, 4000);
    ParmCsvJVFrame->setVisible(!p.DataSourceCaption.empty());
    showCurrent();
    PrmFlexGrid->setRow(1);
    PrmFlexGrid->setCol(3);
}

// Column 2 from the register rows of the parameter block; empty on CSV data.
void frmParmJV::showCurrent()
{
    const Public& p = forms_.pub;
    const bool decimal = DecOption->isChecked();
    SetParamHeaders(PrmFlexGrid, decimal);
    for (int k = 1; k <= 12; ++k) {
        std::string hex;
        bool twoWord = false;
        const int row = p.reg.PrmRange[0] + k - 1;
        if (p.DataSourceCaption.empty() && row >= 1 && row <= RegisterTable::kRows) {
            const auto r = static_cast<size_t>(row);
            twoWord = !p.reg.ReadDataH[r].empty();
            hex = p.reg.ReadDataH[r] + p.reg.ReadData[r];
        }
        PrmFlexGrid->setTextMatrix(k, 2, CurrentCellText(hex, twoWord, decimal));
    }
}

} // namespace posmod
