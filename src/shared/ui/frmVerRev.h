#pragma once
// The version dialog: the program's name and version.
#include <QDialog>

class QLabel;
class QPushButton;

namespace posmod {

inline constexpr const char* kVersionText = "DRAVEL          Version 5.02";

class frmVerRev : public QDialog {
    Q_OBJECT
public:
    explicit frmVerRev(QWidget* parent = nullptr);

    void cmdOK_Click() { accept(); }

    QLabel* lblVerNo;
    QPushButton* cmdOK;
};

} // namespace posmod
