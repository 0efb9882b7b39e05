#pragma once
// The system's current printer and its printer set-up dialog, behind one seam so that tests
// choose a PDF file instead of a device and answer the set-up without a modal loop.
#include <memory>

class QPrinter;
class QWidget;

namespace posmod {

class PrinterChoice {
public:
    virtual ~PrinterChoice() = default;
    // The printer a print goes to: the system's default, or the one the set-up chose;
    // nullptr when the system has no printer and none was chosen.
    virtual QPrinter* current() = 0;
    // The system's printer set-up dialog on the current printer; a confirmed choice (a PDF
    // file among them) becomes the current printer. False on Cancel, nothing changed.
    virtual bool setup(QWidget* parent) = 0;
};

class QtPrinterChoice : public PrinterChoice {
public:
    QtPrinterChoice();
    ~QtPrinterChoice() override;
    QPrinter* current() override;
    bool setup(QWidget* parent) override;

private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace posmod
