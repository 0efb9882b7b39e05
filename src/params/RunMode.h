#pragma once
// The operation-mode word of the one- and two-axis models (parameter row 1) decoded into the
// texts of its fields, for the operation-mode display.
#include <array>
#include <string>

namespace posmod {

// The word as the display decodes it from an editor's cell: in decimal display the cell's
// value in upper-case hex (a negative value as 8 digits of two's complement, an empty cell as
// 0); then a 1-3 digit text zero-filled to 4. Only its first four digits are decoded.
std::string RunMode_Word(const std::string& cellText, bool decimal);

// One-axis word: homing method, homing speed, acceleration pattern, position multiplier,
// position unit (entries 1-5); "No data the requirements" for a code without text.
std::array<std::string, 6> RunModeJV_TextSet(const std::string& word);
// Two-axis word: homing method, homing speed, pulse number, pulse interval (entries 1-4); the
// last two are read only for "High speed homing 2(marker end)".
std::array<std::string, 5> RunMode7W_TextSet(const std::string& word);

} // namespace posmod
