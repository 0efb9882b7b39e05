// libFuzzer target of Setting.ini read at start-up and written at exit.
#include "FuzzTarget.h"
#include "SettingsFileFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return posmod::FuzzOne(posmod::settingsFileFuzzCheck, data, size);
}
