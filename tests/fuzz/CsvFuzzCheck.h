#pragma once
// What must hold for any CSV file the tool reads: reading never crashes nor reaches outside
// the table or an array, what a reader accepts is in range, and what it took, written back
// as the tool writes it, reads back the same.
#include <memory>
#include <string>

#include "params/ParamOptions.h"
#include "shared/Conversions.h"
#include "shared/Public.h"
#include "shared/RegisterTable.h"
#include "transfer/CsvFiles.h"
#include "transfer/Z4TransferCsv.h"
#include "transfer/Z4Csv.h"

namespace posmod {

namespace csv_fuzz {

inline void build(RegisterTable& t, bool oneAxis)
{
    if (oneAxis) CodeTable_SetJV(t);
    else CodeTable_Set7W(t);
}

inline bool fourUpperHex(const std::string& w)
{
    return w.size() == 4 && isHexText(w) && asciiUpper(w) == w;
}

} // namespace csv_fuzz

// The editors' register reader, for both register layouts.
inline std::string registerCsvFuzzCheck(const std::string& bytes)
{
    for (bool oneAxis : {true, false}) {
        RegisterTable t;
        csv_fuzz::build(t, oneAxis);
        RegisterCsvLoad load;
        if (RegisterCsv_Read(bytes, t, load) != CsvRead::Ok) continue;
        if (load.rows.size() > static_cast<size_t>(kCsvMaxRows)) return "too many rows";
        for (int r : load.rows)
            if (r < 1 || r > RegisterTable::kRows || t.ReadAddr[static_cast<size_t>(r)].empty() ||
                t.WriteAddr[static_cast<size_t>(r)] == "NOP")
                return "a row that cannot be listed";
        CsvText out;
        if (load.axisNames[0]) out.line("X Axis," + *load.axisNames[0]);
        if (load.axisNames[1]) out.line("Y Axis," + *load.axisNames[1]);
        for (int r : load.rows) out.line(RegisterCsv_Record(t, r, false));
        RegisterTable again;
        csv_fuzz::build(again, oneAxis);
        RegisterCsvLoad back;
        if (RegisterCsv_Read(out.bytes(), again, back) != CsvRead::Ok) return "the rewritten file failed";
        if (back.rows != load.rows || back.axisNames != load.axisNames) return "rows or names changed";
        for (int r : load.rows) {
            const auto i = static_cast<size_t>(r);
            if (again.WriteData[i] != t.WriteData[i] || again.WriteDataH[i] != t.WriteDataH[i]) return "words changed";
        }
    }
    return {};
}

// The two four-axis readers of the editors.
inline std::string z4CsvFuzzCheck(const std::string& bytes)
{
    {
        Z4AxisNames names;
        Z4PrmCsvData data;
        if (Z4PrmCsv_Read(bytes, names, data) == CsvRead::Ok) {
            CsvText out;
            for (int a = 0; a < kZr4Axes; ++a)
                if (names[static_cast<size_t>(a)])
                    out.line(std::string(1, static_cast<char>('A' + a)) + " Axis," + *names[static_cast<size_t>(a)]);
            for (int a = 0; a < kZr4Axes; ++a)
                for (int row = 1; row <= kZr4ParamRows; ++row)
                    if (!data(a, row).empty()) out.record(std::to_string(a), std::to_string(row), data(a, row));
            Z4AxisNames backNames;
            Z4PrmCsvData back;
            if (Z4PrmCsv_Read(out.bytes(), backNames, back) != CsvRead::Ok) return "rewritten parameters failed";
            if (backNames != names || back.cells != data.cells) return "parameters changed";
        }
    }
    Z4AxisNames names;
    Z4AutoCsvData data;
    if (Z4AutoCsv_Read(bytes, names, data) == CsvRead::Ok) {
        CsvText out;
        for (int a = 0; a < kZr4Axes; ++a)
            if (names[static_cast<size_t>(a)])
                out.line(std::string(1, static_cast<char>('A' + a)) + " Axis," + *names[static_cast<size_t>(a)]);
        for (int a = 0; a < kZr4Axes; ++a)
            for (int p = 0; p < kZr4Points; ++p)
                for (int i = 0; i < kZr4Items; ++i)
                    if (!data(a, p, i).empty()) {
                        std::string point = hexText(static_cast<uint64_t>(p));
                        out.record(std::to_string(a) + Hex3_Zero(point), std::to_string(i), data(a, p, i));
                    }
        Z4AxisNames backNames;
        Z4AutoCsvData back;
        if (Z4AutoCsv_Read(out.bytes(), backNames, back) != CsvRead::Ok) return "rewritten steps failed";
        if (backNames != names || back.cells != data.cells) return "steps changed";
    }
    return {};
}

// The readers of a file sent to the module.
inline std::string csvLoadFuzzCheck(const std::string& bytes)
{
    for (bool oneAxis : {true, false}) {
        RegisterTable t;
        csv_fuzz::build(t, oneAxis);
        RegisterCsvLoad load;
        const CsvRead r = RegisterCsv_ReadForModule(bytes, t, load);
        if (r != CsvRead::Ok) continue;
        if (load.rows.empty() || load.rows.size() > static_cast<size_t>(kCsvMaxRows)) return "row count";
        for (int row : load.rows) {
            const auto i = static_cast<size_t>(row);
            if (!csv_fuzz::fourUpperHex(t.WriteData[i])) return "a low word that cannot be sent";
            if (t.TwoWords[i] && !csv_fuzz::fourUpperHex(t.WriteDataH[i])) return "a high word that cannot be sent";
        }
    }
    Z4TransferLoad load;
    if (Z4TransferCsv_Read(bytes, load) != CsvRead::Ok) return {};
    if (load.count < 1) return "nothing to send accepted";
    std::vector<int> axes;
    auto p = std::make_unique<Public>();
    for (int a = 0; a < 4; ++a) {
        const auto& rec = load.axes[static_cast<size_t>(a)];
        if (rec.Flag != 1) continue;
        for (const std::string& w : rec.Word)
            if (!csv_fuzz::fourUpperHex(w)) return "a parameter word that cannot be sent";
        for (int w = 0; w < 19; ++w) p->Z4PrmData[static_cast<size_t>(a)][static_cast<size_t>(w)].Word = rec.Word[static_cast<size_t>(w)];
        axes.push_back(a);
    }
    for (const auto& s : load.steps) {
        if (s.step < 0 || s.step > 255 || s.axis < 0 || s.axis > 3) return "a step outside the table";
        for (const std::string& w : s.words)
            if (!csv_fuzz::fourUpperHex(w)) return "a step word that cannot be sent";
    }
    // The parameters, saved as a module-to-file copy saves them, load to the same words.
    if (!axes.empty()) {
        Z4TransferLoad back;
        if (Z4TransferCsv_Read(Z4TransferCsv_Text(*p, axes, 1, 0, 0), back) != CsvRead::Ok) return "saved parameters refused";
        for (int a : axes)
            if (back.axes[static_cast<size_t>(a)].Word != load.axes[static_cast<size_t>(a)].Word) return "parameters changed";
    }
    return {};
}

} // namespace posmod
