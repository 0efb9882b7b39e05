#pragma once
// The wait window: runs every bulk transfer with a progress bar, an item count and Cancel.
#include <QDialog>
#include <functional>
#include <string>

#include "transfer/Transfer.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace posmod {

class frmWaitDisp : public QDialog, private WaitUi {
    Q_OBJECT
public:
    frmWaitDisp(Public& pub, LinkOps& link, TaskOps& tasks, QWidget* parent = nullptr);

    uint8_t SendMain(int mode);
    // Takes the Left/Top of the caller's window (size unchanged).
    void placeOver(QWidget* caller);

    // Finds a window by its form number for the placement by mode; unset or nullptr moves nothing.
    std::function<QWidget*(int formNo)> windowOf;

    Transfer& transfer() { return transfer_; }

    QProgressBar* pbrLoading;
    QLabel* lblLoading;
    QPushButton* cmdCancel;

public slots:
    void cmdCancel_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void placeOver(int formNo) override;
    void showWait() override;
    void hideWait() override;
    void setBar(int maximum, int value) override;
    void setCountText(const std::string& text) override;

    Transfer transfer_;
};

} // namespace posmod
