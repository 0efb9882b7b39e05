#include "positioning/ui/frmAutoRunZr4Mode.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "main/TaskSend.h"
#include "platform/FlexGrid.h"
#include "positioning/StepLayout.h"
#include "shared/Public.h"
#include "shared/Conversions.h"
#include "transfer/RangeEntry.h"

namespace posmod {


frmAutoRunZr4Mode::frmAutoRunZr4Mode(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages)
    : EditorBase(pub, shell, transfers, messages)
{
    setObjectName("frmAutoRunZr4Mode");
    setWindowTitle("Automatic operation data setting");
    AutoSSTab = NewGridTabs(this, "AutoSSTab", "RunModeZr4Grid", RunModeZr4Grid);
    AutoSelZ4Text = NewText(this, "AutoSelZ4Text");
    AutoSelZ4Text->hide();
    AutoSelZ4Combo = NewCombo(this, "AutoSelZ4Combo");
    AutoSelZ4Combo->hide();

    AutoHexDecZ4Frame = NewHexDecFrame(this, "AutoHexDecZ4Frame", Qt::Horizontal, AutoHexZ4Option, "AutoHexZ4Option",
                                       AutoDecZ4Option, "AutoDecZ4Option");
    AutoReadZ4Frame = NewCsvLoadFrame(this, "AutoReadZ4Frame", Qt::Horizontal, AutoZ4Csv_Cmd1, "AutoZ4Csv_Cmd1");
    AutoWriteZ4Frame = NewCsvSaveFrame(this, "AutoWriteZ4Frame", Qt::Horizontal, AutoZ4Option1, "AutoZ4Option1",
                                       AutoZ4Option2, "AutoZ4Option2", AutoZ4Csv_Cmd2, "AutoZ4Csv_Cmd2");

    AutoCancelZ4_Command = NewButton(this, "AutoCancelZ4_Command", "Cancel");
    AutoDefaultZ4_Command = NewButton(this, "AutoDefaultZ4_Command", "Default");
    AutoSendZ4_Command = NewButton(this, "AutoSendZ4_Command", "Submit");
    PrnZ4Command = NewButton(this, "PrnZ4Command", "Print");
    Teach_Command = NewButton(this, "Teach_Command", "Teaching");
    AutoEndZ4_Command = NewButton(this, "AutoEndZ4_Command", "Exit");

    auto* frames = new QHBoxLayout;
    frames->addWidget(AutoHexDecZ4Frame);
    frames->addWidget(AutoReadZ4Frame);
    frames->addWidget(AutoWriteZ4Frame);
    frames->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {AutoCancelZ4_Command, AutoDefaultZ4_Command, AutoSendZ4_Command, PrnZ4Command,
                           Teach_Command, AutoEndZ4_Command})
        buttons->addWidget(b);
    auto* box = new QVBoxLayout(this);
    box->addWidget(AutoSSTab);
    box->addLayout(frames);
    box->addLayout(buttons);

    // Editing, writing, CSV files, printing and teaching come with the full editor.
    MarkNotBuilt({AutoZ4Csv_Cmd1, AutoZ4Csv_Cmd2, AutoCancelZ4_Command, AutoDefaultZ4_Command, AutoSendZ4_Command,
                  PrnZ4Command, Teach_Command});

    connect(AutoEndZ4_Command, &QPushButton::clicked, this, &QWidget::close);
    connect(AutoHexZ4Option, &QRadioButton::toggled, this, [this] { showCurrent(); });
    for (FlexGrid* g : RunModeZr4Grid) {
        ApplyGridLayout(g, StepZr4_Layout());
        StepGrid_Shape(*g, StepZr4_Layout(), 0, 0);
    }
}

void frmAutoRunZr4Mode::Form_Load()
{
    Public& p = pub_;
    setModelTitle(p.DataSourceCaption + "Automatic operation data setting");
    int first = 0, last = 0;
    StepWindow_Load(p, first, last);
    AutoHexZ4Option->setChecked(true);
    for (FlexGrid* g : RunModeZr4Grid) StepGrid_Shape(*g, StepZr4_Layout(), first, last);
    const bool csv = !p.DataSourceCaption.empty();
    AutoReadZ4Frame->setVisible(csv);
    AutoWriteZ4Frame->setVisible(csv);
    SetAxisTabs(AutoSSTab, p.set, 20);
    showCurrent();
    RunModeZr4Grid[0]->setRow(2);
    RunModeZr4Grid[0]->setCol(2);
}

void frmAutoRunZr4Mode::Form_Unload() { Zr4Data_Clear(pub_); }

void frmAutoRunZr4Mode::showCurrent()
{
    int first = 0, last = 0;
    StepWindow(pub_, first, last);
    for (int a = 0; a < 4; ++a)
        StepZr4_FillCurrent(*RunModeZr4Grid[static_cast<size_t>(a)], a, pub_, first, AutoDecZ4Option->isChecked());
}

EditorTable frmAutoRunZr4Mode::editorTable()
{
    EditorTable t;
    for (FlexGrid* g : RunModeZr4Grid) t.grids.push_back(g);
    t.decimal = AutoDecZ4Option->isChecked();
    t.hexadecimal = AutoHexZ4Option->isChecked();
    return t;
}

} // namespace posmod
