// Replays the Ethernet answer corpus through the checks of its fuzz target.
#include <gtest/gtest.h>

#include "CorpusReplay.h"
#include "EthAnswerFuzzCheck.h"

TEST(FuzzCorpus, EthernetAnswersInPieces) { posmod::ReplayCorpus("eth_answer", posmod::ethAnswerFuzzCheck); }
