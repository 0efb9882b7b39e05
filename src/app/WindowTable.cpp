#include "app/WindowTable.h"

#include "app/Forms.h"
#include "control/ui/frmSeigyo7WCmd.h"
#include "control/ui/frmSeigyoJVCmd.h"
#include "control/ui/frmSeigyoZ4Cmd.h"
#include "main/ui/frmMain.h"
#include "params/ui/frmParm7W.h"
#include "params/ui/frmParmJV.h"
#include "params/ui/frmParmZr4.h"
#include "positioning/ui/frmAutoRun7WMode.h"
#include "positioning/ui/frmAutoRunJVMode.h"
#include "positioning/ui/frmAutoRunZr4Mode.h"
#include "positioning/ui/frmTeach_Command.h"
#include "transfer/ui/frmWaitDisp.h"

namespace posmod {

namespace {

template <class W> QWidget* editor(Forms& f) { return new W(f.pub, f, f, f.messages(), f.csvFiles); }
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
        // Forms owns the one wait window and creates it through this row; the lock never names it.
        {form::kNone, "frmWaitDisp",
         [](Forms& f) -> QWidget* {
             auto* w = new posmod::frmWaitDisp(f.pub, *f.linkOps, *f.taskOps);
             w->windowOf = [&f](int formNo) { return f.existingForm(formNo); };
             w->transfer().messages = &f.messages();
             w->transfer().editors = [&f](int formNo) { return f.editorTable(formNo); };
             w->transfer().CsvDialog = &f.waitCsvDialog;
             w->transfer().fileWriter = &f.fileWriter;
             return w;
         },
         {}},
    };
    return rows;
}

const WindowRow* WindowTable_Row(int formNo)
{
    if (formNo == form::kNone) return nullptr;
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

} // namespace posmod
