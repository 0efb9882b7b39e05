#include "app/WindowTable.h"

#include "app/Forms.h"
#include "control/ui/frmSeigyo7WCmd.h"
#include "control/ui/frmSeigyoJVCmd.h"
#include "control/ui/frmSeigyoZ4Cmd.h"
#include "control/ui/frmSeigyoZ4Data.h"
#include "control/ui/frmStatus7W_Reg.h"
#include "control/ui/frmStatusJV_Reg.h"
#include "control/ui/frmStatusZr4_Reg.h"
#include "main/ui/frmMain.h"
#include "params/ui/frmParm7W.h"
#include "params/ui/frmParmJV.h"
#include "params/ui/frmParmZr4.h"
#include "params/ui/frmRunMode.h"
#include "platform/SheetView.h"
#include "positioning/ui/frmAutoRun7WMode.h"
#include "positioning/ui/frmAutoRunJVMode.h"
#include "positioning/ui/frmAutoRunZr4Mode.h"
#include "positioning/ui/frmDefault.h"
#include "positioning/ui/frmStepSet.h"
#include "positioning/ui/frmTeach_Command.h"
#include "print/PrintHandOver.h"
#include "print/ui/frmPrintDisp.h"
#include "print/ui/frmPrintPageForm.h"
#include "print/ui/frmPrintPrint.h"
#include "shared/ModelTable.h"
#include "shared/ui/frmAxisName.h"
#include "shared/ui/frmInsSetting.h"
#include "shared/ui/frmSetting.h"
#include "shared/ui/frmVerRev.h"
#include "transfer/ui/frmCsvRead.h"
#include "transfer/ui/frmWaitDisp.h"

