#pragma once
// The page setting of the preview's sheet: its four margins, the axes or steps on one
// printed page, and the printer.
#include <QDialog>
#include <array>

#include "print/ui/PrintServices.h"
#include "shared/PrintSheet.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace posmod {

class BoxLeaveCheck;

class frmPrintPageForm : public QDialog {
    Q_OBJECT
public:
    frmPrintPageForm(PrintServices& services, PrintSheet& sheet, QWidget* parent = nullptr);

    QGroupBox* fraMargin;
    std::array<QLineEdit*, 4> txtMargin{}; // top, bottom, left, right
    std::array<QLabel*, 4> lblMargin{};
    QGroupBox* fraPageform;
    QPushButton* Prn_Command;
    QGroupBox* NextPage_Frame;
    QComboBox* AxisCombo;
    QComboBox* LineCombo;
    std::array<QLabel*, 2> Page_Label1{}; // around AxisCombo
    std::array<QLabel*, 2> Page_Label2{}; // around LineCombo
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void Form_Load();
    bool txtMargin_LostFocus(int i);
    void Prn_Command_Click();
    void cmdOK_Click();

    PrintServices& svc_;
    PrintSheet& sheet_;
    BoxLeaveCheck* leave_;
};

} // namespace posmod
