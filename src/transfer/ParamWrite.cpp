#include "transfer/ParamWrite.h"

#include <array>
#include <vector>

#include "main/TaskNumbers.h"
#include "params/ParamLayout.h"
#include "params/ParamOptions.h"
#include "shared/FormNumbers.h"
#include "shared/MessageTexts.h"
#include "transfer/AutoWrite.h"
#include "transfer/SendWords.h"
#include "transfer/Transfer.h"
#include "transfer/Z4Csv.h"

namespace posmod {

namespace {


GridCells* gridOf(const EditorTable& ed, int axis)
{
    return axis >= 0 && axis < static_cast<int>(ed.grids.size()) ? ed.grids[static_cast<size_t>(axis)] : nullptr;
}

// A row's value to send: "Setting data", else "Current data"; the column it came from.
std::string valueOf(const GridCells& g, int row, int& col)
{
    col = kParamSettingCol;
    std::string text = g.TextMatrix(row, col);
    if (text.empty()) text = g.TextMatrix(row, col = kParamCurrentCol);
    return text;
}

// One- and two-axis editors: every filled Setting cell, all X rows before all Y rows.
uint8_t registerParamWrite(Transfer& t, int formNo, int axes)
{
    const RegisterTable& reg = t.pub().reg;
    const EditorTable ed = t.editor(formNo);
    std::vector<RegisterItem> items;
    for (int a = 0; a < axes; ++a) {
        GridCells* grid = gridOf(ed, a);
        if (!grid) continue;
        for (int row = 1; row <= kParamRows; ++row) {
            const RegisterCell c = axes == 1 ? ParamJV_Cell(reg, row) : Param7W_Cell(reg, a, row);
            if (c.row == 0 || reg.ReadAddr[static_cast<size_t>(c.row)].empty()) break;
            const std::string text = grid->TextMatrix(row, kParamSettingCol);
            if (text.empty()) continue;
            const SendWord w = SendWord_FromText(text, ed.decimal, c.twoWords);
            if (w.fault != WordFault::None) return WordFault_Refuse(t, w.fault, grid, row, kParamSettingCol);
            RegisterItem it;
            it.row = c.row;
            it.low = w.low();
            it.high = w.high();
            it.grid = grid;
            it.moves[0] = {row, kParamSettingCol, row, kParamCurrentCol};
            it.moveCount = 1;
            items.push_back(std::move(it));
        }
    }
    return RegisterWrite_Run(t, items);
}

bool axisFlag(const GridCells& g, bool fromCsv)
{
    bool setting = false, hole = false;
    for (int row = 1; row <= kZr4ParamRows; ++row) {
        const bool s = !g.TextMatrix(row, kParamSettingCol).empty();
        setting = setting || s;
        hole = hole || (!s && g.TextMatrix(row, kParamCurrentCol).empty());
    }
    // Data from a file has no module values to complete an axis with.
    return setting && !(fromCsv && hole);
}

} // namespace

std::string PrmZ4_GridCodesub(const GridCells& grid, int firstRow)
{
    if (firstRow != 1 && firstRow != 5 && firstRow != 8) return {};
    const int rows = firstRow == 5 ? 3 : 4;
    std::vector<std::string> texts;
    for (int row = firstRow; row < firstRow + rows; ++row) {
        int col;
        texts.push_back(valueOf(grid, row, col));
        if (texts.back().empty()) return std::string(kNgData);
    }
    return PrmZ4_TextCodesub(firstRow, texts);
}

uint8_t CpuPrmWriteJVsub(Transfer& t) { return registerParamWrite(t, form::frmParmJV, 1); }

uint8_t CpuPrmWrite7Wsub(Transfer& t) { return registerParamWrite(t, form::frmParm7W, 2); }

uint8_t CpuPrmWriteZ4sub(Transfer& t)
{
    Public& p = t.pub();
    const EditorTable ed = t.editor(form::frmParmZr4);
    const bool fromCsv = !p.DataSourceCaption.empty();

    std::array<bool, kZr4Axes> flag{};
    int count = 0;
    for (int a = 0; a < kZr4Axes; ++a) {
        const GridCells* grid = gridOf(ed, a);
        flag[static_cast<size_t>(a)] = grid && axisFlag(*grid, fromCsv);
        count += flag[static_cast<size_t>(a)];
    }
    if (count == 0) {
        t.show(kNoDataMessage, MsgIcon::Exclamation);
        return kTransferFailed;
    }

    // The 19 words of every flagged axis, whole, or nothing is opened.
    std::array<std::array<std::string, 19>, kZr4Axes> words;
    for (int a = 0; a < kZr4Axes; ++a) {
        if (!flag[static_cast<size_t>(a)]) continue;
        GridCells& grid = *gridOf(ed, a);
        auto& w = words[static_cast<size_t>(a)];
        for (int row = 1; row <= kZr4ParamRows; ++row) {
            const Zr4ParamCell cell = ParamZr4_Cell(row);
            if (cell.kind == Zr4ParamKind::Option) {
                if (row != 1 && row != 5 && row != 8) continue; // a group is packed at its first row
                const std::string code = PrmZ4_GridCodesub(grid, row);
                if (code == kNgData) {
                    t.show(kNoDataMessage, MsgIcon::Exclamation);
                    return kTransferFailed;
                }
                w[static_cast<size_t>(cell.word)] = code;
                continue;
            }
            int col;
            const std::string text = valueOf(grid, row, col);
            if (text.empty()) {
                t.show(kNoDataMessage, MsgIcon::Exclamation);
                return kTransferFailed;
            }
            const SendWord sw = SendWord_FromText(text, ed.decimal, cell.kind == Zr4ParamKind::Pair);
            if (sw.fault != WordFault::None) return WordFault_Refuse(t, sw.fault, &grid, row, col);
            w[static_cast<size_t>(cell.word)] = sw.low();
            if (cell.kind == Zr4ParamKind::Pair) w[static_cast<size_t>(cell.word + 1)] = sw.high();
        }
    }
    for (int a = 0; a < kZr4Axes; ++a) {
        Public::Z4PrmAxisRec& axis = p.Z4PrmAxis[static_cast<size_t>(a)];
        axis.Flag = flag[static_cast<size_t>(a)] ? 1 : 0;
        if (axis.Flag) axis.Word = words[static_cast<size_t>(a)];
    }

    int r = t.link().CpuConnect(p.ModuleType);
    if (r != 1) return static_cast<uint8_t>(r);
    r = t.tasks().TaskSend(kTaskOpen, 1);
    if (r != 1) return static_cast<uint8_t>(r);
    t.Progress_Initsub(count);
    t.ui().showWait();
    for (int a = 0; a < kZr4Axes; ++a) {
        if (t.cancelled()) {
            r = kTransferCancelled;
            break;
        }
        if (!flag[static_cast<size_t>(a)]) continue;
        r = t.tasks().TaskSend(kTaskWriteAxisZ4, a);
        if (r != 1) break;
        t.Progress_Stepsub();
        GridCells& grid = *gridOf(ed, a);
        for (int row = 1; row <= kZr4ParamRows; ++row)
            if (!grid.TextMatrix(row, kParamSettingCol).empty())
                GridCell_Move(grid, row, kParamSettingCol, row, kParamCurrentCol);
    }
    t.ui().hideWait();
    return static_cast<uint8_t>(r);
}

} // namespace posmod
