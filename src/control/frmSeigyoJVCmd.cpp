#include "control/frmSeigyoJVCmd.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "main/Forms.h"

namespace posmod {

namespace {
const char* const kCommands[14] = {
    "Homing", "Manual operation", "Forward manual operation", "Forward JOG operation",
    "Reverse manual operation", "Reverse JOG operation", "Automatic step operation",
    "Automatic cycle operation", "Automatic continuous cycle operation", "Deceleration stop",
    "Emergency stop", "Velocity change", "Velocity and position data specified automatic step operation",
    "Set initial command to CR"};
// The step field of each command, -1 for none.
int StepFieldOf(int index)
{
    switch (index) {
    case 6: return 0;
    case 7: return 1;
    case 8: return 2;
    case 12: return 3;
    default: return -1;
    }
}
} // namespace

frmSeigyoJVCmd::frmSeigyoJVCmd(Forms& forms) : ControlBase(forms, 7)
{
    setObjectName("frmSeigyoJVCmd");
    setWindowTitle("Control command transmit (JV-ZR)");
    SeigyoFrame = NewFrame(this, "SeigyoFrame", "Control command");
    auto* rows = new QGridLayout(SeigyoFrame);
    for (int i = 0; i < 14; ++i) {
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
    box->addWidget(SeigyoFrame, 0, 0);
    box->addLayout(buttons, 0, 1);

    // Sending commands and the status snapshot come with the control work.
    MarkNotBuilt(StRegCommand);
    MarkNotBuilt(SendCommand);
    connect(EndCommand, &QPushButton::clicked, this, &QWidget::close);
    Form_Load();
}

void frmSeigyoJVCmd::Form_Load()
{
    SeigyoText_Reset();
    SeigyoOption[0]->setChecked(true);
    SeigyoOption_Click(0);
}

void frmSeigyoJVCmd::SeigyoText_Reset()
{
    for (QLineEdit* t : SeigyoText) {
        t->setText("0");
        t->setEnabled(false);
    }
}

void frmSeigyoJVCmd::SeigyoOption_Click(int index)
{
    SeigyoText_Reset();
    const int f = StepFieldOf(index);
    if (f >= 0) SeigyoText[static_cast<size_t>(f)]->setEnabled(true);
}

} // namespace posmod
