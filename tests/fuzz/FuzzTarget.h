#pragma once
// The body of a libFuzzer target: a problem the check finds stops the run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace posmod {

inline int FuzzOne(std::string (*check)(const std::string&), const uint8_t* data, size_t size)
{
    const std::string problem = check(std::string(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}

} // namespace posmod
