#include "shared/RegisterTable.h"

#include "shared/Conversions.h"
#include "shared/TableSizes.h"

namespace posmod {

namespace {

// Every rebuild starts from nothing: no items, every value "0".
void resetRows(RegisterTable& t) {
    for (int r = 1; r <= RegisterTable::kRows; ++r) {
        t.ReadAddr[r].clear();
        t.WriteAddr[r].clear();
        t.ReadData[r] = "0";
        t.ReadDataH[r] = "0";
        t.WriteData[r] = "0";
        t.WriteDataH[r] = "0";
        t.TwoWords[r] = false;
    }
}

void setRow(RegisterTable& t, int row, std::string readAddr, std::string writeAddr, bool twoWords) {
    t.ReadAddr[row] = std::move(readAddr);
    t.WriteAddr[row] = std::move(writeAddr);
    t.TwoWords[row] = twoWords;
    if (!twoWords) {
        t.ReadDataH[row].clear();
        t.WriteDataH[row].clear();
    }
}

} // namespace

void CodeTable_SetJV(RegisterTable& t) {
    resetRows(t);
    setRow(t, 1, "1800", "4DFF", true);
    setRow(t, 2, "5800", "NOP", true);
    for (int k = 1; k <= 12; ++k) {
        const std::string kk = hexText(static_cast<uint64_t>(k));
        setRow(t, 2 + k, "5F0" + kk, "4E0" + kk, k >= 10);
    }
    setRow(t, 15, "5000", "NOP", false);
    setRow(t, 16, "5100", "NOP", false);
    for (int s = 0; s <= kLastStep; ++s) {
        const std::string ss = hexText(static_cast<uint64_t>(s), 2);
        const int row = 17 + 4 * s;
        setRow(t, row, "59" + ss, "49" + ss, false);
        setRow(t, row + 1, "5A" + ss, "4A" + ss, true);
        setRow(t, row + 2, "5B" + ss, "4B" + ss, false);
        setRow(t, row + 3, "5C" + ss, "4C" + ss, true);
    }
    t.PrmRange[0] = 3;
    t.PrmRange[1] = 14;
    t.AutoRange[0] = 17;
    t.AutoRange[1] = RegisterTable::kRows;
}

void CodeTable_Set7W(RegisterTable& t) {
    resetRows(t);
    setRow(t, 1, "1800", "NOP", true);
    setRow(t, 2, "3800", "NOP", true);
    setRow(t, 3, "5800", "NOP", true);
    setRow(t, 4, "7800", "NOP", true);
    for (int k = 1; k <= 12; ++k) {
        const std::string kk = hexText(static_cast<uint64_t>(k));
        setRow(t, 3 + 2 * k, "1F0" + kk, "4E0" + kk, k >= 10);
        setRow(t, 4 + 2 * k, "3F0" + kk, "6E0" + kk, k >= 10);
    }
    setRow(t, 29, "1000", "NOP", false);
    setRow(t, 30, "3200", "NOP", false);
    setRow(t, 31, "3300", "NOP", true);
    // X and Y rows of each item interleaved; the Y words are the X words + 0x2000.
    static const struct { const char* rx; const char* wx; const char* ry; const char* wy; bool two; } kItems[] = {
        {"19", "49", "39", "69", false},
        {"1A", "4A", "3A", "6A", true},
        {"1B", "4B", "3B", "6B", false},
        {"1C", "4C", "3C", "6C", true},
    };
    for (int s = 0; s <= kLastStep; ++s) {
        const std::string ss = hexText(static_cast<uint64_t>(s), 2);
        int row = 32 + 8 * s;
        for (const auto& it : kItems) {
            setRow(t, row++, it.rx + ss, it.wx + ss, it.two);
            setRow(t, row++, it.ry + ss, it.wy + ss, it.two);
        }
    }
    t.PrmRange[0] = 5;
    t.PrmRange[1] = 28;
    t.AutoRange[0] = 32;
    t.AutoRange[1] = RegisterTable::kRows;
}

} // namespace posmod
