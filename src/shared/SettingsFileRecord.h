#pragma once
// What Setting.ini held, kept from start-up to exit, so that a value nobody changed is
// written back byte for byte as it was read, and a changed one in the encoding of its line.
#include <map>
#include <string>

#include "shared/TextCodec.h"

namespace posmod {

struct SettingsFileRecord {
    struct Value {
        std::string bytes;   // the value as read (characters 11 to the end of the line)
        std::string text;    // what the writer wrote for the settings it set, decoded
        TextEncoding encoding = TextEncoding::Utf8;
    };
    // By key as the writer writes it ("AX_NAME_A="); the last line of a key that took effect.
    std::map<std::string, Value> values;
    // Of the file; lines the file lacked take it. A new file is UTF-8.
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
};

} // namespace posmod
