#include "positioning/ui/StepEditor.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include "platform/FlexGrid.h"
#include "positioning/DefaultRange.h"
#include "positioning/StepEdit.h"
#include "positioning/StepLayout.h"
#include "print/ui/PrintCommand.h"
#include "shared/Messages.h"
#include "shared/NameTables.h"
#include "shared/Public.h"
#include "shared/ui/CellEditor.h"
#include "transfer/RangeEntry.h"
#include "transfer/Transfer.h"

namespace posmod {

StepEditorBase::StepEditorBase(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
                               CsvProcedures& csvFiles)
    : EditorBase(pub, shell, transfers, messages, csvFiles)
{
}

StepEditorBase::~StepEditorBase() = default;

void StepEditorBase::setupEditing(const Kind& kind, std::vector<FlexGrid*> grids, QLineEdit* box, QComboBox* list,
                                  QTabWidget* tabs, QRadioButton* hex, QRadioButton* dec)
{
    kind_ = kind;
    grids_ = std::move(grids);
    tabs_ = tabs;
    hex_ = hex;
    dec_ = dec;
    for (FlexGrid* g : grids_) {
        ApplyGridLayout(g, *kind_.layout);
        StepGrid_Shape(*g, *kind_.layout, 0, 0);
    }
    editor_ = std::make_unique<CellEditor>(box, list, grids_, *kind_.rules, messages_, nullptr);
    if (tabs_) {
        // A tab switch is a way out of the box, as a button is.
        editor_->guardPresses(tabs_->tabBar());
        connect(tabs_, &QTabWidget::currentChanged, this, [this] { editor_->flush(); });
    }
    // A switch ends the pending entry first, then converts only on a real change.
    connect(dec_, &QRadioButton::toggled, this, [this](bool decimal) { editor_->SwitchDisplay(decimal); });
}

void StepEditorBase::loadTable()
{
    Public& p = pub_;
    editor_->Reset();
    hex_->setChecked(true);
    int first = 0, last = 0;
    StepWindow_Load(p, first, last);
    for (FlexGrid* g : grids_) StepGrid_Shape(*g, *kind_.layout, first, last);
    if (p.DataSourceCaption.empty()) fillCurrent();
    if (tabs_) SetAxisTabs(tabs_, p.set, kind_.tabBytes);
    grids_[0]->setRow(2);
    grids_[0]->setCol(2);
    DefaultData_Set(p);
    editor_->Reset();
    editor_->LayOver(0);
}

FlexGrid* StepEditorBase::shownGrid() const
{
    const int t = tabs_ ? tabs_->currentIndex() : 0;
    return grids_[static_cast<size_t>(t >= 0 && t < static_cast<int>(grids_.size()) ? t : 0)];
}

void StepEditorBase::relay() { editor_->LayOver(editor_->selectedGrid()); }

void StepEditorBase::Cancel_Click()
{
    if (!editor_->flush()) return;
    StepSetting_Clear(*shownGrid(), kind_.lastClearCol);
    relay();
}

void StepEditorBase::Default_Click(std::span<const std::string> defaults)
{
    if (!editor_->flush()) return;
    Public& p = pub_;
    const int result = shell_.openDialog(dialog::frmDefault, *this);
    const Public::AxisStepRangeRec r = p.AxisStepRange;
    if (result != QDialog::Accepted || r.AxisNo == kRangeCancelled) return;
    const size_t axis = grids_.size() == 1 ? 0 : static_cast<size_t>(r.AxisNo);
    if (axis >= grids_.size()) return;
    hex_->setChecked(true);
    int first = 0, last = 0;
    StepWindow(p, first, last);
    StepSetting_Fill(*grids_[axis], StepRange_Rows(first, r.FirstStep, r.LastStep), kStepFirstValueCol,
                     kind_.lastValueCol, defaults);
    relay();
}

bool StepEditorBase::Submit_Click()
{
    if (!editor_->flush()) return false;
    shell_.FormControl_Enable(static_cast<uint8_t>(kind_.formNo), false);
    transfers_.SendMain(kind_.writeMode);
    shell_.FormControl_Enable(static_cast<uint8_t>(kind_.formNo), true);
    return true;
}

void StepEditorBase::Print_Click(bool askAxis)
{
    if (!editor_->flush()) return;
    if (askAxis && (shell_.openDialog(dialog::frmDefaultPrint, *this) != QDialog::Accepted ||
                    pub_.AxisStepRange.AxisNo == kRangeCancelled))
        return;
    PrintCommand_Run(shell_, *this);
}

void StepEditorBase::CsvLoad_Run(const std::function<bool()>& read, const std::function<int()>& merge,
                                 const std::function<void()>& after)
{
    if (!editor_->flush()) return;
    shell_.FormControl_Enable(static_cast<uint8_t>(kind_.formNo), false);
    if (read()) {
        hex_->setChecked(true);
        QCoreApplication::processEvents();
        if (const int left = merge(); left > 0)
            messages_.show(std::to_string(left) + (left == 1 ? " value" : " values") +
                               " of the file left out: not a value of its column, or outside the table",
                           MsgIcon::Exclamation);
    }
    after();
    DefaultData_Set(pub_);
    shell_.FormControl_Enable(static_cast<uint8_t>(kind_.formNo), true);
    relay();
}

void StepEditorBase::CsvSave_Run(const std::function<void()>& save)
{
    if (!editor_->flush()) return;
    shell_.FormControl_Enable(static_cast<uint8_t>(kind_.formNo), false);
    save();
    shell_.FormControl_Enable(static_cast<uint8_t>(kind_.formNo), true);
    relay();
}

void StepEditorBase::closeEvent(QCloseEvent* e)
{
    if (!editor_->flush()) {
        e->ignore();
        return;
    }
    EditorBase::closeEvent(e);
}

EditorTable StepEditorBase::editorTable() { return editor_->table(); }

} // namespace posmod
