// Replays the checked-in fuzz corpus through the same checks as the fuzz targets.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "SettingsFuzzCheck.h"

namespace fs = std::filesystem;

TEST(FuzzCorpus, Settings) {
    const fs::path dir = fs::path(POSMOD_FUZZ_CORPUS) / "settings";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(posmod::settingsFuzzCheck(bytes.str()), "") << entry.path();
        ++files;
    }
    EXPECT_GT(files, 0);
}
