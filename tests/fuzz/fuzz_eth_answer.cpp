// libFuzzer target of the Ethernet answer gatherer: an answer cut at any points gives the
// outcome of the same answer in one piece.
#include "FuzzTarget.h"
#include "EthAnswerFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return posmod::FuzzOne(posmod::ethAnswerFuzzCheck, data, size);
}
