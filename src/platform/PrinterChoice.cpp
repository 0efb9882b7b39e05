#include "platform/PrinterChoice.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace posmod {

QtPrinterChoice::QtPrinterChoice() = default;
QtPrinterChoice::~QtPrinterChoice() = default;

QPrinter* QtPrinterChoice::current()
{
    // The system's default is looked up when first needed, so a printer added meanwhile counts.
    if (!printer_) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return nullptr;
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    return printer_.get();
}

bool QtPrinterChoice::setup(QWidget* parent)
{
    // The dialog works on a copy of the current choice: Cancel leaves it as it was.
    auto chosen = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (QPrinter* now = current()) {
        if (now->outputFormat() == QPrinter::PdfFormat) {
            chosen->setOutputFormat(QPrinter::PdfFormat);
            chosen->setOutputFileName(now->outputFileName());
        } else {
            chosen->setPrinterName(now->printerName());
        }
        chosen->setPageLayout(now->pageLayout());
    }
    QPrintDialog dialog(chosen.get(), parent);
    // A PDF file is one of the choices.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return false;
    printer_ = std::move(chosen);
    return true;
}

} // namespace posmod
