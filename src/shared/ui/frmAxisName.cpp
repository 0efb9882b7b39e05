#include "shared/ui/frmAxisName.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shared/Messages.h"
#include "shared/ModelTable.h"
#include "shared/Public.h"
#include "shared/SettingsEntry.h"
#include "shared/ui/FormBase.h"
#include "shared/ui/SettingsControls.h"

namespace posmod {

frmAxisName::frmAxisName(Public& pub, MessageSink& messages, QWidget* parent)
    : QDialog(parent), pub_(pub), msg_(messages)
{
    setObjectName("frmAxisName");
    setWindowTitle("Axis Name Setting");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(QFont("Arial"));

    auto* grid = new QGridLayout(this);
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<size_t>(k);
        AxisLabel[i] = NewLabel(this, ArrayName("AxisLabel", k), AxisLabel_Text(ModelFamily::FourAxis, k).c_str());
        AxisText[i] = NewText(this, ArrayName("AxisText", k));
        AxisLabel[i]->setBuddy(AxisText[i]);
        grid->addWidget(AxisLabel[i], k, 0);
        grid->addWidget(AxisText[i], k, 1);
    }
    OkCommand = NewButton(this, "OkCommand", "OK");
    OkCommand->setDefault(true);
    CancelCommand = NewButton(this, "CancelCommand", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkCommand);
    buttons->addWidget(CancelCommand);
    grid->addLayout(buttons, 4, 0, 1, 2);

    connect(OkCommand, &QPushButton::clicked, this, &frmAxisName::OkCommand_Click);
    connect(CancelCommand, &QPushButton::clicked, this, &frmAxisName::CancelCommand_Click);

    FitTitle(this);
    Form_Load();
}

void frmAxisName::Form_Load()
{
    const ModelFamily family = Model_Family(pub_.ModuleType);
    const int shown = AxisName_Count(family);
    if (shown == 0) return;
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<size_t>(k);
        AxisLabel[i]->setText(QString::fromStdString(AxisLabel_Text(family, k)));
        AxisText[i]->setText(QString::fromStdString(pub_.set.AxisName[i]));
        AxisLabel[i]->setVisible(k < shown);
        AxisText[i]->setVisible(k < shown);
    }
}

void frmAxisName::OkCommand_Click()
{
    std::array<std::string, 4> texts;
    for (size_t i = 0; i < 4; ++i) texts[i] = AxisText[i]->text().toStdString();
    if (!AxisNames_Store(Model_Family(pub_.ModuleType), texts, pub_.set)) {
        msg_.show(kNoDataMessage, MsgIcon::Exclamation);
        return;
    }
    accept();
}

} // namespace posmod
