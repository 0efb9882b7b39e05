#include "control/Z4Data.h"

#include <optional>

#include "shared/Conversions.h"

namespace posmod {

namespace {

constexpr const char* kRowNames[kZ4DataRows] = {
    "Control data", "Dwell", "Acceleration time", "Deceleration time", "Velocity",
    "Target position data", "Circular interpolation"};

// Hexadecimal of a decimal entry: a negative value as 32-bit two's complement.
std::string hexOfValue(int64_t v)
{
    return v < 0 ? hexText(static_cast<uint32_t>(v), 8) : hexText(static_cast<uint64_t>(v));
}

// The size check of one entry that passed its digit check.
bool fitsRow(const std::string& text, int row, bool decimalMode)
{
    if (!decimalMode) return text.size() <= (Z4DataRow_Is32(row) ? 8u : 4u);
    const std::optional<int64_t> v = signedDecimalValue(text);
    if (!v) return false;
    if (Z4DataRow_Is32(row)) return *v >= INT32_MIN && *v <= INT32_MAX;
    return *v >= 0 && *v <= 0xFFFF;
}

// The hexadecimal form of an entry as it goes into the block or the hexadecimal display.
std::string hexOfEntry(const std::string& text, int row, bool decimalMode)
{
    std::string h = decimalMode ? hexOfValue(signedDecimalValue(text).value_or(0)) : text;
    return Z4DataRow_Is32(row) ? Hex8_Zero(h) : Hex4_Zero(h);
}

} // namespace

const char* Z4DataRow_Default(int row) { return Z4DataRow_Is32(row) ? "00000000" : "0000"; }

std::string Z4DataRow_Label(int axis, int row)
{
    if (row < 0 || row >= kZ4DataRows || axis < 0 || axis >= kZ4DataAxes) return "";
    const std::string number = std::to_string(axis + 1);
    // Only axis A's first row has a blank before its number.
    if (row == 0) return std::string(kRowNames[0]) + (axis == 0 ? " " : "") + number;
    return std::string(kRowNames[row]) + " " + number;
}

Z4DataFlags Z4Data_Enabled(int command, uint8_t mask)
{
    // The mask taken apart from the top, as the dialog always did.
    std::array<bool, kZ4DataAxes> on{};
    int rest = mask;
    if (rest > 7) { on[3] = true; rest -= 8; }
    if (rest > 3) { on[2] = true; rest -= 4; }
    if (rest > 1) { on[1] = true; rest -= 2; }
    if (rest != 0) on[0] = true;

    Z4DataFlags en{};
    for (int a = 0; a < kZ4DataAxes; ++a) en[a].fill(on[a]);
    int seen = 0; // checked axes before this one
    for (int a = 0; a < kZ4DataAxes; ++a) {
        if (!on[a]) continue;
        if (command == 8 || command == 9) en[a][6] = false;
        const bool cutHead = (command == 9 && seen >= 1) || (command == 10 && seen == 1);
        if (cutHead)
            for (int r = 0; r <= 4; ++r) en[a][r] = false;
        ++seen;
    }
    return en;
}

void Z4DataForm::Form_Load(const Public& p)
{
    enabled = Z4Data_Enabled(p.Z4CommandIndex, p.Z4AxisMask);
    for (int a = 0; a < kZ4DataAxes; ++a) {
        for (int r = 0; r < kZ4DataRows; ++r) SeText[a][r] = enabled[a][r] ? Z4DataRow_Default(r) : "";
        JikLabel[a] = StrByte_Cut(p.set.AxisName[a], kZ4DataTitleBytes);
    }
    hexDisplay = true;
    HexClickSkip = DecClickSkip = false;
}

bool Z4DataForm::SetData_Check(bool decimalMode)
{
    for (int pass = 0; pass < 2; ++pass) {
        for (int a = 0; a < kZ4DataAxes; ++a) {
            for (int r = 0; r < kZ4DataRows; ++r) {
                if (!enabled[a][r]) continue;
                const std::string& t = SeText[a][r];
                const bool ok = pass == 0 ? NumText_Check(t, decimalMode) : fitsRow(t, r, decimalMode);
                if (!ok) {
                    msg_.show(ControlCheck_Message(pass == 0 ? ControlCheck::Numeric : ControlCheck::Limit),
                              MsgIcon::Exclamation);
                    return false;
                }
            }
        }
    }
    return true;
}

void Z4DataForm::HexZ4Option_Click()
{
    // Choosing the display already shown changes nothing.
    if (HexClickSkip || hexDisplay) return;
    DecClickSkip = false;
    if (!SetData_Check(true)) {
        // Back to decimal; choosing it again must not convert.
        DecClickSkip = true;
        hexDisplay = false;
        DecZ4Option_Click();
        return;
    }
    for (int a = 0; a < kZ4DataAxes; ++a)
        for (int r = 0; r < kZ4DataRows; ++r)
            if (!SeText[a][r].empty()) SeText[a][r] = hexOfEntry(SeText[a][r], r, true);
    hexDisplay = true;
}

void Z4DataForm::DecZ4Option_Click()
{
    if (DecClickSkip || !hexDisplay) return;
    HexClickSkip = false;
    if (!SetData_Check(false)) {
        HexClickSkip = true;
        hexDisplay = true;
        HexZ4Option_Click();
        return;
    }
    for (int a = 0; a < kZ4DataAxes; ++a) {
        for (int r = 0; r < kZ4DataRows; ++r) {
            std::string& t = SeText[a][r];
            if (t.empty()) continue;
            const auto n = static_cast<uint8_t>(t.size());
            t = Z4DataRow_Is32(r) ? HexToDecSign(t, n) : HexToDec(t, n);
        }
    }
    hexDisplay = false;
}

std::string Z4DataForm::DataBlock() const
{
    std::string block;
    for (int a = 0; a < kZ4DataAxes; ++a) {
        for (int r = 0; r < kZ4DataRows; ++r) {
            const std::string& t = SeText[a][r];
            if (t.empty()) continue;
            const std::string h = hexOfEntry(t, r, !hexDisplay);
            block += Z4DataRow_Is32(r) ? h.substr(4, 4) + h.substr(0, 4) : h;
        }
    }
    return block;
}

bool Z4DataForm::DataSetCommand_Click(Public& p)
{
    if (!SetData_Check(!hexDisplay)) return false;
    p.Z4DataBlock = DataBlock();
    p.Z4DataCancel = kZ4DataOk;
    return true;
}

void Z4DataForm::DataCancelCommand_Click(Public& p) { p.Z4DataCancel = kZ4DataCancelled; }

void Z4DataForm::Form_QueryUnload(Public& p, int unloadMode)
{
    if (unloadMode == 0) p.Z4DataCancel = kZ4DataCancelled;
}

} // namespace posmod
