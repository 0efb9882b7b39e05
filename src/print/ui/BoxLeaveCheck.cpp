#include "print/ui/BoxLeaveCheck.h"

#include <QApplication>
#include <QDialog>

namespace posmod {

BoxLeaveCheck::BoxLeaveCheck(QDialog& dialog, std::vector<QWidget*> boxes, std::function<bool(int)> check)
    : QObject(&dialog), dialog_(dialog), boxes_(std::move(boxes)), check_(std::move(check))
{
    connect(qApp, &QApplication::focusChanged, this, &BoxLeaveCheck::focusChanged);
}

int BoxLeaveCheck::indexOf(QWidget* w) const
{
    for (size_t i = 0; i < boxes_.size(); ++i)
        if (boxes_[i] == w) return static_cast<int>(i);
    return -1;
}

void BoxLeaveCheck::focusChanged(QWidget* old, QWidget* now)
{
    refusedOnto_ = nullptr;
    const int i = indexOf(old);
    if (i < 0 || !now || now->window() != &dialog_) return;
    if (!check_(i)) refusedOnto_ = now;
}

bool BoxLeaveCheck::beforeCommand(QWidget* button)
{
    if (refusedOnto_ && refusedOnto_ == button) {
        refusedOnto_ = nullptr;
        return false;
    }
    const int i = indexOf(dialog_.focusWidget());
    return i < 0 || check_(i);
}

} // namespace posmod
