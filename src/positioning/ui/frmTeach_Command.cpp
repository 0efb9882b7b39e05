#include "positioning/ui/frmTeach_Command.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "positioning/Teach.h"
#include "shared/Conversions.h"
#include "shared/FormNumbers.h"
#include "shared/Messages.h"
#include "shared/Public.h"
#include "shared/ui/FormBase.h"

namespace posmod {

frmTeach_Command::frmTeach_Command(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks,
                                   MessageSink& messages, MousePointer* pointer)
    : QDialog(nullptr), pub_(pub), shell_(shell), link_(link), tasks_(tasks), messages_(messages), pointer_(pointer)
{
    setObjectName("frmTeach_Command");
    setWindowTitle("Teaching command");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    StepLabel = NewLabel(this, "StepLabel", "Step No.");
    // No length limit: a step typed with leading zeros or far out of range must reach the
    // checks whole, or another step would be taught without a word.
    StepText = NewText(this, "StepText");
    StepLabel->setBuddy(StepText);
    JikFrame = NewFrame(this, "JikFrame", "Axis data");
    static const char* const kAxes[4] = {"A axis", "B axis", "C axis", "D axis"};
    auto* axes = new QHBoxLayout(JikFrame);
    for (int i = 0; i < 4; ++i) {
        JikCheck[static_cast<size_t>(i)] = NewCheck(JikFrame, ArrayName("JikCheck", i), kAxes[i]);
        axes->addWidget(JikCheck[static_cast<size_t>(i)]);
    }
    DataSetCommand = NewButton(this, "DataSetCommand", "Submit");
    Cancel_Command = NewButton(this, "Cancel_Command", "Cancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(StepLabel, 0, 0);
    grid->addWidget(StepText, 0, 1);
    grid->addWidget(JikFrame, 1, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DataSetCommand);
    buttons->addWidget(Cancel_Command);
    grid->addLayout(buttons, 2, 0, 1, 2);

    DataSetCommand->setDefault(true);
    connect(DataSetCommand, &QPushButton::clicked, this, &frmTeach_Command::DataSetCommand_Click);
    connect(Cancel_Command, &QPushButton::clicked, this, &QDialog::reject);
}

void frmTeach_Command::Form_Load()
{
    StepText->clear();
    for (size_t i = 0; i < 4; ++i) {
        JikCheck[i]->setText(CaptionOf(StrByte_Cut(pub_.set.AxisName[i], 14)));
        JikCheck[i]->setChecked(false);
    }
    StepText->setFocus();
}

void frmTeach_Command::DataSetCommand_Click()
{
    if (sending_ || shell_.operationRunning()) return;
    int mask = 0;
    for (size_t i = 0; i < 4; ++i)
        if (JikCheck[i]->isChecked()) mask |= 1 << i;
    int step = 0;
    const TeachError e = Teach_Check(mask, StepText->text().toStdString(), step);
    if (e != TeachError::None) {
        messages_.show(TeachError_Text(e), MsgIcon::Exclamation);
        return;
    }
    sending_ = true;
    shell_.FormControl_Enable(form::frmTeach_Command, false);
    Teach_Send(pub_, step, mask, link_, tasks_, messages_, pointer_);
    shell_.FormControl_Enable(form::frmTeach_Command, true);
    sending_ = false;
    accept();
}

void frmTeach_Command::reject()
{
    if (sending_) return;
    QDialog::reject();
}

void frmTeach_Command::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) Form_Load();
    QDialog::showEvent(e);
}

} // namespace posmod
