#pragma once
// The shared data of the tool: one instance, owned by the program, reset by tests.
// Each section belongs to one area of the code; add fields in the section they belong to.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shared/RegisterTable.h"
#include "shared/Settings.h"

namespace posmod {

struct Public {
    // --- settings and register table ---
    Settings set;
    RegisterTable reg;

    // --- main window: model selection ---
    int ModuleType = 0;               // 1 JV-ZR, 2 VELTA-7W, 3 VELTAK7W, 4 ZRH, 5 JV-ZR4
    std::string InitControlWord;
    int ReplyStatusOffset = 0;        // 2 while an RS-232C station number is stored
    int SendCancel = 0;               // 0 while a transfer runs, -1 when idle or cancelled
    int ModelSelectReady = 0;
    std::string DataSourceCaption;    // "[Csv file]" or ""

    // --- link ---
    std::string TaskCode1, TaskCode2, TaskCode3;
    int ProbeActive = 0;
    int SerialError = 0;
    int TaskErrorCode = 0;
    std::string ReplyBody;
    std::string EthReplyHex;
    std::vector<uint8_t> EthBytes;
    int EthBusy = 0;
    int WatchdogTicks = 0;
    int EthError = 0;
    int EthReceived = 0;

    // --- tasks ---
    std::string ModuleField;
    int ModuleVariant = 0;
    std::array<std::string, 4> StatusReg_Data, ErrorCode_Data, CurrentValue_Data;
    std::string ControlWord;
    int Z4CommandIndex = 0;
    std::string Z4SubData1, Z4SubData2, Z4SubData3;
    std::string Z4DataBlock;

    // --- transfer ---
};

void Public_Reset(Public& p);

} // namespace posmod
