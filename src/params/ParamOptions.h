#pragma once
// The option words of a four-axis axis: eleven enumerated parameters kept as 4-bit codes,
// rows 1-4 in word 0, rows 5-7 in word 1 (top digit unused), rows 8-11 in word 2, the first
// row of a group in the most significant digit. Texts compare without regard to case.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace posmod {

// The word of a group that cannot be packed.
inline constexpr std::string_view kNgData = "NG_DATA";
// The text of a code that has none.
inline constexpr std::string_view kNoCorrespondingData = "No Corresponding Data";

// The text of option item 1-11 held in its field of modeHex (the group's word, read as
// hexadecimal digits; other characters are dropped, a short word is not zero-filled):
// "No Corresponding Data" for a code without text or a field past the word's end, ""
// for any other item.
std::string ModeText_Cha(const std::string& modeHex, int item);

// The text of code 0-15 for option item 1-11: "No Corresponding Data" for a code without
// text, "" for any other item.
std::string ParmZr4_CodeText(int item, unsigned code);
// The code of an option text of item 1-11, nullopt for a text not in the item's table.
std::optional<uint8_t> ParmZr4_OptionCode(int item, std::string_view text);

// The option word of the group starting at row firstRow (1, 5 or 8) from the texts of its
// rows, texts[0] for the first row (4 texts, 3 for group 5; more are ignored): 4 upper-case
// hexadecimal digits, "NG_DATA" when a text is missing, empty or not its row's, "" for
// another firstRow. A word is whole or not made, so a block is never shifted.
std::string PrmZ4_TextCodesub(int firstRow, std::span<const std::string> texts);

// Words 0-2 from the texts of rows 1-11 (texts[0] = row 1); nullopt when a group gives "NG_DATA".
std::optional<std::array<std::string, 3>> ParmZr4_OptionWords(std::span<const std::string, 11> texts);

} // namespace posmod
