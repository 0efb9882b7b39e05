#include "print/ui/frmPrintPageForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/PrinterChoice.h"
#include "print/PrintNumbers.h"
#include "print/PrintPaging.h"
#include "print/ui/BoxLeaveCheck.h"
#include "shared/Messages.h"
#include "shared/Public.h"
#include "shared/ui/FormBase.h"

namespace posmod {

frmPrintPageForm::frmPrintPageForm(PrintServices& services, PrintSheet& sheet, QWidget* parent)
    : QDialog(parent), svc_(services), sheet_(sheet)
{
    setObjectName("frmPrintPageForm");
    setWindowTitle("Page setting");
    setModal(true);

    fraMargin = NewFrame(this, "fraMargin", "Margin(Twips)");
    auto* margins = new QGridLayout(fraMargin);
    const char* const captions[4] = {"Top :", "End :", "Left :", "Right :"};
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<size_t>(i);
        lblMargin[k] = NewLabel(fraMargin, ArrayName("lblMargin", i), captions[i]);
        txtMargin[k] = NewText(fraMargin, ArrayName("txtMargin", i));
        lblMargin[k]->setBuddy(txtMargin[k]);
        margins->addWidget(lblMargin[k], i / 2, (i % 2) * 2);
        margins->addWidget(txtMargin[k], i / 2, (i % 2) * 2 + 1);
    }

    fraPageform = NewFrame(this, "fraPageform", "Page setting");
    Prn_Command = NewButton(fraPageform, "Prn_Command", "Printer Set up(&P)");
    (new QVBoxLayout(fraPageform))->addWidget(Prn_Command);

    NextPage_Frame = NewFrame(this, "NextPage_Frame", "Turning a page setting");
    AxisCombo = NewCombo(NextPage_Frame, "AxisCombo");
    LineCombo = NewCombo(NextPage_Frame, "LineCombo");
    for (QComboBox* c : {AxisCombo, LineCombo}) {
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
    }
    Page_Label1 = {NewLabel(NextPage_Frame, ArrayName("Page_Label1", 0), "Print a"),
                   NewLabel(NextPage_Frame, ArrayName("Page_Label1", 1), "axis in a lump in one page")};
    Page_Label2 = {NewLabel(NextPage_Frame, ArrayName("Page_Label2", 0), "Turn a page every"),
                   NewLabel(NextPage_Frame, ArrayName("Page_Label2", 1), "steps")};
    // Each list is read by the words before it, its box too.
    Page_Label1[0]->setBuddy(AxisCombo);
    Page_Label2[0]->setBuddy(LineCombo);
    CaptionBy(AxisCombo->lineEdit(), Page_Label1[0]);
    CaptionBy(LineCombo->lineEdit(), Page_Label2[0]);
    auto* next = new QGridLayout(NextPage_Frame);
    next->addWidget(Page_Label1[0], 0, 0);
    next->addWidget(AxisCombo, 0, 1);
    next->addWidget(Page_Label1[1], 0, 2);
    next->addWidget(Page_Label2[0], 1, 0);
    next->addWidget(LineCombo, 1, 1);
    next->addWidget(Page_Label2[1], 1, 2);

    cmdOK = NewButton(this, "cmdOK", "OK(&O)");
    cmdCancel = NewButton(this, "cmdCancel", "Cancel(&C)");
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* all = new QVBoxLayout(this);
    auto* topRow = new QHBoxLayout;
    topRow->addWidget(fraMargin, 1);
    topRow->addWidget(fraPageform);
    all->addLayout(topRow);
    all->addWidget(NextPage_Frame);
    all->addLayout(buttons);

    leave_ = new BoxLeaveCheck(*this, {txtMargin[0], txtMargin[1], txtMargin[2], txtMargin[3]},
                               [this](int i) { return txtMargin_LostFocus(i); });
    connect(Prn_Command, &QPushButton::clicked, this, &frmPrintPageForm::Prn_Command_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPrintPageForm::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load();
}

void frmPrintPageForm::Form_Load()
{
    const std::array<std::string, 4> texts = PageSetting_LoadMargins(sheet_, svc_.pub.MarginValue);
    for (size_t i = 0; i < 4; ++i) txtMargin[i]->setText(QString::fromStdString(texts[i]));
    for (const char* t : {"1", "2", "3", "4"}) AxisCombo->addItem(t);
    for (int n = 10; n <= 100; n += 10) LineCombo->addItem(QString::number(n));
    AxisCombo->setCurrentText(QString::fromStdString(svc_.pub.PrintAxesPerPage));
    LineCombo->setCurrentText(QString::fromStdString(svc_.pub.PrintStepsPerPage));

    const PerPageUse use = PageSetting_Use(svc_.pub.PrintDataKind);
    NextPage_Frame->setEnabled(use.axes || use.steps);
    for (QWidget* w : {static_cast<QWidget*>(AxisCombo), static_cast<QWidget*>(Page_Label1[0]),
                       static_cast<QWidget*>(Page_Label1[1])})
        w->setEnabled(use.axes);
    for (QWidget* w : {static_cast<QWidget*>(LineCombo), static_cast<QWidget*>(Page_Label2[0]),
                       static_cast<QWidget*>(Page_Label2[1])})
        w->setEnabled(use.steps);
}

bool frmPrintPageForm::txtMargin_LostFocus(int i)
{
    const auto k = static_cast<size_t>(i);
    float& stored = svc_.pub.MarginValue[k];
    const char* message = MarginBox_Check(txtMargin[k]->text().toStdString(), stored);
    if (!message) return true;
    svc_.messages.show(message, MsgIcon::Exclamation);
    txtMargin[k]->setText(QString::fromStdString(SingleText(stored)));
    return false;
}

void frmPrintPageForm::Prn_Command_Click()
{
    // Cancel or a failing dialog changes nothing and says nothing.
    svc_.printers.setup(this);
}

void frmPrintPageForm::cmdOK_Click()
{
    if (!leave_->beforeCommand(cmdOK)) return;
    // The print goes to the current printer (the set-up's choice, else the system's default).
    const PageSettingResult r = PageSetting_Ok(sheet_, svc_.pub, svc_.pub.PrintDataKind,
                                               AxisCombo->currentText().toStdString(),
                                               LineCombo->currentText().toStdString(), svc_.pub.MarginValue);
    if (r.failed >= 0) {
        svc_.messages.show(r.message, MsgIcon::Exclamation);
        (r.failed == 0 ? AxisCombo : LineCombo)->setFocus();
        return;
    }
    accept();
}

} // namespace posmod
