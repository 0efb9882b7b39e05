#include "transfer/Sequences.h"

#include "shared/FormNumbers.h"
#include "transfer/ReadSequences.h"

namespace posmod {

const SequenceRow* SequenceTable::find(int mode) const
{
    for (const SequenceRow& r : rows)
        if (r.mode == mode) return &r;
    return nullptr;
}

namespace {
// One sequence for every family.
std::array<Sequence, 3> all(Sequence s) { return {s, s, s}; }
} // namespace

const SequenceTable& Sequences_Table()
{
    using namespace form;
    // Modes 2-4 and 6-10 are registered with their callers; their sequences come with the
    // write and CSV transfers and answer "not run" until then.
    static const SequenceTable table{{
        {1, frmMain, all(ParamRead_Run)},
        {2, frmParmJV, {}},
        {3, frmParmZr4, {}},
        {4, frmParm7W, {}},
        {5, frmMain, all(AutoRead_Run)},
        {6, frmAutoRunJVMode, {}},
        {7, frmAutoRunZr4Mode, {}},
        {8, frmAutoRun7WMode, {}},
        {9, frmMain, {}},
        {10, frmMain, {}},
        {11, frmAutoRunZr4Mode, all(TeachRead_Run)},
    }};
    return table;
}

} // namespace posmod
