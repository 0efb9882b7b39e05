#include "transfer/ReadSequences.h"

#include <algorithm>

#include "main/TaskNumbers.h"
#include "main/TaskSend.h"
#include "shared/ModelTable.h"
#include "shared/RegisterTable.h"
#include "transfer/Transfer.h"
#include "transfer/Z4Csv.h"

namespace posmod {

namespace {

bool stepWindowValid(const Public::StepRangeRec& s)
{
    return s.FirstStep >= 0 && s.FirstStep <= s.LastStep && s.LastStep <= kLastStep;
}

// Rows outside the table are never touched, whatever the ranges hold.
int clampRow(int32_t row) { return std::clamp<int32_t>(row, 0, RegisterTable::kRows + 1); }

bool fourAxis(const Public& p) { return Model_Family(p.ModuleType) == ModelFamily::FourAxis; }

// Opening, then one task per item from first to last, the bar stepped after each.
uint8_t readRun(Transfer& t, int task, int first, int last, bool registerRows)
{
    Public& p = t.pub();
    int r = t.link().CpuConnect(p.ModuleType);
    if (r != 1) return static_cast<uint8_t>(r);
    r = t.tasks().TaskSend(kTaskOpen, 1);
    if (r != 1) return static_cast<uint8_t>(r);
    for (int item = first; item <= last; ++item) {
        if (registerRows && p.reg.ReadAddr[item].empty()) return kTransferDone;
        if (t.cancelled()) return kTransferCancelled;
        r = t.tasks().TaskSend(task, item);
        if (r != 1) return static_cast<uint8_t>(r);
        t.Progress_Stepsub();
    }
    return kTransferDone;
}

// The wait window shown around a sequence.
template <class F> uint8_t shown(Transfer& t, F run)
{
    t.ui().showWait();
    const uint8_t r = run(t);
    t.ui().hideWait();
    return r;
}

} // namespace

uint8_t ParamRead_Run(Transfer& t)
{
    Public& p = t.pub();
    int count;
    if (fourAxis(p)) {
        Zr4Data_Clear(p);
        count = kZr4Axes;
    } else {
        Model_BuildRegisters(p);
        count = p.reg.PrmRange[1] - p.reg.PrmRange[0] + 1;
    }
    t.Progress_Initsub(count);
    return shown(t, CpuPrmReadsub);
}

uint8_t AutoRead_Run(Transfer& t)
{
    Public& p = t.pub();
    // Steps outside 0..255 would address rows outside the positioning block (or outside
    // the table); such a window is never read.
    if (!stepWindowValid(p.StepRange)) return kTransferNotRun;
    const int first = p.StepRange.FirstStep, last = p.StepRange.LastStep;
    int count;
    if (fourAxis(p)) {
        Zr4Data_Clear(p);
        count = last - first + 1;
    } else {
        const int perStep = Model_ForType(p.ModuleType).rowsPerStep;
        Model_BuildRegisters(p);
        const int b = p.reg.AutoRange[0];
        p.reg.AutoRange[0] = b + perStep * first;
        p.reg.AutoRange[1] = b + perStep * (last + 1) - 1;
        count = p.reg.AutoRange[1] - p.reg.AutoRange[0] + 1;
    }
    t.Progress_Initsub(count);
    return shown(t, CpuAutoReadsub);
}

uint8_t TeachRead_Run(Transfer& t)
{
    t.Progress_Initsub(1);
    return shown(t, CpuAuto_Teachsub);
}

uint8_t CpuPrmReadsub(Transfer& t)
{
    const Public& p = t.pub();
    if (fourAxis(p)) return readRun(t, kTaskReadAxisZ4, 0, kZr4Axes - 1, false);
    const int first = std::max(1, clampRow(p.reg.PrmRange[0]));
    const int last = std::min(RegisterTable::kRows, clampRow(p.reg.PrmRange[1]));
    return readRun(t, kTaskReadRow, first, last, true);
}

uint8_t CpuAutoReadsub(Transfer& t)
{
    const Public& p = t.pub();
    // AutoRead_Run has checked the step window.
    if (fourAxis(p)) return readRun(t, kTaskReadStepZ4, p.StepRange.FirstStep, p.StepRange.LastStep, false);
    const int first = std::max(1, clampRow(p.reg.AutoRange[0]));
    const int last = std::min(RegisterTable::kRows, clampRow(p.reg.AutoRange[1]));
    return readRun(t, kTaskReadRow, first, last, true);
}

uint8_t CpuAuto_Teachsub(Transfer& t)
{
    const int step = t.pub().TeachStepNo;
    if (step < 0 || step > kLastStep) return kTransferNotRun;
    return readRun(t, kTaskReadStepZ4, step, step, false);
}

} // namespace posmod
