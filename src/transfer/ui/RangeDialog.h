#pragma once
// What the step-range dialogs share: the entries "StepText(0)" ~ "StepText(1)", the OK
// and Cancel buttons, the check of the typed pair, and where a showing places them.
#include <QDialog>
#include <array>
#include <cstdint>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace posmod {

class MessageSink;

// Name, caption and the frame of a dialog without a help button.
void RangeDialog_Setup(QDialog* d, const char* name, const char* caption);
// The two entries (maxLength 0: no limit) and the "~" label between them, Label3.
void NewStepPair(QDialog* d, std::array<QLineEdit*, 2>& texts, QLabel*& tilde, int maxLength);
// OK (the default button) and Cancel, right-aligned in the returned row.
QHBoxLayout* NewOkCancel(QDialog* d, QPushButton*& ok, const char* okName, QPushButton*& cancel);
// The steps typed; on an entry error its message is shown and false returned.
bool StepPair_Read(const std::array<QLineEdit*, 2>& texts, MessageSink& msg, int32_t& first, int32_t& last);

} // namespace posmod
