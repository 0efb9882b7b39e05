#include "control/frmSeigyo7WCmd.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "main/Forms.h"
#include "main/frmMain.h"
#include "shared/Conversions.h"

namespace posmod {

namespace {
const char* const kCommands[10] = {"Deceleration stop", "Homing", "manual 1", "manual 2", "Auto 1",
                                   "Auto 2", "Auto 3", "Undefined", "Stop", "Set initial command to CR"};
// Commands 3..7 take a step, in fields 1..5.
int StepFieldOf(int index) { return index >= 3 && index <= 7 ? index - 3 : -1; }
} // namespace

frmSeigyo7WCmd::frmSeigyo7WCmd(Forms& forms) : ControlBase(forms, 8)
{
    setObjectName("frmSeigyo7WCmd");
    JikFrame = NewFrame(this, "JikFrame", "Axis");
    auto* axes = new QHBoxLayout(JikFrame);
    for (int i = 0; i < 2; ++i) {
        JikOption[static_cast<size_t>(i)] = NewOption(JikFrame, ArrayName("JikOption", i), i == 0 ? "X axis" : "Y axis");
        axes->addWidget(JikOption[static_cast<size_t>(i)]);
    }
    SeigyoFrame = NewFrame(this, "SeigyoFrame", "Control command");
    auto* rows = new QGridLayout(SeigyoFrame);
    for (int i = 0; i < 10; ++i) {
        SeigyoOption[static_cast<size_t>(i)] = NewOption(SeigyoFrame, ArrayName("SeigyoOption", i), kCommands[i]);
        rows->addWidget(SeigyoOption[static_cast<size_t>(i)], i, 0);
        connect(SeigyoOption[static_cast<size_t>(i)], &QRadioButton::clicked, this, [this, i] { SeigyoOption_Click(i); });
        const int f = StepFieldOf(i);
        if (f >= 0) {
            SeigyoText[static_cast<size_t>(f)] = NewText(SeigyoFrame, QString("SeigyoText%1").arg(f + 1), 3);
            StepLabel[static_cast<size_t>(f)] = NewLabel(SeigyoFrame, QString("Label%1").arg(f + 1), "Step");
            rows->addWidget(SeigyoText[static_cast<size_t>(f)], i, 1);
            rows->addWidget(StepLabel[static_cast<size_t>(f)], i, 2);
        }
    }
    StRegCommand = NewButton(this, "StRegCommand", "St_Reg");
    SendCommand = NewButton(this, "SendCommand", "Submit");
    EndCommand = NewButton(this, "EndCommand", "Exit");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(StRegCommand);
    buttons->addWidget(SendCommand);
    buttons->addWidget(EndCommand);
    buttons->addStretch();
    auto* box = new QGridLayout(this);
    box->addWidget(JikFrame, 0, 0);
    box->addWidget(SeigyoFrame, 1, 0);
    box->addLayout(buttons, 0, 1, 2, 1);

    // Sending commands and the status snapshot come with the control work.
    MarkNotBuilt(StRegCommand);
    MarkNotBuilt(SendCommand);
    connect(EndCommand, &QPushButton::clicked, this, &QWidget::close);
    SeigyoText_Reset();
}

void frmSeigyo7WCmd::Form_Load()
{
    const Public& p = forms_.pub;
    setWindowTitle("Control command transmit(" + forms_.Main().CpuCombo->currentText() + ")");
    SeigyoText_Reset();
    JikOption[0]->setChecked(true);
    SeigyoOption[0]->setChecked(true);
    SeigyoOption_Click(0);
    for (size_t i = 0; i < 2; ++i)
        JikOption[i]->setText(QString::fromStdString(StrByte_Cut(p.set.AxisName[i], 40)));
}

void frmSeigyo7WCmd::SeigyoText_Reset()
{
    for (QLineEdit* t : SeigyoText) {
        t->setText("0");
        t->setEnabled(false);
    }
}

void frmSeigyo7WCmd::SeigyoOption_Click(int index)
{
    SeigyoText_Reset();
    const int f = StepFieldOf(index);
    if (f >= 0) SeigyoText[static_cast<size_t>(f)]->setEnabled(true);
}

} // namespace posmod
