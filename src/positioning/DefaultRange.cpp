#include "positioning/DefaultRange.h"

#include "shared/Conversions.h"
#include "shared/ModelTable.h"

namespace posmod {

std::vector<std::string> DefaultRange_Axes(const Public& p)
{
    const auto& names = p.set.AxisName;
    return {names.begin(), names.begin() + Model_ForType(p.ModuleType).namedAxes};
}

void DefaultRange_Preset(const Public& p, std::string& fromText, std::string& toText)
{
    if (p.RangeTitle == kRangeTitlePrint) {
        fromText = std::to_string(p.StepRange.FirstStep);
        toText = std::to_string(p.StepRange.LastStep);
    } else {
        fromText = "0";
        toText = "0";
    }
}

RangeEntryError DefaultRange_Check(const std::string& fromText, const std::string& toText,
                                   const Public::StepRangeRec& window, int32_t& from, int32_t& to)
{
    if (!NumText_Check(fromText, true) || !NumText_Check(toText, true)) return RangeEntryError::Numeric;
    const auto f = signedDecimalValue(fromText), t = signedDecimalValue(toText);
    const auto inside = [&](int64_t v) { return v >= window.FirstStep && v <= window.LastStep; };
    if (!f || !t || !inside(*f) || !inside(*t) || *f > *t) return RangeEntryError::Limit;
    from = static_cast<int32_t>(*f);
    to = static_cast<int32_t>(*t);
    return RangeEntryError::None;
}

int32_t DefaultRange_Axis(int moduleType, int index)
{
    const ModelRow& m = Model_ForType(moduleType);
    if (m.namedAxes == 0) return m.rangeAxisNo;
    return index >= 0 && index < m.namedAxes ? index : 0;
}

} // namespace posmod
