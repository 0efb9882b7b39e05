// Replays the reply corpus through the checks of the reply fuzz target.
#include <gtest/gtest.h>

#include "CorpusReplay.h"
#include "ReplyFuzzCheck.h"

TEST(FuzzCorpus, Replies) { posmod::ReplayCorpus("reply", posmod::replyFuzzCheck); }
