#include "control/StatusDecode.h"

#include "shared/Conversions.h"

namespace posmod {

namespace {
constexpr const char* kStatusHeaders[3] = {"No.", "Bit Name", "Setting content"};
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

const StatusGridLayout& StatusGrid_Layout(ModelFamily f)
{
    static const StatusGridLayout kOne{"Status_RegGrid", "", 0, 0, 10, 3, 5800, 3100,
                                       {600, 2400, 2700}, {5, 2, 5}, 300};
    static const StatusGridLayout kTwo{"Status7W_RegGrid", "P7WRegSSTab", 2, 24, 10, 3, 5900, 3100,
                                       {600, 2390, 2800}, {4, 4, 4}, 300};
    static const StatusGridLayout kFour{"StatusZr4_RegGrid", "Zr4RegSSTab", 4, 11, 10, 3, 5900, 3100,
                                        {600, 2390, 2800}, {4, 4, 4}, 300};
    switch (f) {
    case ModelFamily::OneAxis: return kOne;
    case ModelFamily::TwoAxis: return kTwo;
    case ModelFamily::FourAxis: break;
    }
    return kFour;
}

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
    const int tabs = StatusGrid_Layout(f).tabs;
    const auto t = static_cast<std::size_t>(tab < 0 || tab >= (tabs > 0 ? tabs : 1) ? 0 : tab);
    StatusText_Cha(p, p.StatusReg_Data[t]);
    for (int r = 1; r <= 9; ++r) grid.setTextMatrix(r, 2, p.StatusText_Data[static_cast<std::size_t>(r - 1)]);

    StatusLabels l;
    l.StLabel2 = "H" + p.StatusReg_Data[t];
    switch (f) {
    case ModelFamily::OneAxis:
        l.StLabel1 = "Status resister :";
        break;
    case ModelFamily::TwoAxis:
        l.StLabel1 = t == 0 ? "X axis, Status resister :" : "Y axis, Status resister :";
        break;
    case ModelFamily::FourAxis: {
        const std::string axis(1, static_cast<char>('A' + t));
        l.StLabel1 = axis + " axis, Status resister :";
        l.ErLabel1 = axis + " axis, Error Code :";
        l.ErLabel2 = "H" + p.ErrorCode_Data[t];
        l.IchiLabel1 = axis + " axis, Current value :";
        l.IchiLabel2 = "H" + p.CurrentValue_Data[t];
        break;
    }
    }
    return l;
}

} // namespace posmod
