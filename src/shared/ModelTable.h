#pragma once
// The module models: one row per model with everything that differs between them, so that
// no caller switches on the module type itself.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "shared/Public.h"

namespace posmod {

// The three families the windows and sequences are built for.
enum class ModelFamily { OneAxis, TwoAxis, FourAxis };

// Register rows per step of the positioning block of the families with a register table.
inline constexpr int kStepRowsOneAxis = 4; // mode/dwell, acceleration/deceleration, velocity, target
inline constexpr int kStepRowsTwoAxis = 8; // the same items, X and Y rows in turn

// Which table of parameter names a model's editor shows (PrmNameJV, PrmName7W, PrmName7WK, PrmNameZ4).
enum class ParamNameTable { JV, W7, W7K, Z4 };

struct ModelRow {
    const char* text;              // as listed in CpuCombo
    int moduleType;
    ModelFamily family;
    // Axes the module drives: the status words a status read fetches, the grids of the editors.
    int axes;
    // Axes the user names (0: the one-axis model, whose axis goes unnamed): the names kept at
    // start-up, the boxes of the axis-name dialog, the axes the range dialog offers by name.
    int namedAxes;
    const char* initControlWord;
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
    // The register rows outside the parameter and positioning blocks (status words) that a
    // save from the module to a file includes.
    std::span<const int> savedStatusRows;
    // The parameter names the editor shows, and how many (grid rows 1..paramRows of an axis).
    ParamNameTable paramNames;
    int paramRows;
    // The tables the preview shows for the model's parameter and positioning editors.
    int paramPrintKind;
    int autoPrintKind;
    // The axis number the range dialog gives a model without named axes to choose from.
    int rangeAxisNo;
    // The axis choices of the CSV store-range dialog (none: no choice).
    const std::vector<std::string>* storeAxisTexts;
};

// Indexed by the stored model number (MODULE_NO), in the order of the model list.
extern const std::array<ModelRow, 5> kModelTable;

// The row of a module type: 1 and 5 are their own; any other type is of the two-axis family
// (2, 3, 4 their rows, anything else the ZRH row).
const ModelRow& Model_ForType(int moduleType);
// The row of a listed module type; nullptr for any other.
const ModelRow* Model_Find(int moduleType);
inline ModelFamily Model_Family(int moduleType) { return Model_ForType(moduleType).family; }
// The first row of a family, for what all its models share (windows, write modes, axes).
const ModelRow& Model_OfFamily(ModelFamily family);

// The row a list text selects: compared without case with JV-ZR, JV-ZR4, VELTA-7W,
// VELTAK7W in turn; anything else is the ZRH row.
int ModelRow_ForText(const std::string& text);
// The stored model number of a list text: its index in the list; 0 for a text not listed.
int ModelNo_ForText(const std::string& text);

// Start-up: the stored model; keeps the stored names of the model's axes, empties the rest.
// An index outside the list selects the first model.
void Model_StartupSelect(Public& p, int index);

// A model chosen in the running tool: its type, control word and default axis names.
void Model_Choose(Public& p, const std::string& listText);

// The parameter names of a module type's editor, entry k for grid row k (entry 0 unused).
const std::string* Model_ParamNames(const Public& p, int moduleType, int& rows);

// The register table of a module type rebuilt; nothing for the four-axis model.
void Model_BuildRegisters(Public& p);
void Model_BuildRegisters(int moduleType, RegisterTable& table);

} // namespace posmod
