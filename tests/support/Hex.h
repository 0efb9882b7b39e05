#pragma once
// Expected words as text, written here rather than taken from the tool's conversions so
// that a fault in those shows.
#include <cstdint>
#include <cstdio>
#include <string>

namespace posmod {

// Four upper-case hex digits of the low 16 bits.
inline std::string hex4(uint32_t v)
{
    char b[8];
    std::snprintf(b, sizeof b, "%04X", v & 0xFFFF);
    return b;
}

} // namespace posmod
