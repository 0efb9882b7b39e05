// libFuzzer target of the Setting.ini reader.
#include "FuzzTarget.h"
#include "SettingsFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return posmod::FuzzOne(posmod::settingsFuzzCheck, data, size);
}
