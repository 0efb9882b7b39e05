#pragma once
// The module models: one row per model with everything that differs between them, so that
// no caller switches on the module type itself.
#include <array>
#include <string>

#include "shared/Public.h"

namespace posmod {

// The three families the windows and sequences are built for.
enum class ModelFamily { OneAxis, TwoAxis, FourAxis };

// Which table of parameter names a model's editor shows (PrmNameJV, PrmName7W, PrmName7WK, PrmNameZ4).
enum class ParamNameTable { JV, W7, W7K, Z4 };

struct ModelRow {
    const char* text;              // as listed in CpuCombo
    int moduleType;
    ModelFamily family;
    int axes;
    const char* initControlWord;
    int namedAxes;                 // axes whose stored names survive start-up
    std::array<const char*, 4> chosenAxisNames;
    // The windows of the model, by form number.
    int paramForm;
    int autoForm;
    int controlForm;
    // Transfer modes that write an editor's table to the module.
    int paramWriteMode;
    int autoWriteMode;
    // The register table of the model; nullptr where the four-axis stores take its place.
    void (*buildRegisters)(RegisterTable&);
    // Register rows per step of the positioning block (0: no register table).
    int rowsPerStep;
    ParamNameTable paramNames;
};

// Indexed by the stored model number (MODULE_NO), in the order of the model list.
extern const std::array<ModelRow, 5> kModelTable;

// The row of a module type: 1 and 5 are their own; any other type is of the two-axis family
// (2, 3, 4 their rows, anything else the ZRH row).
const ModelRow& Model_ForType(int moduleType);
inline ModelFamily Model_Family(int moduleType) { return Model_ForType(moduleType).family; }

// The row a list text selects: compared without case with JV-ZR, JV-ZR4, VELTA-7W,
// VELTAK7W in turn; anything else is the ZRH row.
int ModelRow_ForText(const std::string& text);

// Start-up: the stored model; keeps the stored names of the model's axes, empties the rest.
// An index outside the list selects the first model.
void Model_StartupSelect(Public& p, int index);

// A model chosen in the running tool: its type, control word and default axis names.
void Model_Choose(Public& p, const std::string& listText);

// The parameter names of a module type's editor, entry k for grid row k (entry 0 unused).
const std::string* Model_ParamNames(const Public& p, int moduleType, int& rows);

// The register table of a module type rebuilt; nothing for the four-axis model.
void Model_BuildRegisters(Public& p);

} // namespace posmod
