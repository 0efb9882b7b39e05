#include "params/ui/frmParmZr4.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include "params/ParamEntry.h"
#include "params/ParamLayout.h"
#include "platform/FlexGrid.h"
#include "print/ui/PrintCommand.h"
#include "shared/FormNumbers.h"
#include "shared/ModelTable.h"
#include "shared/NameTables.h"
#include "shared/ui/CellEditor.h"
#include "transfer/CsvProcedures.h"
#include "transfer/Transfer.h"

namespace posmod {

frmParmZr4::frmParmZr4(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
                       CsvProcedures& csvFiles)
    : EditorBase(pub, shell, transfers, messages, csvFiles)
{
    setObjectName("frmParmZr4");
    AutoSSTab = NewGridTabs(this, "AutoSSTab", "PrmZ4FlexGrid", PrmZ4FlexGrid);
    SelHText = NewText(this, "SelHText");
    SelHText->hide();
    PrmSelZ4Combo = NewCombo(this, "PrmSelZ4Combo");
    PrmSelZ4Combo->hide();

    PramReadZ4Frame = NewCsvLoadFrame(this, "PramReadZ4Frame", Qt::Vertical, ParmZ4Csv_Cmd1, "ParmZ4Csv_Cmd1");
    PramWriteZ4Frame = NewCsvSaveFrame(this, "PramWriteZ4Frame", Qt::Horizontal, PramZ4Option1, "PramZ4Option1",
                                       PramZ4Option2, "PramZ4Option2", ParmZ4Csv_Cmd2, "ParmZ4Csv_Cmd2");
    HexDecZ4Frame = NewHexDecFrame(this, "HexDecZ4Frame", Qt::Horizontal, HexZ4Option, "HexZ4Option", DecZ4Option,
                                   "DecZ4Option");

    SendZ4_Command = NewButton(this, "SendZ4_Command", "Submit");
    PrnZ4Command = NewButton(this, "PrnZ4Command", "Print");
    DefaultZ4_Command = NewButton(this, "DefaultZ4_Command", "Default");
    CancelZ4_Command = NewButton(this, "CancelZ4_Command", "Cancel");
    EndZ4_Command = NewButton(this, "EndZ4_Command", "Exit");

    LayEditor(this, AutoSSTab, FramesAt::Below, {PramReadZ4Frame, PramWriteZ4Frame, HexDecZ4Frame},
              {SendZ4_Command, PrnZ4Command, DefaultZ4_Command, CancelZ4_Command, EndZ4_Command});

    editor_ = std::make_unique<CellEditor>(SelHText, PrmSelZ4Combo,
                                           std::vector<FlexGrid*>(PrmZ4FlexGrid.begin(), PrmZ4FlexGrid.end()),
                                           ParamZr4_Rules(), messages_, nullptr);
    // A tab switch is a way out of the box, as a button is.
    editor_->guardPresses(AutoSSTab->tabBar());
    connect(AutoSSTab, &QTabWidget::currentChanged, this, [this] { editor_->flush(); });
    connect(DecZ4Option, &QRadioButton::toggled, this, &frmParmZr4::DecZ4Option_Toggled);
    connect(CancelZ4_Command, &QPushButton::clicked, this, &frmParmZr4::CancelZ4_Command_Click);
    connect(DefaultZ4_Command, &QPushButton::clicked, this, &frmParmZr4::DefaultZ4_Command_Click);
    connect(SendZ4_Command, &QPushButton::clicked, this, &frmParmZr4::SendZ4_Command_Click);
    connect(PrnZ4Command, &QPushButton::clicked, this, &frmParmZr4::PrnZ4Command_Click);
    connect(EndZ4_Command, &QPushButton::clicked, this, &QWidget::close);
    connect(ParmZ4Csv_Cmd1, &QPushButton::clicked, this, &frmParmZr4::ParmZ4Csv_Cmd1_Click);
    connect(ParmZ4Csv_Cmd2, &QPushButton::clicked, this, &frmParmZr4::ParmZ4Csv_Cmd2_Click);
    setupGrids();
}

frmParmZr4::~frmParmZr4() = default;

void frmParmZr4::setupGrids()
{
    for (FlexGrid* g : PrmZ4FlexGrid) {
        ApplyGridLayout(g, ParamZr4_Layout());
        ParamGrid_Shape(*g, kZr4ParamRows);
    }
}

FlexGrid* frmParmZr4::shownGrid() const
{
    const int t = AutoSSTab->currentIndex();
    return PrmZ4FlexGrid[static_cast<size_t>(t >= 0 && t < 4 ? t : 0)];
}

void frmParmZr4::Form_Load()
{
    Public& p = pub_;
    setModelTitle(p.DataSourceCaption + "Common parameter setting");
    editor_->Reset();
    HexZ4Option->setChecked(true);
    PramZ4Option2->setChecked(true);
    setupGrids();
    ParmName_Set(p);
    int rows = 0;
    const std::string* names = Model_ParamNames(p, p.ModuleType, rows);
    for (int a = 0; a < 4; ++a) {
        FlexGrid* g = PrmZ4FlexGrid[static_cast<size_t>(a)];
        for (int k = 1; k <= kZr4ParamRows; ++k) g->setTextMatrix(k, 1, names && k <= rows ? names[k] : "");
        ParamZr4_FillCurrent(*g, a, p, false);
    }
    // The CSV frames are offered on module data too.
    PramReadZ4Frame->setVisible(true);
    PramWriteZ4Frame->setVisible(true);
    DefaultData_Set(p);
    backToStart();
    editor_->Reset();
}

void frmParmZr4::backToStart()
{
    SetAxisTabs(AutoSSTab, pub_.set, 20);
    showStart();
}

void frmParmZr4::showStart()
{
    AutoSSTab->setCurrentIndex(0);
    PrmZ4FlexGrid[0]->setRow(1);
    PrmZ4FlexGrid[0]->setCol(1);
}

void frmParmZr4::closeEvent(QCloseEvent* e)
{
    if (!editor_->flush()) {
        e->ignore();
        return;
    }
    EditorBase::closeEvent(e);
}

void frmParmZr4::DecZ4Option_Toggled(bool decimal)
{
    if (!editor_->SwitchDisplay(decimal)) return;
    for (FlexGrid* g : PrmZ4FlexGrid) ParamGrid_Headers(*g, decimal);
}

void frmParmZr4::CancelZ4_Command_Click()
{
    if (!editor_->flush()) return;
    FlexGrid* g = shownGrid();
    for (int k = 1; k <= kZr4ParamRows; ++k) g->setTextMatrix(k, kParamSettingCol, "");
    SelHText->clear();
}

void frmParmZr4::DefaultZ4_Command_Click()
{
    if (!editor_->flush()) return;
    HexZ4Option->setChecked(true);
    FlexGrid* g = shownGrid();
    for (int k = 1; k <= kZr4ParamRows; ++k)
        g->setTextMatrix(k, kParamSettingCol, pub_.PrmDefaultZ4[static_cast<size_t>(k)]);
}

void frmParmZr4::SendZ4_Command_Click()
{
    if (!editor_->flush()) return;
    shell_.FormControl_Enable(form::frmParmZr4, false);
    transfers_.SendMain(Model_ForType(pub_.ModuleType).paramWriteMode);
    shell_.FormControl_Enable(form::frmParmZr4, true);
    showStart();
}

void frmParmZr4::PrnZ4Command_Click()
{
    if (!editor_->flush()) return;
    PrintCommand_Run(shell_, *this);
}

void frmParmZr4::ParmZ4Csv_Cmd1_Click()
{
    if (!editor_->flush()) return;
    shell_.FormControl_Enable(form::frmParmZr4, false);
    Z4PrmCsvData data;
    if (csv_.ZR4_PrmCsvData_ReadSub(data) == 1) {
        HexZ4Option->setChecked(true);
        QCoreApplication::processEvents();
        int left = 0;
        for (int a = 0; a < 4; ++a)
            left += ParamZr4_FileMerge(*PrmZ4FlexGrid[static_cast<size_t>(a)], data.cells[static_cast<size_t>(a)]);
        if (const std::string m = FileMerge_Message(left); !m.empty()) messages_.show(m, MsgIcon::Exclamation);
    }
    // The file may have named the axes.
    backToStart();
    DefaultData_Set(pub_);
    shell_.FormControl_Enable(form::frmParmZr4, true);
}

void frmParmZr4::ParmZ4Csv_Cmd2_Click()
{
    if (!editor_->flush()) return;
    shell_.FormControl_Enable(form::frmParmZr4, false);
    csv_.CsvData_WriteZ4Sub(PramZ4Option1->isChecked());
    shell_.FormControl_Enable(form::frmParmZr4, true);
    showStart();
}

EditorTable frmParmZr4::editorTable() { return editor_->table(); }

} // namespace posmod
