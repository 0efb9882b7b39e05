#include "transfer/CsvTransfer.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "main/TaskNumbers.h"
#include "main/TaskSend.h"
#include "shared/Conversions.h"
#include "shared/ModelTable.h"
#include "shared/RegisterTable.h"
#include "transfer/CsvFiles.h"
#include "transfer/CsvOpen.h"
#include "transfer/Transfer.h"
#include "transfer/Z4TransferCsv.h"
#include "transfer/Z4Csv.h"

namespace posmod {

namespace {

// The file dialog of the wait window and its messages; no hourglass, the wait window shows.
CsvChoice choice(Transfer& t) { return {t.CsvDialog, t.messages, nullptr, {}}; }

// The name chosen in the wait window's dialog; "" after Cancel or without a dialog.
std::string askName(Transfer& t, bool save) { return CsvFile_AskName(t.pub(), choice(t), save); }

// The chosen file read before the link opens: 1 read; 0 after Cancel or for a file that
// could not be read, 2 for one whose data was refused (a refusal said).
uint8_t readChosen(Transfer& t, const std::function<CsvRead(std::string_view, int*)>& read)
{
    const std::optional<CsvRead> r = CsvFile_Open(t.pub(), choice(t), read);
    if (r == CsvRead::Ok) return kTransferDone;
    return !r || *r == CsvRead::Failed ? kTransferNotRun : kTransferFailed;
}

// The saved file written whole; "File Write Error Occurred" and 0 when it cannot be.
uint8_t writeFile(Transfer& t, const std::string& text)
{
    if (t.fileWriter && t.fileWriter->write(t.pub().CsvFileName, text)) return kTransferDone;
    t.show(kFileWriteErrorMessage, MsgIcon::Exclamation);
    return kTransferNotRun;
}

// The chosen name tried for writing before the module is read: a full table takes minutes
// to read, and a name that cannot be written would lose it. "File Write Error Occurred" when
// it cannot be.
bool targetWritable(Transfer& t)
{
    if (t.fileWriter && t.fileWriter->canWrite(t.pub().CsvFileName)) return true;
    t.show(kFileWriteErrorMessage, MsgIcon::Exclamation);
    return false;
}

bool stepsValid(int first, int last) { return first >= 0 && first <= last && last <= kLastStep; }

// The link opened and the opening task sent; 1 or the first code other than 1.
uint8_t open(Transfer& t)
{
    const int r = t.link().CpuConnect(t.pub().ModuleType);
    if (r != 1) return static_cast<uint8_t>(r);
    return static_cast<uint8_t>(t.tasks().TaskSend(kTaskOpen, 1));
}

} // namespace

// ---- the register models --------------------------------------------------------------------

uint8_t Csv_Writesub(Transfer& t)
{
    Public& p = t.pub();
    // The whole file is read and checked before the link opens.
    auto table = std::make_unique<RegisterTable>();
    RegisterCsvLoad load;
    const uint8_t read = readChosen(t, [&](std::string_view bytes, int* line) {
        Model_BuildRegisters(p.ModuleType, *table);
        return RegisterCsv_ReadForModule(bytes, *table, load, line);
    });
    if (read != kTransferDone) return read;
    p.reg = std::move(*table);

    uint8_t result = open(t);
    if (result != kTransferDone) return result;
    t.Progress_Initsub(static_cast<int>(load.rows.size()));
    t.ui().showWait();
    for (int row : load.rows) {
        if (t.cancelled()) {
            result = kTransferCancelled;
            break;
        }
        result = static_cast<uint8_t>(t.tasks().TaskSend(kTaskWriteRow, row));
        if (result != kTransferDone) break;
        t.Progress_Stepsub();
    }
    t.ui().hideWait();
    return result;
}

int32_t ReadItem_ListSet(Public& p)
{
    p.CsvReadIndex.fill(0);
    int32_t n = 0;
    auto add = [&](int row) {
        if (row < 1 || row > RegisterTable::kRows || n >= RegisterTable::kRows) return;
        p.CsvReadIndex[static_cast<size_t>(++n)] = static_cast<int16_t>(row);
    };
    const RegisterTable& reg = p.reg;
    const int kind = p.CsvStoreRange[0];
    const int first = p.CsvStoreRange[2], last = p.CsvStoreRange[3];
    const ModelRow& m = Model_ForType(p.ModuleType);
    // 1 both axes, 2 rows of one axis (X rows first in each pair); 0 no rows. A one-axis
    // module has no axis choice.
    int stride = 1, offset = 0;
    if (m.family != ModelFamily::OneAxis) {
        const int axis = p.CsvStoreRange[1];
        if (axis == 1 || axis == 2) {
            stride = 2;
            offset = axis - 1;
        } else if (axis != 0) {
            stride = 0;
        }
    }
    auto addRange = [&](int from, int to) {
        if (stride == 0) return;
        for (int r = from + offset; r <= to; r += stride) add(r);
    };

    for (int r : m.savedStatusRows) add(r);
    if (kind == 0 || kind == 1) addRange(reg.PrmRange[0], reg.PrmRange[1]);
    if ((kind == 0 || kind == 2) && stepsValid(first, last))
        addRange(reg.AutoRange[0] + m.rowsPerStep * first, reg.AutoRange[0] + m.rowsPerStep * (last + 1) - 1);
    p.CsvReadCount = n;
    return n;
}

uint8_t Csv_Readsub(Transfer& t)
{
    Public& p = t.pub();
    Model_BuildRegisters(p);
    const std::string name = askName(t, true);
    if (name.empty()) return kTransferNotRun;
    if (!stepsValid(p.CsvStoreRange[2], p.CsvStoreRange[3])) return kTransferNotRun;
    if (!targetWritable(t)) return kTransferNotRun;

    const int r = t.link().CpuConnect(p.ModuleType);
    if (r != 1) return static_cast<uint8_t>(r);
    const int32_t n = ReadItem_ListSet(p);
    uint8_t result = static_cast<uint8_t>(t.tasks().TaskSend(kTaskOpen, 1));
    if (result != kTransferDone) return result;
    t.Progress_Initsub(n);
    t.ui().showWait();
    for (int32_t k = 1; k <= n; ++k) {
        const int row = p.CsvReadIndex[static_cast<size_t>(k)];
        if (p.reg.ReadAddr[static_cast<size_t>(row)].empty()) break;
        if (t.cancelled()) {
            result = kTransferCancelled;
            break;
        }
        result = static_cast<uint8_t>(t.tasks().TaskSend(kTaskReadRow, row));
        if (result != kTransferDone) break;
        t.Progress_Stepsub();
    }
    t.ui().hideWait();
    if (result != kTransferDone) return result;

    CsvText out;
    RegisterCsv_AxisLines(out, p.set.AxisName);
    for (int32_t k = 1; k <= n; ++k) out.line(RegisterCsv_Record(p.reg, p.CsvReadIndex[static_cast<size_t>(k)], true));
    return writeFile(t, out.bytes());
}

// ---- the four-axis model --------------------------------------------------------------------

uint8_t CsvZ4_Writesub(Transfer& t)
{
    Public& p = t.pub();
    // Cancel ends before the stores are touched.
    auto load = std::make_unique<Z4TransferLoad>();
    const uint8_t read =
        readChosen(t, [&](std::string_view bytes, int* line) { return Z4TransferCsv_Read(bytes, *load, line); });
    if (read != kTransferDone) return read;

    Zr4Data_Clear(p);
    p.Z4PrmAxis = load->axes;
    bool anySteps = false;
    for (const Z4TransferLoad::StepAxis& s : load->steps) {
        auto& words = p.Z4AutoData[static_cast<size_t>(s.step)][static_cast<size_t>(s.axis)];
        for (size_t w = 0; w < 9; ++w) words[w].SetWord = s.words[w];
        anySteps = true;
    }
    const bool anyParams = std::any_of(p.Z4PrmAxis.begin(), p.Z4PrmAxis.end(), [](const auto& a) { return a.Flag == 1; });

    uint8_t result = open(t);
    if (result != kTransferDone) return result;
    t.Progress_Initsub(load->count);
    t.ui().showWait();
    auto run = [&]() -> uint8_t {
        if (anyParams) {
            for (int axis = 0; axis < kZr4Axes; ++axis) {
                if (t.cancelled()) return kTransferCancelled;
                if (p.Z4PrmAxis[static_cast<size_t>(axis)].Flag != 1) continue;
                const int r = t.tasks().TaskSend(kTaskWriteAxisZ4, axis);
                if (r != 1) return static_cast<uint8_t>(r);
                t.Progress_Stepsub();
            }
        }
        if (anySteps) {
            for (int step = 0; step <= kLastStep; ++step) {
                if (t.cancelled()) return kTransferCancelled;
                std::string data;
                int mask = 0;
                for (int axis = 0; axis < kZr4Axes; ++axis) {
                    const auto& words = p.Z4AutoData[static_cast<size_t>(step)][static_cast<size_t>(axis)];
                    if (words[0].SetWord.empty()) continue;
                    for (const auto& w : words) data += w.SetWord;
                    mask |= 1 << axis;
                }
                if (mask == 0) continue;
                std::string stepNo = hexText(static_cast<uint64_t>(step));
                p.Z4StepNo = Hex4_Zero(stepNo);
                p.Z4StepCmd = "880" + hexText(static_cast<uint64_t>(mask));
                p.Z4StepData = data;
                const int r = t.tasks().TaskSend(kTaskWriteStepZ4, 1);
                if (r != 1) return static_cast<uint8_t>(r);
                t.Progress_Stepsub();
            }
        }
        return kTransferDone;
    };
    result = run();
    t.ui().hideWait();
    return result;
}

uint8_t CsvZ4_Readsub(Transfer& t)
{
    Public& p = t.pub();
    Zr4Data_Clear(p);
    const std::string name = askName(t, true);
    if (name.empty()) return kTransferNotRun;
    const int kind = p.CsvStoreRange[0], choice = p.CsvStoreRange[1];
    const int first = p.CsvStoreRange[2], last = p.CsvStoreRange[3];
    if (kind < 0 || kind > 2 || choice < 0 || choice > kZr4Axes || !stepsValid(first, last)) return kTransferNotRun;
    if (!targetWritable(t)) return kTransferNotRun;

    const int r = t.link().CpuConnect(p.ModuleType);
    if (r != 1) return static_cast<uint8_t>(r);
    std::vector<int> axes;
    if (choice == 0) axes = {0, 1, 2, 3};
    else axes = {choice - 1};
    const bool params = kind == 0 || kind == 1, steps = kind == 0 || kind == 2;
    const int count = (params ? static_cast<int>(axes.size()) : 0) + (steps ? last - first + 1 : 0);

    uint8_t result = static_cast<uint8_t>(t.tasks().TaskSend(kTaskOpen, 1));
    if (result != kTransferDone) return result;
    t.Progress_Initsub(count);
    t.ui().showWait();
    auto run = [&]() -> uint8_t {
        if (params) {
            for (int axis : axes) {
                if (t.cancelled()) return kTransferCancelled;
                const int rr = t.tasks().TaskSend(kTaskReadAxisZ4, axis);
                if (rr != 1) return static_cast<uint8_t>(rr);
                t.Progress_Stepsub();
            }
        }
        if (steps) {
            for (int step = first; step <= last; ++step) {
                if (t.cancelled()) return kTransferCancelled;
                const int rr = t.tasks().TaskSend(kTaskReadStepZ4, step);
                if (rr != 1) return static_cast<uint8_t>(rr);
                t.Progress_Stepsub();
            }
        }
        return kTransferDone;
    };
    result = run();
    t.ui().hideWait();
    if (result != kTransferDone) return result;
    return writeFile(t, Z4TransferCsv_Text(p, axes, kind, first, last));
}

} // namespace posmod
