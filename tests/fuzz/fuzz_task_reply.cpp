// libFuzzer target of the tasks' reading of replies.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "TaskReplyFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string problem = posmod::taskReplyFuzzCheck(std::string(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
