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
#include "positioning/StepLayout.h"
#include "shared/Public.h"
#include "shared/Conversions.h"
#include "transfer/RangeEntry.h"

namespace posmod {


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
    ApplyGridLayout(RunModeGrid, StepJV_Layout());
    StepGrid_Shape(*RunModeGrid, StepJV_Layout(), 0, 0);
}

void frmAutoRunJVMode::Form_Load()
{
    Public& p = pub_;
    setWindowTitle(QString::fromStdString(p.DataSourceCaption + "Automatic operation data setting (JV-ZR)"));
    int first = 0, last = 0;
    StepWindow_Load(p, first, last);
    AutoHexOption->setChecked(true);
    StepGrid_Shape(*RunModeGrid, StepJV_Layout(), first, last);
    AutoCsvJVFrame->setVisible(!p.DataSourceCaption.empty());
    showCurrent();
    RunModeGrid->setRow(2);
    RunModeGrid->setCol(2);
}

void frmAutoRunJVMode::showCurrent() { StepJV_FillCurrent(*RunModeGrid, pub_, AutoDecOption->isChecked()); }

EditorTable frmAutoRunJVMode::editorTable()
{
    EditorTable t;
    for (FlexGrid* g : std::initializer_list<FlexGrid*>{RunModeGrid}) t.grids.push_back(g);
    t.decimal = AutoDecOption->isChecked();
    t.hexadecimal = AutoHexOption->isChecked();
    return t;
}

} // namespace posmod
