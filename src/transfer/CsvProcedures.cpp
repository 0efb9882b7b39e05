#include "transfer/CsvProcedures.h"

#include <memory>

#include "shared/FormNumbers.h"
#include "shared/ModelTable.h"
#include "shared/RegisterTable.h"
#include "transfer/CsvFiles.h"

namespace posmod {

CsvProcedures::CsvProcedures(Public& pub, Runtime& rt, RememberingFileDialog& dialog, FileWriter& writer,
                             MessageSink& messages, MousePointer* pointer)
    : pub_(pub), rt_(rt), dialog_(dialog), writer_(writer), messages_(messages), pointer_(pointer)
{
}

CsvChoice CsvProcedures::choice()
{
    // Cancel ends the procedure at once, before the wait.
    return {&dialog_, &messages_, pointer_, [this] { wait200ms(); }};
}

void CsvProcedures::wait200ms()
{
    // Lets the dialog's window go before the work starts.
    const int64_t until = rt_.nowMs() + 200;
    while (rt_.nowMs() < until) rt_.waitUntil(until);
}

bool CsvProcedures::save(const std::string& name, const std::string& text)
{
    if (writer_.write(name, text)) return true;
    messages_.show(kFileWriteErrorMessage, MsgIcon::Exclamation);
    return false;
}

bool CsvProcedures::finishSave(CsvSave outcome, const std::string& name, const std::string& text)
{
    switch (outcome) {
    case CsvSave::NoData: messages_.show(kNoDataMessage, MsgIcon::Exclamation); return false;
    case CsvSave::LimitError: messages_.show(kLimitErrorMessage, MsgIcon::Exclamation); return false;
    case CsvSave::Written: return save(name, text);
    }
    return false;
}

// ---- register files -------------------------------------------------------------------------

uint8_t CsvProcedures::CsvData_ReadSub()
{
    // Read into a table of its own: a file that fails leaves everything as it was.
    auto table = std::make_unique<RegisterTable>();
    RegisterCsvLoad load;
    const std::optional<CsvRead> read = CsvFile_Open(pub_, choice(), [&](std::string_view bytes, int* line) {
        Model_BuildRegisters(pub_.ModuleType, *table);
        return RegisterCsv_Read(bytes, *table, load, line);
    });
    if (read != CsvRead::Ok) return 0;

    pub_.reg = std::move(*table);
    pub_.CsvReadIndex.fill(0);
    for (size_t i = 0; i < load.rows.size(); ++i) pub_.CsvReadIndex[i + 1] = static_cast<int16_t>(load.rows[i]);
    pub_.CsvReadCount = static_cast<int32_t>(load.rows.size());
    for (size_t a = 0; a < 2; ++a)
        if (load.axisNames[a]) pub_.set.AxisName[a] = *load.axisNames[a];
    pub_.CsvItem = load.lastField;
    return 1;
}

bool CsvProcedures::saveRegisters(const std::function<CsvSave(RegisterTable&, std::string&)>& walk)
{
    const std::string name = askName(true);
    if (name.empty()) return false;
    // The walk stores the values it saves in the setting words; they stay only once the
    // file is there.
    auto table = std::make_unique<RegisterTable>(pub_.reg);
    std::string text;
    CsvSave outcome;
    {
        Hourglass busy(pointer_);
        outcome = walk(*table, text);
    }
    if (!finishSave(outcome, name, text)) return false;
    pub_.reg = std::move(*table);
    return true;
}

bool CsvProcedures::CsvData_WriteJVSub(const EditorTable& e, bool currentData)
{
    return saveRegisters([&](RegisterTable& t, std::string& text) {
        return CsvData_WriteJV_Text(e, currentData, t, pub_.set.AxisName, text);
    });
}

bool CsvProcedures::CsvData_Write7WSub(const EditorTable& e, bool currentData)
{
    return saveRegisters([&](RegisterTable& t, std::string& text) {
        return CsvData_Write7W_Text(e, currentData, t, pub_.set.AxisName, text);
    });
}

bool CsvProcedures::CsvAuto_WriteJVSub(const EditorTable& e, bool currentData)
{
    return saveRegisters([&](RegisterTable& t, std::string& text) {
        return CsvAuto_WriteJV_Text(e, currentData, pub_.AutoRowCount, t, pub_.set.AxisName, text);
    });
}

bool CsvProcedures::CsvAuto_Write7WSub(const EditorTable& e, bool currentData)
{
    return saveRegisters([&](RegisterTable& t, std::string& text) {
        return CsvAuto_Write7W_Text(e, currentData, pub_.AutoRowCount, t, pub_.set.AxisName, text);
    });
}

bool CsvProcedures::CsvData_WriteJVSub(bool currentData) { return CsvData_WriteJVSub(editor(form::frmParmJV), currentData); }
bool CsvProcedures::CsvData_Write7WSub(bool currentData) { return CsvData_Write7WSub(editor(form::frmParm7W), currentData); }
bool CsvProcedures::CsvAuto_WriteJVSub(bool currentData)
{
    return CsvAuto_WriteJVSub(editor(form::frmAutoRunJVMode), currentData);
}
bool CsvProcedures::CsvAuto_Write7WSub(bool currentData)
{
    return CsvAuto_Write7WSub(editor(form::frmAutoRun7WMode), currentData);
}

// ---- four-axis files ------------------------------------------------------------------------

uint8_t CsvProcedures::readZr4(const std::function<CsvRead(std::string_view, Z4AxisNames&, int*)>& read)
{
    Z4AxisNames names;
    const std::optional<CsvRead> r =
        CsvFile_Open(pub_, choice(), [&](std::string_view bytes, int* line) { return read(bytes, names, line); });
    if (r != CsvRead::Ok) return 0;
    for (size_t a = 0; a < names.size(); ++a)
        if (names[a]) pub_.set.AxisName[a] = *names[a];
    return 1;
}

uint8_t CsvProcedures::ZR4_PrmCsvData_ReadSub(Z4PrmCsvData& data)
{
    return readZr4([&](std::string_view bytes, Z4AxisNames& names, int* line) {
        return Z4PrmCsv_Read(bytes, names, data, line);
    });
}

uint8_t CsvProcedures::ZR4_AutCsvData_ReadSub(Z4AutoCsvData& data)
{
    return readZr4([&](std::string_view bytes, Z4AxisNames& names, int* line) {
        return Z4AutoCsv_Read(bytes, names, data, line);
    });
}

bool CsvProcedures::saveGrids(const std::function<CsvSave(std::string&)>& walk)
{
    const std::string name = askName(true);
    if (name.empty()) return false;
    std::string text;
    CsvSave outcome;
    {
        Hourglass busy(pointer_);
        outcome = walk(text);
    }
    return finishSave(outcome, name, text);
}

bool CsvProcedures::CsvData_WriteZ4Sub(const EditorTable& e, bool currentData)
{
    return saveGrids([&](std::string& text) { return CsvData_WriteZ4_Text(e, currentData, pub_.set.AxisName, text); });
}

bool CsvProcedures::CsvAuto_WriteZ4Sub(const EditorTable& e, bool currentData)
{
    return saveGrids([&](std::string& text) {
        return CsvAuto_WriteZ4_Text(e, currentData, pub_.AutoRowCount, pub_.set.AxisName, text);
    });
}

bool CsvProcedures::CsvData_WriteZ4Sub(bool currentData)
{
    return CsvData_WriteZ4Sub(editor(form::frmParmZr4), currentData);
}
bool CsvProcedures::CsvAuto_WriteZ4Sub(bool currentData)
{
    return CsvAuto_WriteZ4Sub(editor(form::frmAutoRunZr4Mode), currentData);
}

} // namespace posmod
