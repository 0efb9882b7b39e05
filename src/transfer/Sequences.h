#pragma once
// The transfer sequences by mode: the window whose corner the wait window takes, and the
// sequence each model family runs. A mode without a sequence answers "not run".
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "shared/ModelTable.h"

namespace posmod {

class Transfer;

using Sequence = std::function<uint8_t(Transfer&)>;

struct SequenceRow {
    int mode;
    int callerForm;                 // form::kNone: the wait window stays where it is
    std::array<Sequence, 3> run;    // by ModelFamily: one-axis, two-axis, four-axis
};

struct SequenceTable {
    std::vector<SequenceRow> rows;
    // The row of a mode; nullptr for a mode that has none.
    const SequenceRow* find(int mode) const;
};

// The program's sequences.
const SequenceTable& Sequences_Table();

} // namespace posmod
