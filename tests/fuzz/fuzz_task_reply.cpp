// libFuzzer target of the tasks' reading of replies.
#include "FuzzTarget.h"
#include "TaskReplyFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return posmod::FuzzOne(posmod::taskReplyFuzzCheck, data, size);
}
