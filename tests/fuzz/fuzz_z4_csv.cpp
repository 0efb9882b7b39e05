// libFuzzer target of the editors' four-axis CSV readers.
#include "CsvFuzzCheck.h"
#include "FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return posmod::FuzzOne(posmod::z4CsvFuzzCheck, data, size);
}
