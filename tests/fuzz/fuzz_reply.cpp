// libFuzzer target of the reply checks and the exchange fed arbitrary answers.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ReplyFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string problem = posmod::replyFuzzCheck(std::string(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
