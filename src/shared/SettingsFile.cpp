#include "shared/SettingsFile.h"

#include <optional>
#include <vector>

#include "shared/ModelTable.h"
#include "shared/Conversions.h"
#include "shared/TextCodec.h"

namespace posmod {

namespace {

// Split at every "."; an empty text has no parts.
std::vector<std::string> splitDots(const std::string& value) {
    std::vector<std::string> parts;
    if (value.empty()) return parts;
    std::size_t start = 0;
    for (std::size_t dot; (dot = value.find('.', start)) != std::string::npos; start = dot + 1)
        parts.push_back(value.substr(start, dot - start));
    parts.push_back(value.substr(start));
    return parts;
}

std::optional<std::string> hexOfDecimal(const std::string& text, uint8_t width) {
    const auto v = decimalValue(text);
    if (!v) return std::nullopt;
    return ZeroFill_Len(hexText(static_cast<uint64_t>(*v)), width);
}

bool startsWithN(const std::string& value) { return !value.empty() && (value[0] == 'N' || value[0] == 'n'); }

// Loop access "<loop>.<station>" or NOOP.
void readLoop(const std::string& value, int& lpStat, std::string& loopNo, std::string& linkStNo,
              std::string& lpAddr) {
    if (startsWithN(value)) {
        lpStat = 0;
        loopNo = "0";
        linkStNo = "0";
        lpAddr = "FFFF";
        return;
    }
    lpStat = 1;
    loopNo = utf8Mid(value, 0, 1);
    linkStNo = utf8Mid(value, 2, 2);
    // Two characters never exceed 99: always a value, never cut.
    lpAddr = "0" + loopNo + *hexOfDecimal(linkStNo, 2);
}

void readStation(const std::string& value, int& flag, std::string& statNo) {
    if (startsWithN(value)) {
        flag = 0;
        statNo.clear();
    } else {
        flag = 1;
        statNo = value;
    }
}

// The address and its octets (decimal and hex), and the hex of L_PortNo; false (nothing
// changed) for more than four octets or a number too large.
bool setIpAddress(Settings& s, const std::string& value) {
    auto parts = splitDots(value);
    if (parts.size() > 4) return false;
    parts.resize(4);
    std::string hex[4];
    for (int i = 0; i < 4; ++i) {
        auto h = hexOfDecimal(parts[i], 2);
        if (!h) return false;
        hex[i] = *h;
    }
    auto portHex = hexOfDecimal(s.L_PortNo, 4);
    if (!portHex) return false;
    s.L_IpAddr = value;
    s.L_IpDec1 = parts[0];
    s.L_IpDec2 = parts[1];
    s.L_IpDec3 = parts[2];
    s.L_IpDec4 = parts[3];
    s.L_IpHexU = hex[0] + hex[1];
    s.L_IpHexL = hex[2] + hex[3];
    s.L_PortHex = *portHex;
    return true;
}

enum class LineRead { Failed, Ignored, Taken };

// One line; Failed is a reading failure, and then the line changes nothing; Ignored a line
// that is no key or whose value is not taken.
LineRead readLine(Settings& s, const std::string& line, SerialPort& comm) {
    const std::string key = asciiUpper(utf8Mid(line, 0, 10));
    if (key.size() != 10) return LineRead::Ignored;  // shorter, or not plain text: no key
    const std::string value = line.substr(10);
    if (key == "S_SETTING=") {
        s.S_Setting = value.starts_with('0') ? 0 : 1;
    } else if (key == "MODULE_NO=") {
        s.ModuleNoIni = (!value.empty() && value[0] >= '1' && value[0] <= '4') ? value[0] - '0' : 0;
    } else if (key == "R_LP_STAT=") {
        readLoop(value, s.R_LpStat, s.R_LoopNo, s.R_LinkStNo, s.R_LpAddr);
    } else if (key == "R_PORT_NO=") {
        const std::string port = asciiUpper(value.substr(0, 4));
        if (port.size() != 4 || !port.starts_with("COM") || port[3] < '1' || port[3] > '8')
            return LineRead::Ignored;
        s.R_PortNo = port[3] - '0';
    } else if (key == "R_RATE_NO=") {
        s.R_RateNo = value;
        // An unusable rate leaves the port unusable; the opening reports it later.
        comm.setSettings(value + ",e,7,1");
    } else if (key == "R_PROC_NO=") {
        s.R_ProcNo = value == "1" ? 1 : 2;
    } else if (key == "R_STAT_NO=") {
        readStation(value, s.R_StatFlag, s.R_StatNo);
    } else if (key == "R_RUSS_NO=") {
        auto parts = splitDots(value);
        if (parts.size() > 3) return LineRead::Failed;
        parts.resize(3);
        s.RusRemoteNo = parts[0];
        s.RusUnitNo = parts[1];
        s.RusSlotNo = parts[2];
    } else if (key == "L_LP_STAT=") {
        readLoop(value, s.L_LpStat, s.L_LoopNo, s.L_LinkStNo, s.L_LpAddr);
    } else if (key == "L_PORT_NO=") {
        s.L_PortNo = value;
    } else if (key == "L_IPAD_NO=") {
        if (!setIpAddress(s, value)) return LineRead::Failed;
    } else if (key == "L_STAT_NO=") {
        readStation(value, s.L_StatFlag, s.L_StatNo);
    } else if (key == "L_SERI_NO=") {
        s.L_SeriNo = value;
    } else if (key.starts_with("AX_NAME_") && key[8] >= 'A' && key[8] <= 'D' && key[9] == '=') {
        s.AxisName[static_cast<std::size_t>(key[8] - 'A')] = value;
    } else {
        return LineRead::Ignored;
    }
    return LineRead::Taken;
}

// A value entered in this run never breaks the line structure: C0 controls and DEL of the
// text become blanks. The text is UTF-8, so no byte of a longer character is touched; the
// encoding for the file comes after.
std::string lineSafe(std::string value) {
    for (char& c : value)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return value;
}

// What the main window shows when the settings are written.
struct Choice {
    bool rs232c;  // the "RS-232C" option is selected
    int module;   // index of the model list
};

// The lines the writer writes, in order: the key and the value of the settings, or a marker.
struct WrittenLine {
    const char* key;
    std::string (*value)(const Settings&, const Choice&);  // nullptr: a marker line
};

std::string loopValue(int lpStat, const std::string& loop, const std::string& station) {
    return lpStat != 0 ? loop + "." + station : "NOOP";
}

const WrittenLine kWrittenLines[] = {
    {"S_SETTING=", [](const Settings&, const Choice& c) { return std::string(c.rs232c ? "0" : "1"); }},
    {"MODULE_NO=", [](const Settings&, const Choice& c) { return std::to_string(c.module); }},
    {"****RS_232C****", nullptr},
    {"R_LP_STAT=", [](const Settings& s, const Choice&) { return loopValue(s.R_LpStat, s.R_LoopNo, s.R_LinkStNo); }},
    {"R_PORT_NO=", [](const Settings& s, const Choice&) {
         return s.R_PortNo >= 1 && s.R_PortNo <= 8 ? "COM" + std::to_string(s.R_PortNo) : std::string();
     }},
    {"R_RATE_NO=", [](const Settings& s, const Choice&) { return s.R_RateNo; }},
    {"R_PROC_NO=", [](const Settings& s, const Choice&) { return std::string(s.R_ProcNo == 1 ? "1" : "2"); }},
    {"R_STAT_NO=", [](const Settings& s, const Choice&) { return s.R_StatFlag != 0 ? s.R_StatNo : "NOOP"; }},
    {"R_RUSS_NO=", [](const Settings& s, const Choice&) {
         return s.RusRemoteNo + "." + s.RusUnitNo + "." + s.RusSlotNo;
     }},
    {"****NEX_KOR****", nullptr},
    {"L_LP_STAT=", [](const Settings& s, const Choice&) { return loopValue(s.L_LpStat, s.L_LoopNo, s.L_LinkStNo); }},
    {"L_PORT_NO=", [](const Settings& s, const Choice&) { return s.L_PortNo; }},
    {"L_IPAD_NO=", [](const Settings& s, const Choice&) { return s.L_IpAddr; }},
    {"L_STAT_NO=", [](const Settings& s, const Choice&) { return s.L_StatFlag != 0 ? s.L_StatNo : "NOOP"; }},
    {"L_SERI_NO=", [](const Settings& s, const Choice&) { return s.L_SeriNo; }},
    {"****Axis Name****", nullptr},
    {"AX_NAME_A=", [](const Settings& s, const Choice&) { return s.AxisName[0]; }},
    {"AX_NAME_B=", [](const Settings& s, const Choice&) { return s.AxisName[1]; }},
    {"AX_NAME_C=", [](const Settings& s, const Choice&) { return s.AxisName[2]; }},
    {"AX_NAME_D=", [](const Settings& s, const Choice&) { return s.AxisName[3]; }},
};

// Keeps the bytes of a line that set a value the writer writes, with what the writer
// would write for it now.
void keepLine(Settings& s, const TextLine& line) {
    const std::string key = asciiUpper(line.bytes.substr(0, 10));
    for (const WrittenLine& w : kWrittenLines) {
        if (!w.value || key != w.key) continue;
        const Choice now{s.S_Setting == 0, s.ModuleNoIni};
        s.file.values[key] = {line.bytes.substr(10), w.value(s, now), line.encoding};
        return;
    }
}

} // namespace

bool readSettingsText(Settings& s, const std::string& fileBytes, SerialPort& comm) {
    const TextFile text = decodeTextFile(fileBytes);
    s.file = {};
    s.file.encoding = text.encoding;
    s.file.byteOrderMark = text.byteOrderMark;
    for (const TextLine& line : text.lines) {
        switch (readLine(s, line.text, comm)) {
        case LineRead::Failed: Setting_DefaultSub(s, comm); return false;
        case LineRead::Taken: keepLine(s, line); break;
        case LineRead::Ignored: break;
        }
    }
    return true;
}

bool Setting_ReadSub(Settings& s, const std::string& path, SerialPort& comm) {
    const std::optional<std::string> bytes = readRegularFile(path, kSettingsFileMaxBytes);
    if (!bytes) {
        s.file = {};
        Setting_DefaultSub(s, comm);
        return false;
    }
    return readSettingsText(s, *bytes, comm);
}

void Setting_DefaultSub(Settings& s, SerialPort& comm) {
    s.R_LpStat = 0;
    s.R_LoopNo = "0";
    s.R_LinkStNo = "0";
    s.R_LpAddr = "FFFF";
    s.R_StatFlag = 0;
    s.R_StatNo.clear();
    s.R_ProcNo = 1;
    s.R_RateNo = "19200";
    s.RusRemoteNo = s.RusUnitNo = s.RusSlotNo = "0";

    s.L_LpStat = 0;
    s.L_LoopNo = "0";
    s.L_LinkStNo = "0";
    s.L_LpAddr = "FFFF";
    s.L_SeriNo = "00";
    s.L_StatFlag = 0;
    s.L_StatNo.clear();

    // The probe must not depend on a rate a broken file left behind.
    if (comm.isOpen()) comm.close();
    comm.setSettings(s.R_RateNo + ",e,7,1");
    s.ComPortNg.fill(0);
    s.R_PortNo = 0;
    for (int port = 1; port <= 8; ++port) {
        comm.setCommPort(port);
        comm.open();
        if (!comm.isOpen()) s.ComPortNg[static_cast<std::size_t>(port - 1)] = 1;
        comm.close();
    }
    bool allNg = true;
    for (int ng : s.ComPortNg) allNg = allNg && ng == 1;
    if (allNg) s.ComPortNg[0] = 0;
    for (int port = 1; port <= 8; ++port) {
        if (s.ComPortNg[static_cast<std::size_t>(port - 1)] == 0) {
            s.R_PortNo = port;
            break;
        }
    }

    s.L_PortNo = "3004";
    setIpAddress(s, kExampleIpAddress);  // a fixed, valid address: never refused

    s.LinkKind = 0;
}

std::string settingsText(const Settings& s, bool rs232cOptionSelected, const std::string& cpuComboText) {
    const Choice now{rs232cOptionSelected, ModelNo_ForText(cpuComboText)};
    std::string out = s.file.byteOrderMark ? "\xEF\xBB\xBF" : "";
    for (const WrittenLine& w : kWrittenLines) {
        out += w.key;
        if (w.value) {
            const std::string value = w.value(s, now);
            const auto kept = s.file.values.find(w.key);
            if (kept != s.file.values.end() && kept->second.text == value)
                out += kept->second.bytes;
            else
                out += encodeText(lineSafe(value),
                                  kept != s.file.values.end() ? kept->second.encoding : s.file.encoding);
        }
        out += "\r\n";
    }
    return out;
}

bool Setting_WriteSub(const Settings& s, const std::string& path, bool rs232cOptionSelected,
                      const std::string& cpuComboText, FileWriter& writer) {
    return writer.write(path, settingsText(s, rs232cOptionSelected, cpuComboText));
}

void ModuleAddress_Set(Settings& s) {
    // Computed modulo 2^32, the width of a module address: a nonsense unit or slot
    // from a hand-edited file gives a wrong address, never an overflow.
    uint32_t slot = 0;
    if (!s.RusSlotNo.empty() && NumText_Check(s.RusSlotNo, false))
        for (char c : s.RusSlotNo) slot = slot * 16u + static_cast<uint32_t>(hexDigitValue(c));
    uint32_t unit = 0;
    for (std::size_t i = 0; i < s.RusUnitNo.size() && s.RusUnitNo[i] >= '0' && s.RusUnitNo[i] <= '9'; ++i)
        unit = unit * 10u + static_cast<uint32_t>(s.RusUnitNo[i] - '0');
    unit *= 1024u;
    const bool high = slot >= 8;
    const uint32_t base = (high ? slot - 8 : slot) * 128u + unit;
    static const uint32_t kLow[5] = {0x426008, 0xC06010, 0xC04010, 0x18006010, 0x18004010};
    static const uint32_t kHigh[5] = {0x426008, 0xC96010, 0xC94010, 0x18016010, 0x18014010};
    for (std::size_t k = 0; k < 5; ++k)
        s.ModuleAddr[k] = static_cast<int32_t>(base + (high ? kHigh[k] : kLow[k]));
}

} // namespace posmod
