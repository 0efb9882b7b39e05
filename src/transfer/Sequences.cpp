#include "transfer/Sequences.h"

#include "shared/FormNumbers.h"
#include "transfer/AutoWrite.h"
#include "transfer/CsvTransfer.h"
#include "transfer/ParamWrite.h"
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
// A write reads the grids of its own family's editor; for another family it is not run.
std::array<Sequence, 3> only(ModelFamily f, Sequence s)
{
    std::array<Sequence, 3> run;
    run[static_cast<size_t>(f)] = std::move(s);
    return run;
}
std::array<Sequence, 3> oneAxis(Sequence s) { return only(ModelFamily::OneAxis, std::move(s)); }
std::array<Sequence, 3> twoAxis(Sequence s) { return only(ModelFamily::TwoAxis, std::move(s)); }
std::array<Sequence, 3> fourAxis(Sequence s) { return only(ModelFamily::FourAxis, std::move(s)); }
} // namespace

const SequenceTable& Sequences_Table()
{
    using namespace form;
    static const SequenceTable table{{
        {1, frmMain, all(ParamRead_Run)},
        {2, frmParmJV, oneAxis(CpuPrmWriteJVsub)},
        {3, frmParmZr4, fourAxis(CpuPrmWriteZ4sub)},
        {4, frmParm7W, twoAxis(CpuPrmWrite7Wsub)},
        {5, frmMain, all(AutoRead_Run)},
        {6, frmAutoRunJVMode, oneAxis(CpuAutoWriteJVsub)},
        {7, frmAutoRunZr4Mode, fourAxis(CpuAutoWriteZ4sub)},
        {8, frmAutoRun7WMode, twoAxis(CpuAutoWrite7Wsub)},
        {9, frmMain, {Csv_Writesub, Csv_Writesub, CsvZ4_Writesub}},
        {10, frmMain, {Csv_Readsub, Csv_Readsub, CsvZ4_Readsub}},
        {11, frmAutoRunZr4Mode, all(TeachRead_Run)},
    }};
    return table;
}

} // namespace posmod
