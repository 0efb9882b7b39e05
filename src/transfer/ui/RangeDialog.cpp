#include "transfer/ui/RangeDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shared/ui/FormBase.h"
#include "shared/Messages.h"
#include "transfer/RangeEntry.h"

namespace posmod {

void RangeDialog_Setup(QDialog* d, const char* name, const char* caption)
{
    d->setObjectName(name);
    d->setWindowTitle(caption);
    d->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void NewStepPair(QDialog* d, std::array<QLineEdit*, 2>& texts, QLabel*& tilde, int maxLength)
{
    tilde = NewLabel(d, "Label3", "~");
    for (int i = 0; i < 2; ++i) texts[i] = NewText(d, ArrayName("StepText", i), maxLength);
}

QHBoxLayout* NewOkCancel(QDialog* d, QPushButton*& ok, const char* okName, QPushButton*& cancel)
{
    ok = new QPushButton("OK", d);
    ok->setObjectName(okName);
    ok->setDefault(true);
    cancel = new QPushButton("Cancel", d);
    cancel->setObjectName("CancelCommand");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

bool StepPair_Read(const std::array<QLineEdit*, 2>& texts, MessageSink& msg, int32_t& first, int32_t& last)
{
    const RangeEntryError e =
        StepPair_Check(texts[0]->text().toStdString(), texts[1]->text().toStdString(), first, last);
    if (e == RangeEntryError::None) return true;
    msg.show(RangeEntry_Message(e), MsgIcon::Exclamation);
    return false;
}

} // namespace posmod
