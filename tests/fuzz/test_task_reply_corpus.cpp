// Replays the task-reply corpus through the checks of its fuzz target.
#include <gtest/gtest.h>

#include "CorpusReplay.h"
#include "TaskReplyFuzzCheck.h"

TEST(FuzzCorpus, TaskReplies) { posmod::ReplayCorpus("task_reply", posmod::taskReplyFuzzCheck); }
