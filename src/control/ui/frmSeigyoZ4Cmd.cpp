#include "control/ui/frmSeigyoZ4Cmd.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shared/Conversions.h"
#include "shared/Public.h"

namespace posmod {

namespace {
const char* const kCommands[15] = {
    "Homing", "high speed. Forward manual operation", "low speed. Forward manual operation",
    "Forward JOG operation", "high speed. Reverse manual operation", "low speed. Reverse manual operation",
    "Reverse JOG operation", "Automatic step operation", "Velocity and position data specified operation",
    "Direct linear interpolation", "Direct circular interpolation", "Automatic step cycle operation",
    "Deceleration stop", "Emergency stop", "Set initial command to CR"};

struct SubField {
    const char* name;
    const char* unit;
    int maxLength;
};
// The sub-command fields each command takes (at most three).
std::vector<SubField> FieldsOf(int index)
{
    switch (index) {
    case 3:
    case 6: return {{"Pulses", "", 5}};
    case 7: return {{"Step No", "Step", 3}};
    case 11: return {{"Starting step", "Step", 3}, {"Ending step", "Step", 3}, {"Repeat No", "", 3}};
    default: return {};
    }
}
} // namespace

frmSeigyoZ4Cmd::frmSeigyoZ4Cmd(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages)
    : SeigyoCmdBase(pub, shell, link, tasks, messages)
{
    setObjectName("frmSeigyoZ4Cmd");
    static const char* const kAxes[4] = {"A axis", "B axis", "C axis", "D axis"};
    JikFrame = NewFrame(this, "JikFrame", "Axis data");
    auto* axes = new QHBoxLayout(JikFrame);
    for (int i = 0; i < 4; ++i) {
        JikCheck[static_cast<size_t>(i)] = NewCheck(JikFrame, ArrayName("JikCheck", i), kAxes[i]);
        axes->addWidget(JikCheck[static_cast<size_t>(i)]);
    }
    SeigyoFrame = NewFrame(this, "SeigyoFrame", "Control command");
    auto* rows = new QVBoxLayout(SeigyoFrame);
    for (int i = 0; i < 15; ++i) {
        SeigyoOption[static_cast<size_t>(i)] = NewSeigyoOption(i, kCommands[i]);
        rows->addWidget(SeigyoOption[static_cast<size_t>(i)]);
    }
    DaSetFrame = NewFrame(this, "DaSetFrame", "Sub command");
    auto* fields = new QGridLayout(DaSetFrame);
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<size_t>(k);
        FLabel[i] = NewLabel(DaSetFrame, ArrayName("FLabel", k), "");
        SeigyoText[i] = NewText(DaSetFrame, ArrayName("SeigyoText", k), 3);
        BLabel[i] = NewLabel(DaSetFrame, ArrayName("BLabel", k), "");
        fields->addWidget(FLabel[i], k, 0);
        fields->addWidget(SeigyoText[i], k, 1);
        fields->addWidget(BLabel[i], k, 2);
    }
    QVBoxLayout* buttons = NewCommandButtons();
    buttons->insertStretch(0);
    auto* right = new QVBoxLayout;
    right->addWidget(DaSetFrame);
    right->addLayout(buttons);
    auto* box = new QGridLayout(this);
    box->addWidget(JikFrame, 0, 0, 1, 2);
    box->addWidget(SeigyoFrame, 1, 0);
    box->addLayout(right, 1, 1);
    SeigyoText_Reset();
}

void frmSeigyoZ4Cmd::Form_Load()
{
    const Public& p = pub_;
    setModelTitle("Control command transmit");
    SeigyoOption[0]->setChecked(true);
    SeigyoOption_Click(0);
    for (size_t k = 0; k < 4; ++k) {
        JikCheck[k]->setChecked(false);
        JikCheck[k]->setText(QString::fromStdString(StrByte_Cut(p.set.AxisName[k], 14)));
    }
}

void frmSeigyoZ4Cmd::SeigyoText_Reset()
{
    for (size_t k = 0; k < 3; ++k) {
        SeigyoText[k]->setText("0");
        SeigyoText[k]->setEnabled(false);
        FLabel[k]->setText("");
        BLabel[k]->setText("");
    }
}

void frmSeigyoZ4Cmd::SeigyoOption_Click(int index)
{
    SeigyoText_Reset();
    const std::vector<SubField> fields = FieldsOf(index);
    for (size_t k = 0; k < fields.size(); ++k) {
        SeigyoText[k]->setEnabled(true);
        SeigyoText[k]->setMaxLength(fields[k].maxLength);
        FLabel[k]->setText(QString::fromUtf8(fields[k].name));
        BLabel[k]->setText(QString::fromUtf8(fields[k].unit));
    }
    if (!fields.empty()) SeigyoText[0]->setFocus();
    pub_.Z4CommandIndex = index;
}

} // namespace posmod
