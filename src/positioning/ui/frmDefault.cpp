#include "positioning/ui/frmDefault.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "positioning/DefaultRange.h"
#include "shared/Messages.h"
#include "shared/Public.h"
#include "shared/ui/FormBase.h"
#include "transfer/ui/RangeDialog.h"

namespace posmod {

frmDefault::frmDefault(Public& pub, MessageSink& messages, QWidget* parent)
    : QDialog(parent), pub_(pub), msg_(messages)
{
    RangeDialog_Setup(this, "frmDefault", "");
    Label1 = NewLabel(this, "Label1", "Axis");
    // A choice from the list only: the axis is the entry's place, whatever the names are.
    DefaultCombo = NewCombo(this, "DefaultCombo");
    Label1->setBuddy(DefaultCombo);
    DefaultCombo->setEditable(false);
    Label2 = NewLabel(this, "Label2", "Step No.");
    Label3 = NewLabel(this, "Label3", "~");
    for (int i = 0; i < 2; ++i) DefaultText[static_cast<size_t>(i)] = NewText(this, ArrayName("DefaultText", i));
    Label2->setBuddy(DefaultText[0]);
    CaptionBy(DefaultText[1], Label2); // the end of the range: "~" only marks it
    QHBoxLayout* buttons = NewOkCancel(this, DefaultCommand, "DefaultCommand", CancelCommand);
    connect(DefaultCommand, &QPushButton::clicked, this, &frmDefault::DefaultCommand_Click);
    connect(CancelCommand, &QPushButton::clicked, this, &frmDefault::CancelCommand_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(DefaultCombo, 0, 1, 1, 3);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(DefaultText[0], 1, 1);
    grid->addWidget(Label3, 1, 2);
    grid->addWidget(DefaultText[1], 1, 3);
    grid->addLayout(buttons, 2, 0, 1, 4);
    Form_Load();
}

void frmDefault::Form_Load()
{
    setWindowTitle(QString::fromStdString(pub_.RangeTitle + "range"));
    const std::vector<std::string> axes = DefaultRange_Axes(pub_);
    for (const std::string& a : axes) DefaultCombo->addItem(QString::fromStdString(a));
    DefaultCombo->setCurrentIndex(axes.empty() ? -1 : 0);
    Label1->setVisible(!axes.empty());
    DefaultCombo->setVisible(!axes.empty());
    std::string from, to;
    DefaultRange_Preset(pub_, from, to);
    DefaultText[0]->setText(QString::fromStdString(from));
    DefaultText[1]->setText(QString::fromStdString(to));
}

void frmDefault::HideSteps()
{
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(DefaultText[0]), static_cast<QWidget*>(DefaultText[1])})
        w->hide();
}

void frmDefault::DefaultCommand_Click()
{
    int32_t from = 0, to = 0;
    const RangeEntryError e = DefaultRange_Check(DefaultText[0]->text().toStdString(),
                                                 DefaultText[1]->text().toStdString(), pub_.StepRange, from, to);
    if (e != RangeEntryError::None) {
        msg_.show(RangeEntry_Message(e), MsgIcon::Exclamation);
        return;
    }
    pub_.AxisStepRange.AxisNo = DefaultRange_Axis(pub_.ModuleType, DefaultCombo->currentIndex());
    pub_.AxisStepRange.FirstStep = from;
    pub_.AxisStepRange.LastStep = to;
    accept();
}

void frmDefault::CancelCommand_Click() { reject(); }

void frmDefault::reject()
{
    pub_.AxisStepRange.AxisNo = kRangeCancelled;
    QDialog::reject();
}

} // namespace posmod
