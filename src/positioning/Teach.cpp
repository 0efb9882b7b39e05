#include "positioning/Teach.h"

#include "main/LinkApi.h"
#include "main/TaskNumbers.h"
#include "positioning/StepLayout.h"
#include "shared/Conversions.h"
#include "shared/MessageTexts.h"
#include "shared/Messages.h"
#include "shared/Pointer.h"
#include "transfer/RangeEntry.h"

namespace posmod {

const char* TeachError_Text(TeachError e)
{
    switch (e) {
    case TeachError::Axes: return kNoAxesMessage;
    case TeachError::StepEmpty: return "Selected Step No Setting";
    case TeachError::Numeric: return kNumericErrorMessage;
    case TeachError::Limit: return "Step No. Limit Error";
    case TeachError::None: break;
    }
    return "";
}

TeachError Teach_Check(int axisMask, const std::string& stepText, int& step)
{
    if ((axisMask & 0xF) == 0) return TeachError::Axes;
    if (stepText.empty()) return TeachError::StepEmpty;
    if (!NumText_Check(stepText, true)) return TeachError::Numeric;
    const auto v = signedDecimalValue(stepText);
    if (!v || *v < 0 || *v > kLastStep) return TeachError::Limit;
    step = static_cast<int>(*v);
    return TeachError::None;
}

std::string Teach_StepNo(int step)
{
    std::string t = hexText(static_cast<uint64_t>(step & 0xFFFF));
    return Hex4_Zero(t);
}

std::string Teach_StepCmd(int axisMask) { return "890" + hexText(static_cast<uint64_t>(axisMask & 0xF)); }

bool Teach_Send(Public& p, int step, int axisMask, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                MousePointer* pointer)
{
    p.Z4StepNo = Teach_StepNo(step);
    p.Z4StepCmd = Teach_StepCmd(axisMask);
    p.Z4StepData = "";
    bool confirmed = false;
    {
        Hourglass wait(pointer);
        if (link.CpuConnect(p.ModuleType) != 1) return false;
        confirmed = tasks.TaskSend(kTaskOpen, 1) == 1 && tasks.TaskSend(kTaskTeach, 1) == 1;
    }
    if (confirmed) {
        messages.show(kCompleteMessage, MsgIcon::None);
        p.Z4StepData = "OK";
    }
    link.TSK1600();
    link.POCLS();
    return confirmed;
}

std::optional<int> Teach_ReadBackStep(const Public& p)
{
    if (!p.DataSourceCaption.empty() || p.Z4StepData != "OK") return std::nullopt;
    const auto v = hexValue(p.Z4StepNo);
    int first = 0, last = 0;
    StepWindow(p, first, last);
    if (!v || *v < static_cast<uint64_t>(first) || *v > static_cast<uint64_t>(last)) return std::nullopt;
    return static_cast<int>(*v);
}

void Teach_FillStep(const std::array<GridCells*, 4>& grids, const Public& p, int step, bool decimal)
{
    int first = 0, last = 0;
    StepWindow(p, first, last);
    if (step < first || step > last) return;
    for (int a = 0; a < 4; ++a)
        if (GridCells* g = grids[static_cast<size_t>(a)]) StepZr4_FillStep(*g, a, p, step, step - first, decimal);
}

} // namespace posmod
