#pragma once
// The rules of in-place cell editing that need no widget: what a typed entry may hold, how a
// value is shown in either display, which keys on the grid open the edit box, and the rule
// table an editor gives the editing layer (which cells take the box or the option list, how
// their values are checked and shown, where each key in the box moves).
#include <cstdint>
#include <optional>
#include <string>

#include "shared/Grid.h"
#include "shared/Public.h"

namespace posmod {

// The form of a value cell: its width and whether zero is allowed. None: a text that is
// never checked nor converted (names, option texts, details).
enum class ValueForm : uint8_t {
    None,
    Word,         // 16 bits, up to 4 hex digits, unsigned in decimal, zero allowed
    WordNonZero,  // 16 bits, 1-4 hex digits, not zero
    Long,         // 32 bits, up to 8 hex digits (high word first), signed in decimal
};

inline bool IsLong(ValueForm f) { return f == ValueForm::Long; }

enum class EntryError : uint8_t { None, Numeric, Limit };

// "Data Numeric Error", "Data Limit Error"; "" for None.
const char* EntryError_Text(EntryError e);

struct EntryResult {
    EntryError error = EntryError::None;
    // The entry as upper-case hexadecimal digits (no padding); empty for an empty entry.
    std::string hex;
    bool ok() const { return error == EntryError::None; }
};

// The check of a typed entry against the form of its cell, in the display it was typed in.
// An empty entry passes. Characters the display does not allow: Numeric. The hex form (a
// decimal entry taken as a signed 32-bit number, a negative one as 8 digits of two's
// complement; outside 32 bits signed: Limit), then: more digits than the form holds, or
// zero where zero is refused: Limit.
EntryResult EntryData_Check(ValueForm form, bool decimal, const std::string& text);

// A cell text shown in the other display. Empty stays empty. To decimal: the hex digits'
// value with the text's length as digit count, unsigned for a Word, signed for a Long
// (8 digits starting 8-F are negative). To hexadecimal: the decimal value in upper-case
// hex, padded to 4 digits (Word) or 8 (Long; a negative value as two's complement). A text
// that is not a number of the display it comes from is left as it is.
std::string DisplayText_ToDec(ValueForm form, const std::string& hexText);
std::string DisplayText_ToHex(ValueForm form, const std::string& decText);

// A character typed on the grid over an editable cell: Enter opens the box holding the
// cell's text, selected; 0-9, A-F, a-f (and "-" in decimal display) open it holding that
// character, the caret after it; any other character is ignored.
enum class GridKeyOpen : uint8_t { Ignore, WithCellText, WithChar };
GridKeyOpen GridKey_Opens(int keyAscii, bool decimal);

// What lies over a cell when it becomes current.
enum class CellKind : uint8_t {
    Fixed,   // nothing: labels, current data, numbers
    Edit,    // the edit box
    Option,  // the option list; a choice is written into the cell, "Cancel" empties it
    Detail,  // the option list for reading only; a choice writes nothing
};

struct CellRule {
    CellKind kind = CellKind::Fixed;
    ValueForm form = ValueForm::None;  // how the text is checked and shown (any kind)
};

// The keys that end an entry in the box.
enum class EditKey : uint8_t { Enter, Left, Up, Right, Down };

// What a key in the box does after its entry passed the check: commit it into the cell the
// box was laid on, then make (row, col) the current cell. No commit: the entry stays in
// the box and the key goes to the box (the caret moves).
struct KeyMove {
    bool commit = true;
    int row = 0;
    int col = 0;
};

// An editor's cells and moves, for one grid of its grids (they share one table).
class EditRules {
public:
    virtual ~EditRules() = default;
    virtual CellRule cell(const GridCells& g, int row, int col) const = 0;
    virtual KeyMove move(const GridCells& g, EditKey key, int row, int col) const = 0;
    // The choices laid over an Option or Detail cell into list (entries 0..lastIndex, entry
    // 10 the last index; entry 0 "NO_DATA" offers nothing). The default offers nothing.
    virtual void options(const GridCells& g, int row, int col, bool decimal, Public::OptionListArray& list) const;
};

// Every value cell of a grid (rows 1 and below, every column whose rule has a form) shown in
// the other display; headers and texts without a form are left alone.
void GridDisplay_Convert(GridCells& g, const EditRules& rules, bool toDecimal);

// The text a cell takes from an option list: the chosen entry, "" for "Cancel".
std::string OptionChoice_Text(const std::string& entry);

} // namespace posmod
