#include "transfer/Z4TransferCsv.h"

#include <algorithm>
#include <map>
#include <optional>

#include "main/TaskNumbers.h"
#include "params/ParamLayout.h"
#include "params/ParamOptions.h"
#include "positioning/StepLayout.h"
#include "shared/Conversions.h"
#include "transfer/Z4Csv.h"

namespace posmod {

namespace {

bool isAxisKey(const std::string& f)
{
    for (const char* k : {"A Axis", "B Axis", "C Axis", "D Axis", "X Axis", "Y Axis"})
        if (equalsNoCase(f, k)) return true;
    return false;
}

std::string upperPadded(std::string v, bool eightDigits)
{
    if (eightDigits) Hex8_Zero(v);
    else Hex4_Zero(v);
    return asciiUpper(v);
}

} // namespace

CsvRead Z4TransferCsv_Read(std::string_view bytes, Z4TransferLoad& load, int* failedLine)
{
    using Texts = std::array<std::optional<std::string>, kZr4ParamRows + 1>;
    std::array<Texts, kZr4Axes> prm;
    std::array<bool, kZr4Axes> prmAxis{};
    std::map<std::pair<int, int>, std::array<std::optional<std::string>, kZr4Items>> steps; // (step, axis)

    CsvFieldStream in(CsvFields_Split(bytes));
    std::string f;
    while (in.next(f)) {
        if (isAxisKey(f)) {
            if (!in.skip(1)) return in.failed(failedLine);
            continue;
        }
        std::string keyField, value;
        if (utf8Length(f) == 1) {
            int axis = 0, row = 0;
            if (!Z4Csv_Axis(f, axis) || !in.next(keyField) || !CsvDecimalField(keyField, row) || row < 1 ||
                row > kZr4ParamRows || !in.next(value))
                return in.failed(failedLine);
            if (equalsNoCase(value, "NOP")) return CsvRead::NoData;
            const Zr4ParamCell cell = ParamZr4_Cell(row);
            if (cell.kind == Zr4ParamKind::Option) {
                if (!ParmZr4_OptionCode(row, value)) return CsvRead::NoData;
            } else {
                const CsvRead c = CsvHexWord_Check(value, cell.kind == Zr4ParamKind::Pair ? 8 : 4);
                if (c != CsvRead::Ok) return c;
            }
            prm[static_cast<size_t>(axis)][static_cast<size_t>(row)] = value;
            prmAxis[static_cast<size_t>(axis)] = true;
            continue;
        }
        int axis = 0, step = 0, item = 0;
        if (!Z4Csv_StepKey(f, axis, step) || step > kLastStep || !in.next(keyField) ||
            !CsvDecimalField(keyField, item) || item >= kZr4Items || !in.next(value))
            return in.failed(failedLine);
        if (equalsNoCase(value, "NOP")) return CsvRead::NoData;
        const CsvRead c = CsvHexWord_Check(value, StepZr4_Cell(item + 2).high >= 0 ? 8 : 4);
        if (c != CsvRead::Ok) return c;
        steps[{step, axis}][static_cast<size_t>(item)] = value;
    }

    Z4TransferLoad out;
    for (int a = 0; a < kZr4Axes; ++a) {
        if (!prmAxis[static_cast<size_t>(a)]) continue;
        const Texts& texts = prm[static_cast<size_t>(a)];
        if (std::any_of(texts.begin() + 1, texts.end(), [](const auto& v) { return !v; })) return CsvRead::NoData;
        Public::Z4PrmAxisRec& rec = out.axes[static_cast<size_t>(a)];
        rec.Flag = 1;
        std::array<std::string, 11> options;
        for (int row = 1; row <= kZr4ParamRows; ++row) {
            const std::string& v = *texts[static_cast<size_t>(row)];
            const Zr4ParamCell cell = ParamZr4_Cell(row);
            if (cell.kind == Zr4ParamKind::Option) {
                options[static_cast<size_t>(row - 1)] = v;
            } else if (cell.kind == Zr4ParamKind::Word) {
                rec.Word[static_cast<size_t>(cell.word)] = upperPadded(v, false);
            } else {
                const std::string pair = upperPadded(v, true);
                rec.Word[static_cast<size_t>(cell.word)] = pair.substr(4, 4);
                rec.Word[static_cast<size_t>(cell.word + 1)] = pair.substr(0, 4);
            }
        }
        const auto words = ParmZr4_OptionWords(options);
        if (!words) return CsvRead::NoData;
        for (size_t w = 0; w < 3; ++w) rec.Word[w] = (*words)[w];
        ++out.count;
    }
    int lastStep = -1;
    for (const auto& [key, items] : steps) {
        if (std::any_of(items.begin(), items.end(), [](const auto& v) { return !v; })) return CsvRead::NoData;
        Z4TransferLoad::StepAxis s{key.first, key.second, {}};
        for (int item = 0; item < kZr4Items; ++item) {
            const Zr4StepCell cell = StepZr4_Cell(item + 2);
            const std::string& v = *items[static_cast<size_t>(item)];
            if (cell.high < 0) {
                s.words[static_cast<size_t>(cell.low)] = upperPadded(v, false);
            } else {
                const std::string pair = upperPadded(v, true);
                s.words[static_cast<size_t>(cell.low)] = pair.substr(4, 4);
                s.words[static_cast<size_t>(cell.high)] = pair.substr(0, 4);
            }
        }
        if (s.step != lastStep) ++out.count;
        lastStep = s.step;
        out.steps.push_back(std::move(s));
    }
    if (out.count == 0) return CsvRead::NoData;
    load = std::move(out);
    return CsvRead::Ok;
}

std::string Z4TransferCsv_Text(const Public& p, const std::vector<int>& axes, int kind, int first, int last)
{
    CsvText out;
    Z4Csv_AxisLines(out, p.set.AxisName);
    if (kind == 0 || kind == 1) {
        for (int axis : axes) {
            const auto& words = p.Z4PrmData[static_cast<size_t>(axis)];
            auto word = [&](int w) -> const std::string& { return words[static_cast<size_t>(w)].Word; };
            for (int row = 1; row <= kZr4ParamRows; ++row) {
                const Zr4ParamCell cell = ParamZr4_Cell(row);
                std::string value;
                if (cell.kind == Zr4ParamKind::Option) value = ModeText_Cha(word(cell.word), row);
                else if (cell.kind == Zr4ParamKind::Word) value = word(cell.word);
                else value = word(cell.word + 1) + word(cell.word);
                out.record(std::to_string(axis), std::to_string(row), value);
            }
        }
    }
    if (kind == 0 || kind == 2) {
        for (int step = first; step <= last; ++step) {
            for (int axis : axes) {
                const auto& words = p.Z4AutoData[static_cast<size_t>(step)][static_cast<size_t>(axis)];
                std::string stepHex = hexText(static_cast<uint64_t>(step));
                const std::string key = std::to_string(axis) + Hex3_Zero(stepHex);
                for (int item = 0; item < kZr4Items; ++item) {
                    const Zr4StepCell cell = StepZr4_Cell(item + 2);
                    const std::string& low = words[static_cast<size_t>(cell.low)].Word;
                    const std::string value = cell.high < 0 ? low : words[static_cast<size_t>(cell.high)].Word + low;
                    out.record(key, std::to_string(item), value);
                }
            }
        }
    }
    return out.bytes();
}

} // namespace posmod
