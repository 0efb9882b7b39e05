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

#include "params/ParmZr4Rows.h"
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
    for (FlexGrid* g : PrmZ4FlexGrid) SetupParamGrid(g, 23, {600, 3690, 3300, 3300}, {4, 2, 2, 2}, 11250, 6080);
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
    const Public& p = pub_;
    const bool decimal = DecZ4Option->isChecked();
    for (int a = 0; a < 4; ++a) {
        FlexGrid* g = PrmZ4FlexGrid[static_cast<size_t>(a)];
        SetParamHeaders(g, decimal);
        for (int row = 1; row <= 23; ++row)
            g->setTextMatrix(row, 2, p.DataSourceCaption.empty()
                                         ? ParmZr4_CurrentText(p.Z4PrmData[static_cast<size_t>(a)], row, decimal)
                                         : std::string());
    }
}

} // namespace posmod
