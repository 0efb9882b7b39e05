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
constexpr int kStatusRowsJV[] = {2, 15};
constexpr int kStatusRows7W[] = {1, 2, 3, 4, 29, 30, 31};
constexpr int kNoAxisChoice = -1;
const std::vector<std::string> kNoStoreAxes;
const std::vector<std::string> kStoreAxes7W = {"X / Y axis data", "X axis data only", "Y axis data only"};
const std::vector<std::string> kStoreAxesZ4 = {"All axis data", "A axis data only", "B axis data only",
                                               "C axis data only", "D axis data only"};
} // namespace

const std::array<ModelRow, 5> kModelTable = {{
    {"JV-ZR", 1, ModelFamily::OneAxis, 1, "5100", 0, {"", "", "", ""}, kParmJV, kAutoJV, kSeigyoJV, 2, 6,
     CodeTable_SetJV, kStepRowsOneAxis, ParamNameTable::JV, kStatusRowsJV, 0, 5, 0, 3, &kNoStoreAxes},
    {"JV-ZR4", 5, ModelFamily::FourAxis, 4, "0000", 4, {"A axis", "B axis", "C axis", "D axis"}, kParmZr4,
     kAutoZr4, kSeigyoZ4, 3, 7, nullptr, 0, ParamNameTable::Z4, {}, 1, 6, 4, kNoAxisChoice, &kStoreAxesZ4},
    {"VELTA-7W", 2, ModelFamily::TwoAxis, 2, "1100", 2, {"X axis", "Y axis", "", ""}, kParm7W, kAuto7W,
     kSeigyo7W, 4, 8, CodeTable_Set7W, kStepRowsTwoAxis, ParamNameTable::W7, kStatusRows7W, 2, 7, 2, kNoAxisChoice,
     &kStoreAxes7W},
    {"VELTAK7W", 3, ModelFamily::TwoAxis, 2, "1100", 2, {"X axis", "Y axis", "", ""}, kParm7W, kAuto7W,
     kSeigyo7W, 4, 8, CodeTable_Set7W, kStepRowsTwoAxis, ParamNameTable::W7K, kStatusRows7W, 3, 8, 2, kNoAxisChoice,
     &kStoreAxes7W},
    {"ZRH", 4, ModelFamily::TwoAxis, 2, "1100", 2, {"X axis", "Y axis", "", ""}, kParm7W, kAuto7W, kSeigyo7W, 4,
     8, CodeTable_Set7W, kStepRowsTwoAxis, ParamNameTable::W7, kStatusRows7W, 4, 9, 2, kNoAxisChoice, &kStoreAxes7W},
}};

const ModelRow* Model_Find(int moduleType)
{
    for (const ModelRow& m : kModelTable)
        if (m.moduleType == moduleType) return &m;
    return nullptr;
}

const ModelRow& Model_ForType(int moduleType)
{
    const ModelRow* m = Model_Find(moduleType);
    return m ? *m : kModelTable[kZrhRow];
}

int ModelRow_ForText(const std::string& text)
{
    for (int i = 0; i < kZrhRow; ++i)
        if (equalsNoCase(text, kModelTable[static_cast<size_t>(i)].text)) return i;
    return kZrhRow;
}

int ModelNo_ForText(const std::string& text)
{
    for (std::size_t i = 0; i < kModelTable.size(); ++i)
        if (equalsNoCase(text, kModelTable[i].text)) return static_cast<int>(i);
    return 0;
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

void Model_BuildRegisters(int moduleType, RegisterTable& table)
{
    if (auto build = Model_ForType(moduleType).buildRegisters) build(table);
}

void Model_BuildRegisters(Public& p) { Model_BuildRegisters(p.ModuleType, p.reg); }

} // namespace posmod
