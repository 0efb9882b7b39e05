#include "transfer/Transfer.h"

#include <algorithm>

#include "main/TaskSend.h"
#include "shared/RegisterTable.h"

namespace posmod {

namespace {

constexpr int kLastStep = 255;

// Register tasks of the sequences.
constexpr int kTaskOpen = 1;
constexpr int kTaskReadRow = 3;
constexpr int kTaskReadAxisZ4 = 6;
constexpr int kTaskReadStepZ4 = 7;

bool stepWindowValid(const Public::StepRangeRec& s)
{
    return s.FirstStep >= 0 && s.FirstStep <= s.LastStep && s.LastStep <= kLastStep;
}

// Rows outside the table are never touched, whatever the ranges hold.
int clampRow(int32_t row) { return std::clamp<int32_t>(row, 0, RegisterTable::kRows + 1); }

// The count text of the bar once items have been done.
std::string countLabel(int value, int max)
{
    return "( " + std::to_string(value) + "  / " + std::to_string(max) + "  )  Data Count...";
}

} // namespace

const char* WaitDisp_CallerName(int mode)
{
    switch (mode) {
    case 1: case 5: case 9: case 10: return "frmMain";
    case 2: return "frmParmJV";
    case 3: return "frmParmZr4";
    case 4: return "frmParm7W";
    case 6: return "frmAutoRunJVMode";
    case 7: case 11: return "frmAutoRunZr4Mode";
    case 8: return "frmAutoRun7WMode";
    default: return nullptr;
    }
}

Transfer::Transfer(Public& pub, LinkOps& link, TaskOps& tasks, WaitUi& ui)
    : pub_(pub), link_(link), tasks_(tasks), ui_(ui)
{
}

uint8_t Transfer::SendMain(int mode)
{
    // A second transfer started from a nested event (a click while this one waits) would
    // share the link and the stores with the first: refuse it without touching anything.
    if (pub_.TransferBusy) return kTransferNotRun;

    struct BusyScope {
        Public& p;
        explicit BusyScope(Public& pp) : p(pp) { p.TransferBusy = true; }
        ~BusyScope() { p.SendCancel = -1; p.TransferBusy = false; }
    } scope(pub_);

    pub_.SendCancel = 0;
    if (const char* caller = WaitDisp_CallerName(mode)) ui_.placeOver(caller);

    const uint8_t result = runMode(mode);

    // The bar ends full, also after a failure; after a cancel it stays where it stopped.
    if (!cancelled() && value_ < max_) {
        value_ = max_;
        label_ = countLabel(value_, max_);
        showBar();
    }
    if (result == kTransferDone || result == kTransferCancelled) {
        link_.TSK1600();
        link_.POCLS();
    }
    return result;
}

uint8_t Transfer::runMode(int mode)
{
    const int type = pub_.ModuleType;
    uint8_t r = kTransferNotRun;
    switch (mode) {
    case 1: {
        int count;
        if (type == 5) {
            Zr4Data_Clear(pub_);
            count = 4;
        } else {
            CodeTable_ForType(pub_.reg, type);
            count = pub_.reg.PrmRange[1] - pub_.reg.PrmRange[0] + 1;
        }
        Progress_Initsub(count);
        ui_.showWait();
        r = CpuPrmReadsub();
        ui_.hideWait();
        break;
    }
    case 5: {
        // Steps outside 0..255 would address rows outside the positioning block (or outside
        // the table); such a window is never read.
        if (!stepWindowValid(pub_.StepRange)) return kTransferNotRun;
        const int first = pub_.StepRange.FirstStep, last = pub_.StepRange.LastStep;
        int count;
        if (type == 5) {
            Zr4Data_Clear(pub_);
            count = last - first + 1;
        } else {
            const int perStep = type == 1 ? 4 : 8;
            CodeTable_ForType(pub_.reg, type);
            const int b = pub_.reg.AutoRange[0];
            pub_.reg.AutoRange[0] = b + perStep * first;
            pub_.reg.AutoRange[1] = b + perStep * (last + 1) - 1;
            count = pub_.reg.AutoRange[1] - pub_.reg.AutoRange[0] + 1;
        }
        Progress_Initsub(count);
        ui_.showWait();
        r = CpuAutoReadsub();
        ui_.hideWait();
        break;
    }
    case 11:
        Progress_Initsub(1);
        ui_.showWait();
        r = CpuAuto_Teachsub();
        ui_.hideWait();
        break;
    case 2: r = CpuPrmWriteJVsub(); break;
    case 3: r = CpuPrmWriteZ4sub(); break;
    case 4: r = CpuPrmWrite7Wsub(); break;
    case 6: r = CpuAutoWriteJVsub(); break;
    case 7: r = CpuAutoWriteZ4sub(); break;
    case 8: r = CpuAutoWrite7Wsub(); break;
    case 9: r = type == 5 ? CsvZ4_Writesub() : Csv_Writesub(); break;
    case 10: r = type == 5 ? CsvZ4_Readsub() : Csv_Readsub(); break;
    default: break;
    }
    return r;
}

void Transfer::cmdCancel_Click() { pub_.SendCancel = -1; }

void Transfer::Progress_Initsub(int count)
{
    max_ = count;
    value_ = 0;
    label_ = "(  0  / " + std::to_string(max_) + "  )  Data Count...";
    showBar();
}

void Transfer::Progress_Stepsub()
{
    if (value_ >= max_) return;
    ++value_;
    label_ = countLabel(value_, max_);
    showBar();
}

void Transfer::showBar()
{
    // A bar whose maximum equals its minimum turns into a busy animation; keep it a bar.
    const int barMax = std::max(max_, 1);
    ui_.setBar(barMax, std::clamp(value_, 0, barMax));
    ui_.setCountText(label_);
}

uint8_t Transfer::readRun(int task, int first, int last, bool registerRows)
{
    int r = link_.CpuConnect(pub_.ModuleType);
    if (r != 1) return static_cast<uint8_t>(r);
    r = tasks_.TaskSend(kTaskOpen, 1);
    if (r != 1) return static_cast<uint8_t>(r);
    for (int item = first; item <= last; ++item) {
        if (registerRows && pub_.reg.ReadAddr[item].empty()) return kTransferDone;
        if (cancelled()) return kTransferCancelled;
        r = tasks_.TaskSend(task, item);
        if (r != 1) return static_cast<uint8_t>(r);
        Progress_Stepsub();
    }
    return kTransferDone;
}

uint8_t Transfer::CpuPrmReadsub()
{
    if (pub_.ModuleType == 5) return readRun(kTaskReadAxisZ4, 0, 3, false);
    const int first = std::max(1, clampRow(pub_.reg.PrmRange[0]));
    const int last = std::min(RegisterTable::kRows, clampRow(pub_.reg.PrmRange[1]));
    return readRun(kTaskReadRow, first, last, true);
}

uint8_t Transfer::CpuAutoReadsub()
{
    // runMode has checked the step window.
    if (pub_.ModuleType == 5)
        return readRun(kTaskReadStepZ4, pub_.StepRange.FirstStep, pub_.StepRange.LastStep, false);
    const int first = std::max(1, clampRow(pub_.reg.AutoRange[0]));
    const int last = std::min(RegisterTable::kRows, clampRow(pub_.reg.AutoRange[1]));
    return readRun(kTaskReadRow, first, last, true);
}

uint8_t Transfer::CpuAuto_Teachsub()
{
    const int step = pub_.TeachStepNo;
    if (step < 0 || step > kLastStep) return kTransferNotRun;
    return readRun(kTaskReadStepZ4, step, step, false);
}

} // namespace posmod
