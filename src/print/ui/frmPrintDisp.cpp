#include "print/ui/frmPrintDisp.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "platform/SheetExport.h"
#include "platform/SheetPrinter.h"
#include "platform/SheetView.h"
#include "print/PrintExport.h"
#include "shared/Files.h"
#include "shared/Messages.h"
#include "shared/Pointer.h"
#include "shared/Public.h"
#include "shared/ui/FormBase.h"
#include "shared/ui/WindowShell.h"

namespace posmod {

namespace {

constexpr int kPageFrameWidth = 1800; // twips
constexpr int kMarginPixels = 8;

int px(int twips) { return SheetView::twipsToPixels(twips); }

} // namespace

frmPrintDisp::frmPrintDisp(PrintServices& services, const PrintSource& source, QWidget* parent)
    : QDialog(parent), svc_(services)
{
    setObjectName("frmPrintDisp");
    setWindowTitle("Print Setting");
    setModal(true);

    menu = new QMenuBar(this);
    menu->setObjectName("menu");
    mnuFile = menu->addMenu("File(&F)");
    mnuFile->setObjectName("mnuFile");
    auto item = [this](const char* name, const char* caption) {
        QAction* a = mnuFile->addAction(QString::fromUtf8(caption));
        a->setObjectName(name);
        return a;
    };
    mnuE_ExcelWrite = item("mnuE_ExcelWrite", "Excel work sheet preservation(&E)");
    mnuFileConfig = item("mnuFileConfig", "Page setting(&U)");
    mnuFilePrint = item("mnuFilePrint", "Print(&P)");
    mnuFile->addSeparator();
    mnuFileEnd = item("mnuFileEnd", "Exit(&X)");

    Prn_Spread = new SheetView(this);
    Prn_Spread->setObjectName("Prn_Spread");

    PageFrame = NewFrame(this, "PageFrame", "Turning a page");
    PageUp_Command = NewButton(PageFrame, "PageUp_Command", "Ex-page(&U)");
    PageDown_Command = NewButton(PageFrame, "PageDown_Command", "Next page(&D)");
    PageText = NewText(PageFrame, "PageText");
    PjumpCommand = NewButton(PageFrame, "PjumpCommand", "Page jump(&G)");
    Page_Label = NewLabel(PageFrame, "Page_Label", "Page");
    PageD_Label = NewLabel(PageFrame, "PageD_Label", "");
    PageD_Label->setAlignment(Qt::AlignCenter);
    CaptionBy(PageText, PjumpCommand); // the page the jump goes to
    auto* frame = new QVBoxLayout(PageFrame);
    frame->addWidget(PageUp_Command);
    frame->addWidget(PageDown_Command);
    frame->addSpacing(8);
    frame->addWidget(PageText);
    frame->addWidget(PjumpCommand);
    frame->addSpacing(8);
    auto* page = new QHBoxLayout;
    page->addWidget(Page_Label);
    page->addWidget(PageD_Label, 1);
    frame->addLayout(page);
    frame->addStretch();

    connect(PageUp_Command, &QPushButton::clicked, this, &frmPrintDisp::PageUp_Command_Click);
    connect(PageDown_Command, &QPushButton::clicked, this, &frmPrintDisp::PageDown_Command_Click);
    connect(PjumpCommand, &QPushButton::clicked, this, &frmPrintDisp::PjumpCommand_Click);
    connect(mnuE_ExcelWrite, &QAction::triggered, this, &frmPrintDisp::mnuE_ExcelWrite_Click);
    connect(mnuFileConfig, &QAction::triggered, this, &frmPrintDisp::mnuFileConfig_Click);
    connect(mnuFilePrint, &QAction::triggered, this, &frmPrintDisp::mnuFilePrint_Click);
    connect(mnuFileEnd, &QAction::triggered, this, &QDialog::reject);

    Form_Load(source);
}

frmPrintDisp::~frmPrintDisp()
{
    // The view refers to the sheet, which goes first.
    Prn_Spread->setSheet(nullptr);
}

void frmPrintDisp::Form_Load(const PrintSource& source)
{
    layout_ = PrintPreview_Load(svc_.pub, sheet_, source, SheetTextHeightTwips(), kPageFrameWidth);
    paging_.kind = source.kind;
    paging_.CurrentPage = layout_.CurrentPage;
    paging_.TotalPages = layout_.TotalPages;
    Prn_Spread->setSheet(&sheet_);
    Prn_Spread->showTopRow();
    setWindowTitle(QString::fromStdString(layout_.caption));
    PageD_Label->setText(QString::fromStdString(layout_.pageLabel));
    PageFrame->setVisible(layout_.pageFrameVisible);

    // The sizes the table asks for, below the menu; a kind without a table keeps the design size.
    // The twips sizes were made for a control whose grid lines add to the rows; ours draws
    // them inside, so a paged table's control is fitted to show one screen page exactly
    // (else a page would show rows of the next one).
    const QSize fit = fittedSize(PrintKind_IsPaged(paging_.kind) ? RowsPerScreenPage(paging_.kind) : sheet_.MaxRows());
    const int top = menu->sizeHint().height() + kMarginPixels;
    int w = std::max(layout_.controlWidth > 0 ? px(layout_.controlWidth) : 400, fit.width());
    int h = layout_.controlHeight > 0 ? px(layout_.controlHeight) : 300;
    h = PrintKind_IsPaged(paging_.kind) ? fit.height() : std::max(h, fit.height());
    Prn_Spread->setGeometry(kMarginPixels, top, w, h);
    int width = std::max(layout_.windowWidth > 0 ? px(layout_.windowWidth) : 0, w + 2 * kMarginPixels);
    int height = std::max(layout_.windowHeight > 0 ? px(layout_.windowHeight) : 0, top + h + kMarginPixels);
    if (layout_.pageFrameVisible) {
        const int left = kMarginPixels + std::max(px(layout_.pageFrameLeft), w + kMarginPixels);
        // Never narrower or lower than its captions need: a wider font, or a table of fewer
        // rows than a screen page, would cut its buttons.
        const QSize need = PageFrame->sizeHint();
        const int frameWidth = std::max(px(kPageFrameWidth), need.width());
        const int frameHeight = std::max(std::min(h, need.height() + 40), need.height());
        PageFrame->setGeometry(left, top, frameWidth, frameHeight);
        width = std::max(width, left + frameWidth + kMarginPixels);
        height = std::max(height, top + frameHeight + kMarginPixels);
    }
    menu->setGeometry(0, 0, width, menu->sizeHint().height());
    setFixedSize(width, height);
}

QSize frmPrintDisp::fittedSize(int rowsShown) const
{
    const int frame = 2 * Prn_Spread->frameWidth();
    int w = frame + (sheet_.RowHeaderNumbers ? px(sheet_.ColWidth(0)) : 0);
    for (int c = 1; c <= sheet_.MaxCols(); ++c) w += Prn_Spread->columnWidth(c - 1);
    int h = frame + px(sheet_.RowHeight(0));
    for (int r = 1; r <= std::min(rowsShown, sheet_.MaxRows()); ++r) h += Prn_Spread->rowHeight(r - 1);
    if (rowsShown < sheet_.MaxRows()) w += Prn_Spread->verticalScrollBar()->sizeHint().width();
    return {w, h};
}

void frmPrintDisp::showPage()
{
    Paging_Show(paging_, sheet_);
    Prn_Spread->showTopRow();
    PageD_Label->setText(QString::fromStdString(PageLabelText(paging_.CurrentPage, paging_.TotalPages)));
}

void frmPrintDisp::PageUp_Command_Click()
{
    if (Paging_ExPage(paging_)) showPage();
}

void frmPrintDisp::PageDown_Command_Click()
{
    if (Paging_NextPage(paging_)) showPage();
}

void frmPrintDisp::PjumpCommand_Click()
{
    int page = 0;
    const PageJumpError e = PageJump_Check(PageText->text().toStdString(), paging_.TotalPages, page);
    if (e != PageJumpError::None) {
        svc_.messages.show(PageJump_Message(e), MsgIcon::Exclamation);
        return;
    }
    paging_.CurrentPage = page;
    showPage();
}

std::string frmPrintDisp::ExportFileName_Ask(int fileKind, int dialogAction)
{
    // Only the workbook through the save-as dialog is asked for.
    if (fileKind != 0 || dialogAction != 2) return {};
    FileNameRequest r;
    r.mode = FileNameRequest::Mode::Save;
    r.filters = {kExportFilterWorkbook, kExportFilterAll};
    r.defaultSuffix = "xlsx";
    r.confirmOverwrite = true;
    r.name = ExportDefaultName(svc_.csvDialog.lastName());
    const std::string chosen = svc_.csvDialog.ask(r);
    return chosen.empty() ? std::string() : ExportWithSuffix(chosen);
}

void frmPrintDisp::mnuE_ExcelWrite_Click()
{
    const std::string path = ExportFileName_Ask(0, 2);
    if (path.empty()) return;
    bool ok = false;
    {
        Hourglass wait(svc_.pointer);
        ok = SheetExport_Xlsx(sheet_, path, kExportSheetName, svc_.files);
    }
    if (!ok) svc_.messages.show(kExportFailedMessage, MsgIcon::Exclamation);
}

int frmPrintDisp::topRow() const { return Prn_Spread->topRow(); }

void frmPrintDisp::mnuFileConfig_Click() { svc_.shell.openDialog(dialog::frmPrintPageForm, *this); }

void frmPrintDisp::mnuFilePrint_Click() { svc_.shell.openDialog(dialog::frmPrintPrint, *this); }

} // namespace posmod
