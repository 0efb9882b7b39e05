#pragma once
// Setting.ini: connection settings, the chosen model and the axis names, read at
// start and written at exit; and the module memory addresses of the RUS setting.
#include <cstddef>
#include <string>

#include "shared/Files.h"
#include "shared/LinkPorts.h"
#include "shared/Settings.h"

namespace posmod {

inline constexpr const char* kSettingsFileName = "Setting.ini";
// The example module address of the defaults and of the Ethernet dialog.
inline constexpr const char* kExampleIpAddress = "192.168.0.1";
// A Setting.ini larger than this is not read (a reading failure).
inline constexpr std::size_t kSettingsFileMaxBytes = 1024 * 1024;
// Shown when Setting.ini cannot be written at exit.
inline constexpr const char* kSettingsNotSavedMessage = "The settings could not be saved to Setting.ini.";

// Reads path into s. On any failure (no regular file, one too large, a read error, a bad
// line) the lines read so far stay, the defaults are installed and the result is false.
// R_RATE_NO also sets comm's settings text (rate + ",e,7,1").
bool Setting_ReadSub(Settings& s, const std::string& path, SerialPort& comm);
// The default link settings; probes COM1-COM8 through comm for the first usable port.
// Leaves S_Setting, ModuleNoIni and AxisName as they are.
void Setting_DefaultSub(Settings& s, SerialPort& comm);
// Writes the 20 lines to path through writer, whole or not at all: false leaves the old
// file untouched.
bool Setting_WriteSub(const Settings& s, const std::string& path, bool rs232cOptionSelected,
                      const std::string& cpuComboText, FileWriter& writer);
// ModuleAddr from RusUnitNo and RusSlotNo.
void ModuleAddress_Set(Settings& s);

// --- helpers ---

// Setting_ReadSub on the bytes of a file already read. Each line that is not valid UTF-8 is
// read as CP932; s.file keeps what the lines held.
bool readSettingsText(Settings& s, const std::string& fileBytes, SerialPort& comm);
// The 20 lines Setting_WriteSub writes, each ended by CR LF. A value that is still what
// the file's line for it set is written as the bytes of that line; a new or changed one
// in the encoding of the line it replaces (of the file for a line it lacked; UTF-8 where
// the text has no CP932 form), its control characters blanked.
std::string settingsText(const Settings& s, bool rs232cOptionSelected, const std::string& cpuComboText);

} // namespace posmod
