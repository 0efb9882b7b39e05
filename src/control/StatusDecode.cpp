#include "control/StatusDecode.h"

#include <iterator>
#include <string>

#include "shared/Conversions.h"

namespace posmod {

namespace {
constexpr const char* kStatusHeaders[3] = {"No.", "Bit Name", "Setting content"};

// What the status window of a family shows beside the bits of the word.
struct StatusWindow {
    ModelFamily family;
    StatusGridLayout grid;
    const char* axisLetters; // one per tab, naming the axis in the labels ("": no axis named)
    bool errorAndPosition;   // the error code and current value labels
};

constexpr StatusWindow kStatusWindows[] = {
    {.family = ModelFamily::OneAxis,
     .grid = {.gridName = "Status_RegGrid", .tabsName = "", .tabs = 0, .tabCaptionBytes = 0, .rows = 10, .cols = 3,
              .width = 5800, .height = 3100, .colWidth = {600, 2400, 2700}, .colAlignment = {5, 2, 5},
              .rowHeight = 300},
     .axisLetters = "",
     .errorAndPosition = false},
    {.family = ModelFamily::TwoAxis,
     .grid = {.gridName = "Status7W_RegGrid", .tabsName = "P7WRegSSTab", .tabs = 2, .tabCaptionBytes = 24,
              .rows = 10, .cols = 3, .width = 5900, .height = 3100, .colWidth = {600, 2390, 2800},
              .colAlignment = {4, 4, 4}, .rowHeight = 300},
     .axisLetters = "XY",
     .errorAndPosition = false},
    {.family = ModelFamily::FourAxis,
     .grid = {.gridName = "StatusZr4_RegGrid", .tabsName = "Zr4RegSSTab", .tabs = 4, .tabCaptionBytes = 11,
              .rows = 10, .cols = 3, .width = 5900, .height = 3100, .colWidth = {600, 2390, 2800},
              .colAlignment = {4, 4, 4}, .rowHeight = 300},
     .axisLetters = "ABCD",
     .errorAndPosition = true},
};
// Each family at its index, and a letter for each tab (a tab shows the word of its axis).
constexpr bool rowsInOrder()
{
    for (std::size_t i = 0; i < std::size(kStatusWindows); ++i) {
        const StatusWindow& w = kStatusWindows[i];
        if (static_cast<std::size_t>(w.family) != i) return false;
        if (std::char_traits<char>::length(w.axisLetters) != static_cast<std::size_t>(w.grid.tabs)) return false;
    }
    return std::size(kStatusWindows) == 3;
}
static_assert(rowsInOrder());

const StatusWindow& statusWindow(ModelFamily f) { return kStatusWindows[static_cast<std::size_t>(f)]; }
} // namespace

const std::array<StatusBit, 8> kStatusBits = {{
    {"Communication error bit", "During communication error", "During normal"},
    {"Handshake bit", "During handshake", "During communication initial"},
    {"Data error/command error", "Data error or command error", "During normal"},
    {"Error Latch bit", "Error", "During normal"},
    {"Run latch bit", "Start operation", "During HALT"},
    {"+-O.RUN", "During overrun error", "During normal"},
    {"Stand-by bit", "During Stand-by", "During not Stand-by"},
    {"Run bit", "During RUN", "During HALT"},
}};

std::array<std::string, 9> StatusText_Of(const std::string& statusWord)
{
    const std::string bits = HexToBin(statusWord, 4);
    std::array<std::string, 9> out;
    for (std::size_t p = 0; p < kStatusBits.size(); ++p) {
        // A position the word does not reach counts as 1, as any character but "0" does.
        const bool zero = p < bits.size() && bits[p] == '0';
        out[p] = zero ? kStatusBits[p].off : kStatusBits[p].on;
    }
    out[8] = "H" + utf8Mid(statusWord, 2, 2);
    return out;
}

void StatusText_Cha(Public& p, const std::string& statusWord) { p.StatusText_Data = StatusText_Of(statusWord); }

ModelFamily ControlForm_Family(int formNo)
{
    for (const ModelRow& m : kModelTable)
        if (m.controlForm == formNo) return m.family;
    return ModelFamily::OneAxis;
}

const StatusGridLayout& StatusGrid_Layout(ModelFamily f) { return statusWindow(f).grid; }

GridLayout StatusGrid_GridLayout(ModelFamily f)
{
    const StatusGridLayout& l = StatusGrid_Layout(f);
    GridLayout out{{}, l.width, l.height};
    for (std::size_t c = 0; c < 3; ++c) out.columns.push_back({kStatusHeaders[c], l.colWidth[c], l.colAlignment[c]});
    return out;
}

void StatusGrid_Setup(GridCells& grid)
{
    grid.setRows(10);
    grid.setCols(3);
    for (int c = 0; c < 3; ++c) grid.setTextMatrix(0, c, kStatusHeaders[c]);
    for (int r = 1; r <= 9; ++r) {
        grid.setTextMatrix(r, 0, std::to_string(r));
        grid.setTextMatrix(r, 1, r <= 8 ? kStatusBits[static_cast<std::size_t>(r - 1)].name : kStatusStepName);
    }
}

std::string StatusTab_Caption(const Public& p, ModelFamily f, int tab)
{
    const StatusGridLayout& l = StatusGrid_Layout(f);
    if (tab < 0 || tab >= l.tabs) return "";
    return StrByte_Cut(p.set.AxisName[static_cast<std::size_t>(tab)], static_cast<uint8_t>(l.tabCaptionBytes));
}

StatusLabels StatusTab_Show(Public& p, ModelFamily f, int tab, GridCells& grid)
{
    const StatusWindow& w = statusWindow(f);
    const int tabs = w.grid.tabs;
    const auto t = static_cast<std::size_t>(tab < 0 || tab >= (tabs > 0 ? tabs : 1) ? 0 : tab);
    StatusText_Cha(p, p.StatusReg_Data[t]);
    for (int r = 1; r <= 9; ++r) grid.setTextMatrix(r, 2, p.StatusText_Data[static_cast<std::size_t>(r - 1)]);

    const std::string axis = tabs > 0 ? std::string(1, w.axisLetters[t]) + " axis, " : "";
    StatusLabels l;
    l.StLabel1 = axis + "Status resister :";
    l.StLabel2 = "H" + p.StatusReg_Data[t];
    if (w.errorAndPosition) {
        l.ErLabel1 = axis + "Error Code :";
        l.ErLabel2 = "H" + p.ErrorCode_Data[t];
        l.IchiLabel1 = axis + "Current value :";
        l.IchiLabel2 = "H" + p.CurrentValue_Data[t];
    }
    return l;
}

} // namespace posmod
