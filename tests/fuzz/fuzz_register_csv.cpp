// libFuzzer target of the editors' register CSV reader.
#include "CsvFuzzCheck.h"
#include "FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return posmod::FuzzOne(posmod::registerCsvFuzzCheck, data, size);
}
