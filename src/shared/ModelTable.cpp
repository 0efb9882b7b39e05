#include "shared/ModelTable.h"

#include "shared/Conversions.h"

namespace posmod {

const std::array<ModelRow, 5> kModelTable = {{
    {"JV-ZR", 1, "5100", 0, {"", "", "", ""}},
    {"JV-ZR4", 5, "0000", 4, {"A axis", "B axis", "C axis", "D axis"}},
    {"VELTA-7W", 2, "1100", 2, {"X axis", "Y axis", "", ""}},
    {"VELTAK7W", 3, "1100", 2, {"X axis", "Y axis", "", ""}},
    {"ZRH", 4, "1100", 2, {"X axis", "Y axis", "", ""}},
}};

int ModelRow_ForText(const std::string& text)
{
    for (int i = 0; i < 4; ++i)
        if (equalsNoCase(text, kModelTable[static_cast<size_t>(i)].text)) return i;
    return 4;
}

void Model_StartupSelect(Public& p, int index)
{
    if (index < 0 || index >= static_cast<int>(kModelTable.size())) index = 0;
    const ModelRow& m = kModelTable[static_cast<size_t>(index)];
    p.ModuleType = m.moduleType;
    p.InitControlWord = m.initControlWord;
    for (int a = m.namedAxes; a < 4; ++a) p.set.AxisName[static_cast<size_t>(a)].clear();
}

void Model_Choose(Public& p, const std::string& listText)
{
    const ModelRow& m = kModelTable[static_cast<size_t>(ModelRow_ForText(listText))];
    p.ModuleType = m.moduleType;
    p.InitControlWord = m.initControlWord;
    for (size_t a = 0; a < 4; ++a) p.set.AxisName[a] = m.chosenAxisNames[a];
}

} // namespace posmod