namespace posmod {

namespace {

template <class W> QWidget* editor(Forms& f)
{
    auto* w = new W(f.pub, f, f, f.messages());
    w->setCsvFiles(f.csvFiles);
    return w;
}
template <class W> QWidget* control(Forms& f) { return new W(f.pub, f, *f.linkOps, *f.taskOps, f.messages()); }
template <class W> QWidget* command(Forms& f)
{
    return new W(f.pub, f, *f.linkOps, *f.taskOps, f.messages(), f.pointer);
}

} // namespace

const std::vector<WindowRow>& WindowTable()
{
    static const std::vector<WindowRow> rows = {
        {form::frmMain, "frmMain", [](Forms& f) -> QWidget* { return new posmod::frmMain(f.mainServices()); },
         {"CpuCombo", "CpuReadCommand", "CpuSendCommand", "ParmSetCommand", "AutoSetCommand",
          "CpuRunStopCommand", "ExitCommand", "mnuFile", "mnuMode", "mnuSetting", "mnuHelp",
          "ParmCsvCommand", "AutoCsvCommand", "ConnectFrame"}},
        {form::frmParmJV, "frmParmJV", editor<posmod::frmParmJV>,
         {"PrmFlexGrid", "HexDecFrame", "RunModeFrame", "Send_Command", "RunModeCommand",
          "Default_Command", "Cancel_Command", "End_Command", "ParmCsvJVFrame", "PramReadJVFrame",
          "PramWriteJVFrame", "ParmJVCsv_Cmd1", "ParmJVCsv_Cmd2", "PrnCommand"}},
        {form::frmParmZr4, "frmParmZr4", editor<posmod::frmParmZr4>,
         {"PramReadZ4Frame", "ParmZ4Csv_Cmd1", "PramWriteZ4Frame", "ParmZ4Csv_Cmd2", "HexDecZ4Frame",
          "SendZ4_Command", "PrnZ4Command", "DefaultZ4_Command", "CancelZ4_Command", "EndZ4_Command",
          "AutoSSTab", "PrmZ4FlexGrid(0)", "PrmZ4FlexGrid(1)", "PrmZ4FlexGrid(2)", "PrmZ4FlexGrid(3)"}},
        {form::frmParm7W, "frmParm7W", editor<posmod::frmParm7W>,
         {"PrmHFlexGrid(0)", "PrmHFlexGrid(1)", "HexDecHFrame", "RunMode7WFrame", "SendH_Command",
          "RunModeHCommand", "DefaultH_Command", "CancelH_Command", "EndH_Command", "ParmCsv7WFrame",
          "PramRead7WFrame", "PramWrite7WFrame", "Parm7WCsv_Cmd1", "Parm7WCsv_Cmd2", "PrnCommand"}},
        {form::frmAutoRunJVMode, "frmAutoRunJVMode", editor<posmod::frmAutoRunJVMode>,
         {"RunModeGrid", "AutoHexDecFrame", "AutoSend_Command", "AutoDefault_Command",
          "AutoCancel_Command", "AutoEnd_Command", "AutoCsvJVFrame", "AutoReadJVFrame",
          "AutoWriteJVFrame", "AutoJVCsv_Cmd1", "AutoJVCsv_Cmd2", "PrnCommand"}},
        {form::frmAutoRun7WMode, "frmAutoRun7WMode", editor<posmod::frmAutoRun7WMode>,
         {"RunMode7WGrid(0)", "RunMode7WGrid(1)", "AutoHexDec7WFrame", "AutoSend7W_Command",
          "AutoDefault7W_Command", "AutoCancel7W_Command", "AutoEnd7W_Command", "AutoRead7WFrame",
          "AutoWrite7WFrame", "Auto7WCsv_Cmd1", "Auto7WCsv_Cmd2", "PrnCommand"}},
        {form::frmAutoRunZr4Mode, "frmAutoRunZr4Mode", editor<posmod::frmAutoRunZr4Mode>,
         {"RunModeZr4Grid(0)", "RunModeZr4Grid(1)", "RunModeZr4Grid(2)", "RunModeZr4Grid(3)",
          "AutoHexDecZ4Frame", "AutoSendZ4_Command", "AutoDefaultZ4_Command", "AutoCancelZ4_Command",
          "AutoEndZ4_Command", "AutoReadZ4Frame", "AutoWriteZ4Frame", "AutoZ4Csv_Cmd1",
          "AutoZ4Csv_Cmd2", "PrnZ4Command", "AutoSSTab", "Teach_Command"}},
        {form::frmSeigyoJVCmd, "frmSeigyoJVCmd", command<posmod::frmSeigyoJVCmd>,
         {"SeigyoFrame", "StRegCommand", "SendCommand", "EndCommand"}},
        {form::frmSeigyo7WCmd, "frmSeigyo7WCmd", command<posmod::frmSeigyo7WCmd>,
         {"SeigyoFrame", "JikFrame", "StRegCommand", "SendCommand", "EndCommand"}},
        {form::frmSeigyoZ4Cmd, "frmSeigyoZ4Cmd", command<posmod::frmSeigyoZ4Cmd>,
         {"SeigyoFrame", "DaSetFrame", "JikFrame", "StRegCommand", "SendCommand", "EndCommand"}},
        {form::frmTeach_Command, "frmTeach_Command",
         [](Forms& f) -> QWidget* {
             return new posmod::frmTeach_Command(f.pub, f, *f.linkOps, *f.taskOps, f.messages(), &f.pointer);
         },
         {"JikFrame", "StepText", "DataSetCommand", "Cancel_Command"}},
    };
    return rows;
}

const WindowRow* WindowTable_Row(int formNo)
{
    for (const WindowRow& r : WindowTable())
        if (r.formNo == formNo) return &r;
    return nullptr;
}

const WindowRow* WindowTable_Row(const std::string& name)
{
    for (const WindowRow& r : WindowTable())
        if (r.name == name) return &r;
    return nullptr;
}

namespace {

template <class D, class... A> std::shared_ptr<QWidget> dialog(A&&... args)
{
    return std::make_shared<D>(std::forward<A>(args)...);
}

// The grids of the model's parameter editor, as the editor hands them to the dialogs it opens.
std::vector<const GridCells*> paramGrids(Forms& f)
{
    std::vector<const GridCells*> grids;
    auto* source = dynamic_cast<EditorTableSource*>(f.form(Model_ForType(f.pub.ModuleType).paramForm));
    if (source)
        for (const GridCells* g : source->editorTable().grids)
            if (g) grids.push_back(g);
    return grids;
}

// A preview of the model's parameter table, as the editor's Print opens it, with what it is
// handed; it lives as long as the dialog made from it.
struct Preview {
    PrintServices services;
    std::unique_ptr<frmPrintDisp> window;
};
std::shared_ptr<Preview> preview(Forms& f, QWidget& opener)
{
    const int formNo = Model_ForType(f.pub.ModuleType).paramForm;
    auto* source = dynamic_cast<EditorTableSource*>(f.form(formNo));
    PrintSource src;
    src.kind = PrintKind_ForEditor(formNo, f.pub.ModuleType);
    if (source) {
        const EditorTable t = source->editorTable();
        for (size_t i = 0; i < src.grids.size() && i < t.grids.size(); ++i) src.grids[i] = t.grids[i];
    }
    src.axisNames = f.pub.set.AxisName;
    auto p = std::make_shared<Preview>(Preview{f.printServices(), nullptr});
    p->window = std::make_unique<frmPrintDisp>(p->services, src, &opener);
    return p;
}
// A dialog of the preview, keeping the preview while it lives.
std::shared_ptr<QWidget> ofPreview(const std::shared_ptr<Preview>& p, QWidget* d)
{
    return std::shared_ptr<QWidget>(d, [p](QWidget* w) { delete w; });
}

} // namespace

const std::vector<DialogRow>& DialogTable()
{
    using P = std::shared_ptr<QWidget>;
    static const std::vector<DialogRow> rows = {
        {"frmWaitDisp", [](Forms& f, QWidget&) { return P(&f.WaitDisp(), [](QWidget*) {}); }},
        {"frmStepSet", [](Forms& f, QWidget& o) { return dialog<frmStepSet>(f.pub, f.messages(), &o); }},
        {"frmCsvRead", [](Forms& f, QWidget& o) { return dialog<frmCsvRead>(f.pub, f.messages(), &o); }},
        {"frmAxisName", [](Forms& f, QWidget& o) { return dialog<frmAxisName>(f.pub, f.messages(), &o); }},
        {"frmSetting", [](Forms& f, QWidget& o) { return dialog<frmSetting>(f.pub, f.messages(), f.MSComm1, &o); }},
        {"frmInsSetting", [](Forms& f, QWidget& o) { return dialog<frmInsSetting>(f.pub, f.messages(), &o); }},
        {"frmVerRev", [](Forms&, QWidget& o) { return dialog<frmVerRev>(&o); }},
        {"frmRunMode",
         [](Forms& f, QWidget& o) -> P {
             // Only the one- and two-axis parameter editors decode the operation mode.
             if (Model_Family(f.pub.ModuleType) == ModelFamily::FourAxis) return nullptr;
             return dialog<frmRunMode>(f.pub, paramGrids(f), &o);
         }},
        {"frmDefault", [](Forms& f, QWidget& o) { return dialog<frmDefault>(f.pub, f.messages(), &o); }},
        {"frmSeigyoZ4Data", [](Forms& f, QWidget& o) { return dialog<frmSeigyoZ4Data>(f.pub, f.messages(), &o); }},
        {"frmStatusJV_Reg", [](Forms& f, QWidget& o) { return dialog<frmStatusJV_Reg>(f.pub, &o); }},
        {"frmStatus7W_Reg", [](Forms& f, QWidget& o) { return dialog<frmStatus7W_Reg>(f.pub, &o); }},
        {"frmStatusZr4_Reg", [](Forms& f, QWidget& o) { return dialog<frmStatusZr4_Reg>(f.pub, &o); }},
        {"frmPrintDisp",
         [](Forms& f, QWidget& o) -> P {
             auto p = preview(f, o);
             return P(p->window.get(), [p](QWidget*) {});
         }},
        {"frmPrintPageForm",
         [](Forms& f, QWidget& o) {
             auto p = preview(f, o);
             return ofPreview(p, new frmPrintPageForm(p->services, p->window->sheet(), p->window.get()));
         }},
        {"frmPrintPrint",
         [](Forms& f, QWidget& o) {
             auto p = preview(f, o);
             frmPrintDisp* w = p->window.get();
             return ofPreview(p, new frmPrintPrint(p->services, w->sheet(), [w] { return w->Prn_Spread->topRow(); }, w));
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
