#include "control/ControlWords.h"

#include "main/TaskNumbers.h"
#include "shared/Conversions.h"
#include "shared/MessageTexts.h"

namespace posmod {

const char* ControlCheck_Message(ControlCheck c)
{
    switch (c) {
    case ControlCheck::Numeric: return kNumericErrorMessage;
    case ControlCheck::Limit: return kLimitErrorMessage;
    case ControlCheck::NoAxes: return kNoAxesMessage;
    case ControlCheck::NotTwoAxes: return "Two axes Setting";
    case ControlCheck::Ok:
    case ControlCheck::Cancelled:
    case ControlCheck::NoCommand: break;
    }
    return "";
}

std::string SeigyoCmd_Caption(const std::string& modelText)
{
    return "Control command transmit(" + modelText + ")";
}

const std::array<StepCommand, 14> kSeigyoJVCommands = {{
    {"Homing", "0100", -1},
    {"Manual operation", "0200", -1},
    {"Forward manual operation", "0300", -1},
    {"Forward JOG operation", "0301", -1},
    {"Reverse manual operation", "0310", -1},
    {"Reverse JOG operation", "0311", -1},
    {"Automatic step operation", "04", 0},
    {"Automatic cycle operation", "05", 1},
    {"Automatic continuous cycle operation", "06", 2},
    {"Deceleration stop", "0700", -1},
    {"Emergency stop", "07FF", -1},
    {"Velocity change", "8000", -1},
    {"Velocity and position data specified automatic step operation", "84", 3},
    {"Set initial command to CR", "5100", -1},
}};

// The X words; the Y word adds 2000 hex (Y_Word below).
const std::array<StepCommand, 10> kSeigyo7WCommands = {{
    {"Deceleration stop", "0000", -1},
    {"Homing", "0100", -1},
    {"manual 1", "0200", -1},
    {"manual 2", "03", 0},
    {"Auto 1", "04", 1},
    {"Auto 2", "05", 2},
    {"Auto 3", "06", 3},
    {"Undefined", "07", 4},
    {"Stop", "8000", -1},
    {"Set initial command to CR", "1100", -1},
}};

ControlCheck Step_Check(const std::string& text, std::string& ss)
{
    if (!NumText_Check(text, true)) return ControlCheck::Numeric;
    const std::optional<int64_t> n = signedDecimalValue(text);
    if (!n || *n < 0 || *n > kLastStep) return ControlCheck::Limit;
    ss = hexText(static_cast<uint64_t>(*n), 2);
    return ControlCheck::Ok;
}

namespace {

template <std::size_t N, std::size_t F>
ComposedWord composeStep(const std::array<StepCommand, N>& table, int index,
                         const std::array<std::string, F>& stepTexts)
{
    ComposedWord out;
    if (index < 0 || index >= static_cast<int>(N)) {
        out.check = ControlCheck::NoCommand;
        return out;
    }
    const StepCommand& c = table[static_cast<std::size_t>(index)];
    out.word = c.word;
    if (c.stepField >= 0) {
        std::string ss;
        out.check = Step_Check(stepTexts[static_cast<std::size_t>(c.stepField)], ss);
        out.word = out.check == ControlCheck::Ok ? out.word + ss : std::string();
    }
    return out;
}

// The first digit is 0 or 8 in every X word, so adding 2000 hex never carries out.
std::string Y_Word(const std::string& x)
{
    return hexText((hexValue(x).value_or(0) + 0x2000) & 0xFFFF, 4);
}

} // namespace

ComposedWord SeigyoJV_Compose(int index, const std::array<std::string, 4>& stepTexts)
{
    return composeStep(kSeigyoJVCommands, index, stepTexts);
}

ComposedWord Seigyo7W_Compose(int index, bool yAxis, const std::array<std::string, 5>& stepTexts)
{
    ComposedWord out = composeStep(kSeigyo7WCommands, index, stepTexts);
    if (out.check == ControlCheck::Ok && yAxis && index != kSeigyo7WInitial) out.word = Y_Word(out.word);
    return out;
}

const std::array<Z4Command, 15> kSeigyoZ4Commands = {{
    {"Homing", "010", 0, {}},
    {"high speed. Forward manual operation", "020", 0, {}},
    {"low speed. Forward manual operation", "021", 0, {}},
    {"Forward JOG operation", "022", 1, {{{"Pulses", "", 5}}}},
    {"high speed. Reverse manual operation", "028", 0, {}},
    {"low speed. Reverse manual operation", "029", 0, {}},
    {"Reverse JOG operation", "02A", 1, {{{"Pulses", "", 5}}}},
    {"Automatic step operation", "030", 1, {{{"Step No", "Step", 3}}}},
    {"Velocity and position data specified operation", "040", 0, {}},
    {"Direct linear interpolation", "050", 0, {}},
    {"Direct circular interpolation", "051", 0, {}},
    {"Automatic step cycle operation", "060", 3,
     {{{"Starting step", "Step", 3}, {"Ending step", "Step", 3}, {"Repeat No", "", 3}}}},
    {"Deceleration stop", "070", 0, {}},
    {"Emergency stop", "07F", 0, {}},
    {"Set initial command to CR", "000", 0, {}},
}};

bool Z4Command_UsesDialog(int index) { return index >= 8 && index <= 10; }

uint8_t Z4AxisMask_Of(const std::array<bool, 4>& checked)
{
    uint8_t mask = 0;
    for (std::size_t k = 0; k < 4; ++k)
        if (checked[k]) mask = static_cast<uint8_t>(mask | (1u << k));
    return mask;
}

std::string Z4ControlWord(int index, uint8_t mask)
{
    if (index < 0 || index >= static_cast<int>(kSeigyoZ4Commands.size())) return "";
    if (index == kZ4Initial) return "0000";
    return std::string(kSeigyoZ4Commands[static_cast<std::size_t>(index)].code) + hexText(mask & 0xFu, 1);
}

ControlCheck Z4Submit_Compose(Public& p, const std::array<bool, 4>& checked,
                              const std::array<std::string, 3>& fieldTexts,
                              const std::function<void()>& showDataDialog)
{
    const int index = p.Z4CommandIndex;
    if (index < 0 || index >= static_cast<int>(kSeigyoZ4Commands.size())) return ControlCheck::NoCommand;
    int count = 0;
    for (bool c : checked) count += c ? 1 : 0;
    if (count == 0 && index != kZ4Initial) return ControlCheck::NoAxes;
    if (index == kZ4Circular && count != 2) return ControlCheck::NotTwoAxes;
    p.Z4AxisMask = Z4AxisMask_Of(checked);

    if (Z4Command_UsesDialog(index)) {
        // A dialog that never answers counts as cancelled, so nothing goes out on stale data.
        p.Z4DataCancel = 99;
        if (showDataDialog) showDataDialog();
        if (p.Z4DataCancel == 99) return ControlCheck::Cancelled;
    }

    const Z4Command& cmd = kSeigyoZ4Commands[static_cast<std::size_t>(index)];
    std::array<std::string, 3> words;
    for (int k = 0; k < cmd.fieldCount; ++k) {
        const std::string& text = fieldTexts[static_cast<std::size_t>(k)];
        if (!NumText_Check(text, true)) return ControlCheck::Numeric;
        // A value outside one word would become a sub-word of five or more digits.
        const std::optional<int64_t> v = signedDecimalValue(text);
        if (!v || *v < 0 || *v > 0xFFFF) return ControlCheck::Limit;
        words[static_cast<std::size_t>(k)] = hexText(static_cast<uint64_t>(*v), 4);
    }

    p.ControlWord = Z4ControlWord(index, p.Z4AxisMask);
    if (cmd.fieldCount > 0) {
        p.Z4SubData1 = words[0];
        p.Z4SubData2 = words[1];
        p.Z4SubData3 = words[2];
    }
    return ControlCheck::Ok;
}

} // namespace posmod
