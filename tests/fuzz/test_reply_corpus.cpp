// Replays the reply corpus through the checks of the reply fuzz target.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ReplyFuzzCheck.h"

namespace fs = std::filesystem;

TEST(FuzzCorpus, Replies) {
    int files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(POSMOD_FUZZ_CORPUS) / "reply")) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(posmod::replyFuzzCheck(bytes.str()), "") << entry.path();
        ++files;
    }
    EXPECT_GT(files, 0);
}
