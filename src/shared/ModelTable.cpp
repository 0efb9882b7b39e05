#include "shared/ModelTable.h"

#include "shared/Conversions.h"
#include "shared/FormNumbers.h"
#include "shared/TableSizes.h"

namespace posmod {

namespace {
using namespace form;
constexpr int kParmJV = frmParmJV, kParmZr4 = frmParmZr4, kParm7W = frmParm7W;
constexpr int kAutoJV = frmAutoRunJVMode, kAuto7W = frmAutoRun7WMode, kAutoZr4 = frmAutoRunZr4Mode;
constexpr int kSeigyoJV = frmSeigyoJVCmd, kSeigyo7W = frmSeigyo7WCmd, kSeigyoZ4 = frmSeigyoZ4Cmd;
constexpr int kZrhRow = 4;
constexpr int kStatusRowsJV[] = {2, 15};
constexpr int kStatusRows7W[] = {1, 2, 3, 4, 29, 30, 31};
constexpr int kAxisFromChoice = -1; // the range dialog's choice gives the axis
const std::vector<std::string> kNoStoreAxes;
const std::vector<std::string> kStoreAxes7W = {"X / Y axis data", "X axis data only", "Y axis data only"};
const std::vector<std::string> kStoreAxesZ4 = {"All axis data", "A axis data only", "B axis data only",
                                               "C axis data only", "D axis data only"};
} // namespace

const std::array<ModelRow, 5> kModelTable = {{
    {.text = "JV-ZR", .moduleType = 1, .family = ModelFamily::OneAxis, .axes = 1, .namedAxes = 0,
     .initControlWord = "5100", .chosenAxisNames = {"", "", "", ""},
     .paramForm = kParmJV, .autoForm = kAutoJV, .controlForm = kSeigyoJV, .paramWriteMode = 2, .autoWriteMode = 6,
     .buildRegisters = CodeTable_SetJV, .rowsPerStep = kStepRowsOneAxis, .savedStatusRows = kStatusRowsJV,
     .paramNames = ParamNameTable::JV, .paramRows = kParamRows, .paramPrintKind = 0, .autoPrintKind = 5,
     .rangeAxisNo = 3, .storeAxisTexts = &kNoStoreAxes},
    {.text = "JV-ZR4", .moduleType = 5, .family = ModelFamily::FourAxis, .axes = 4, .namedAxes = 4,
     .initControlWord = "0000", .chosenAxisNames = {"A axis", "B axis", "C axis", "D axis"},
     .paramForm = kParmZr4, .autoForm = kAutoZr4, .controlForm = kSeigyoZ4, .paramWriteMode = 3, .autoWriteMode = 7,
     .buildRegisters = nullptr, .rowsPerStep = 0, .savedStatusRows = {},
     .paramNames = ParamNameTable::Z4, .paramRows = kZr4ParamRows, .paramPrintKind = 1, .autoPrintKind = 6,
     .rangeAxisNo = kAxisFromChoice, .storeAxisTexts = &kStoreAxesZ4},
    {.text = "VELTA-7W", .moduleType = 2, .family = ModelFamily::TwoAxis, .axes = 2, .namedAxes = 2,
     .initControlWord = "1100", .chosenAxisNames = {"X axis", "Y axis", "", ""},
     .paramForm = kParm7W, .autoForm = kAuto7W, .controlForm = kSeigyo7W, .paramWriteMode = 4, .autoWriteMode = 8,
     .buildRegisters = CodeTable_Set7W, .rowsPerStep = kStepRowsTwoAxis, .savedStatusRows = kStatusRows7W,
     .paramNames = ParamNameTable::W7, .paramRows = kParamRows, .paramPrintKind = 2, .autoPrintKind = 7,
     .rangeAxisNo = kAxisFromChoice, .storeAxisTexts = &kStoreAxes7W},
    {.text = "VELTAK7W", .moduleType = 3, .family = ModelFamily::TwoAxis, .axes = 2, .namedAxes = 2,
     .initControlWord = "1100", .chosenAxisNames = {"X axis", "Y axis", "", ""},
     .paramForm = kParm7W, .autoForm = kAuto7W, .controlForm = kSeigyo7W, .paramWriteMode = 4, .autoWriteMode = 8,
     .buildRegisters = CodeTable_Set7W, .rowsPerStep = kStepRowsTwoAxis, .savedStatusRows = kStatusRows7W,
     .paramNames = ParamNameTable::W7K, .paramRows = kParamRows, .paramPrintKind = 3, .autoPrintKind = 8,
     .rangeAxisNo = kAxisFromChoice, .storeAxisTexts = &kStoreAxes7W},
    {.text = "ZRH", .moduleType = 4, .family = ModelFamily::TwoAxis, .axes = 2, .namedAxes = 2,
     .initControlWord = "1100", .chosenAxisNames = {"X axis", "Y axis", "", ""},
     .paramForm = kParm7W, .autoForm = kAuto7W, .controlForm = kSeigyo7W, .paramWriteMode = 4, .autoWriteMode = 8,
     .buildRegisters = CodeTable_Set7W, .rowsPerStep = kStepRowsTwoAxis, .savedStatusRows = kStatusRows7W,
     .paramNames = ParamNameTable::W7, .paramRows = kParamRows, .paramPrintKind = 4, .autoPrintKind = 9,
     .rangeAxisNo = kAxisFromChoice, .storeAxisTexts = &kStoreAxes7W},
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

const ModelRow& Model_OfFamily(ModelFamily family)
{
    for (const ModelRow& m : kModelTable)
        if (m.family == family) return m;
    return kModelTable[0];
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
    const ModelRow& m = Model_ForType(moduleType);
    rows = m.paramRows;
    switch (m.paramNames) {
    case ParamNameTable::JV: return p.PrmNameJV.data();
    case ParamNameTable::W7: return p.PrmName7W.data();
    case ParamNameTable::W7K: return p.PrmName7WK.data();
    case ParamNameTable::Z4: return p.PrmNameZ4.data();
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
