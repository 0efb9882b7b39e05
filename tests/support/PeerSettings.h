#pragma once
// The tool's settings and model pointed at the controller peer on this machine, as the
// link, task and transfer tests and the benchmarks set them up.
#include <string>

#include "fakecpu/ModuleModel.h"
#include "shared/Public.h"
#include "shared/SettingsFile.h"

namespace posmod {

// The Ethernet side: the loopback address, network 00, loop FFFF (the port is the test's).
inline void LoopbackSettings_Set(Settings& s, const std::string& station = "")
{
    s.L_SeriNo = "00";
    s.L_StatNo = station;
    s.L_LpAddr = "FFFF";
    s.L_IpAddr = "127.0.0.1";
}

// Both links set up, kind 0 (RS-232C on COM<comPort>) or 1 (Ethernet) in use. The station
// number goes to the link in use; on RS-232C it moves the status in the replies.
inline void LinkSettings_Set(Public& pub, int kind, int proc, const std::string& station, int comPort)
{
    Settings& s = pub.set;
    s.LinkKind = kind;
    s.R_ProcNo = proc;
    s.R_StatNo = kind == 0 ? station : "";
    s.R_LpAddr = "FFFF";
    s.R_PortNo = comPort;
    LoopbackSettings_Set(s, kind == 1 ? station : "");
    pub.ReplyStatusOffset = kind == 0 && !station.empty() ? 2 : 0;
}

// The module address of the modelled module's place.
inline void ModuleAddress_Of(Settings& s, const ModuleModel& model)
{
    s.RusRemoteNo = model.remote;
    s.RusUnitNo = model.unit;
    s.RusSlotNo = model.slot;
    ModuleAddress_Set(s);
}

// The module type with the control word the model list gives it.
inline void ModuleType_Set(Public& pub, int type)
{
    pub.ModuleType = type;
    pub.InitControlWord = type == 1 ? "5100" : type == 5 ? "0000" : "1100";
}

// The modelled family of a module type (types 2 to 4 are two-axis modules), and the type
// a family is tested as.
inline ModuleFamily ModuleFamily_Of(int type)
{
    return type == 1 ? ModuleFamily::OneAxis : type == 5 ? ModuleFamily::FourAxis : ModuleFamily::TwoAxis;
}
inline int ModuleType_Of(ModuleFamily family)
{
    return family == ModuleFamily::OneAxis ? 1 : family == ModuleFamily::TwoAxis ? 2 : 5;
}

// Ethernet to the peer listening on tcpPort, with the modelled module's place and type.
inline void TcpPeerSettings_Set(Public& pub, int tcpPort, const ModuleModel& model, int type)
{
    Settings& s = pub.set;
    s.LinkKind = 1;
    LoopbackSettings_Set(s);
    s.L_PortNo = std::to_string(tcpPort);
    ModuleAddress_Of(s, model);
    ModuleType_Set(pub, type);
}

} // namespace posmod
