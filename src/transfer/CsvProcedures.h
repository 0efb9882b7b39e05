#pragma once
// The CSV files of the editors, as the main window offers them to their CSV buttons: the
// file dialog (the main window's own, offering the name chosen last in it), the short wait
// and the hourglass, then reading a file into the register table or a caller's array, or
// saving an editor's grids. A file is written whole or not at all; a reader that fails
// changes nothing.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "shared/EditorTable.h"
#include "shared/Files.h"
#include "shared/Messages.h"
#include "shared/Pointer.h"
#include "shared/Public.h"
#include "shared/Runtime.h"
#include "transfer/CsvOpen.h"
#include "transfer/Z4Csv.h"

namespace posmod {

class CsvProcedures {
public:
    CsvProcedures(Public& pub, Runtime& rt, RememberingFileDialog& dialog, FileWriter& writer, MessageSink& messages,
                  MousePointer* pointer);

    // The tables of the editors whose grids the writers save; set by the program.
    EditorTables editors;

    // Loads a register file into the setting words of the rebuilt table: 1 read, 0 not
    // (Cancel, quietly; a file that cannot be read or ends inside a record, over 2100 rows:
    // "File Read Error Occurred", nothing changed).
    uint8_t CsvData_ReadSub();
    // Saves one column (parameters) or one row of each step (positioning) of an editor:
    // true when the file was written. currentData: the "Current data" option.
    bool CsvData_WriteJVSub(bool currentData);
    bool CsvData_Write7WSub(bool currentData);
    bool CsvAuto_WriteJVSub(bool currentData);
    bool CsvAuto_Write7WSub(bool currentData);
    // The same on a table handed by the caller.
    bool CsvData_WriteJVSub(const EditorTable& editor, bool currentData);
    bool CsvData_Write7WSub(const EditorTable& editor, bool currentData);
    bool CsvAuto_WriteJVSub(const EditorTable& editor, bool currentData);
    bool CsvAuto_Write7WSub(const EditorTable& editor, bool currentData);

    // The four-axis files: the readers fill the caller's array and the axis names (1 read, 0
    // not, said as above); the writers save the four-axis editors' grids.
    uint8_t ZR4_PrmCsvData_ReadSub(Z4PrmCsvData& data);
    uint8_t ZR4_AutCsvData_ReadSub(Z4AutoCsvData& data);
    bool CsvData_WriteZ4Sub(bool currentData);
    bool CsvAuto_WriteZ4Sub(bool currentData);
    bool CsvData_WriteZ4Sub(const EditorTable& editor, bool currentData);
    bool CsvAuto_WriteZ4Sub(const EditorTable& editor, bool currentData);

    // The main window's CSV dialog, shared with whoever else offers its last name.
    const RememberingFileDialog& CsvDialog() const { return dialog_; }

private:
    // The dialog steps: the name chosen (CsvFileName), the 0.2 s wait; "" after Cancel.
    CsvChoice choice();
    std::string askName(bool save) { return CsvFile_AskName(pub_, choice(), save); }
    void wait200ms();
    // A four-axis file chosen and read into the caller's array (read fills it); the axis
    // names it gives are kept once it is read.
    uint8_t readZr4(const std::function<CsvRead(std::string_view, Z4AxisNames&, int*)>& read);
    // The file written whole; "File Write Error Occurred" when it cannot be.
    bool save(const std::string& name, const std::string& text);
    // The end of a writer's walk: its message, or the file.
    bool finishSave(CsvSave outcome, const std::string& name, const std::string& text);
    // A writer: the dialog, the walk on a copy of the register table (kept once the file is
    // written), the file.
    bool saveRegisters(const std::function<CsvSave(RegisterTable&, std::string&)>& walk);
    bool saveGrids(const std::function<CsvSave(std::string&)>& walk);
    EditorTable editor(int formNo) const { return editors ? editors(formNo) : EditorTable{}; }

    Public& pub_;
    Runtime& rt_;
    RememberingFileDialog& dialog_;
    FileWriter& writer_;
    MessageSink& messages_;
    MousePointer* pointer_;
};

} // namespace posmod
