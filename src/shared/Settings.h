#pragma once
// The connection settings, the selected model and the axis names kept in Setting.ini.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "shared/SettingsFileRecord.h"

namespace posmod {

struct Settings {
    int S_Setting = 0;          // link chosen at start: 0 RS-232C, 1 Ethernet
    int ModuleNoIni = 0;        // index in the model list
    // RS-232C
    int R_LpStat = 0;
    std::string R_LoopNo, R_LinkStNo, R_LpAddr;
    int R_StatFlag = 0;
    std::string R_StatNo;
    int R_ProcNo = 0;
    int R_PortNo = 0;
    std::array<int, 8> ComPortNg{};  // index 0 = COM1
    std::string R_RateNo;
    std::string RusRemoteNo, RusUnitNo, RusSlotNo;
    int LinkKind = 0;           // link in use: 0 RS-232C, 1 Ethernet
    // Ethernet
    std::string L_IpAddr, L_IpHexU, L_IpHexL, L_PortHex;
    std::string L_IpDec1, L_IpDec2, L_IpDec3, L_IpDec4;
    std::string L_PortNo;
    int L_LpStat = 0;
    std::string L_LoopNo, L_LinkStNo, L_LpAddr;
    std::string L_SeriNo;
    int L_StatFlag = 0;
    std::string L_StatNo;
    // Axis names and module memory addresses
    std::array<std::string, 4> AxisName;
    std::array<int32_t, 5> ModuleAddr{};
    // What Setting.ini held at start-up, for writing it back.
    SettingsFileRecord file;
};

} // namespace posmod
