// Replays the CSV corpora through the checks of the CSV fuzz targets.
#include <gtest/gtest.h>

#include "CorpusReplay.h"
#include "CsvFuzzCheck.h"

TEST(FuzzCorpus, RegisterCsv) { posmod::ReplayCorpus("register_csv", posmod::registerCsvFuzzCheck); }
TEST(FuzzCorpus, Z4Csv) { posmod::ReplayCorpus("z4_csv", posmod::z4CsvFuzzCheck); }
TEST(FuzzCorpus, CsvLoad) { posmod::ReplayCorpus("csv_load", posmod::csvLoadFuzzCheck); }
