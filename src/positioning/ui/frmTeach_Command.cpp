#include "positioning/ui/frmTeach_Command.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "shared/ui/FormBase.h"
#include "shared/Public.h"
#include "shared/Conversions.h"

namespace posmod {

frmTeach_Command::frmTeach_Command(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks,
                                   MessageSink& messages)
    : QDialog(nullptr), pub_(pub), shell_(shell), link_(link), tasks_(tasks), messages_(messages)
{
    setObjectName("frmTeach_Command");
    setWindowTitle("Teaching command");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    StepLabel = NewLabel(this, "StepLabel", "Step No.");
    StepText = NewText(this, "StepText", 3);
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

    // Sending the teaching command comes with the teaching work.
    MarkNotBuilt(DataSetCommand);
    connect(Cancel_Command, &QPushButton::clicked, this, &QDialog::reject);
}

void frmTeach_Command::Form_Load()
{
    for (size_t i = 0; i < 4; ++i)
        JikCheck[i]->setText(QString::fromStdString(StrByte_Cut(pub_.set.AxisName[i], 14)));
}

void frmTeach_Command::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) Form_Load();
    QDialog::showEvent(e);
}

} // namespace posmod
