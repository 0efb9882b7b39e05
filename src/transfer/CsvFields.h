#pragma once
// What every CSV file of the tool shares: a file is one stream of fields (a comma and a line
// end both end a field, an empty line carries none, no quotes, no trimming), lines are
// written with CR LF, and the outcomes and messages of reading and saving.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shared/MessageTexts.h"

namespace posmod {

// The largest CSV file read; a full four-axis transfer file is about 100 kB.
inline constexpr std::size_t kCsvMaxBytes = 8u << 20;

inline constexpr const char* kFileWriteErrorMessage = "File Write Error Occurred";
inline constexpr const char* kFileReadErrorMessage = "File Read Error Occurred";

// How reading a file ended: Ok, or refused with a message. Failed is a file that could
// not be read or does not fit the tables (a record cut off, a key or value outside them,
// more rows than they hold).
enum class CsvRead { Ok, Failed, NumericError, LimitError, NoData };
// The message of a refusal ("" for Ok); a read error names the line it stopped at, when
// it is known (line > 0).
std::string CsvRead_Message(CsvRead r, int line = 0);

// One field of a file and the line (from 1) it stands on.
struct CsvField {
    std::string text;
    int line = 0;
};

// The fields of a file's bytes in file order. A UTF-8 byte-order mark is dropped; a line
// that is not valid UTF-8 is decoded from the legacy double-byte code page (CP932), so
// names written by the original platform arrive intact.
std::vector<CsvField> CsvFields_Split(std::string_view bytes);

// Fields taken one by one; reading past the last one is the failure of a truncated record.
class CsvFieldStream {
public:
    explicit CsvFieldStream(std::vector<CsvField> fields) : fields_(std::move(fields)) {}
    bool atEnd() const { return next_ >= fields_.size(); }
    // The next field into out; false (out unchanged) at the end.
    bool next(std::string& out)
    {
        if (atEnd()) return false;
        out = fields_[next_++].text;
        return true;
    }
    // Skips n fields; false when the file ends first.
    bool skip(int n)
    {
        std::string dropped;
        for (int i = 0; i < n; ++i)
            if (!next(dropped)) return false;
        return true;
    }
    // The last field read ("" before the first).
    const std::string& last() const
    {
        static const std::string none;
        return next_ > 0 ? fields_[next_ - 1].text : none;
    }
    // The line of the last field read (0 before the first): where a reader stopped.
    int line() const { return next_ > 0 ? fields_[next_ - 1].line : 0; }
    // A reader's failure at the line it stopped at, into *at when asked for.
    CsvRead failed(int* at) const
    {
        if (at) *at = line();
        return CsvRead::Failed;
    }

private:
    std::vector<CsvField> fields_;
    std::size_t next_ = 0;
};

// An axis name as a field: a comma, CR or LF would split it, so each is written as a blank.
std::string CsvAxisNameField(const std::string& name);

// The text of a file being written: each line ends with CR LF.
class CsvText {
public:
    void line(std::string_view text)
    {
        bytes_.append(text);
        bytes_.append("\r\n");
    }
    // key "," a "," b
    void record(std::string_view key, std::string_view a, std::string_view b)
    {
        bytes_.append(key).append(",").append(a).append(",").append(b).append("\r\n");
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// A value field that will become words sent to the module: 1 to maxDigits hexadecimal
// digits. Empty or holding any other character (a blank too): NumericError; more digits:
// LimitError.
CsvRead CsvHexWord_Check(const std::string& text, std::size_t maxDigits);

// A decimal cell as the writers take it: its leading number (0 without one, a minus sign
// allowed) as upper-case hexadecimal digits without leading zeros, a negative number as its
// 32-bit two's complement. false when the number does not fit signed 32 bits.
bool CsvDecimalCell_Hex(const std::string& text, std::string& hex);

// A field made only of decimal digits (at least one) and its value, or false.
bool CsvDecimalField(const std::string& text, int& value);

} // namespace posmod
