#pragma once
// The module models of the model list: list text, module type, initial control word
// and the axis names each one keeps at start-up or gets when chosen.
#include <array>
#include <string>

#include "shared/Public.h"

namespace posmod {

struct ModelRow {
    const char* text;              // as listed in CpuCombo
    int moduleType;
    const char* initControlWord;
    int namedAxes;                 // axes whose stored names survive start-up
    std::array<const char*, 4> chosenAxisNames;
};

// Indexed by the stored model number (MODULE_NO).
extern const std::array<ModelRow, 5> kModelTable;

// The row a list text selects: compared without case with JV-ZR, JV-ZR4, VELTA-7W,
// VELTAK7W in turn; anything else is the ZRH row.
int ModelRow_ForText(const std::string& text);

// Start-up: the stored model; keeps the stored names of the model's axes, empties the rest.
// An index outside the list selects the first model.
void Model_StartupSelect(Public& p, int index);

// A model chosen in the running tool: its type, control word and default axis names.
void Model_Choose(Public& p, const std::string& listText);

} // namespace posmod
