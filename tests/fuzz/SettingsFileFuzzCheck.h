#pragma once
// What must hold for any Setting.ini file read at start-up and written at exit with
// nothing changed: the written file keeps the bytes of every value the reading did not
// change, it is the writer's 20 lines, it reads back to the same settings, and writing
// those again changes nothing.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "shared/Conversions.h"
#include "shared/FakeProbePort.h"
#include "shared/ModelTable.h"
#include "shared/SettingsFile.h"

namespace posmod {

namespace settings_file_fuzz {

inline constexpr std::array<const char*, 17> kKeys = {
    "S_SETTING=", "MODULE_NO=", "R_LP_STAT=", "R_PORT_NO=", "R_RATE_NO=", "R_PROC_NO=",
    "R_STAT_NO=", "R_RUSS_NO=", "L_LP_STAT=", "L_PORT_NO=", "L_IPAD_NO=", "L_STAT_NO=",
    "L_SERI_NO=", "AX_NAME_A=", "AX_NAME_B=", "AX_NAME_C=", "AX_NAME_D="};

// The lines of a file's bytes, as bytes; a UTF-8 mark in front dropped.
inline std::vector<std::string> byteLines(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

inline bool hasKey(const std::string& line, const char* key)
{
    return line.size() >= 10 && equalsNoCase(line.substr(0, 10), key);
}

// A port line takes effect only for COM1 to COM8.
inline bool takesEffect(const std::string& line, const char* key)
{
    if (std::string_view(key) != "R_PORT_NO=") return true;
    const std::string port = asciiUpper(line.substr(10, 4));
    return port.size() == 4 && port.starts_with("COM") && port[3] >= '1' && port[3] <= '8';
}

struct Read {
    Settings s;
    bool ok = false;
    std::string written;
};

inline Read readAndWrite(const std::string& bytes)
{
    Read r;
    FakeProbePort comm({2, 5});
    r.ok = readSettingsText(r.s, bytes, comm);
    const auto module = static_cast<std::size_t>(r.s.ModuleNoIni);
    if (module < kModelTable.size()) r.written = settingsText(r.s, r.s.S_Setting == 0, kModelTable[module].text);
    return r;
}

// What the writer makes of the settings alone, without the file's bytes.
inline std::string meaning(Settings s)
{
    s.file = {};
    return settingsText(s, s.S_Setting == 0, kModelTable[static_cast<std::size_t>(s.ModuleNoIni)].text);
}

} // namespace settings_file_fuzz

// Empty when every property holds, else what broke.
inline std::string settingsFileFuzzCheck(const std::string& bytes)
{
    using namespace settings_file_fuzz;
    const Read first = readAndWrite(bytes);
    if (first.s.ModuleNoIni < 0 || first.s.ModuleNoIni > 4) return "model index out of range";
    const std::vector<std::string> out = byteLines(first.written);
    if (out.size() != 20) return "the written file is not 20 lines";

    // The lines that took effect: all of them, or those before the line that failed (the
    // defaults may then change link values, never the link choice, model or names).
    std::vector<std::string> in = byteLines(bytes);
    bool defaultsRan = !first.ok;
    if (defaultsRan) {
        // The failing line: the first n lines read well, n + 1 do not (a reading stops at
        // the first failure, so this is found by halving).
        auto readsWell = [&in](std::size_t n) {
            std::string prefix;
            for (std::size_t i = 0; i < n; ++i) prefix += in[i] + "\r\n";
            return readAndWrite(prefix).ok;
        };
        std::size_t good = 0, bad = in.size();
        while (bad - good > 1) {
            const std::size_t mid = good + (bad - good) / 2;
            (readsWell(mid) ? good : bad) = mid;
        }
        in.resize(good);
    }
    for (const char* key : kKeys) {
        const std::string_view k = key;
        if (defaultsRan && k != "S_SETTING=" && k != "MODULE_NO=" && !k.starts_with("AX_NAME_")) continue;
        const std::string* last = nullptr;
        for (const std::string& line : in)
            if (hasKey(line, key) && takesEffect(line, key)) last = &line;
        if (!last) continue;
        for (const std::string& line : out)
            if (line.starts_with(key) && line.substr(10) != last->substr(10))
                return std::string("the value of ") + key + " lost its bytes";
    }

    const Read second = readAndWrite(first.written);
    if (!second.ok) {
        // The writer puts the port before the address, whose reading converts the port: a
        // port too large to convert that the file gave after its address fails now.
        if (decimalValue(first.s.L_PortNo)) return "the written file does not read back";
        return {};
    }
    if (meaning(second.s) != meaning(first.s)) return "the written file reads back to other settings";
    if (second.written != first.written) return "writing again changed the file";
    return {};
}

} // namespace posmod
