#pragma once
// Conversions of the hexadecimal texts the tool holds, stores and sends.
// Texts are UTF-8. Digits a-f are taken as A-F; produced texts are upper case.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace posmod {

// The longest leading part of text that fits in maxBytes, a code point up to U+00FF
// counting 1 byte and any other 2. Stops at the first character that does not fit.
std::string StrByte_Cut(std::string text, uint8_t maxBytes);

// Pairs of digits to bytes; an odd text gets a "0" appended. Refuses (false, bytes
// emptied) an empty text or one holding anything but hexadecimal digits.
bool HexStr_ToBytes(std::string hexText, std::vector<uint8_t>& bytes);

// Four bits per digit of the first 2 x byteCount characters; other characters add nothing.
std::string HexToBin(const std::string& hexText, uint8_t byteCount);
// One digit per group of four "0"/"1" characters, bitCount \ 4 groups.
std::string BinToHex(const std::string& bits, uint8_t bitCount);

// Leading zeros up to 2, 3, 4 or 8 characters, in place; never cut.
std::string& Hex2_Zero(std::string& text);
std::string& Hex3_Zero(std::string& text);
std::string& Hex4_Zero(std::string& text);
std::string& Hex8_Zero(std::string& text);

// Unsigned decimal text of the first `digits` characters; a short text counts as
// filled with zeros on the right ("FF", 4 -> 65280).
std::string HexToDec(const std::string& hexText, uint8_t digits);
// As HexToDec, less 4294967296 when digits >= 8 and the first digit is 8-F.
std::string HexToDecSign(const std::string& hexText, uint8_t digits);

// Exactly width characters: zeros in front, or the rightmost width characters.
std::string ZeroFill_Len(const std::string& text, uint8_t width);

// A typed entry: decimal (digits, a leading minus on a longer text) or hexadecimal digits.
bool NumText_Check(const std::string& text, bool decimalMode);

// --- helpers ---

// Value of the leading decimal digits of text (0 when it has none); nullopt when the
// number does not fit in 64 bits.
std::optional<int64_t> decimalValue(const std::string& text);
// As decimalValue, with an optional minus sign in front of the digits.
std::optional<int64_t> signedDecimalValue(const std::string& text);
// Value of a text made only of hexadecimal digits; nullopt for an empty text, any
// other character, or more than 16 significant digits.
std::optional<uint64_t> hexValue(const std::string& text);
// Upper-case hexadecimal digits of value, zeros in front up to width characters;
// never cut ("0" for zero at the default width).
std::string hexText(uint64_t value, std::size_t width = 1);
// True when every character is a hexadecimal digit (an empty text too).
bool isHexText(std::string_view text);
// Value 0-15 of a hexadecimal digit, -1 for any other character.
int hexDigitValue(char c);
// Number of code points of a UTF-8 text (a stray byte counts as one).
std::size_t utf8Length(const std::string& text);
// The code points first .. first + count - 1 (0-based) of a UTF-8 text.
std::string utf8Mid(const std::string& text, std::size_t first, std::size_t count = std::string::npos);
// True when text is well-formed UTF-8.
bool isValidUtf8(const std::string& text);
// Lines ended by CR LF, LF or CR; a last line without an end counts too.
std::vector<std::string> splitLines(const std::string& text);
// Upper-case of the ASCII letters; other bytes unchanged.
std::string asciiUpper(std::string text);
// Case-blind comparison of ASCII letters.
bool equalsNoCase(std::string_view a, std::string_view b);

// Hex text of a current-data cell as shown: unchanged in hex display, else its decimal
// value, signed for a 32-bit item. Empty stays empty.
std::string CurrentCellText(const std::string& hex, bool twoWord, bool decimal);

} // namespace posmod
