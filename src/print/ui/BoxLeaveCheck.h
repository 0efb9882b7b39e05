#pragma once
// The check a dialog's text box runs when the focus leaves it for another control of the
// same dialog (a message box, a popup or another window taking the focus does not count),
// and the same check when OK is reached with the focus still in the box.
#include <QObject>
#include <functional>
#include <vector>

class QDialog;
class QWidget;

namespace posmod {

class BoxLeaveCheck : public QObject {
    Q_OBJECT
public:
    // check(i) runs box i's check (its message and the restore included); true when it passed.
    BoxLeaveCheck(QDialog& dialog, std::vector<QWidget*> boxes, std::function<bool(int)> check);

    // OK pressed: the box holding the focus is checked now; false (OK stops) when that check
    // fails, or when the check of the box just left failed as the focus moved onto `button`
    // (a click or an access key on OK).
    bool beforeCommand(QWidget* button);

private:
    void focusChanged(QWidget* old, QWidget* now);
    int indexOf(QWidget* w) const;

    QDialog& dialog_;
    std::vector<QWidget*> boxes_;
    std::function<bool(int)> check_;
    QWidget* refusedOnto_ = nullptr;
};

} // namespace posmod
