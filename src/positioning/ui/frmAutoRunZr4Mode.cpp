#include "positioning/ui/frmAutoRunZr4Mode.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <memory>

#include "main/TaskSend.h"
#include "platform/FlexGrid.h"
#include "positioning/StepEdit.h"
#include "positioning/StepLayout.h"
#include "positioning/Teach.h"
#include "positioning/ui/frmTeach_Command.h"
#include "shared/FormNumbers.h"
#include "shared/ModelTable.h"
#include "shared/Public.h"
#include "transfer/CsvProcedures.h"
#include "shared/ui/CellEditor.h"
#include "transfer/RangeEntry.h"
#include "transfer/Transfer.h"

namespace posmod {

namespace {
constexpr int kTeachReadMode = 11;
} // namespace

frmAutoRunZr4Mode::frmAutoRunZr4Mode(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
                                     CsvProcedures& csvFiles)
    : StepEditorBase(pub, shell, transfers, messages, csvFiles)
{
    setObjectName("frmAutoRunZr4Mode");
    setWindowTitle("Automatic operation data setting");
    AutoSSTab = NewGridTabs(this, "AutoSSTab", "RunModeZr4Grid", RunModeZr4Grid);
    AutoSelZ4Text = NewText(this, "AutoSelZ4Text");
    AutoSelZ4Combo = NewCombo(this, "AutoSelZ4Combo");

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

    LayEditor(this, AutoSSTab, FramesAt::Below, {AutoHexDecZ4Frame, AutoReadZ4Frame, AutoWriteZ4Frame},
              {AutoCancelZ4_Command, AutoDefaultZ4_Command, AutoSendZ4_Command, PrnZ4Command, Teach_Command,
               AutoEndZ4_Command});

    setupEditing({form::frmAutoRunZr4Mode, &StepZr4_Layout(), &StepZr4_Rules(), kStepLastValueColZr4,
                  kStepLastValueColZr4, Model_OfFamily(ModelFamily::FourAxis).autoWriteMode, 22},
                 {RunModeZr4Grid.begin(), RunModeZr4Grid.end()}, AutoSelZ4Text, AutoSelZ4Combo, AutoSSTab,
                 AutoHexZ4Option, AutoDecZ4Option);
    connect(PrnZ4Command, &QPushButton::clicked, this, [this] { Print_Click(true); });
    connect(AutoCancelZ4_Command, &QPushButton::clicked, this, &frmAutoRunZr4Mode::Cancel_Click);
    connect(AutoDefaultZ4_Command, &QPushButton::clicked, this, [this] { Default_Click(pub_.AutoDefaultZ4); });
    connect(AutoSendZ4_Command, &QPushButton::clicked, this, [this] {
        if (Submit_Click()) relay();
    });
    connect(Teach_Command, &QPushButton::clicked, this, &frmAutoRunZr4Mode::Teach_Command_Click);
    connect(AutoEndZ4_Command, &QPushButton::clicked, this, &QWidget::close);
    connect(AutoZ4Csv_Cmd1, &QPushButton::clicked, this, [this] {
        auto data = std::make_shared<Z4AutoCsvData>();
        CsvLoad_Run([this, data] { return csv_.ZR4_AutCsvData_ReadSub(*data) == 1; },
                    [this, data] {
                        return StepZr4_FileMerge(
                            {RunModeZr4Grid[0], RunModeZr4Grid[1], RunModeZr4Grid[2], RunModeZr4Grid[3]}, *data);
                    },
                    [this] {
                        // The file may have named the axes.
                        SetAxisTabs(AutoSSTab, pub_.set, kind_.tabBytes);
                        RunModeZr4Grid[0]->setRow(1);
                        RunModeZr4Grid[0]->setCol(1);
                    });
    });
    connect(AutoZ4Csv_Cmd2, &QPushButton::clicked, this, [this] {
        CsvSave_Run([this] {
            csv_.CsvAuto_WriteZ4Sub(AutoZ4Option1->isChecked());
        });
    });
}

void frmAutoRunZr4Mode::Form_Load()
{
    setModelTitle(pub_.DataSourceCaption + "Automatic operation data setting");
    AutoZ4Option2->setChecked(true);
    loadTable();
    const bool csv = !pub_.DataSourceCaption.empty();
    AutoReadZ4Frame->setVisible(csv);
    AutoWriteZ4Frame->setVisible(csv);
}

void frmAutoRunZr4Mode::fillCurrent()
{
    int first = 0, last = 0;
    StepWindow(pub_, first, last);
    for (int a = 0; a < 4; ++a) StepZr4_FillCurrent(*RunModeZr4Grid[static_cast<size_t>(a)], a, pub_, first, false);
}

void frmAutoRunZr4Mode::Form_Unload() { Zr4Data_Clear(pub_); }

void frmAutoRunZr4Mode::Teach_Command_Click()
{
    // The editor stays usable beside a control window: teaching must not share the link with
    // a command or snapshot that waits there, nor with a transfer.
    if (shell_.operationRunning()) return;
    if (!editor_->flush()) return;
    auto* dialog = qobject_cast<frmTeach_Command*>(shell_.form(form::frmTeach_Command));
    if (!dialog) return;
    Public& p = pub_;
    shell_.FormControl_Enable(form::frmAutoRunZr4Mode, false);
    // A confirmation left over from earlier work must not make this showing read a step back.
    p.Z4StepData.clear();
    dialog->move(pos());
    shell_.execDialog(*dialog);
    if (const auto step = Teach_ReadBackStep(p)) {
        p.TeachStepNo = *step;
        if (transfers_.SendMain(kTeachReadMode) == 1)
            Teach_FillStep({RunModeZr4Grid[0], RunModeZr4Grid[1], RunModeZr4Grid[2], RunModeZr4Grid[3]}, p, *step,
                           editor_->decimal());
    }
    if (p.DataSourceCaption.empty()) p.Z4StepData.clear();
    shell_.FormControl_Enable(form::frmAutoRunZr4Mode, true);
}

} // namespace posmod
