#include "transfer/AutoWrite.h"

#include <algorithm>

#include "main/TaskNumbers.h"
#include "positioning/StepLayout.h"
#include "shared/Conversions.h"
#include "shared/FormNumbers.h"
#include "shared/MessageTexts.h"
#include "transfer/SendWords.h"
#include "transfer/Transfer.h"
#include "transfer/Z4Csv.h"

namespace posmod {

namespace {

constexpr int kZr4StepWords = 9; // the words of one axis in a four-axis step

GridCells* gridOf(const EditorTable& ed, int axis)
{
    return axis >= 0 && axis < static_cast<int>(ed.grids.size()) ? ed.grids[static_cast<size_t>(axis)] : nullptr;
}

// The last Setting-data row the window holds; never more rows than there are steps.
int lastSettingRow(const Public& p) { return std::min<int>(p.AutoRowCount, 2 * kStepCount); }

bool isWord(const std::string& w) { return w.size() == 4 && isHexText(w); }

// One- and two-axis tables: per step the mode/dwell, acceleration/deceleration, velocity and
// target position rows, each X then Y, in the order of the register table.
uint8_t registerAutoWrite(Transfer& t, int formNo, int axes)
{
    const Public& p = t.pub();
    const RegisterTable& reg = p.reg;
    const EditorTable ed = t.editor(formNo);
    auto cellOf = [&](int axis, int step, int col) {
        return axes == 1 ? StepJV_Cell(reg, step, col) : Step7W_Cell(reg, axis, step, col);
    };
    std::vector<RegisterItem> items;
    const int last = lastSettingRow(p);
    for (int j = 0, g = 2; g <= last; ++j, g += 2) {
        const StepRegisterCell first = cellOf(0, j, kStepFirstValueCol);
        if (first.row == 0 || reg.ReadAddr[static_cast<size_t>(first.row)].empty()) break;
        for (int col : {2, 3, 5, 6}) {
            for (int a = 0; a < axes; ++a) {
                GridCells* grid = gridOf(ed, a);
                const StepRegisterCell c = cellOf(a, j, col);
                if (!grid || c.row == 0) continue;
                RegisterItem it;
                it.row = c.row;
                it.grid = grid;
                if (col == 3) {
                    // Acceleration and deceleration share a row: written only as a pair.
                    const std::string acc = grid->TextMatrix(g, 3), dec = grid->TextMatrix(g, 4);
                    if (acc.empty() || dec.empty()) continue;
                    const SendWord lo = SendWord_FromText(acc, ed.decimal, false);
                    if (lo.fault != WordFault::None) return WordFault_Refuse(t, lo.fault, grid, g, 3);
                    const SendWord hi = SendWord_FromText(dec, ed.decimal, false);
                    if (hi.fault != WordFault::None) return WordFault_Refuse(t, hi.fault, grid, g, 4);
                    it.low = lo.hex;
                    it.high = hi.hex;
                    it.moves = {{{g, 3, g - 1, 3}, {g, 4, g - 1, 4}}};
                    it.moveCount = 2;
                } else {
                    const std::string text = grid->TextMatrix(g, col);
                    if (text.empty()) continue;
                    const SendWord w = SendWord_FromText(text, ed.decimal, c.part == WordPart::Pair);
                    if (w.fault != WordFault::None) return WordFault_Refuse(t, w.fault, grid, g, col);
                    it.low = w.low();
                    it.high = w.high();
                    it.moves[0] = {g, col, g - 1, col};
                    it.moveCount = 1;
                }
                items.push_back(std::move(it));
            }
        }
    }
    return RegisterWrite_Run(t, items);
}

} // namespace

void GridCell_Move(GridCells& grid, int fromRow, int fromCol, int toRow, int toCol)
{
    grid.setTextMatrix(toRow, toCol, grid.TextMatrix(fromRow, fromCol));
    grid.setTextMatrix(fromRow, fromCol, "");
}

void Zr4AxisCell_Format(const EditorTable& editor, int axisMask, int k)
{
    if (axisMask < 1 || axisMask > 15) return;
    for (int a = 0; a < kZr4Axes; ++a) {
        GridCells* grid = gridOf(editor, a);
        if (!(axisMask & (1 << a)) || !grid) continue;
        const int setting = StepRow_Setting(k), current = StepRow_Current(k);
        for (int c = kStepFirstValueCol; c <= kStepLastValueColZr4; ++c) {
            std::string text = grid->TextMatrix(setting, c);
            if (text.empty()) continue;
            if (editor.hexadecimal) {
                if (StepZr4_Cell(c).high >= 0) Hex8_Zero(text);
                else Hex4_Zero(text);
            }
            grid->setTextMatrix(current, c, text);
            grid->setTextMatrix(setting, c, "");
        }
    }
}

uint8_t RegisterWrite_Run(Transfer& t, const std::vector<RegisterItem>& items)
{
    Public& p = t.pub();
    int r = t.link().CpuConnect(p.ModuleType);
    if (r != 1) return static_cast<uint8_t>(r);
    if (items.empty()) {
        t.show(kNoDataMessage, MsgIcon::Exclamation);
        return kTransferDone;
    }
    for (const RegisterItem& it : items) {
        const auto row = static_cast<size_t>(it.row);
        p.reg.WriteData[row] = it.low;
        p.reg.WriteDataH[row] = it.high;
    }
    r = t.tasks().TaskSend(kTaskOpen, 1);
    if (r != 1) return static_cast<uint8_t>(r);
    t.Progress_Initsub(static_cast<int>(items.size()));
    t.ui().showWait();
    for (const RegisterItem& it : items) {
        if (t.cancelled()) {
            r = kTransferCancelled;
            break;
        }
        r = t.tasks().TaskSend(kTaskWriteRow, it.row);
        if (r != 1) break;
        t.Progress_Stepsub();
        for (int m = 0; m < it.moveCount; ++m) {
            const RegisterItem::Move& mv = it.moves[static_cast<size_t>(m)];
            GridCell_Move(*it.grid, mv.fromRow, mv.fromCol, mv.toRow, mv.toCol);
        }
    }
    t.ui().hideWait();
    return static_cast<uint8_t>(r);
}

uint8_t CpuAutoWriteJVsub(Transfer& t) { return registerAutoWrite(t, form::frmAutoRunJVMode, 1); }

uint8_t CpuAutoWrite7Wsub(Transfer& t) { return registerAutoWrite(t, form::frmAutoRun7WMode, 2); }

uint8_t CpuAutoWriteZ4sub(Transfer& t)
{
    Public& p = t.pub();
    const EditorTable ed = t.editor(form::frmAutoRunZr4Mode);
    const int first = p.StepRange.FirstStep;

    // Every filled Setting cell becomes its word(s), or the table is refused.
    using AxisWords = std::array<std::string, kZr4StepWords>;
    std::vector<std::array<AxisWords, kZr4Axes>> set(kStepCount);
    std::vector<std::array<bool, kZr4Axes>> flag(kStepCount);
    const int last = lastSettingRow(p);
    for (int a = 0; a < kZr4Axes; ++a) {
        GridCells* grid = gridOf(ed, a);
        if (!grid) continue;
        for (int g = 2; g <= last; g += 2) {
            const int s = g / 2 + first - 1;
            if (s < 0 || s >= kStepCount) continue;
            for (int c = kStepFirstValueCol; c <= kStepLastValueColZr4; ++c) {
                const std::string text = grid->TextMatrix(g, c);
                if (text.empty()) continue;
                const Zr4StepCell z = StepZr4_Cell(c);
                const SendWord w = SendWord_FromText(text, ed.decimal, z.high >= 0);
                if (w.fault != WordFault::None) return WordFault_Refuse(t, w.fault, grid, g, c);
                AxisWords& words = set[static_cast<size_t>(s)][static_cast<size_t>(a)];
                words[static_cast<size_t>(z.low)] = w.low();
                if (z.high >= 0) words[static_cast<size_t>(z.high)] = w.high();
                flag[static_cast<size_t>(s)][static_cast<size_t>(a)] = true;
            }
        }
    }
    int n = 0;
    for (int s = 0; s < kStepCount; ++s) {
        bool any = false;
        for (int a = 0; a < kZr4Axes; ++a) {
            auto& store = p.Z4AutoData[static_cast<size_t>(s)][static_cast<size_t>(a)];
            for (int w = 0; w < kZr4StepWords; ++w)
                store[static_cast<size_t>(w)].SetWord = set[static_cast<size_t>(s)][static_cast<size_t>(a)][static_cast<size_t>(w)];
            any = any || flag[static_cast<size_t>(s)][static_cast<size_t>(a)];
        }
        n += any;
    }
    if (n == 0) {
        t.show(kNoDataMessage, MsgIcon::Exclamation);
        return kTransferNotRun;
    }
    // A word left empty is completed from the step as last read; without that the table is
    // refused before anything is written, so a stop never leaves half of it in the module.
    for (int s = 0; s < kStepCount; ++s)
        for (int a = 0; a < kZr4Axes; ++a) {
            if (!flag[static_cast<size_t>(s)][static_cast<size_t>(a)]) continue;
            for (const Public::Z4WordRec& w : p.Z4AutoData[static_cast<size_t>(s)][static_cast<size_t>(a)])
                if (w.SetWord.empty() && !isWord(w.Word)) {
                    t.show(kNoDataMessage, MsgIcon::Exclamation);
                    return kTransferFailed;
                }
        }

    int r = t.link().CpuConnect(p.ModuleType);
    if (r != 1) return static_cast<uint8_t>(r);
    r = t.tasks().TaskSend(kTaskOpen, 1);
    if (r != 1) return static_cast<uint8_t>(r);
    t.Progress_Initsub(n);
    t.ui().showWait();
    for (int s = 0; s < kStepCount; ++s) {
        std::string block;
        int mask = 0;
        for (int a = 0; a < kZr4Axes; ++a) {
            if (!flag[static_cast<size_t>(s)][static_cast<size_t>(a)]) continue;
            for (Public::Z4WordRec& w : p.Z4AutoData[static_cast<size_t>(s)][static_cast<size_t>(a)]) {
                if (!w.SetWord.empty()) w.Word = w.SetWord;
                w.Word = asciiUpper(w.Word);
                block += w.Word;
            }
            mask |= 1 << a;
        }
        if (mask != 0) {
            p.Z4StepNo = hexText(static_cast<uint64_t>(s), 4);
            p.Z4StepCmd = "880" + hexText(static_cast<uint64_t>(mask));
            p.Z4StepData = block;
            r = t.tasks().TaskSend(kTaskWriteStepZ4, 1);
            if (r != 1) {
                t.ui().hideWait();
                return static_cast<uint8_t>(r);
            }
            t.Progress_Stepsub();
            Zr4AxisCell_Format(ed, mask, s - first);
        }
        if (t.cancelled()) {
            t.ui().hideWait();
            return kTransferCancelled;
        }
    }
    t.ui().hideWait();
    return kTransferDone;
}

} // namespace posmod
