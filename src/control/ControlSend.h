#pragma once
// "Submit" and "St_Reg" of the control windows over the link: the order of the lock, the
// pointer, the link's opening and closing, the tasks and the messages. The window supplies
// what only it can do (ControlUi) and the values of its controls.
#include <array>
#include <string>

#include "control/ControlWords.h"
#include "control/StatusDecode.h"
#include "main/LinkApi.h"
#include "shared/FormNumbers.h"
#include "shared/Messages.h"
#include "shared/Public.h"

namespace posmod {

class ControlUi {
public:
    virtual ~ControlUi() = default;
    // FormControl_Enable(formNo, enable) of the control window. The window keeps the main
    // window locked from the first call to the second and then restores the state it had.
    virtual void lockForm(int formNo, bool enable) = 0;
    // The screen's pointer: the hourglass, or normal.
    virtual void setHourglass(bool on) = 0;
    // The status window of the family at the control window's Left and Top, modal: returns
    // when it has closed.
    virtual void showStatusWindow(ModelFamily family) = 0;
    // The data dialog, modal; it writes Z4DataBlock and Z4DataCancel. Four-axis window only.
    virtual void showDataDialog() {}
    // Another link operation (a transfer, teaching) runs: a command must not start.
    virtual bool linkInUse() const = 0;
};

enum class ControlOutcome {
    Refused,      // another operation ran: nothing touched
    Stopped,      // a check's message or a cancelled dialog: nothing sent
    NotConnected, // CpuConnect gave 0 or 2
    Failed,       // a task gave 2: no "Complete transmission"
    Done,         // every task gave 1
};

class ControlSend {
public:
    ControlSend(Public& pub, LinkOps& link, TaskOps& tasks, MessageSink& msg, ControlUi& ui);

    // "Submit" of the one-axis window (form 7): lock, compose, send with task 4.
    ControlOutcome SubmitJV(int index, const std::array<std::string, 4>& stepTexts);
    // "Submit" of the two-axis window (form 8).
    ControlOutcome Submit7W(int index, bool yAxis, const std::array<std::string, 5>& stepTexts);
    // "Submit" of the four-axis window (form 9) for p.Z4CommandIndex: checks, dialog and
    // composition before the lock, then lock and hourglass together, send with task 10.
    ControlOutcome SubmitZ4(const std::array<bool, 4>& checked, const std::array<std::string, 3>& fieldTexts);

    // "St_Reg" of a control window: lock, CpuConnect, task 5 (without task 1), the status
    // window while the link stays open, POCLS after it closed, unlock. Never TSK1600, never
    // the pointer; after a failure no window and no POCLS.
    ControlOutcome St_Reg(int formNo);

    // A "Submit" or "St_Reg" runs (its messages and the status window included); the window
    // must not close meanwhile.
    bool busy() const { return pub_.ControlBusy; }

private:
    bool refused() const;
    ControlOutcome submitWord(int formNo, const ComposedWord& composed, bool initialOnly);
    // Steps after the lock: hourglass (unless already on), connection, tasks, closing, unlock.
    ControlOutcome sendLocked(int formNo, int commandTask, bool initialOnly);

    Public& pub_;
    LinkOps& link_;
    TaskOps& tasks_;
    MessageSink& msg_;
    ControlUi& ui_;
};

} // namespace posmod
