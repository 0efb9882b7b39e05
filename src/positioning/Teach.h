#pragma once
// Teaching a step of the four-axis model: the dialog's checks, the command texts, the
// exchange with the module, and the read-back the editor makes of the taught step.
#include <array>
#include <optional>
#include <string>

#include "shared/Grid.h"
#include "shared/Public.h"

namespace posmod {

class LinkOps;
class MessageSink;
class MousePointer;
class TaskOps;

enum class TeachError { None, Axes, StepEmpty, Numeric, Limit };

// "Selected axes Setting", "Selected Step No Setting", "Data Numeric Error",
// "Step No. Limit Error"; "" for None.
const char* TeachError_Text(TeachError e);

// The dialog's checks in their order: an axis ticked (mask A 1, B 2, C 4, D 8), a step typed,
// decimal digits with an optional leading minus, 0-255 (a number of any size refused). On
// None, step holds the step.
TeachError Teach_Check(int axisMask, const std::string& stepText, int& step);

// The step as 4 upper-case hex digits; "890" and the mask's hex digit.
std::string Teach_StepNo(int step);
std::string Teach_StepCmd(int axisMask);

// The command of a checked step and mask: Z4StepNo and Z4StepCmd set, Z4StepData emptied;
// the link opened (nothing more when it does not open), the opening task and the teaching
// task, the pointer an hourglass meanwhile; "Complete transmission" (no icon) and Z4StepData
// "OK" when both passed; then the exchange ended and the link closed. True when confirmed.
bool Teach_Send(Public& p, int step, int axisMask, LinkOps& link, TaskOps& tasks, MessageSink& messages,
                MousePointer* pointer);

// After the dialog: the step the editor reads back, on module data only, when the command was
// confirmed and the step lies in the editor's step window.
std::optional<int> Teach_ReadBackStep(const Public& p);

// The taught step's Current row of every grid from the four-axis store, written in the display
// in force.
void Teach_FillStep(const std::array<GridCells*, 4>& grids, const Public& p, int step, bool decimal);

} // namespace posmod
