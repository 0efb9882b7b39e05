#pragma once
// The numbers by which a window asks the shell for a dialog of the dialog table, one to each
// use of a dialog (the range dialog has two).
namespace posmod::dialog {

enum No : int {
    frmStepSet,
    frmCsvRead,
    frmSetting,
    frmInsSetting,
    frmAxisName,
    frmVerRev,
    frmStatusJV_Reg,
    frmStatus7W_Reg,
    frmStatusZr4_Reg,
    frmSeigyoZ4Data,
    frmRunMode,
    frmDefault,      // the default data of a step range
    frmDefaultPrint, // the axis of a print, the steps hidden
    frmPrintDisp,
    frmPrintPageForm, // over the preview
    frmPrintPrint,    // over the preview
    kNone = -1,
};

} // namespace posmod::dialog
