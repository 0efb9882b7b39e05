#pragma once
// Write, then read back: the parameter and positioning writes of each model through the
// dispatcher against the controller peer's module, the module compared with what was typed
// and the read-back stores with the module. Shared by the runs on the virtual clock and
// those against the real peer over TCP and a pseudo-terminal.
//
// The texts typed are made here from the values, lower-case hexadecimal without leading
// zeros or decimal (signed for two-word items), independently of the tool's conversions.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "fakecpu/ModuleModel.h"
#include "params/ParamLayout.h"
#include "positioning/StepLayout.h"
#include "shared/ModelTable.h"
#include "shared/FormNumbers.h"
#include "support/CaptureSink.h"
#include "support/Hex.h"
#include "transfer/Transfer.h"

namespace posmod::trips {

struct TripRig {
    Public& pub;
    Transfer& transfer;
    CaptureSink& sink;
    // Runs f on the peer's module while the peer does not use it.
    std::function<void(const std::function<void(ModuleModel&)>&)> model;
};

inline std::string typed(uint32_t v, bool twoWords, bool decimal)
{
    char b[16];
    if (!decimal) std::snprintf(b, sizeof b, "%x", twoWords ? v : v & 0xFFFF);
    else if (twoWords) std::snprintf(b, sizeof b, "%d", static_cast<int32_t>(v));
    else std::snprintf(b, sizeof b, "%u", v & 0xFFFF);
    return b;
}

inline std::string hex8(uint32_t v) { return hex4(v >> 16) + hex4(v); }

// Values: the module's before the write, and those typed.
inline uint32_t oldParam(int axis, int k) { return k >= 10 ? 0x40000000u + (axis << 20) + k : 0x0100u * (axis + 1) + k; }
inline uint32_t newParam(int axis, int k) { return k >= 10 ? 0xF0000000u + (axis << 16) + k * 0x111 : 0x0A00u + 0x10 * axis + k; }
inline uint32_t oldStep(int axis, int step, int item) { return (item % 2 ? 0x20000000u : 0u) + (axis << 12) + (step << 2) + item; }
inline uint32_t newStep(int axis, int step, int item)
{
    switch (item) {
    case 0: return 0x8000u + (axis << 8) + step;            // mode/dwell
    case 1: return ((0x0300u + step) << 16) | (0x0100u + axis); // deceleration (high), acceleration (low)
    case 2: return 0x0020u + step + axis;                  // velocity
    default: return 0xFFFF0000u - (step << 4) - axis;       // target position, negative
    }
}

inline void expectRow(const RegisterTable& t, int row, uint32_t v, bool two)
{
    EXPECT_EQ(t.ReadData[row], hex4(v)) << "row " << row;
    EXPECT_EQ(t.ReadDataH[row], two ? hex4(v >> 16) : "") << "row " << row;
}

// --- one- and two-axis parameters: mode 2 or 4, then mode 1 ---------------------------------

// The module's data first read into the editor, or (readFirst false) an editor opened on
// empty data, as for a new file.
inline void openOnData(TripRig& r, bool readFirst, int mode)
{
    if (readFirst) {
        ASSERT_EQ(r.transfer.SendMain(mode), 1);
    } else {
        Model_BuildRegisters(r.pub);
        r.pub.DataSourceCaption = "[Csv file]";
    }
}

inline void RegisterParamTrip(TripRig& r, int axes, const std::vector<int>& rows, bool decimal, bool readFirst = true)
{
    r.model([&](ModuleModel& m) {
        for (int a = 0; a < axes; ++a)
            for (int k = 1; k <= 12; ++k) m.parameter(a, k) = oldParam(a, k);
    });
    openOnData(r, readFirst, 1);
    std::vector<MemGrid> grids(static_cast<size_t>(axes));
    EditorTable ed;
    ed.decimal = decimal;
    ed.hexadecimal = !decimal;
    for (int a = 0; a < axes; ++a) {
        MemGrid& g = grids[static_cast<size_t>(a)];
        ParamGrid_Shape(g, kParamRows);
        axes == 1 ? ParamJV_FillCurrent(g, r.pub, decimal) : Param7W_FillCurrent(g, a, r.pub, decimal);
        ed.grids.push_back(&g);
    }
    const int form = axes == 1 ? form::frmParmJV : form::frmParm7W;
    r.transfer.editors = [&](int f) { return f == form ? ed : EditorTable{}; };
    // The rows of the last axis only where there are two.
    std::map<std::pair<int, int>, uint32_t> want;
    for (int a = 0; a < axes; ++a)
        for (int k : rows) {
            if (a == 0 && axes == 2 && k % 2) continue;
            want[{a, k}] = newParam(a, k);
            grids[static_cast<size_t>(a)].setTextMatrix(k, 3, typed(newParam(a, k), k >= 10, decimal));
        }

    ASSERT_EQ(r.transfer.SendMain(axes == 1 ? 2 : 4), 1);
    EXPECT_TRUE(r.sink.texts.empty());
    for (const auto& [ak, v] : want) {
        EXPECT_EQ(grids[static_cast<size_t>(ak.first)].TextMatrix(ak.second, 3), "");
        EXPECT_EQ(grids[static_cast<size_t>(ak.first)].TextMatrix(ak.second, 2), typed(v, ak.second >= 10, decimal));
    }
    r.model([&](ModuleModel& m) {
        for (int a = 0; a < axes; ++a)
            for (int k = 1; k <= 12; ++k) {
                const auto it = want.find({a, k});
                EXPECT_EQ(m.parameter(a, k), it == want.end() ? oldParam(a, k) : it->second) << a << "/" << k;
            }
    });
    ASSERT_EQ(r.transfer.SendMain(1), 1);
    for (int a = 0; a < axes; ++a)
        for (int k = 1; k <= 12; ++k) {
            const auto it = want.find({a, k});
            const int row = axes == 1 ? 2 + k : 3 + 2 * k + a;
            expectRow(r.pub.reg, row, it == want.end() ? oldParam(a, k) : it->second, k >= 10);
        }
}

// --- one- and two-axis positioning: mode 6 or 8, then mode 5 ----------------------------------

// Steps `full` get every cell; step `lone` (when in the window) only an acceleration, which
// is not written.
// Opened on empty data the window starts at step 0, as the editors do.
inline void RegisterStepTrip(TripRig& r, int axes, int first, int last, const std::vector<int>& full, int lone,
                             bool decimal, bool readFirst = true)
{
    r.model([&](ModuleModel& m) {
        for (int a = 0; a < axes; ++a)
            for (int s = first; s <= last; ++s)
                for (int i = 0; i < 4; ++i) m.stepItem(a, s, i) = oldStep(a, s, i);
    });
    ASSERT_TRUE(readFirst || first == 0);
    r.pub.StepRange = {3, first, last};
    openOnData(r, readFirst, 5);
    r.pub.AutoRowCount = (last - first + 1) * 2;
    std::vector<MemGrid> grids(static_cast<size_t>(axes));
    EditorTable ed;
    ed.decimal = decimal;
    ed.hexadecimal = !decimal;
    for (int a = 0; a < axes; ++a) {
        MemGrid& g = grids[static_cast<size_t>(a)];
        StepGrid_Shape(g, axes == 1 ? StepJV_Layout() : Step7W_Layout(), first, last);
        axes == 1 ? StepJV_FillCurrent(g, r.pub, decimal) : Step7W_FillCurrent(g, a, r.pub, decimal);
        ed.grids.push_back(&g);
    }
    const int form = axes == 1 ? form::frmAutoRunJVMode : form::frmAutoRun7WMode;
    r.transfer.editors = [&](int f) { return f == form ? ed : EditorTable{}; };
    auto written = [&](int s) { return std::find(full.begin(), full.end(), s) != full.end(); };
    for (int a = 0; a < axes; ++a) {
        MemGrid& g = grids[static_cast<size_t>(a)];
        for (int s : full) {
            const int row = StepRow_Setting(s - first);
            g.setTextMatrix(row, 2, typed(newStep(a, s, 0), false, decimal));
            g.setTextMatrix(row, 3, typed(newStep(a, s, 1) & 0xFFFF, false, decimal));
            g.setTextMatrix(row, 4, typed(newStep(a, s, 1) >> 16, false, decimal));
            g.setTextMatrix(row, 5, typed(newStep(a, s, 2), false, decimal));
            g.setTextMatrix(row, 6, typed(newStep(a, s, 3), true, decimal));
        }
        if (lone >= first && lone <= last) g.setTextMatrix(StepRow_Setting(lone - first), 3, "3e8");
    }

    ASSERT_EQ(r.transfer.SendMain(axes == 1 ? 6 : 8), 1);
    EXPECT_TRUE(r.sink.texts.empty());
    for (int a = 0; a < axes; ++a) {
        const MemGrid& g = grids[static_cast<size_t>(a)];
        for (int s : full) {
            EXPECT_EQ(g.TextMatrix(StepRow_Setting(s - first), 6), "");
            EXPECT_EQ(g.TextMatrix(StepRow_Current(s - first), 6), typed(newStep(a, s, 3), true, decimal));
        }
        if (lone >= first && lone <= last) {
            EXPECT_EQ(g.TextMatrix(StepRow_Setting(lone - first), 3), "3e8");
        }
    }
    r.model([&](ModuleModel& m) {
        for (int a = 0; a < axes; ++a)
            for (int s = first; s <= last; ++s)
                for (int i = 0; i < 4; ++i)
                    EXPECT_EQ(m.stepItem(a, s, i), written(s) ? newStep(a, s, i) : oldStep(a, s, i))
                        << a << "/" << s << "/" << i;
    });
    ASSERT_EQ(r.transfer.SendMain(5), 1);
    const int perStep = axes == 1 ? 4 : 8, base = axes == 1 ? 17 : 32;
    for (int a = 0; a < axes; ++a)
        for (int s = first; s <= last; ++s)
            for (int i = 0; i < 4; ++i)
                expectRow(r.pub.reg, base + perStep * s + i * axes + a, written(s) ? newStep(a, s, i) : oldStep(a, s, i),
                          i % 2 == 1);
}

// --- four-axis parameters: mode 3, then mode 1 -------------------------------------------------

// Option words whose every field has a text, so the editor shows texts that encode back.
inline uint16_t oldPrm(int axis, int w)
{
    static const uint16_t kOptions[3] = {0x1112, 0x0103, 0x1204};
    return w < 3 ? kOptions[w] : static_cast<uint16_t>(0xE000 + axis * 0x100 + w);
}

inline void Zr4ParamTrip(TripRig& r, const std::vector<int>& axes, bool decimal)
{
    r.model([&](ModuleModel& m) {
        for (int a = 0; a < 4; ++a)
            for (int w = 0; w < 19; ++w) m.prm[a][w] = oldPrm(a, w);
    });
    ASSERT_EQ(r.transfer.SendMain(1), 1);
    std::vector<MemGrid> grids(4);
    EditorTable ed;
    ed.decimal = decimal;
    ed.hexadecimal = !decimal;
    for (int a = 0; a < 4; ++a) {
        ParamGrid_Shape(grids[static_cast<size_t>(a)], kZr4ParamRows);
        ParamZr4_FillCurrent(grids[static_cast<size_t>(a)], a, r.pub, decimal);
        ed.grids.push_back(&grids[static_cast<size_t>(a)]);
    }
    r.transfer.editors = [&](int f) { return f == form::frmParmZr4 ? ed : EditorTable{}; };
    std::map<int, std::array<uint16_t, 19>> want;
    for (int a : axes) {
        MemGrid& g = grids[static_cast<size_t>(a)];
        std::array<uint16_t, 19> w;
        for (int i = 0; i < 19; ++i) w[i] = oldPrm(a, i);
        g.setTextMatrix(2, 3, "Yaskawa Sigma 2 series (16 bit serial)"); // row 2 code 6
        g.setTextMatrix(7, 3, "INCH");                                   // row 7 code 2
        g.setTextMatrix(11, 3, "COIN is invalid / SRDY is invalid");      // row 11 code 5
        w[0] = 0x1612;
        w[1] = 0x0102;
        w[2] = 0x1205;
        g.setTextMatrix(12, 3, typed(0x0123 + a, false, decimal));
        w[3] = static_cast<uint16_t>(0x0123 + a);
        g.setTextMatrix(21, 3, typed(0x89ABCDE0u + a, true, decimal));
        w[13] = static_cast<uint16_t>(0xCDE0 + a);
        w[14] = 0x89AB;
        want[a] = w;
    }

    ASSERT_EQ(r.transfer.SendMain(3), 1);
    EXPECT_TRUE(r.sink.texts.empty());
    for (int a : axes) {
        EXPECT_EQ(grids[static_cast<size_t>(a)].TextMatrix(2, 2), "Yaskawa Sigma 2 series (16 bit serial)");
        EXPECT_EQ(grids[static_cast<size_t>(a)].TextMatrix(21, 3), "");
    }
    r.model([&](ModuleModel& m) {
        for (int a = 0; a < 4; ++a)
            for (int w = 0; w < 19; ++w)
                EXPECT_EQ(m.prm[a][w], want.count(a) ? want[a][w] : oldPrm(a, w)) << a << "/" << w;
    });
    ASSERT_EQ(r.transfer.SendMain(1), 1);
    for (int a = 0; a < 4; ++a)
        for (int w = 0; w < 19; ++w)
            EXPECT_EQ(r.pub.Z4PrmData[a][w].Word, hex4(want.count(a) ? want[a][w] : oldPrm(a, w))) << a << "/" << w;
}

// --- four-axis positioning: mode 7, then mode 5 -------------------------------------------------

inline uint16_t oldZ4(int s, int a, int w) { return static_cast<uint16_t>(0x1000 * (a + 1) + s * 9 + w); }
inline uint16_t newZ4(int s, int a, int w) { return static_cast<uint16_t>(0x8000 + 0x100 * a + 0x10 * w + s); }

// Each step of `steps`: axis s % 4 gets all seven cells, axis (s + 1) % 4 its mode alone (the
// rest of that axis comes from the step as read).
inline void Zr4StepTrip(TripRig& r, int first, int last, const std::vector<int>& steps, bool decimal)
{
    r.model([&](ModuleModel& m) {
        for (int s = first; s <= last; ++s)
            for (int a = 0; a < 4; ++a)
                for (int w = 0; w < 9; ++w) m.steps[s][a][w] = oldZ4(s, a, w);
    });
    r.pub.StepRange = {3, first, last};
    ASSERT_EQ(r.transfer.SendMain(5), 1);
    r.pub.AutoRowCount = (last - first + 1) * 2;
    std::vector<MemGrid> grids(4);
    EditorTable ed;
    ed.decimal = decimal;
    ed.hexadecimal = !decimal;
    for (int a = 0; a < 4; ++a) {
        StepGrid_Shape(grids[static_cast<size_t>(a)], StepZr4_Layout(), first, last);
        StepZr4_FillCurrent(grids[static_cast<size_t>(a)], a, r.pub, first, decimal);
        ed.grids.push_back(&grids[static_cast<size_t>(a)]);
    }
    r.transfer.editors = [&](int f) { return f == form::frmAutoRunZr4Mode ? ed : EditorTable{}; };
    std::map<std::pair<int, int>, std::array<uint16_t, 9>> want; // (step, axis)
    for (int s : steps) {
        const int full = s % 4, part = (s + 1) % 4, row = StepRow_Setting(s - first);
        std::array<uint16_t, 9> w;
        for (int i = 0; i < 9; ++i) w[i] = newZ4(s, full, i);
        MemGrid& g = grids[static_cast<size_t>(full)];
        for (int c = 2; c <= 6; ++c) g.setTextMatrix(row, c, typed(w[c - 2], false, decimal));
        g.setTextMatrix(row, 7, typed(static_cast<uint32_t>(w[6]) << 16 | w[5], true, decimal));
        g.setTextMatrix(row, 8, typed(static_cast<uint32_t>(w[8]) << 16 | w[7], true, decimal));
        want[{s, full}] = w;
        std::array<uint16_t, 9> p;
        for (int i = 0; i < 9; ++i) p[i] = oldZ4(s, part, i);
        p[0] = newZ4(s, part, 0);
        grids[static_cast<size_t>(part)].setTextMatrix(row, 2, typed(p[0], false, decimal));
        want[{s, part}] = p;
    }

    ASSERT_EQ(r.transfer.SendMain(7), 1);
    EXPECT_TRUE(r.sink.texts.empty());
    auto expected = [&](int s, int a, int w) {
        const auto it = want.find({s, a});
        return it == want.end() ? oldZ4(s, a, w) : it->second[w];
    };
    r.model([&](ModuleModel& m) {
        for (int s = first; s <= last; ++s)
            for (int a = 0; a < 4; ++a)
                for (int w = 0; w < 9; ++w) EXPECT_EQ(m.steps[s][a][w], expected(s, a, w)) << s << "/" << a << "/" << w;
    });
    for (int s : steps) {
        const MemGrid& g = grids[static_cast<size_t>(s % 4)];
        EXPECT_EQ(g.TextMatrix(StepRow_Setting(s - first), 7), "");
        if (!decimal) {
            EXPECT_EQ(g.TextMatrix(StepRow_Current(s - first), 2), typed(newZ4(s, s % 4, 0), false, false));
        }
    }
    ASSERT_EQ(r.transfer.SendMain(5), 1);
    for (int s = first; s <= last; ++s)
        for (int a = 0; a < 4; ++a)
            for (int w = 0; w < 9; ++w)
                EXPECT_EQ(r.pub.Z4AutoData[s][a][w].Word, hex4(expected(s, a, w))) << s << "/" << a << "/" << w;
}

} // namespace posmod::trips
