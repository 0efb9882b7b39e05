#pragma once
// What must hold for any Setting.ini content: reading never crashes, and after two rounds
// of reading and writing the writer's text reads back unchanged.
#include <string>

#include "shared/ModelTable.h"
#include "shared/FakeProbePort.h"
#include "shared/SettingsFile.h"

namespace posmod {

// Empty when every property holds, else what broke.
inline std::string settingsFuzzCheck(const std::string& bytes) {
    auto round = [](const std::string& in, std::string& out) {
        Settings s;
        FakeProbePort comm({2, 5});
        const bool ok = readSettingsText(s, in, comm);
        if (s.ModuleNoIni < 0 || s.ModuleNoIni > 4) return std::string("model index out of range");
        if (s.R_PortNo < 0 || s.R_PortNo > 8) return std::string("port out of range");
        out = settingsText(s, s.S_Setting == 0, kModelTable[static_cast<std::size_t>(s.ModuleNoIni)].text);
        ModuleAddress_Set(s);
        return ok ? std::string() : std::string("failed");
    };
    // The first rounds may still fail: a port number too large to convert is only
    // found when the address line converts it, and then the defaults replace it.
    std::string t1, t2, t3;
    std::string problem = round(bytes, t1);
    if (problem.empty() || problem == "failed") problem = round(t1, t2);
    if (!problem.empty() && problem != "failed") return problem;
    if (!round(t2, t3).empty()) return "the writer's text did not read back";
    if (t3 != t2) return "a further round changed the text";
    return {};
}

} // namespace posmod
