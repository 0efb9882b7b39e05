// libFuzzer target of the readers of a CSV file sent to the module.
#include "CsvFuzzCheck.h"
#include "FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return posmod::FuzzOne(posmod::csvLoadFuzzCheck, data, size);
}
