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
#include "positioning/StepLayout.h"
#include "shared/Public.h"
#include "shared/Conversions.h"
#include "transfer/RangeEntry.h"

namespace posmod {


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
    for (FlexGrid* g : RunMode7WGrid) {
        ApplyGridLayout(g, Step7W_Layout());
        StepGrid_Shape(*g, Step7W_Layout(), 0, 0);
    }
}

void frmAutoRun7WMode::Form_Load()
{
    Public& p = pub_;
    setModelTitle(p.DataSourceCaption + "Automatic operation data setting");
    int first = 0, last = 0;
    StepWindow_Load(p, first, last);
    AutoHex7WOption->setChecked(true);
    for (FlexGrid* g : RunMode7WGrid) StepGrid_Shape(*g, Step7W_Layout(), first, last);
    const bool csv = !p.DataSourceCaption.empty();
    AutoRead7WFrame->setVisible(csv);
    AutoWrite7WFrame->setVisible(csv);
    SetAxisTabs(AutoSSTab, p.set, 46);
    showCurrent();
    RunMode7WGrid[0]->setRow(2);
    RunMode7WGrid[0]->setCol(2);
}

void frmAutoRun7WMode::showCurrent()
{
    for (int axis = 0; axis < 2; ++axis)
        Step7W_FillCurrent(*RunMode7WGrid[static_cast<size_t>(axis)], axis, pub_, AutoDec7WOption->isChecked());
}

EditorTable frmAutoRun7WMode::editorTable()
{
    EditorTable t;
    for (FlexGrid* g : std::initializer_list<FlexGrid*>{RunMode7WGrid[0], RunMode7WGrid[1]}) t.grids.push_back(g);
    t.decimal = AutoDec7WOption->isChecked();
    t.hexadecimal = AutoHex7WOption->isChecked();
    return t;
}

} // namespace posmod
