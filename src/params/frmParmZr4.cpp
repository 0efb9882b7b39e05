#include "params/frmParmZr4.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "main/Forms.h"
#include "main/frmMain.h"
#include "platform/FlexGrid.h"
#include "shared/Conversions.h"

namespace posmod {

frmParmZr4::frmParmZr4(Forms& forms) : EditorBase(forms, 2)
{
    setObjectName("frmParmZr4");
    AutoSSTab = new QTabWidget(this);
    AutoSSTab->setObjectName("AutoSSTab");
    for (int t = 0; t < 4; ++t) {
        auto* page = new QWidget(AutoSSTab);
        PrmZ4FlexGrid[static_cast<size_t>(t)] = NewGrid(page, ArrayName("PrmZ4FlexGrid", t));
        (new QVBoxLayout(page))->addWidget(PrmZ4FlexGrid[static_cast<size_t>(t)]);
        AutoSSTab->addTab(page, QString());
    }
    SelHText = NewText(this, "SelHText");
    SelHText->hide();
    PrmSelZ4Combo = new QComboBox(this);
    PrmSelZ4Combo->setObjectName("PrmSelZ4Combo");
    PrmSelZ4Combo->hide();

    PramReadZ4Frame = NewFrame(this, "PramReadZ4Frame", "Csv format load");
    ParmZ4Csv_Cmd1 = NewButton(PramReadZ4Frame, "ParmZ4Csv_Cmd1", "Execute");
    (new QVBoxLayout(PramReadZ4Frame))->addWidget(ParmZ4Csv_Cmd1);
    PramWriteZ4Frame = NewFrame(this, "PramWriteZ4Frame", "Csv format file save");
    PramZ4Option1 = NewOption(PramWriteZ4Frame, "PramZ4Option1", "Current data");
    PramZ4Option2 = NewOption(PramWriteZ4Frame, "PramZ4Option2", "Setting data", true);
    ParmZ4Csv_Cmd2 = NewButton(PramWriteZ4Frame, "ParmZ4Csv_Cmd2", "Execute");
    auto* write = new QHBoxLayout(PramWriteZ4Frame);
    write->addWidget(PramZ4Option1);
    write->addWidget(PramZ4Option2);
    write->addWidget(ParmZ4Csv_Cmd2);
    HexDecZ4Frame = NewFrame(this, "HexDecZ4Frame", "Hex / Dec Display");
    HexZ4Option = NewOption(HexDecZ4Frame, "HexZ4Option", "Hex display", true);
    DecZ4Option = NewOption(HexDecZ4Frame, "DecZ4Option", "Dec display");
    auto* hexDec = new QHBoxLayout(HexDecZ4Frame);
    hexDec->addWidget(HexZ4Option);
    hexDec->addWidget(DecZ4Option);

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
    for (QObject* c : std::initializer_list<QObject*>{ParmZ4Csv_Cmd1, ParmZ4Csv_Cmd2, SendZ4_Command,
                                                     PrnZ4Command, DefaultZ4_Command, CancelZ4_Command})
        MarkNotBuilt(c);

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
    const Public& p = forms_.pub;
    setWindowTitle(QString::fromStdString(p.DataSourceCaption + "Common parameter setting(" +
                                          forms_.Main().CpuCombo->currentText().toStdString() + ")"));
    HexZ4Option->setChecked(true);
    setupGrids();
    for (int t = 0; t < 4; ++t)
        AutoSSTab->setTabText(t, QString::fromStdString(StrByte_Cut(p.set.AxisName[static_cast<size_t>(t)], 20)));
    AutoSSTab->setCurrentIndex(0);
    const bool csv = !p.DataSourceCaption.empty();
    PramReadZ4Frame->setVisible(csv);
    PramWriteZ4Frame->setVisible(csv);
    showCurrent();
    PrmZ4FlexGrid[0]->setRow(1);
    PrmZ4FlexGrid[0]->setCol(3);
}

std::string frmParmZr4::CurrentText(const std::array<Public::Z4WordRec, 19>& words, int row, bool decimal)
{
    auto word = [&](int w) -> const std::string& { return words[static_cast<size_t>(w)].Word; };
    if (row >= 1 && row <= 11) {
        // Option rows: word 0 fields 1-4, word 1 fields 2-4, word 2 fields 1-4 (field 1 leftmost).
        const int w = row <= 4 ? 0 : row <= 7 ? 1 : 2;
        const int field = row <= 4 ? row - 1 : row <= 7 ? row - 4 : row - 8;
        const std::string& t = word(w);
        return field < static_cast<int>(t.size()) ? t.substr(static_cast<size_t>(field), 1) : std::string();
    }
    if (row >= 12 && row <= 19) return CurrentCellText(word(row - 9), false, decimal);
    if (row >= 20 && row <= 23) {
        const int low = 11 + 2 * (row - 20);
        const std::string hex = word(low).empty() && word(low + 1).empty() ? std::string() : word(low + 1) + word(low);
        return CurrentCellText(hex, true, decimal);
    }
    return {};
}

void frmParmZr4::showCurrent()
{
    const Public& p = forms_.pub;
    const bool decimal = DecZ4Option->isChecked();
    for (int a = 0; a < 4; ++a) {
        FlexGrid* g = PrmZ4FlexGrid[static_cast<size_t>(a)];
        SetParamHeaders(g, decimal);
        for (int row = 1; row <= 23; ++row)
            g->setTextMatrix(row, 2, p.DataSourceCaption.empty()
                                         ? CurrentText(p.Z4PrmData[static_cast<size_t>(a)], row, decimal)
                                         : std::string());
    }
}

} // namespace posmod
