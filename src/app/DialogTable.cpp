#include "app/DialogTable.h"

#include <array>

#include "app/Forms.h"
#include "app/WindowTable.h"
#include "control/ui/frmSeigyoZ4Data.h"
#include "control/ui/frmStatus7W_Reg.h"
#include "control/ui/frmStatusJV_Reg.h"
#include "control/ui/frmStatusZr4_Reg.h"
#include "params/ui/frmRunMode.h"
#include "positioning/DefaultRange.h"
#include "positioning/ui/frmDefault.h"
#include "positioning/ui/frmStepSet.h"
#include "print/PrintHandOver.h"
#include "print/ui/PreviewSheet.h"
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
    return DialogPtr(d);
}

EditorTable tableOf(QWidget& editor)
{
    auto* source = dynamic_cast<EditorTableSource*>(&editor);
    return source ? source->editorTable() : EditorTable{};
}

// The preview of an editor's table as its print command hands it over; made without a parent.
DialogPtr previewOf(Forms& f, QWidget& editor)
{
    const EditorTable t = tableOf(editor);
    std::array<const GridCells*, 4> grids{};
    for (size_t a = 0; a < t.grids.size() && a < grids.size(); ++a) grids[a] = t.grids[a];
    const WindowRow* row = WindowTable_Row(editor.objectName().toStdString());
    const PrintSource source = PrintCommand_Source(f.pub, row ? row->formNo : form::kNone, grids, t.decimal);
    return placed(new frmPrintDisp(f.printServices, source), editor);
}

// The range dialog, its caption set before it is created.
DialogPtr rangeOf(Forms& f, QWidget& editor, const char* title)
{
    f.pub.RangeTitle = title;
    return placed(new frmDefault(f.pub, f.messages(), &editor), editor);
}

const std::vector<int> kEditors = {form::frmParmJV,        form::frmParmZr4,        form::frmParm7W,
                                   form::frmAutoRunJVMode, form::frmAutoRun7WMode, form::frmAutoRunZr4Mode};

} // namespace

const std::vector<DialogRow>& DialogTable()
{
    static const std::vector<DialogRow> rows = {
        {dialog::frmStepSet, "frmStepSet", {form::frmMain},
         [](Forms& f, QWidget& at) { return placed(new frmStepSet(f.pub, f.messages(), &at), at); }},
        {dialog::frmCsvRead, "frmCsvRead", {form::frmMain},
         [](Forms& f, QWidget& at) { return placed(new frmCsvRead(f.pub, f.messages(), &at), at); }},
        {dialog::frmSetting, "frmSetting", {form::frmMain},
         [](Forms& f, QWidget& at) { return placed(new frmSetting(f.pub, f.messages(), f.MSComm1, &at), at); }},
        {dialog::frmInsSetting, "frmInsSetting", {form::frmMain},
         [](Forms& f, QWidget& at) { return placed(new frmInsSetting(f.pub, f.messages(), &at), at); }},
        {dialog::frmAxisName, "frmAxisName", {form::frmMain},
         [](Forms& f, QWidget& at) { return placed(new frmAxisName(f.pub, f.messages(), &at), at); }},
        {dialog::frmVerRev, "frmVerRev", {form::frmMain},
         [](Forms&, QWidget& at) { return placed(new frmVerRev(&at), at); }},
        {dialog::frmStatusJV_Reg, "frmStatusJV_Reg", {form::frmSeigyoJVCmd},
         [](Forms& f, QWidget& at) { return placed(new frmStatusJV_Reg(f.pub, &at), at); }},
        {dialog::frmStatus7W_Reg, "frmStatus7W_Reg", {form::frmSeigyo7WCmd},
         [](Forms& f, QWidget& at) { return placed(new frmStatus7W_Reg(f.pub, &at), at); }},
        {dialog::frmStatusZr4_Reg, "frmStatusZr4_Reg", {form::frmSeigyoZ4Cmd},
         [](Forms& f, QWidget& at) { return placed(new frmStatusZr4_Reg(f.pub, &at), at); }},
        {dialog::frmSeigyoZ4Data, "frmSeigyoZ4Data", {form::frmSeigyoZ4Cmd},
         [](Forms& f, QWidget& at) { return placed(new frmSeigyoZ4Data(f.pub, f.messages(), &at), at); }},
        {dialog::frmRunMode, "frmRunMode", {form::frmParmJV, form::frmParm7W},
         [](Forms& f, QWidget& at) {
             const EditorTable t = tableOf(at);
             return placed(new frmRunMode(f.pub, {t.grids.begin(), t.grids.end()}, &at), at);
         }},
        {dialog::frmDefault, "frmDefault", {form::frmAutoRunJVMode, form::frmAutoRun7WMode, form::frmAutoRunZr4Mode},
         [](Forms& f, QWidget& at) { return rangeOf(f, at, kRangeTitleDefault); }},
        // The one-axis editor prints without asking an axis.
        {dialog::frmDefaultPrint, "frmDefault", {form::frmAutoRun7WMode, form::frmAutoRunZr4Mode},
         [](Forms& f, QWidget& at) {
             DialogPtr d = rangeOf(f, at, kRangeTitlePrint);
             static_cast<frmDefault&>(*d).HideSteps();
             return d;
         }},
        {dialog::frmPrintDisp, "frmPrintDisp", kEditors, previewOf},
        {dialog::frmPrintPageForm, "frmPrintPageForm", {},
         [](Forms& f, QWidget& at) { return DialogTable_OverPreview(dialog::frmPrintPageForm, f.printServices, at); },
         dialog::frmPrintDisp},
        {dialog::frmPrintPrint, "frmPrintPrint", {},
         [](Forms& f, QWidget& at) { return DialogTable_OverPreview(dialog::frmPrintPrint, f.printServices, at); },
         dialog::frmPrintDisp},
    };
    return rows;
}

const DialogRow* DialogTable_Row(dialog::No dialogNo)
{
    for (const DialogRow& r : DialogTable())
        if (r.dialogNo == dialogNo) return &r;
    return nullptr;
}

const DialogRow* DialogTable_Row(const std::string& name)
{
    for (const DialogRow& r : DialogTable())
        if (r.name == name) return &r;
    return nullptr;
}

DialogPtr DialogTable_OverPreview(dialog::No dialogNo, PrintServices& services, QWidget& preview)
{
    auto* shown = dynamic_cast<PreviewSheet*>(&preview);
    if (!shown) return nullptr;
    if (dialogNo == dialog::frmPrintPageForm)
        return placed(new frmPrintPageForm(services, shown->sheet(), &preview), preview);
    if (dialogNo == dialog::frmPrintPrint)
        return placed(new frmPrintPrint(services, shown->sheet(), [shown] { return shown->topRow(); }, &preview),
                      preview);
    return nullptr;
}

} // namespace posmod
