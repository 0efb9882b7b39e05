#include "params/ui/frmParmZr4.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "params/ParamLayout.h"
#include "platform/FlexGrid.h"

namespace posmod {

frmParmZr4::frmParmZr4(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages)
    : EditorBase(pub, shell, transfers, messages)
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

    auto* frames = new QHBoxLayout;
    frames->addWidget(PramReadZ4Frame);
    frames->addWidget(PramWriteZ4Frame);
    frames->addWidget(HexDecZ4Frame);
    frames->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {SendZ4_Command, PrnZ4Command, DefaultZ4_Command, CancelZ4_Command, EndZ4_Command})
        buttons->addWidget(b);
    auto* box = new QVBoxLayout(this);
    box->addWidget(AutoSSTab);
    box->addLayout(frames);
    box->addLayout(buttons);

    // Editing, writing, CSV files and printing come with the full editor.
    MarkNotBuilt({ParmZ4Csv_Cmd1, ParmZ4Csv_Cmd2, SendZ4_Command, PrnZ4Command, DefaultZ4_Command, CancelZ4_Command});

    connect(EndZ4_Command, &QPushButton::clicked, this, &QWidget::close);
    connect(HexZ4Option, &QRadioButton::toggled, this, [this] { showCurrent(); });
    setupGrids();
}

void frmParmZr4::setupGrids()
{
    for (FlexGrid* g : PrmZ4FlexGrid) {
        ApplyGridLayout(g, ParamZr4_Layout());
        ParamGrid_Shape(*g, kParamRowsZr4);
    }
}

void frmParmZr4::Form_Load()
{
    const Public& p = pub_;
    setModelTitle(p.DataSourceCaption + "Common parameter setting");
    HexZ4Option->setChecked(true);
    setupGrids();
    SetAxisTabs(AutoSSTab, p.set, 20);
    const bool csv = !p.DataSourceCaption.empty();
    PramReadZ4Frame->setVisible(csv);
    PramWriteZ4Frame->setVisible(csv);
    showCurrent();
    PrmZ4FlexGrid[0]->setRow(1);
    PrmZ4FlexGrid[0]->setCol(3);
}

void frmParmZr4::showCurrent()
{
    for (int a = 0; a < 4; ++a)
        ParamZr4_FillCurrent(*PrmZ4FlexGrid[static_cast<size_t>(a)], a, pub_, DecZ4Option->isChecked());
}

EditorTable frmParmZr4::editorTable()
{
    EditorTable t;
    for (FlexGrid* g : PrmZ4FlexGrid) t.grids.push_back(g);
    t.decimal = DecZ4Option->isChecked();
    t.hexadecimal = HexZ4Option->isChecked();
    return t;
}

} // namespace posmod
