#include "transfer/RangeEntry.h"

#include <algorithm>

#include "main/TaskNumbers.h"
#include "shared/Conversions.h"
#include "shared/ModelTable.h"

namespace posmod {

RangeEntryError StepPair_Check(const std::string& firstText, const std::string& lastText,
                               int32_t& first, int32_t& last)
{
    if (!NumText_Check(firstText, true)) return RangeEntryError::Numeric;
    if (!NumText_Check(lastText, true)) return RangeEntryError::Numeric;
    // Too large for 64 bits is as much a limit error as too large for a step.
    const auto f = signedDecimalValue(firstText), l = signedDecimalValue(lastText);
    if (!f || !l || *f < 0 || *f > kLastStep || *l < 0 || *l > kLastStep || *f > *l) return RangeEntryError::Limit;
    first = static_cast<int32_t>(*f);
    last = static_cast<int32_t>(*l);
    return RangeEntryError::None;
}

int32_t CsvStoreKind_FromText(const std::string& dataText)
{
    if (equalsNoCase(dataText, "Common parameter/Operation Data")) return 0;
    if (equalsNoCase(dataText, "Common parameter only")) return 1;
    return 2;
}

const std::vector<std::string>& CsvStoreAxis_Texts(int moduleType)
{
    return *Model_ForType(moduleType).storeAxisTexts;
}

int32_t CsvStoreAxis_FromText(int moduleType, const std::string& axisText)
{
    // An unknown text gives the last choice.
    const std::vector<std::string>& texts = CsvStoreAxis_Texts(moduleType);
    for (std::size_t i = 0; i + 1 < texts.size(); ++i)
        if (equalsNoCase(axisText, texts[i])) return static_cast<int32_t>(i);
    return texts.empty() ? 0 : static_cast<int32_t>(texts.size() - 1);
}

void StepWindow(const Public& p, int& first, int& last)
{
    first = std::clamp<int>(p.StepRange.FirstStep, 0, kLastStep);
    last = std::clamp<int>(p.StepRange.LastStep, first, kLastStep);
}

void StepWindow_Load(Public& p, int& first, int& last)
{
    if (!p.DataSourceCaption.empty()) p.StepRange = {3, 0, kLastStep};
    StepWindow(p, first, last);
    p.AutoRowCount = (last - first + 1) * 2;
}

} // namespace posmod
