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

frmSeigyoZ4Cmd::frmSeigyoZ4Cmd(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                               MousePointer& pointer)
    : SeigyoCmdBase(pub, shell, link, tasks, messages, pointer, form::frmSeigyoZ4Cmd)
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
    for (size_t i = 0; i < SeigyoOption.size(); ++i) {
        SeigyoOption[i] = NewSeigyoOption(static_cast<int>(i), kSeigyoZ4Commands[i].caption);
        rows->addWidget(SeigyoOption[i]);
    }
    DaSetFrame = NewFrame(this, "DaSetFrame", "Sub command");
    auto* fields = new QGridLayout(DaSetFrame);
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<size_t>(k);
        FLabel[i] = NewLabel(DaSetFrame, ArrayName("FLabel", k), "");
        SeigyoText[i] = NewText(DaSetFrame, ArrayName("SeigyoText", k), kZ4SubTextMaxLength);
        FitTextWidth(SeigyoText[i], 5); // the longest field takes a pulse count of five digits
        BLabel[i] = NewLabel(DaSetFrame, ArrayName("BLabel", k), "");
        FLabel[i]->setBuddy(SeigyoText[i]);
        fields->addWidget(FLabel[i], k, 0);
        fields->addWidget(SeigyoText[i], k, 1);
        fields->addWidget(BLabel[i], k, 2);
    }
    // Room for the longest field name and unit, which the labels only show while chosen.
    fields->setColumnMinimumWidth(0, fontMetrics().horizontalAdvance("Starting step") + 8);
    fields->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance("Step") + 8);
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
    SeigyoText_Reset();
    SeigyoOption[0]->setChecked(true);
    SeigyoOption_Click(0);
    for (size_t k = 0; k < 4; ++k) {
        JikCheck[k]->setChecked(false);
        JikCheck[k]->setText(CaptionOf(StrByte_Cut(p.set.AxisName[k], kAxisCheckBytes)));
    }
}

void frmSeigyoZ4Cmd::SeigyoText_Reset()
{
    for (size_t k = 0; k < 3; ++k) {
        SetBackColor(SeigyoText[k], false);
        SeigyoText[k]->setText("0");
        SeigyoText[k]->setEnabled(false);
        FLabel[k]->setText("");
        BLabel[k]->setText("");
    }
}

void frmSeigyoZ4Cmd::SeigyoOption_Click(int index)
{
    SeigyoText_Reset();
    if (index >= 0 && index < static_cast<int>(kSeigyoZ4Commands.size())) {
        const Z4Command& c = kSeigyoZ4Commands[static_cast<size_t>(index)];
        for (size_t k = 0; k < static_cast<size_t>(c.fieldCount); ++k) {
            SetBackColor(SeigyoText[k], true);
            SeigyoText[k]->setText("0");
            SeigyoText[k]->setEnabled(true);
            SeigyoText[k]->setMaxLength(c.fields[k].maxLength);
            FLabel[k]->setText(QString::fromUtf8(c.fields[k].name));
            BLabel[k]->setText(QString::fromUtf8(c.fields[k].unit));
        }
        if (c.fieldCount > 0) SeigyoText[0]->setFocus();
    }
    pub_.Z4CommandIndex = index;
}

void frmSeigyoZ4Cmd::SendCommand_Click()
{
    std::array<bool, 4> checked{};
    for (size_t k = 0; k < checked.size(); ++k) checked[k] = JikCheck[k]->isChecked();
    std::array<std::string, 3> fields;
    for (size_t k = 0; k < fields.size(); ++k) fields[k] = SeigyoText[k]->text().toStdString();
    send_.SubmitZ4(checked, fields);
}

void frmSeigyoZ4Cmd::showDataDialog()
{
    shell_.openDialog(dialog::frmSeigyoZ4Data, *this);
}

} // namespace posmod
