#pragma once
// Feeds every file of one corpus folder to the check of its fuzz target: the check
// answers "" or the problem found.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace posmod {

inline void ReplayCorpus(const char* folder, std::string (*check)(const std::string&))
{
    namespace fs = std::filesystem;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(POSMOD_FUZZ_CORPUS) / folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(check(bytes.str()), "") << entry.path();
        ++files;
    }
    EXPECT_GT(files, 0);
}

} // namespace posmod
