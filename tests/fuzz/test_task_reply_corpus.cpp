// Replays the task-reply corpus through the checks of its fuzz target.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TaskReplyFuzzCheck.h"

namespace fs = std::filesystem;

TEST(FuzzCorpus, TaskReplies) {
    int files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(POSMOD_FUZZ_CORPUS) / "task_reply")) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(posmod::taskReplyFuzzCheck(bytes.str()), "") << entry.path();
        ++files;
    }
    EXPECT_GT(files, 0);
}
