#include "print/ui/frmPrintPrint.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

#include "platform/PrinterChoice.h"
#include "platform/SheetPrinter.h"
#include "print/ui/BoxLeaveCheck.h"
#include "shared/Files.h"
#include "shared/Messages.h"
#include "shared/Public.h"
#include "shared/Runtime.h"
#include "shared/ui/FormBase.h"

namespace posmod {

namespace {

// The boxes in the order of PrintBox.
constexpr PrintBox kBoxes[6] = {PrintBox::Col, PrintBox::Col2, PrintBox::Row, PrintBox::Row2, PrintBox::PageStart,
                                PrintBox::PageEnd};

const QColor kLabelRed(0xFF, 0, 0);

} // namespace

frmPrintPrint::frmPrintPrint(PrintServices& services, PrintSheet& sheet, std::function<int()> topRow, QWidget* parent)
    : QDialog(parent), svc_(services), sheet_(sheet), topRow_(std::move(topRow))
{
    setObjectName("frmPrintPrint");
    setWindowTitle("Print");
    setModal(true);

    fraPrintType = NewFrame(this, "fraPrintType", "Print range");
    const char* const types[4] = {"All pages", "Cell block", "Current page", "Page range"};
    auto* typeBox = new QVBoxLayout(fraPrintType);
    for (int i = 0; i < 4; ++i) {
        optPrintType[static_cast<size_t>(i)] = NewOption(fraPrintType, ArrayName("optPrintType", i), types[i]);
        typeBox->addWidget(optPrintType[static_cast<size_t>(i)]);
        connect(optPrintType[static_cast<size_t>(i)], &QRadioButton::clicked, this, [this, i] { optPrintType_Click(i); });
    }

    fraPrintRange = NewFrame(this, "fraPrintRange", "");
    txtCol = NewText(fraPrintRange, "txtCol");
    txtRow = NewText(fraPrintRange, "txtRow");
    txtCol2 = NewText(fraPrintRange, "txtCol2");
    txtRow2 = NewText(fraPrintRange, "txtRow2");
    // Each box is read by the label before it.
    auto labelled = [](QWidget* frame, const char* name, const char* caption, QLineEdit* box) {
        QLabel* l = NewLabel(frame, name, caption);
        l->setBuddy(box);
        return l;
    };
    auto* block = new QGridLayout(fraPrintRange);
    block->addWidget(labelled(fraPrintRange, "lblCol", "Col :", txtCol), 0, 0);
    block->addWidget(txtCol, 0, 1);
    block->addWidget(labelled(fraPrintRange, "lblRow", "Row :", txtRow), 0, 2);
    block->addWidget(txtRow, 0, 3);
    block->addWidget(labelled(fraPrintRange, "lblCol2", "Col2 :", txtCol2), 1, 0);
    block->addWidget(txtCol2, 1, 1);
    block->addWidget(labelled(fraPrintRange, "lblRow2", "Row2 :", txtRow2), 1, 2);
    block->addWidget(txtRow2, 1, 3);

    fraPage = NewFrame(this, "fraPage", "Page range");
    txtPageStart = NewText(fraPage, "txtPageStart");
    txtPageEnd = NewText(fraPage, "txtPageEnd");
    auto* pages = new QHBoxLayout(fraPage);
    pages->addWidget(labelled(fraPage, "lblPageStart", "Start :", txtPageStart));
    pages->addWidget(txtPageStart);
    pages->addWidget(labelled(fraPage, "lblPageEnd", "End :", txtPageEnd));
    pages->addWidget(txtPageEnd);

    cmdOK = NewButton(this, "cmdOK", "OK(&O)");
    cmdCancel = NewButton(this, "cmdCancel", "Cancel(&C)");
    cmdOK->setDefault(true);
    Print_Label = NewLabel(this, "Print_Label", "");
    Print_Label->hide();
    Timer100ms = new QTimer(this);
    Timer100ms->setObjectName("Timer100ms");
    Timer100ms->setInterval(100);

    auto* right = new QVBoxLayout;
    right->addWidget(fraPrintRange);
    right->addWidget(fraPage);
    auto* topRow2 = new QHBoxLayout;
    topRow2->addWidget(fraPrintType);
    topRow2->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Print_Label, 1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* all = new QVBoxLayout(this);
    all->addLayout(topRow2);
    all->addLayout(buttons);

    boxes_ = {txtCol, txtCol2, txtRow, txtRow2, txtPageStart, txtPageEnd};
    leave_ = new BoxLeaveCheck(*this, {boxes_.begin(), boxes_.end()}, [this](int i) { return box_LostFocus(i); });
    connect(Timer100ms, &QTimer::timeout, this, &frmPrintPrint::Timer100ms_Timer);
    connect(cmdOK, &QPushButton::clicked, this, &frmPrintPrint::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load();
}

frmPrintPrint::~frmPrintPrint() = default;

void frmPrintPrint::Form_Load()
{
    PrintRangeSetting_ = PrintRange_FromSheet(sheet_);
    const int type = PrintRangeSetting_.PrintType;
    if (type >= 0 && type < 4) optPrintType[static_cast<size_t>(type)]->setChecked(true);
    optPrintType_Click(type);
    const PrintRangeSetting& r = PrintRangeSetting_;
    const int values[6] = {r.Col, r.Col2, r.Row, r.Row2, r.PageStart, r.PageEnd};
    for (size_t i = 0; i < 6; ++i) boxes_[i]->setText(QString::number(values[i]));
}

void frmPrintPrint::optPrintType_Click(int index)
{
    PrintRangeSetting_.PrintType = index;
    fraPage->setEnabled(index == PrintPageRange);
    txtPageStart->setEnabled(index == PrintPageRange);
    txtPageEnd->setEnabled(index == PrintPageRange);
    fraPrintRange->setEnabled(index == PrintCellBlock);
}

bool frmPrintPrint::box_LostFocus(int i)
{
    PrintRangeSetting& r = PrintRangeSetting_;
    int* const stored[6] = {&r.Col, &r.Col2, &r.Row, &r.Row2, &r.PageStart, &r.PageEnd};
    const auto k = static_cast<size_t>(i);
    const char* message = PrintBox_Check(kBoxes[k], boxes_[k]->text().toStdString(), sheet_.MaxCols(),
                                         sheet_.MaxRows(), *stored[k]);
    if (!message) return true;
    svc_.messages.show(message, MsgIcon::Exclamation);
    boxes_[k]->setText(QString::number(*stored[k]));
    return false;
}

void frmPrintPrint::Timer100ms_Timer()
{
    labelRed_ = !labelRed_;
    QPalette pal = Print_Label->palette();
    pal.setColor(QPalette::WindowText, labelRed_ ? kLabelRed : palette().color(QPalette::ButtonText));
    Print_Label->setPalette(pal);
}

void frmPrintPrint::wait(int ms)
{
    Runtime& rt = svc_.runtime;
    const int64_t end = rt.nowMs() + ms;
    while (rt.nowMs() < end) rt.waitUntil(end);
}

void frmPrintPrint::reject()
{
    if (printing_) return;
    QDialog::reject();
}

void frmPrintPrint::closeEvent(QCloseEvent* e)
{
    if (printing_) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void frmPrintPrint::cmdOK_Click()
{
    if (printing_ || !leave_->beforeCommand(cmdOK)) return;
    // Without a system printer the print goes to a PDF file asked for now; Cancel prints
    // nothing and leaves the dialog open.
    QPrinter* printer = svc_.printers.current();
    std::unique_ptr<QPrinter> pdf;
    if (!printer) {
        FileNameRequest req;
        req.mode = FileNameRequest::Mode::Save;
        req.filters = {"PDF Files (*.pdf)", "All Files (*)"};
        req.defaultSuffix = "pdf";
        req.confirmOverwrite = true;
        const std::string path = svc_.pdfDialog.ask(req);
        if (path.empty()) return;
        pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf->setOutputFormat(QPrinter::PdfFormat);
        pdf->setOutputFileName(QString::fromStdString(path));
        printer = pdf.get();
    }
    print(*printer);
    accept();
}

void frmPrintPrint::print(QPrinter& printer)
{
    printing_ = true;
    for (QWidget* w : {static_cast<QWidget*>(fraPrintType), static_cast<QWidget*>(cmdOK),
                       static_cast<QWidget*>(cmdCancel)})
        w->setEnabled(false);
    Public& p = svc_.pub;
    const int kind = p.PrintDataKind;
    std::vector<bool> saved;
    const bool breaksSet = PrintBreaks_Prepare(sheet_, kind, p.PrintAxesPerPage, p.PrintStepsPerPage,
                                               PrintRangeSetting_.PrintType == PrintCurrentPage, saved);
    Print_Label->setText(QString::fromStdString(PrintLabel_Text(kind)));
    labelRed_ = true;
    Timer100ms_Timer(); // starts in the button-text colour
    Timer100ms->start();
    Print_Label->show();
    wait(200);

    PrintError error = PrintError::PageSetting;
    if (breaksSet) {
        PrintRange_Apply(PrintRangeSetting_, sheet_);
        if (PrintRangeSetting_.PrintType == PrintCurrentPage) sheet_.TopRow = topRow_ ? topRow_() : sheet_.TopRow;
        if (onPrinting) onPrinting();
        error = SheetPrint(sheet_, printer).error;
    }
    if (error != PrintError::None) svc_.messages.show(PrintError_Message(error), MsgIcon::None);

    PrintBreaks_Restore(sheet_, saved);
    Timer100ms->stop();
    Print_Label->hide();
    printing_ = false;
}

} // namespace posmod
