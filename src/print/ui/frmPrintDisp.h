#pragma once
// The print preview: a read-only copy of an editor's table in a sheet, turned page by page,
// with the page setting, the print and the export to a workbook in its File menu.
#include <QDialog>
#include <string>

#include "print/PrintPaging.h"
#include "print/PrintTables.h"
#include "print/ui/PreviewSheet.h"
#include "print/ui/PrintServices.h"
#include "shared/PrintSheet.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace posmod {

class SheetView;

class frmPrintDisp : public QDialog, public PreviewSheet {
    Q_OBJECT
public:
    // Builds the table of source.kind from the editor's grids (a snapshot: the preview never
    // writes back).
    frmPrintDisp(PrintServices& services, const PrintSource& source, QWidget* parent = nullptr);
    ~frmPrintDisp() override;

    const PrintSheet& sheet() const { return sheet_; }
    PrintSheet& sheet() override { return sheet_; }
    int topRow() const override;
    const PreviewPaging& paging() const { return paging_; }

    QMenuBar* menu;
    QMenu* mnuFile;
    QAction* mnuE_ExcelWrite;
    QAction* mnuFileConfig;
    QAction* mnuFilePrint;
    QAction* mnuFileEnd;
    SheetView* Prn_Spread;
    QGroupBox* PageFrame;
    QPushButton* PageUp_Command;
    QPushButton* PageDown_Command;
    QLineEdit* PageText;
    QPushButton* PjumpCommand;
    QLabel* Page_Label;
    QLabel* PageD_Label;

    // The path the export asks for: the CSV dialog's last name cut before its first "."
    // offered; empty when cancelled.
    std::string ExportFileName_Ask(int fileKind, int dialogAction);

private:
    void Form_Load(const PrintSource& source);
    void showPage();
    // The control's pixel size that shows the headers and rowsShown rows, no more.
    QSize fittedSize(int rowsShown) const;
    void PageUp_Command_Click();
    void PageDown_Command_Click();
    void PjumpCommand_Click();
    void mnuE_ExcelWrite_Click();
    void mnuFileConfig_Click();
    void mnuFilePrint_Click();

    PrintServices& svc_;
    PrintSheet sheet_;
    PreviewPaging paging_;
    PrintLayout layout_;
};

} // namespace posmod
