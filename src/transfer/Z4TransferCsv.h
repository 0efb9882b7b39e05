#pragma once
// The four-axis transfer file: the four name lines, a parameter section (records axis 0-3,
// row 1-23, value: the option text of rows 1-11, 4 or 8 hexadecimal digits for the others)
// and a step section (records key = axis digit and module step as 3 hexadecimal digits,
// item 0-6, value: 4 or 8 hexadecimal digits).
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "shared/Public.h"
#include "transfer/CsvFields.h"

namespace posmod {

// What a four-axis file to send holds: per axis its parameter block (flag and 19 words) and
// per step and axis its 9 words, upper case; a step of an axis without data has none.
struct Z4TransferLoad {
    std::array<Public::Z4PrmAxisRec, 4> axes{};
    struct StepAxis {
        int step, axis;
        std::array<std::string, 9> words;
    };
    std::vector<StepAxis> steps; // by step, then axis
    int count = 0;               // blocks to send: flagged axes and steps with data
};

// Reads a four-axis file to send: name lines are skipped; a one-character field starts a
// parameter record, any other a step record. Failed: a key that is not an axis digit (0-3),
// a row (1-23), a step key (axis digit and 3 hexadecimal digits, step 0-255) or an item
// (0-6) in decimal digits, or a record cut off by the end. NoData: a "NOP" value, an option
// text not in its row's table, an axis with parameter records lacking one of its 23 rows, a
// step of an axis lacking one of its 7 items, or nothing to send. NumericError/LimitError:
// a word that is not 1-4 hexadecimal digits (1-8 for a two-word value). failedLine: where a
// Failed read stopped.
CsvRead Z4TransferCsv_Read(std::string_view bytes, Z4TransferLoad& load, int* failedLine = nullptr);

// The transfer file of the four-axis data read (the Word texts of the stores): the name
// lines, then for kinds 0 and 1 the parameters of the axes, for kinds 0 and 2 the steps
// first..last of the axes.
std::string Z4TransferCsv_Text(const Public& p, const std::vector<int>& axes, int kind, int first, int last);

} // namespace posmod
