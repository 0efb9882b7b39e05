#include "app/DialogTable.h"

#include <array>

#include "app/Forms.h"
#include "app/WindowTable.h"
#include "control/ui/frmSeigyoZ4Data.h"
#include "control/ui/frmStatus7W_Reg.h"
#include "control/ui/frmStatusJV_Reg.h"
#include "control/ui/frmStatusZr4_Reg.h"
#include "params/ui/frmRunMode.h"
#include "platform/SheetView.h"
#include "positioning/DefaultRange.h"
#include "positioning/ui/frmDefault.h"
#include "positioning/ui/frmStepSet.h"
#include "print/PrintHandOver.h"
#include "print/ui/PrintCommand.h"
#include "print/ui/frmPrintDisp.h"
#include "print/ui/frmPrintPageForm.h"
#include "print/ui/frmPrintPrint.h"
#include "shared/ui/EditorTableSource.h"
#include "shared/ui/frmAxisName.h"
#include "shared/ui/frmInsSetting.h"
#include "shared/ui/frmSetting.h"
#include "shared/ui/frmVerRev.h"
#include "transfer/ui/frmCsvRead.h"

namespace posmod {

namespace {

DialogPtr placed(QDialog* d, QWidget& opener)
{
    d->move(opener.pos());
    return DialogPtr(d, [](QDialog* p) { delete p; });
}

EditorTable tableOf(QWidget& editor)
{
    auto* source = dynamic_cast<EditorTableSource*>(&editor);
    return source ? source->editorTable() : EditorTable{};
}

// The preview of an editor's print, handed the table its print command hands over.
frmPrintDisp* previewOf(Forms& f, QWidget& editor)
{
    const EditorTable t = tableOf(editor);
    std::array<const GridCells*, 4> grids{};
    for (size_t a = 0; a < t.grids.size() && a < grids.size(); ++a) grids[a] = t.grids[a];
    const WindowRow* row = WindowTable_Row(editor.objectName().toStdString());
    auto* preview = new frmPrintDisp(f.printServices,
                                     PrintCommand_Source(f.pub, row ? row->formNo : form::kNone, grids, t.decimal));
    preview->move(editor.pos());
    return preview;
}

// A dialog of the preview's File menu, owning the preview whose sheet it sets.
DialogPtr overPreview(QDialog* d, frmPrintDisp* preview)
{
    d->move(preview->pos());
    return DialogPtr(d, [preview](QDialog* p) {
        delete p;
        delete preview;
    });
}

const std::vector<int> kEditors = {form::frmParmJV,        form::frmParmZr4,        form::frmParm7W,
                                   form::frmAutoRunJVMode, form::frmAutoRun7WMode, form::frmAutoRunZr4Mode};

} // namespace

const std::vector<DialogRow>& DialogTable()
{
    static const std::vector<DialogRow> rows = {
        {"frmStepSet", {form::frmMain},
         [](Forms& f, QWidget& at) { return placed(new frmStepSet(f.pub, f.messages(), &at), at); }},
        {"frmCsvRead", {form::frmMain},
         [](Forms& f, QWidget& at) { return placed(new frmCsvRead(f.pub, f.messages(), &at), at); }},
        {"frmSetting", {form::frmMain},
         [](Forms& f, QWidget& at) { return placed(new frmSetting(f.pub, f.messages(), f.MSComm1, &at), at); }},
        {"frmInsSetting", {form::frmMain},
         [](Forms& f, QWidget& at) { return placed(new frmInsSetting(f.pub, f.messages(), &at), at); }},
        {"frmAxisName", {form::frmMain},
         [](Forms& f, QWidget& at) { return placed(new frmAxisName(f.pub, f.messages(), &at), at); }},
        {"frmVerRev", {form::frmMain}, [](Forms&, QWidget& at) { return placed(new frmVerRev(&at), at); }},
        {"frmStatusJV_Reg", {form::frmSeigyoJVCmd},
         [](Forms& f, QWidget& at) { return placed(new frmStatusJV_Reg(f.pub, &at), at); }},
        {"frmStatus7W_Reg", {form::frmSeigyo7WCmd},
         [](Forms& f, QWidget& at) { return placed(new frmStatus7W_Reg(f.pub, &at), at); }},
        {"frmStatusZr4_Reg", {form::frmSeigyoZ4Cmd},
         [](Forms& f, QWidget& at) { return placed(new frmStatusZr4_Reg(f.pub, &at), at); }},
        {"frmSeigyoZ4Data", {form::frmSeigyoZ4Cmd},
         [](Forms& f, QWidget& at) { return placed(new frmSeigyoZ4Data(f.pub, f.messages(), &at), at); }},
        {"frmRunMode", {form::frmParmJV, form::frmParm7W},
         [](Forms& f, QWidget& at) {
             const EditorTable t = tableOf(at);
             return placed(new frmRunMode(f.pub, {t.grids.begin(), t.grids.end()}, &at), at);
         }},
        {"frmDefault", {form::frmAutoRunJVMode, form::frmAutoRun7WMode, form::frmAutoRunZr4Mode},
         [](Forms& f, QWidget& at) {
             f.pub.RangeTitle = kRangeTitleDefault;
             return placed(new frmDefault(f.pub, f.messages(), &at), at);
         }},
        {"frmPrintDisp", kEditors,
         [](Forms& f, QWidget& at) {
             return DialogPtr(previewOf(f, at), [](QDialog* p) { delete p; });
         }},
        {"frmPrintPageForm", kEditors,
         [](Forms& f, QWidget& at) {
             frmPrintDisp* preview = previewOf(f, at);
             return overPreview(new frmPrintPageForm(f.printServices, preview->sheet(), preview), preview);
         }},
        {"frmPrintPrint", kEditors,
         [](Forms& f, QWidget& at) {
             frmPrintDisp* preview = previewOf(f, at);
             return overPreview(new frmPrintPrint(f.printServices, preview->sheet(),
                                                  [preview] { return preview->Prn_Spread->topRow(); }, preview),
                                preview);
         }},
    };
    return rows;
}

const DialogRow* DialogTable_Row(const std::string& name)
{
    for (const DialogRow& r : DialogTable())
        if (r.name == name) return &r;
    return nullptr;
}

} // namespace posmod
