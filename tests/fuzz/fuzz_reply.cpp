// libFuzzer target of the reply checks and the exchange fed arbitrary answers.
#include "FuzzTarget.h"
#include "ReplyFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return posmod::FuzzOne(posmod::replyFuzzCheck, data, size);
}
