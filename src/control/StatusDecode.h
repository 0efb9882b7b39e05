#pragma once
// The status windows without their widgets: the decoding of a status word, the grid each
// window lays out, its label texts and tab captions.
#include <array>
#include <string>

#include "shared/Grid.h"
#include "shared/GridLayout.h"
#include "shared/ModelTable.h"
#include "shared/Public.h"

namespace posmod {

inline constexpr const char* kStatusCaption = "Status resister";

// Rows 1-8 of the grid, bits 15 down to 8 of the word.
struct StatusBit {
    const char* name; // "Bit Name" column
    const char* on;   // text when the bit is 1
    const char* off;  // text when the bit is 0
};
extern const std::array<StatusBit, 8> kStatusBits;
inline constexpr const char* kStatusStepName = "Step No."; // row 9: the low byte

// The nine texts of a word: bits 15..8 (a bit counts as 1 unless its character is "0"),
// then "H" & the word's third and fourth characters.
std::array<std::string, 9> StatusText_Of(const std::string& statusWord);
// The same into p.StatusText_Data.
void StatusText_Cha(Public& p, const std::string& statusWord);

// The family whose control window has this form number (the one-axis family for a number
// that is no control window).
ModelFamily ControlForm_Family(int formNo);

// Grid properties in twips and MSFlexGrid alignment codes (2 left-bottom, 4 centre-centre,
// 5 centre-bottom).
struct StatusGridLayout {
    const char* gridName; // the grid, or the grid array of the tabs
    const char* tabsName; // the tab control, "" when there is none
    int tabs;             // 0 for the one-axis window
    int tabCaptionBytes;  // axis names on the tabs
    int rows, cols;
    int width, height;
    std::array<int, 3> colWidth;
    std::array<int, 3> colAlignment;
    int rowHeight;
};
const StatusGridLayout& StatusGrid_Layout(ModelFamily f);

// The same as the windows lay a grid out: header, width and alignment of each column, the size.
GridLayout StatusGrid_GridLayout(ModelFamily f);

// Size and fixed texts of one status grid: the header "No.", "Bit Name", "Setting content",
// the numbers 1-9 and the bit names; column 2 stays empty.
void StatusGrid_Setup(GridCells& grid);

// The tab caption of an axis: its name cut to the family's byte limit.
std::string StatusTab_Caption(const Public& p, ModelFamily f, int tab);

struct StatusLabels {
    std::string StLabel1, StLabel2;
    std::string ErLabel1, ErLabel2;     // four-axis only
    std::string IchiLabel1, IchiLabel2; // four-axis only
};

// Showing the word of an axis (the load shows tab 0, a tab change its new tab): decodes
// StatusReg_Data(tab) into StatusText_Data, writes it into column 2 of the tab's grid and
// gives the label texts. The axis letters of the labels are fixed (X/Y, A-D).
StatusLabels StatusTab_Show(Public& p, ModelFamily f, int tab, GridCells& grid);

} // namespace posmod
