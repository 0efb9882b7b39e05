#include "positioning/ui/frmAutoRunJVMode.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/FlexGrid.h"
#include "shared/Public.h"
#include "shared/Conversions.h"
#include "transfer/RangeEntry.h"

namespace posmod {

namespace {
const std::vector<GridColumn> kColumns = {
    {"Step", 450, 5},          {"Setting", 980, 2},
    {"Mode/Dwell", 1200, 5},   {"Acceleration time", 1330, 5},
    {"Deceleration time", 1330, 5}, {"Velocity", 1200, 5},
    {"Target position", 1200, 5},   {"detailed of operation mode", 3560, 2},
};
}

frmAutoRunJVMode::frmAutoRunJVMode(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages)
    : EditorBase(pub, shell, transfers, messages)
{
    setObjectName("frmAutoRunJVMode");
    RunModeGrid = NewGrid(this, "RunModeGrid");
    AutoSelText = NewText(this, "AutoSelText");
    AutoSelText->hide();
    AutoSelCombo = NewCombo(this, "AutoSelCombo");
    AutoSelCombo->hide();

    AutoCsvJVFrame = NewFrame(this, "AutoCsvJVFrame", "Csv format edit");
    AutoWriteJVFrame = NewCsvSaveFrame(AutoCsvJVFrame, "AutoWriteJVFrame", Qt::Horizontal, AutoJVOption1,
                                       "AutoJVOption1", AutoJVOption2, "AutoJVOption2", AutoJVCsv_Cmd2,
                                       "AutoJVCsv_Cmd2");
    AutoReadJVFrame =
        NewCsvLoadFrame(AutoCsvJVFrame, "AutoReadJVFrame", Qt::Horizontal, AutoJVCsv_Cmd1, "AutoJVCsv_Cmd1");
    auto* csv = new QHBoxLayout(AutoCsvJVFrame);
    csv->addWidget(AutoReadJVFrame);
    csv->addWidget(AutoWriteJVFrame);

    AutoHexDecFrame = NewHexDecFrame(this, "AutoHexDecFrame", Qt::Horizontal, AutoHexOption, "AutoHexOption",
                                     AutoDecOption, "AutoDecOption");

    AutoCancel_Command = NewButton(this, "AutoCancel_Command", "Cancel");
    AutoDefault_Command = NewButton(this, "AutoDefault_Command", "Default");
    AutoSend_Command = NewButton(this, "AutoSend_Command", "Submit");
    PrnCommand = NewButton(this, "PrnCommand", "Print");
    AutoEnd_Command = NewButton(this, "AutoEnd_Command", "Exit");

    auto* frames = new QHBoxLayout;
    frames->addWidget(AutoHexDecFrame);
    frames->addWidget(AutoCsvJVFrame);
    frames->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {AutoCancel_Command, AutoDefault_Command, AutoSend_Command, PrnCommand, AutoEnd_Command})
        buttons->addWidget(b);
    auto* box = new QVBoxLayout(this);
    box->addWidget(RunModeGrid);
    box->addLayout(frames);
    box->addLayout(buttons);

    // Editing, writing, CSV files and printing come with the full editor.
    MarkNotBuilt({AutoJVCsv_Cmd1, AutoJVCsv_Cmd2, AutoCancel_Command, AutoDefault_Command, AutoSend_Command,
                  PrnCommand});

    connect(AutoEnd_Command, &QPushButton::clicked, this, &QWidget::close);
    connect(AutoHexOption, &QRadioButton::toggled, this, [this] { showCurrent(); });
    SetupStepGrid(RunModeGrid, kColumns, 0, 0, 11610, 5780);
}

void frmAutoRunJVMode::Form_Load()
{
    Public& p = pub_;
    setWindowTitle(QString::fromStdString(p.DataSourceCaption + "Automatic operation data setting (JV-ZR)"));
    int first = 0, last = 0;
    StepWindow_Load(p, first, last);
    AutoHexOption->setChecked(true);
    SetupStepGrid(RunModeGrid, kColumns, first, last, 11610, 5780);
    AutoCsvJVFrame->setVisible(!p.DataSourceCaption.empty());
    showCurrent();
    RunModeGrid->setRow(2);
    RunModeGrid->setCol(2);
}

// Current-data rows from the four register rows of each step, counted from AutoRange(0).
void frmAutoRunJVMode::showCurrent()
{
    const Public& p = pub_;
    if (!p.DataSourceCaption.empty()) return;
    const bool dec = AutoDecOption->isChecked();
    const int steps = (RunModeGrid->Rows() - 1) / 2;
    for (int j = 0; j < steps; ++j) {
        const int r = p.reg.AutoRange[0] + 4 * j;
        if (r < 1 || r + 3 > RegisterTable::kRows) break;
        auto at = [&](const std::array<std::string, RegisterTable::kRows + 1>& a, int row) -> const std::string& {
            return a[static_cast<size_t>(row)];
        };
        const int row = 2 * j + 1;
        RunModeGrid->setTextMatrix(row, 2, CurrentCellText(at(p.reg.ReadData, r), false, dec));
        RunModeGrid->setTextMatrix(row, 3, CurrentCellText(at(p.reg.ReadData, r + 1), false, dec));
        RunModeGrid->setTextMatrix(row, 4, CurrentCellText(at(p.reg.ReadDataH, r + 1), false, dec));
        RunModeGrid->setTextMatrix(row, 5, CurrentCellText(at(p.reg.ReadData, r + 2), false, dec));
        RunModeGrid->setTextMatrix(row, 6,
                                   CurrentCellText(at(p.reg.ReadDataH, r + 3) + at(p.reg.ReadData, r + 3), true, dec));
    }
}

} // namespace posmod
