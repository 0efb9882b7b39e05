#pragma once
// The print of the preview's sheet: what to print (all pages, a cell block, the page on
// screen or a range of pages), the page breaks by table, a blinking label while it prints.
#include <QDialog>
#include <array>
#include <functional>

#include "print/PrintPaging.h"
#include "print/ui/PrintServices.h"
#include "shared/PrintSheet.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTimer;

namespace posmod {

class BoxLeaveCheck;

class frmPrintPrint : public QDialog {
    Q_OBJECT
public:
    // topRow: the sheet row at the top of the preview, the page a "Current page" print takes.
    frmPrintPrint(PrintServices& services, PrintSheet& sheet, std::function<int()> topRow, QWidget* parent = nullptr);
    ~frmPrintPrint() override;

    const PrintRangeSetting& range() const { return PrintRangeSetting_; }
    // A print runs: the dialog does not close.
    bool printing() const { return printing_; }

    QGroupBox* fraPrintType;
    std::array<QRadioButton*, 4> optPrintType{};
    QGroupBox* fraPrintRange;
    QLineEdit* txtCol;
    QLineEdit* txtRow;
    QLineEdit* txtCol2;
    QLineEdit* txtRow2;
    QGroupBox* fraPage;
    QLineEdit* txtPageStart;
    QLineEdit* txtPageEnd;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QLabel* Print_Label;
    QTimer* Timer100ms;

    // Runs just before the sheet goes to the printer (tests look at the dialog mid-print).
    std::function<void()> onPrinting;
    // One tick of Timer100ms: the label's text between red and the button-text colour.
    void Timer100ms_Timer();

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void optPrintType_Click(int index);
    bool box_LostFocus(int i);
    void cmdOK_Click();
    void print(QPrinter& printer);
    void wait(int ms);

    PrintServices& svc_;
    PrintSheet& sheet_;
    std::function<int()> topRow_;
    PrintRangeSetting PrintRangeSetting_;
    std::array<QLineEdit*, 6> boxes_{};
    bool printing_ = false;
    bool labelRed_ = false;
    BoxLeaveCheck* leave_;
};

} // namespace posmod
