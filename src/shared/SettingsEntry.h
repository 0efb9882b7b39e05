#pragma once
// The rules of the connection-settings and axis-name dialogs, without their widgets: what
// the controls show when a dialog opens, the checks of the typed numbers, the network
// address, the two forms of the Ethernet address and port, and what OK stores.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shared/ModelTable.h"
#include "shared/Settings.h"

namespace posmod {

// --- the lists (choose-only), in the order shown ---

const std::vector<std::string>& RateEntries();              // "4800" .. "57600"
const std::vector<std::string>& PortEntries();              // "COM1" .. "COM8"
const std::vector<std::string>& RusEntries(int list);       // 0 remote, 1 unit, 2 slot
// The entry equal to text (letter case ignored); -1 when text is none of them, and then
// the list opens with nothing selected.
int ListEntry_Find(const std::vector<std::string>& entries, const std::string& text);
// The entry of a list as a choice: "" when index selects nothing.
std::string ListEntry_At(const std::vector<std::string>& entries, int index);

// --- typed numbers ---

// The number formed by the leading decimal (hexadecimal) digits; 0 when there is none (a
// sign or blank in front counts as none). Saturates at the largest 64-bit value.
uint64_t LeadingDecimal(const std::string& text);
uint64_t LeadingHex(const std::string& text);

enum class SettingError { None, Length, DataLimit };
// "Length Error", "Data Limit Error" ("" for None).
const char* SettingError_Message(SettingError e);

// Kind 0: a station number, empty or two digits 00 to 31.
SettingError StationNo_Check(const std::string& text);
// Kind 1: a loop number 1 or 2, a LINK station number 0 to 63; neither may be empty.
SettingError LoopNo_Check(const std::string& text);
SettingError LinkStNo_Check(const std::string& text);

// The network address of another station: "0", the loop text, and the LINK station's value
// as two upper-case hexadecimal digits. Loop 1, station 10: "010A".
std::string NetAddr_Build(const std::string& loopNo, const std::string& linkStNo);
inline constexpr const char* kOwnStationAddr = "FFFF";

// --- what the controls of both settings dialogs hold ---

struct NetworkEntry {
    bool anotherStation = false;   // "Another Station" selected
    std::string loopNo, linkStNo;  // the loop boxes
};
struct StationEntry {
    bool stationNo = false;        // "Station No." selected
    std::string statNo;            // the station box
};
using RusChoice = std::array<std::string, 3>;  // remote, unit, slot; "" = nothing selected

// The box a failed check names; the dialog shows the message and moves the focus there.
enum class SettingBox { None, Station, Loop, LinkStation };
struct SettingFault {
    SettingError error = SettingError::None;
    SettingBox box = SettingBox::None;
    bool failed() const { return error != SettingError::None; }
};

// Kind 0: the station box, whatever option is selected (an empty box passes).
SettingFault StationInput_Check(const StationEntry& e);
// Kind 1: the loop boxes, only for "Another Station"; the loop box first.
SettingFault NetworkInput_Check(const NetworkEntry& e);

// --- RS-232C dialog ---

struct RsEntries {
    NetworkEntry net;
    StationEntry station;
    bool procedure1 = true;
    std::string rate;   // "" = nothing selected
    std::string port;   // "" = nothing selected
    RusChoice rus;
};

// What the dialog shows when it opens. A stored value that is no entry of its list selects
// nothing.
RsEntries RsEntries_Load(const Settings& s);
// OK after the checks passed: network, station, reply status offset, procedure, rate, port,
// RUS and the module addresses. A list with nothing selected, or showing the stored value in
// another letter case, leaves its setting as it was.
// The result is the serial settings text of the rate chosen ("19200,e,7,1"), or "" when no
// rate was selected (the port keeps its settings).
std::string RsEntries_Store(const RsEntries& e, Settings& s, int& replyStatusOffset);

// --- Ethernet dialog ---

// The eight address and port boxes: 0 and 1 the upper and lower half of the address in
// hexadecimal, 2 the port in hexadecimal, 3 to 6 the octets in decimal, 7 the port in decimal.
using IpBoxes = std::array<std::string, 8>;
inline constexpr int kIpBoxCount = 8;

struct EthEntries {
    IpBoxes ip;
    std::string seriNo;
    NetworkEntry net;
    StationEntry station;
    RusChoice rus;
};

EthEntries EthEntries_Load(const Settings& s);

// A text of 1 to 3 characters becomes the 4-digit upper-case hexadecimal form of its leading
// hexadecimal digits ("a" -> "000A", "xy" -> "0000"); an empty text or one of 4 or more
// characters stays as it is.
void HZER(std::string& work);
// The value of the leading hexadecimal digits ("0BBC" -> 3004, "" -> 0), saturating.
uint64_t HDCN(const std::string& work);

// Brings the other form in line after one of the eight boxes lost the focus: from the
// hexadecimal boxes in hexadecimal entry, from the decimal ones in decimal entry.
void IpBoxes_LineUp(IpBoxes& boxes, bool decimalEntry);
// The example address (the one the defaults use) and port 0BBC / 3004 in all eight boxes.
void IpBoxes_Example(IpBoxes& boxes);

// OK: the network check (nothing stored on failure); the octet boxes rewritten as plain
// decimal; the address, the eight box values, the network address and the serial number
// stored; then the station check; on its failure the result names it and the station, RUS
// and module addresses stay as they were. Otherwise station, RUS and module addresses.
SettingFault EthEntries_Store(EthEntries& e, Settings& s);

// --- axis names ---

// The caption of label k of the axis-name dialog for a family ("X axis Name :").
std::string AxisLabel_Text(ModelFamily family, int k);
// How many name boxes the family shows (0 for the one-axis model).
int AxisName_Count(ModelFamily family);
// OK: false (nothing stored) when one of the shown boxes is empty; otherwise the shown
// names are stored as typed and the others emptied. The one-axis model stores nothing
// (true: the dialog just closes).
bool AxisNames_Store(ModelFamily family, const std::array<std::string, 4>& texts, Settings& s);

} // namespace posmod
