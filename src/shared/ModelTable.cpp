#include "shared/ModelTable.h"

#include "shared/Conversions.h"
#include "shared/FormNumbers.h"

namespace posmod {

namespace {
using namespace form;
constexpr int kParmJV = frmParmJV, kParmZr4 = frmParmZr4, kParm7W = frmParm7W;
constexpr int kAutoJV = frmAutoRunJVMode, kAuto7W = frmAutoRun7WMode, kAutoZr4 = frmAutoRunZr4Mode;
constexpr int kSeigyoJV = frmSeigyoJVCmd, kSeigyo7W = frmSeigyo7WCmd, kSeigyoZ4 = frmSeigyoZ4Cmd;
constexpr int kZrhRow = 4;
} // namespace

const std::array<ModelRow, 5> kModelTable = {{
    {"JV-ZR", 1, ModelFamily::OneAxis, 1, "5100", 0, {"", "", "", ""}, kParmJV, kAutoJV, kSeigyoJV, 2, 6,
     CodeTable_SetJV, 4, ParamNameTable::JV},
    {"JV-ZR4", 5, ModelFamily::FourAxis, 4, "0000", 4, {"A axis", "B axis", "C axis", "D axis"}, kParmZr4,
     kAutoZr4, kSeigyoZ4, 3, 7, nullptr, 0, ParamNameTable::Z4},
    {"VELTA-7W", 2, ModelFamily::TwoAxis, 2, "1100", 2, {"X axis", "Y axis", "", ""}, kParm7W, kAuto7W,
     kSeigyo7W, 4, 8, CodeTable_Set7W, 8, ParamNameTable::W7},
    {"VELTAK7W", 3, ModelFamily::TwoAxis, 2, "1100", 2, {"X axis", "Y axis", "", ""}, kParm7W, kAuto7W,
     kSeigyo7W, 4, 8, CodeTable_Set7W, 8, ParamNameTable::W7K},
    {"ZRH", 4, ModelFamily::TwoAxis, 2, "1100", 2, {"X axis", "Y axis", "", ""}, kParm7W, kAuto7W, kSeigyo7W, 4,
     8, CodeTable_Set7W, 8, ParamNameTable::W7},
}};

const ModelRow& Model_ForType(int moduleType)
{
    for (const ModelRow& m : kModelTable)
        if (m.moduleType == moduleType) return m;
    return kModelTable[kZrhRow];
}

int ModelRow_ForText(const std::string& text)
{
    for (int i = 0; i < kZrhRow; ++i)
        if (equalsNoCase(text, kModelTable[static_cast<size_t>(i)].text)) return i;
    return kZrhRow;
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

const std::string* Model_ParamNames(const Public& p, int moduleType, int& rows)
{
    switch (Model_ForType(moduleType).paramNames) {
    case ParamNameTable::JV: rows = 12; return p.PrmNameJV.data();
    case ParamNameTable::W7: rows = 12; return p.PrmName7W.data();
    case ParamNameTable::W7K: rows = 12; return p.PrmName7WK.data();
    case ParamNameTable::Z4: rows = 23; return p.PrmNameZ4.data();
    }
    rows = 0;
    return nullptr;
}

void Model_BuildRegisters(Public& p)
{
    if (auto build = Model_ForType(p.ModuleType).buildRegisters) build(p.reg);
}

} // namespace posmod
