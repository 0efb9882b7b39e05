#include "positioning/ui/frmAutoRun7WMode.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/FlexGrid.h"
#include "shared/Public.h"
#include "shared/Conversions.h"
#include "transfer/RangeEntry.h"

namespace posmod {

namespace {
const std::vector<GridColumn> kColumns = {
    {"Step", 450, 5},           {"Setting", 980, 2},
    {"Mode/Dwell", 1000, 5},    {"Rate of acceleration", 1550, 5},
    {"Rate of deceleration", 1550, 5}, {"Velocity", 850, 5},
    {"Target position", 1150, 5},      {"detailed of operation mode", 3420, 2},
};
}

frmAutoRun7WMode::frmAutoRun7WMode(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages)
    : EditorBase(pub, shell, transfers, messages)
{
    setObjectName("frmAutoRun7WMode");
    AutoSSTab = NewGridTabs(this, "AutoSSTab", "RunMode7WGrid", RunMode7WGrid);
    AutoSel7WText = NewText(this, "AutoSel7WText");
    AutoSel7WText->hide();
    AutoSel7WCombo = NewCombo(this, "AutoSel7WCombo");
    AutoSel7WCombo->hide();

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

    auto* frames = new QHBoxLayout;
    frames->addWidget(AutoHexDec7WFrame);
    frames->addWidget(AutoRead7WFrame);
    frames->addWidget(AutoWrite7WFrame);
    frames->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {AutoCancel7W_Command, AutoSend7W_Command, AutoDefault7W_Command, PrnCommand,
                           AutoEnd7W_Command})
        buttons->addWidget(b);
    auto* box = new QVBoxLayout(this);
    box->addWidget(AutoSSTab);
    box->addLayout(frames);
    box->addLayout(buttons);

    // Editing, writing, CSV files and printing come with the full editor.
    MarkNotBuilt({Auto7WCsv_Cmd1, Auto7WCsv_Cmd2, AutoCancel7W_Command, AutoSend7W_Command, AutoDefault7W_Command,
                  PrnCommand});

    connect(AutoEnd7W_Command, &QPushButton::clicked, this, &QWidget::close);
    connect(AutoHex7WOption, &QRadioButton::toggled, this, [this] { showCurrent(); });
    for (FlexGrid* g : RunMode7WGrid) SetupStepGrid(g, kColumns, 0, 0, 11310, 5780);
}

void frmAutoRun7WMode::Form_Load()
{
    Public& p = pub_;
    setModelTitle(p.DataSourceCaption + "Automatic operation data setting");
    int first = 0, last = 0;
    StepWindow_Load(p, first, last);
    AutoHex7WOption->setChecked(true);
    for (FlexGrid* g : RunMode7WGrid) SetupStepGrid(g, kColumns, first, last, 11310, 5780);
    const bool csv = !p.DataSourceCaption.empty();
    AutoRead7WFrame->setVisible(csv);
    AutoWrite7WFrame->setVisible(csv);
    SetAxisTabs(AutoSSTab, p.set, 46);
    showCurrent();
    RunMode7WGrid[0]->setRow(2);
    RunMode7WGrid[0]->setCol(2);
}

// Current-data rows from the eight interleaved register rows of each step (X even, Y odd entries).
void frmAutoRun7WMode::showCurrent()
{
    const Public& p = pub_;
    if (!p.DataSourceCaption.empty()) return;
    const bool dec = AutoDec7WOption->isChecked();
    const int steps = (RunMode7WGrid[0]->Rows() - 1) / 2;
    auto word = [&](const std::array<std::string, RegisterTable::kRows + 1>& a, int row) -> const std::string& {
        return a[static_cast<size_t>(row)];
    };
    for (int j = 0; j < steps; ++j) {
        const int base = p.reg.AutoRange[0] + 8 * j;
        if (base < 1 || base + 7 > RegisterTable::kRows) break;
        for (int axis = 0; axis < 2; ++axis) {
            FlexGrid* g = RunMode7WGrid[static_cast<size_t>(axis)];
            const int r = base + axis;
            const int row = 2 * j + 1;
            g->setTextMatrix(row, 2, CurrentCellText(word(p.reg.ReadData, r), false, dec));
            g->setTextMatrix(row, 3, CurrentCellText(word(p.reg.ReadData, r + 2), false, dec));
            g->setTextMatrix(row, 4, CurrentCellText(word(p.reg.ReadDataH, r + 2), false, dec));
            g->setTextMatrix(row, 5, CurrentCellText(word(p.reg.ReadData, r + 4), false, dec));
            g->setTextMatrix(row, 6, CurrentCellText(word(p.reg.ReadDataH, r + 6) + word(p.reg.ReadData, r + 6), true, dec));
        }
    }
}

} // namespace posmod
