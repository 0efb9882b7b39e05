#include "shared/FormControl.h"

#include <array>

namespace posmod {

namespace {

struct FormRow {
    std::string form;
    std::vector<std::string> controls;
};

const std::array<FormRow, kFormCount>& table()
{
    static const std::array<FormRow, kFormCount> rows = {{
        {"frmMain",
         {"CpuCombo", "CpuReadCommand", "CpuSendCommand", "ParmSetCommand", "AutoSetCommand",
          "CpuRunStopCommand", "ExitCommand", "mnuFile", "mnuMode", "mnuSetting", "mnuHelp",
          "ParmCsvCommand", "AutoCsvCommand", "ConnectFrame"}},
        {"frmParmJV",
         {"PrmFlexGrid", "HexDecFrame", "RunModeFrame", "Send_Command", "RunModeCommand",
          "Default_Command", "Cancel_Command", "End_Command", "ParmCsvJVFrame", "PramReadJVFrame",
          "PramWriteJVFrame", "ParmJVCsv_Cmd1", "ParmJVCsv_Cmd2", "PrnCommand"}},
        {"frmParmZr4",
         {"PramReadZ4Frame", "ParmZ4Csv_Cmd1", "PramWriteZ4Frame", "ParmZ4Csv_Cmd2", "HexDecZ4Frame",
          "SendZ4_Command", "PrnZ4Command", "DefaultZ4_Command", "CancelZ4_Command", "EndZ4_Command",
          "AutoSSTab", "PrmZ4FlexGrid(0)", "PrmZ4FlexGrid(1)", "PrmZ4FlexGrid(2)", "PrmZ4FlexGrid(3)"}},
        {"frmParm7W",
         {"PrmHFlexGrid(0)", "PrmHFlexGrid(1)", "HexDecHFrame", "RunMode7WFrame", "SendH_Command",
          "RunModeHCommand", "DefaultH_Command", "CancelH_Command", "EndH_Command", "ParmCsv7WFrame",
          "PramRead7WFrame", "PramWrite7WFrame", "Parm7WCsv_Cmd1", "Parm7WCsv_Cmd2", "PrnCommand"}},
        {"frmAutoRunJVMode",
         {"RunModeGrid", "AutoHexDecFrame", "AutoSend_Command", "AutoDefault_Command",
          "AutoCancel_Command", "AutoEnd_Command", "AutoCsvJVFrame", "AutoReadJVFrame",
          "AutoWriteJVFrame", "AutoJVCsv_Cmd1", "AutoJVCsv_Cmd2", "PrnCommand"}},
        {"frmAutoRun7WMode",
         {"RunMode7WGrid(0)", "RunMode7WGrid(1)", "AutoHexDec7WFrame", "AutoSend7W_Command",
          "AutoDefault7W_Command", "AutoCancel7W_Command", "AutoEnd7W_Command", "AutoRead7WFrame",
          "AutoWrite7WFrame", "Auto7WCsv_Cmd1", "Auto7WCsv_Cmd2", "PrnCommand"}},
        {"frmAutoRunZr4Mode",
         {"RunModeZr4Grid(0)", "RunModeZr4Grid(1)", "RunModeZr4Grid(2)", "RunModeZr4Grid(3)",
          "AutoHexDecZ4Frame", "AutoSendZ4_Command", "AutoDefaultZ4_Command", "AutoCancelZ4_Command",
          "AutoEndZ4_Command", "AutoReadZ4Frame", "AutoWriteZ4Frame", "AutoZ4Csv_Cmd1",
          "AutoZ4Csv_Cmd2", "PrnZ4Command", "AutoSSTab", "Teach_Command"}},
        {"frmSeigyoJVCmd", {"SeigyoFrame", "StRegCommand", "SendCommand", "EndCommand"}},
        {"frmSeigyo7WCmd", {"SeigyoFrame", "JikFrame", "StRegCommand", "SendCommand", "EndCommand"}},
        {"frmSeigyoZ4Cmd",
         {"SeigyoFrame", "DaSetFrame", "JikFrame", "StRegCommand", "SendCommand", "EndCommand"}},
        {"", {}},
        {"frmTeach_Command", {"JikFrame", "StepText", "DataSetCommand", "Cancel_Command"}},
    }};
    return rows;
}

const FormRow& rowOf(int formNo)
{
    static const FormRow none;
    if (formNo < 0 || formNo >= kFormCount) return none;
    return table()[static_cast<size_t>(formNo)];
}

} // namespace

const std::string& FormControl_FormName(int formNo) { return rowOf(formNo).form; }
const std::vector<std::string>& FormControl_Names(int formNo) { return rowOf(formNo).controls; }

} // namespace posmod
