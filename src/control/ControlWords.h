#pragma once
// The control words of the command windows: the commands of each model family, their step
// and sub-command fields, the checks of what was typed and the composition of the word.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "shared/Public.h"

namespace posmod {

// Why a "Submit" stopped before the link was touched.
enum class ControlCheck {
    Ok,
    Numeric,    // "Data Numeric Error"
    Limit,      // "Data Limit Error"
    NoAxes,     // "Selected axes Setting"
    NotTwoAxes, // "Two axes Setting"
    Cancelled,  // the data dialog was cancelled: no message
    NoCommand,  // no command chosen: no message, nothing sent
};

// The message box text of a check ("" for Ok, Cancelled and NoCommand); every one is
// shown with the exclamation icon.
const char* ControlCheck_Message(ControlCheck c);

// Byte limits of the axis names on the axis options and check boxes.
inline constexpr int kAxisOptionBytes = 40;
inline constexpr int kAxisCheckBytes = 14;

inline constexpr const char* kSeigyoJVCaption = "Control command transmit (JV-ZR)";
// The two-axis and four-axis window caption: "Control command transmit(<model>)".
std::string SeigyoCmd_Caption(const std::string& modelText);

// ---- one-axis and two-axis windows ----------------------------------------------------------

struct StepCommand {
    const char* caption;
    const char* word; // the whole word, or the two-digit prefix of a step command
    int stepField;    // 0-based step field (SeigyoText<n + 1>), -1 for none
};

extern const std::array<StepCommand, 14> kSeigyoJVCommands;
extern const std::array<StepCommand, 10> kSeigyo7WCommands;
// "Set initial command to CR": only the connection's initial word is sent.
inline constexpr int kSeigyoJVInitial = 13;
inline constexpr int kSeigyo7WInitial = 9;
inline constexpr int kStepTextMaxLength = 3;

// A step as typed: decimal digits with an optional leading minus, then 0..255. On Ok, ss
// holds the step as two upper-case hexadecimal digits; otherwise it is left alone.
ControlCheck Step_Check(const std::string& text, std::string& ss);

struct ComposedWord {
    ControlCheck check = ControlCheck::Ok;
    std::string word; // four upper-case digits when check is Ok
};

// The word of command index (the first chosen option); stepTexts are the window's step fields.
ComposedWord SeigyoJV_Compose(int index, const std::array<std::string, 4>& stepTexts);
// Y axis: the X word plus 2000 hex, but "Set initial command to CR" is the same for both.
ComposedWord Seigyo7W_Compose(int index, bool yAxis, const std::array<std::string, 5>& stepTexts);

// ---- four-axis window -----------------------------------------------------------------------

struct Z4SubField {
    const char* name; // FLabel caption
    const char* unit; // BLabel caption
    int maxLength;
};

struct Z4Command {
    const char* caption;
    const char* code; // three digits; the axis mask digit follows
    int fieldCount;   // sub-command fields 0..fieldCount-1
    std::array<Z4SubField, 3> fields;
};

extern const std::array<Z4Command, 15> kSeigyoZ4Commands;
inline constexpr int kZ4Initial = 14;  // "Set initial command to CR": word 0000, no axis needed
inline constexpr int kZ4Circular = 10; // "Direct circular interpolation": exactly two axes
// The design length of every sub-command field; a command's own table may set field 0 longer.
inline constexpr int kZ4SubTextMaxLength = 3;

// Commands 8, 9 and 10 carry a block of setting data from the data dialog.
bool Z4Command_UsesDialog(int index);

// Sum of the checked axes, A = 1, B = 2, C = 4, D = 8.
uint8_t Z4AxisMask_Of(const std::array<bool, 4>& checked);

// The control word of a command for a mask: code & mask as one upper-case digit; "0000" for
// "Set initial command to CR"; "" for an index outside 0..14.
std::string Z4ControlWord(int index, uint8_t mask);

// "Submit"'s checks and composition, before anything is locked, for p.Z4CommandIndex:
// no axis (but for command 14), not two axes for command 10, then Z4AxisMask, then the data
// dialog for commands 8-10 (cancelled when it leaves Z4DataCancel at 99), then each
// sub-command field in turn: its digit check, then 0..65535.
// On Ok, ControlWord and the command's sub-words are set (one-field commands empty the other
// two); on any other result they are as they were.
ControlCheck Z4Submit_Compose(Public& p, const std::array<bool, 4>& checked,
                              const std::array<std::string, 3>& fieldTexts,
                              const std::function<void()>& showDataDialog);

} // namespace posmod
