#include "shared/SettingsEntry.h"

#include <limits>

#include "shared/Conversions.h"
#include "shared/MessageTexts.h"
#include "shared/SettingsFile.h"

namespace posmod {

namespace {

constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
constexpr const char* kExamplePortHex = "0BBC";
constexpr const char* kExamplePortNo = "3004";

bool allDigits(const std::string& text)
{
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// value * base + digit, stuck at the largest value once it is reached.
uint64_t pushDigit(uint64_t value, uint64_t base, uint64_t digit)
{
    if (value > (kMax - digit) / base) return kMax;
    return value * base + digit;
}

// A required number in lo..hi, digits only.
SettingError requiredNumber_Check(const std::string& text, uint64_t lo, uint64_t hi)
{
    if (text.empty()) return SettingError::Length;
    const uint64_t v = LeadingDecimal(text);
    if (v < lo || v > hi || !allDigits(text)) return SettingError::DataLimit;
    return SettingError::None;
}

void storeNetwork(const NetworkEntry& e, int& lpStat, std::string& loopNo, std::string& linkStNo,
                  std::string& lpAddr)
{
    if (!e.anotherStation) {
        lpStat = 0;
        loopNo = "0";
        linkStNo = "0";
        lpAddr = kOwnStationAddr;
        return;
    }
    lpStat = 1;
    loopNo = e.loopNo;
    linkStNo = e.linkStNo;
    lpAddr = NetAddr_Build(e.loopNo, e.linkStNo);
}

void storeStation(const StationEntry& e, int& flag, std::string& statNo)
{
    if (!e.stationNo || e.statNo.empty()) {
        flag = 0;
        statNo.clear();
    } else {
        flag = 1;
        statNo = e.statNo;
    }
}

NetworkEntry loadNetwork(int lpStat, const std::string& loopNo, const std::string& linkStNo)
{
    if (lpStat != 0) return {true, loopNo, linkStNo};
    return {false, "0", "0"};
}

StationEntry loadStation(int flag, const std::string& statNo)
{
    if (flag != 0) return {true, statNo};
    return {false, ""};
}

std::string listChoice(const std::vector<std::string>& entries, const std::string& stored)
{
    return ListEntry_At(entries, ListEntry_Find(entries, stored));
}

RusChoice loadRus(const Settings& s)
{
    return {listChoice(RusEntries(0), s.RusRemoteNo), listChoice(RusEntries(1), s.RusUnitNo),
            listChoice(RusEntries(2), s.RusSlotNo)};
}

// A list with nothing selected keeps what was stored, and so does the entry that showed the
// stored value ("a" for the slot entry "A"): Setting.ini keeps a value nobody changed.
void storeChoice(const std::string& choice, std::string& stored)
{
    if (!choice.empty() && !equalsNoCase(choice, stored)) stored = choice;
}

void storeRus(const RusChoice& rus, Settings& s)
{
    storeChoice(rus[0], s.RusRemoteNo);
    storeChoice(rus[1], s.RusUnitNo);
    storeChoice(rus[2], s.RusSlotNo);
}

// Hexadecimal form of value, padded as a typed hexadecimal entry is.
std::string paddedHex(uint64_t value)
{
    std::string t = hexText(value);
    HZER(t);
    return t;
}

} // namespace

// ---------------------------------------------------------------- lists

const std::vector<std::string>& RateEntries()
{
    static const std::vector<std::string> v = {"4800", "9600", "19200", "38400", "57600"};
    return v;
}

const std::vector<std::string>& PortEntries()
{
    static const std::vector<std::string> v = {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"};
    return v;
}

const std::vector<std::string>& RusEntries(int list)
{
    static const std::vector<std::string> remote = {"0", "1", "2", "3", "4"};
    static const std::vector<std::string> unit = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    static const std::vector<std::string> slot = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A"};
    return list == 0 ? remote : list == 1 ? unit : slot;
}

int ListEntry_Find(const std::vector<std::string>& entries, const std::string& text)
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (equalsNoCase(entries[i], text)) return static_cast<int>(i);
    return -1;
}

std::string ListEntry_At(const std::vector<std::string>& entries, int index)
{
    if (index < 0 || index >= static_cast<int>(entries.size())) return {};
    return entries[static_cast<std::size_t>(index)];
}

// ---------------------------------------------------------------- typed numbers

uint64_t LeadingDecimal(const std::string& text)
{
    uint64_t v = 0;
    for (std::size_t i = 0; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        v = pushDigit(v, 10, static_cast<uint64_t>(text[i] - '0'));
    return v;
}

uint64_t LeadingHex(const std::string& text)
{
    uint64_t v = 0;
    for (std::size_t i = 0; i < text.size() && hexDigitValue(text[i]) >= 0; ++i)
        v = pushDigit(v, 16, static_cast<uint64_t>(hexDigitValue(text[i])));
    return v;
}

const char* SettingError_Message(SettingError e)
{
    switch (e) {
    case SettingError::Length: return "Length Error";
    case SettingError::DataLimit: return kLimitErrorMessage;
    case SettingError::None: break;
    }
    return "";
}

SettingError StationNo_Check(const std::string& text)
{
    const std::size_t len = utf8Length(text);
    if (len == 1 || len >= 3) return SettingError::Length;
    if (LeadingDecimal(text) > 31 || !allDigits(text)) return SettingError::DataLimit;
    return SettingError::None;
}

SettingError LoopNo_Check(const std::string& text) { return requiredNumber_Check(text, 1, 2); }

SettingError LinkStNo_Check(const std::string& text) { return requiredNumber_Check(text, 0, 63); }

std::string NetAddr_Build(const std::string& loopNo, const std::string& linkStNo)
{
    return "0" + loopNo + hexText(LeadingDecimal(linkStNo), 2);
}

SettingFault StationInput_Check(const StationEntry& e)
{
    const SettingError err = StationNo_Check(e.statNo);
    if (err != SettingError::None) return {err, SettingBox::Station};
    return {};
}

SettingFault NetworkInput_Check(const NetworkEntry& e)
{
    if (!e.anotherStation) return {};
    if (SettingError err = LoopNo_Check(e.loopNo); err != SettingError::None) return {err, SettingBox::Loop};
    if (SettingError err = LinkStNo_Check(e.linkStNo); err != SettingError::None) return {err, SettingBox::LinkStation};
    return {};
}

// ---------------------------------------------------------------- RS-232C dialog

RsEntries RsEntries_Load(const Settings& s)
{
    RsEntries e;
    e.net = loadNetwork(s.R_LpStat, s.R_LoopNo, s.R_LinkStNo);
    e.station = loadStation(s.R_StatFlag, s.R_StatNo);
    e.procedure1 = s.R_ProcNo == 1;
    e.rate = listChoice(RateEntries(), s.R_RateNo);
    e.port = ListEntry_At(PortEntries(), s.R_PortNo - 1);
    e.rus = loadRus(s);
    return e;
}

std::string RsEntries_Store(const RsEntries& e, Settings& s, int& replyStatusOffset)
{
    storeNetwork(e.net, s.R_LpStat, s.R_LoopNo, s.R_LinkStNo, s.R_LpAddr);
    storeStation(e.station, s.R_StatFlag, s.R_StatNo);
    replyStatusOffset = s.R_StatNo.empty() ? 0 : 2;
    s.R_ProcNo = e.procedure1 ? 1 : 2;
    std::string serialSettings;
    if (!e.rate.empty()) {
        storeChoice(e.rate, s.R_RateNo);
        serialSettings = s.R_RateNo + ",e,7,1";
    }
    if (const int port = ListEntry_Find(PortEntries(), e.port); port >= 0) s.R_PortNo = port + 1;
    storeRus(e.rus, s);
    ModuleAddress_Set(s);
    return serialSettings;
}

// ---------------------------------------------------------------- Ethernet dialog

EthEntries EthEntries_Load(const Settings& s)
{
    EthEntries e;
    e.ip = {s.L_IpHexU, s.L_IpHexL, s.L_PortHex, s.L_IpDec1, s.L_IpDec2, s.L_IpDec3, s.L_IpDec4, s.L_PortNo};
    e.seriNo = s.L_SeriNo;
    e.net = loadNetwork(s.L_LpStat, s.L_LoopNo, s.L_LinkStNo);
    e.station = loadStation(s.L_StatFlag, s.L_StatNo);
    e.rus = loadRus(s);
    return e;
}

void HZER(std::string& work)
{
    const std::size_t len = utf8Length(work);
    if (len == 0 || len > 3) return;
    work = hexText(LeadingHex(work), 4);
}

uint64_t HDCN(const std::string& work) { return LeadingHex(work); }

void IpBoxes_LineUp(IpBoxes& b, bool decimalEntry)
{
    for (std::size_t half = 0; half < 2; ++half) {
        std::string& hex = b[half];
        std::string& first = b[3 + 2 * half];
        std::string& second = b[4 + 2 * half];
        if (decimalEntry) {
            if (first.empty() && second.empty()) continue;
            hex = paddedHex(pushDigit(LeadingDecimal(first), 256, LeadingDecimal(second)));
        } else {
            HZER(hex);
            if (hex.empty()) {
                first.clear();
                second.clear();
                continue;
            }
            // After HZER a text is empty or at least 4 characters long.
            const std::size_t len = utf8Length(hex);
            first = std::to_string(LeadingHex(utf8Mid(hex, 0, 2)));
            second = std::to_string(LeadingHex(utf8Mid(hex, len - 2, 2)));
        }
    }
    std::string& portHex = b[2];
    std::string& portNo = b[7];
    if (decimalEntry) {
        if (!portNo.empty()) portHex = paddedHex(LeadingDecimal(portNo));
    } else {
        HZER(portHex);
        portNo = std::to_string(HDCN(portHex));
    }
}

void IpBoxes_Example(IpBoxes& b)
{
    uint64_t octet[4] = {};
    std::string address = kExampleIpAddress;
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t dot = address.find('.', start);
        octet[i] = LeadingDecimal(address.substr(start, dot - start));
        start = dot == std::string::npos ? address.size() : dot + 1;
    }
    b[0] = hexText(octet[0] * 256 + octet[1], 4);
    b[1] = hexText(octet[2] * 256 + octet[3], 4);
    b[2] = kExamplePortHex;
    for (std::size_t i = 0; i < 4; ++i) b[3 + i] = std::to_string(octet[i]);
    b[7] = kExamplePortNo;
}

SettingFault EthEntries_Store(EthEntries& e, Settings& s)
{
    if (SettingFault f = NetworkInput_Check(e.net); f.failed()) return f;
    for (std::size_t i = 3; i <= 6; ++i) e.ip[i] = std::to_string(LeadingDecimal(e.ip[i]));
    s.L_IpAddr = e.ip[3] + "." + e.ip[4] + "." + e.ip[5] + "." + e.ip[6];
    s.L_IpHexU = e.ip[0];
    s.L_IpHexL = e.ip[1];
    s.L_PortHex = e.ip[2];
    s.L_IpDec1 = e.ip[3];
    s.L_IpDec2 = e.ip[4];
    s.L_IpDec3 = e.ip[5];
    s.L_IpDec4 = e.ip[6];
    s.L_PortNo = e.ip[7];
    storeNetwork(e.net, s.L_LpStat, s.L_LoopNo, s.L_LinkStNo, s.L_LpAddr);
    s.L_SeriNo = e.seriNo;
    if (SettingFault f = StationInput_Check(e.station); f.failed()) return f;
    storeStation(e.station, s.L_StatFlag, s.L_StatNo);
    storeRus(e.rus, s);
    ModuleAddress_Set(s);
    return {};
}

// ---------------------------------------------------------------- axis names

int AxisName_Count(ModelFamily family) { return Model_OfFamily(family).namedAxes; }

std::string AxisLabel_Text(ModelFamily family, int k)
{
    static const char* const lettersAD = "ABCD";
    static const char* const lettersXY = "XY";
    const char letter = family == ModelFamily::TwoAxis && k < 2 ? lettersXY[k] : lettersAD[k & 3];
    return std::string(1, letter) + " axis Name :";
}

bool AxisNames_Store(ModelFamily family, const std::array<std::string, 4>& texts, Settings& s)
{
    const int n = AxisName_Count(family);
    for (int k = 0; k < n; ++k)
        if (texts[static_cast<std::size_t>(k)].empty()) return false;
    if (n == 0) return true;
    for (int k = 0; k < 4; ++k)
        s.AxisName[static_cast<std::size_t>(k)] = k < n ? texts[static_cast<std::size_t>(k)] : std::string();
    return true;
}

} // namespace posmod
