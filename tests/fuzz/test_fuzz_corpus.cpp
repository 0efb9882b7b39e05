// Replays the checked-in fuzz corpus through the same checks as the fuzz targets.
#include <gtest/gtest.h>

#include "CorpusReplay.h"
#include "SettingsFileFuzzCheck.h"
#include "SettingsFuzzCheck.h"

TEST(FuzzCorpus, Settings) { posmod::ReplayCorpus("settings", posmod::settingsFuzzCheck); }
TEST(FuzzCorpus, SettingsFile) { posmod::ReplayCorpus("settings_file", posmod::settingsFileFuzzCheck); }
