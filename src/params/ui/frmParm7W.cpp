#include "params/ui/frmParm7W.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/FlexGrid.h"
#include "params/ParamLayout.h"
#include "shared/Public.h"
#include "shared/Conversions.h"

namespace posmod {

frmParm7W::frmParm7W(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages)
    : EditorBase(pub, shell, transfers, messages)
{
    setObjectName("frmParm7W");
    for (int i = 0; i < 2; ++i) PrmHFlexGrid[static_cast<size_t>(i)] = NewGrid(this, ArrayName("PrmHFlexGrid", i));
    X_Label = NewLabel(this, "X_Label", "X axis data");
    Y_Label = NewLabel(this, "Y_Label", "Y axis data");
    SelHText = NewText(this, "SelHText");
    SelHText->hide();

    HexDecHFrame = NewHexDecFrame(this, "HexDecHFrame", Qt::Vertical, HexHOption, "HexHOption", DecHOption,
                                  "DecHOption");
    RunMode7WFrame = NewRunModeFrame(this, "RunMode7WFrame", CpuRead7WOption, "CpuRead7WOption", CpuWrite7WOption,
                                     "CpuWrite7WOption", RunModeHCommand, "RunModeHCommand");

    ParmCsv7WFrame = NewFrame(this, "ParmCsv7WFrame", "Csv format edit");
    PramRead7WFrame =
        NewCsvLoadFrame(ParmCsv7WFrame, "PramRead7WFrame", Qt::Vertical, Parm7WCsv_Cmd1, "Parm7WCsv_Cmd1");
    PramWrite7WFrame = NewCsvSaveFrame(ParmCsv7WFrame, "PramWrite7WFrame", Qt::Vertical, Pram7WOption1, "Pram7WOption1",
                                       Pram7WOption2, "Pram7WOption2", Parm7WCsv_Cmd2, "Parm7WCsv_Cmd2");
    auto* csv = new QHBoxLayout(ParmCsv7WFrame);
    csv->addWidget(PramRead7WFrame);
    csv->addWidget(PramWrite7WFrame);

    SendH_Command = NewButton(this, "SendH_Command", "Submit");
    PrnCommand = NewButton(this, "PrnCommand", "Print");
    DefaultH_Command = NewButton(this, "DefaultH_Command", "Default");
    CancelH_Command = NewButton(this, "CancelH_Command", "Cancel");
    EndH_Command = NewButton(this, "EndH_Command", "Exit");

    auto* options = new QHBoxLayout;
    options->addWidget(HexDecHFrame);
    options->addWidget(RunMode7WFrame);
    options->addWidget(ParmCsv7WFrame);
    options->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {SendH_Command, PrnCommand, DefaultH_Command, CancelH_Command, EndH_Command})
        buttons->addWidget(b);
    auto* grid = new QGridLayout(this);
    grid->addWidget(X_Label, 0, 0);
    grid->addWidget(Y_Label, 0, 1);
    grid->addWidget(PrmHFlexGrid[0], 1, 0);
    grid->addWidget(PrmHFlexGrid[1], 1, 1);
    grid->addLayout(options, 2, 0, 1, 2);
    grid->addLayout(buttons, 3, 0, 1, 2);

    // Editing, writing, CSV files, printing and the mode display come with the full editor.
    MarkNotBuilt({RunModeHCommand, Parm7WCsv_Cmd1, Parm7WCsv_Cmd2, SendH_Command, PrnCommand, DefaultH_Command,
                  CancelH_Command});

    connect(EndH_Command, &QPushButton::clicked, this, &QWidget::close);
    connect(HexHOption, &QRadioButton::toggled, this, [this] { showCurrent(); });
    setupGrids();
}

void frmParm7W::setupGrids()
{
    for (FlexGrid* g : PrmHFlexGrid) {
        ApplyGridLayout(g, Param7W_Layout());
        ParamGrid_Shape(*g, kParamRows);
    }
}

void frmParm7W::Form_Load()
{
    const Public& p = pub_;
    setModelTitle(p.DataSourceCaption + "Common parameter setting");
    HexHOption->setChecked(true);
    setupGrids();
    ParmCsv7WFrame->setVisible(!p.DataSourceCaption.empty());
    showCurrent();
    X_Label->setText(QString::fromStdString(StrByte_Cut(p.set.AxisName[0], 50)));
    Y_Label->setText(QString::fromStdString(StrByte_Cut(p.set.AxisName[1], 50)));
    PrmHFlexGrid[0]->setRow(1);
    PrmHFlexGrid[0]->setCol(3);
}

void frmParm7W::showCurrent()
{
    for (int axis = 0; axis < 2; ++axis)
        Param7W_FillCurrent(*PrmHFlexGrid[static_cast<size_t>(axis)], axis, pub_, DecHOption->isChecked());
}

EditorTable frmParm7W::editorTable()
{
    EditorTable t;
    for (FlexGrid* g : std::initializer_list<FlexGrid*>{PrmHFlexGrid[0], PrmHFlexGrid[1]}) t.grids.push_back(g);
    t.decimal = DecHOption->isChecked();
    t.hexadecimal = HexHOption->isChecked();
    return t;
}

} // namespace posmod
