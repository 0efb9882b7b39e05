#pragma once
// The setting data dialog of the four-axis commands without its widgets: seven rows of
// data per axis, which of them the command and the checked axes need, the checks of the
// entries, the hexadecimal/decimal display and the data block it hands to the send.
#include <array>
#include <cstdint>
#include <string>

#include "control/ControlWords.h"
#include "shared/Messages.h"
#include "shared/Public.h"

namespace posmod {

inline constexpr int kZ4DataAxes = 4;
inline constexpr int kZ4DataRows = 7;
inline constexpr const char* kZ4DataCaption = "Setting data assignment";
inline constexpr int kZ4DataTitleBytes = 22; // axis names on the column titles
inline constexpr uint8_t kZ4DataOk = 0;
inline constexpr uint8_t kZ4DataCancelled = 99;

// Rows 0-4 hold one 16-bit word, rows 5 and 6 a 32-bit value.
constexpr bool Z4DataRow_Is32(int row) { return row >= 5; }
constexpr int Z4DataRow_MaxLength(int row) { return Z4DataRow_Is32(row) ? 11 : 5; }
// The text at load: "0000" or "00000000".
const char* Z4DataRow_Default(int row);
// The row label of an axis (0-3 = A-D): "Dwell 2", "Control data 1", "Control data2" ...
std::string Z4DataRow_Label(int axis, int row);

using Z4DataFlags = std::array<std::array<bool, kZ4DataRows>, kZ4DataAxes>;

// The fields enabled for a command (8, 9 or 10) and an axis mask: every row of a checked
// axis, less row 6 for 8 and 9, less rows 0-4 of the checked axes after the first for 9
// and of the second checked axis for 10.
Z4DataFlags Z4Data_Enabled(int command, uint8_t mask);

class Z4DataForm {
public:
    explicit Z4DataForm(MessageSink& msg) : msg_(msg) {}

    // Fresh state for p.Z4CommandIndex and p.Z4AxisMask: defaults in hexadecimal display in the
    // enabled fields, the disabled ones empty; column titles from the axis names.
    void Form_Load(const Public& p);

    // Every enabled field, first the digit check of each, then the size check of each
    // (A to D, row 0 to 6); the first failing field shows its message. Decimal values are
    // read in 64 bits: a 16-bit row takes 0..65535, a 32-bit row -2147483648..2147483647.
    bool SetData_Check(bool decimalMode);

    // The user chose the other display. Converts every non-empty field, or on a failed check
    // keeps the texts and goes back to the display that was chosen (hexDisplay tells which).
    void HexZ4Option_Click();
    void DecZ4Option_Click();

    // "OK": true (Z4DataBlock written, Z4DataCancel 0) when the dialog may unload; false after
    // a message, with every field as it was.
    bool DataSetCommand_Click(Public& p);
    // "Cancel", and the close box (unloadMode 0).
    static void DataCancelCommand_Click(Public& p);
    static void Form_QueryUnload(Public& p, int unloadMode);

    // The block of the non-empty fields, axis A to D, row 0 to 6: a word per 16-bit row, two
    // per 32-bit row (low word first). Only meaningful after a passed check.
    std::string DataBlock() const;

    std::array<std::array<std::string, kZ4DataRows>, kZ4DataAxes> SeText;
    Z4DataFlags enabled{};
    std::array<std::string, kZ4DataAxes> JikLabel;
    bool hexDisplay = true;
    bool HexClickSkip = false;
    bool DecClickSkip = false;

private:
    MessageSink& msg_;
};

} // namespace posmod
