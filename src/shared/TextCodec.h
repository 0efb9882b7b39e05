#pragma once
// Text files as the tool reads and writes them. New files are UTF-8. A file carried over
// from the original platform is in its double-byte code page (CP932): each line that is
// not valid UTF-8 is decoded from CP932, so a stray byte in one line leaves the others
// intact. Every line keeps its bytes as read, so what nobody changed can be written back
// byte for byte.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace posmod {

enum class TextEncoding { Utf8, Cp932 };

struct TextLine {
    std::string bytes;      // as read, without the line end
    std::string text;       // UTF-8; bytes that could not be decoded are U+FFFD
    // How the line is written again: Cp932 for a line that is not valid UTF-8, Utf8 for
    // one that is and holds more than ASCII; a line of plain ASCII fits both and takes the
    // encoding of its file.
    TextEncoding encoding = TextEncoding::Utf8;
};

struct TextFile {
    std::vector<TextLine> lines;
    // Cp932 when any line is not valid UTF-8.
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;  // the bytes started with a UTF-8 mark (not part of a line)
};

// The lines of a file's bytes, ended by CR LF, LF or CR; a last line without an end
// counts too.
TextFile decodeTextFile(std::string_view bytes);

// CP932 bytes as UTF-8; a byte that starts no CP932 character becomes U+FFFD.
std::string cp932ToUtf8(std::string_view bytes);
// UTF-8 text as CP932; nullopt when a character has no CP932 form or the text is not
// valid UTF-8.
std::optional<std::string> utf8ToCp932(std::string_view text);
// The bytes of text in encoding; UTF-8 where the text does not fit CP932.
std::string encodeText(std::string_view text, TextEncoding encoding);

} // namespace posmod
