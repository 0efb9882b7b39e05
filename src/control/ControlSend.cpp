#include "control/ControlSend.h"

#include "main/TaskNumbers.h"

namespace posmod {

namespace {

// Holds the busy flag for one handler, whatever way it ends.
struct BusyScope {
    explicit BusyScope(Public& p) : p_(p) { p_.ControlBusy = true; }
    ~BusyScope() { p_.ControlBusy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    Public& p_;
};

} // namespace

ControlSend::ControlSend(Public& pub, LinkOps& link, TaskOps& tasks, MessageSink& msg, ControlUi& ui)
    : pub_(pub), link_(link), tasks_(tasks), msg_(msg), ui_(ui)
{
}

bool ControlSend::refused() const { return pub_.ControlBusy || pub_.TransferBusy || ui_.linkInUse(); }

ControlOutcome ControlSend::SubmitJV(int index, const std::array<std::string, 4>& stepTexts)
{
    if (refused()) return ControlOutcome::Refused;
    BusyScope busy(pub_);
    return submitWord(form::frmSeigyoJVCmd, SeigyoJV_Compose(index, stepTexts), index == kSeigyoJVInitial);
}

ControlOutcome ControlSend::Submit7W(int index, bool yAxis, const std::array<std::string, 5>& stepTexts)
{
    if (refused()) return ControlOutcome::Refused;
    BusyScope busy(pub_);
    return submitWord(form::frmSeigyo7WCmd, Seigyo7W_Compose(index, yAxis, stepTexts), index == kSeigyo7WInitial);
}

ControlOutcome ControlSend::submitWord(int formNo, const ComposedWord& composed, bool initialOnly)
{
    // The word is composed while the window is locked; a refused entry unlocks it again and
    // leaves ControlWord, the link and the pointer alone.
    ui_.lockForm(formNo, false);
    if (composed.check != ControlCheck::Ok) {
        const std::string text = ControlCheck_Message(composed.check);
        if (!text.empty()) msg_.show(text, MsgIcon::Exclamation);
        ui_.lockForm(formNo, true);
        return ControlOutcome::Stopped;
    }
    pub_.ControlWord = composed.word;
    return sendLocked(formNo, kTaskControlWord, initialOnly);
}

ControlOutcome ControlSend::SubmitZ4(const std::array<bool, 4>& checked, const std::array<std::string, 3>& fieldTexts)
{
    if (refused()) return ControlOutcome::Refused;
    BusyScope busy(pub_);
    const ControlCheck c = Z4Submit_Compose(pub_, checked, fieldTexts, [this] { ui_.showDataDialog(); });
    if (c != ControlCheck::Ok) {
        const std::string text = ControlCheck_Message(c);
        if (!text.empty()) msg_.show(text, MsgIcon::Exclamation);
        return ControlOutcome::Stopped;
    }
    ui_.lockForm(form::frmSeigyoZ4Cmd, false);
    return sendLocked(form::frmSeigyoZ4Cmd, kTaskCommandZ4, pub_.Z4CommandIndex == kZ4Initial);
}

ControlOutcome ControlSend::sendLocked(int formNo, int commandTask, bool initialOnly)
{
    ui_.setHourglass(true);
    int r = link_.CpuConnect(pub_.ModuleType);
    const bool connected = r == 1;
    if (connected) {
        r = tasks_.TaskSend(kTaskOpen, 1);
        if (r == 1 && !initialOnly) r = tasks_.TaskSend(commandTask, 1);
        ui_.setHourglass(false);
        if (r == 1) msg_.show(kCompleteMessage, MsgIcon::None);
        link_.TSK1600();
        link_.POCLS();
    }
    ui_.lockForm(formNo, true);
    ui_.setHourglass(false);
    if (!connected) return ControlOutcome::NotConnected;
    return r == 1 ? ControlOutcome::Done : ControlOutcome::Failed;
}

ControlOutcome ControlSend::St_Reg(int formNo)
{
    if (refused()) return ControlOutcome::Refused;
    BusyScope busy(pub_);
    ui_.lockForm(formNo, false);
    ControlOutcome out = ControlOutcome::NotConnected;
    if (link_.CpuConnect(pub_.ModuleType) == 1) {
        out = ControlOutcome::Failed;
        // A failed read leaves the link as the failure left it (the next opening reuses it).
        if (tasks_.TaskSend(kTaskReadStatus, 0) == 1) {
            ui_.showStatusWindow(ControlForm_Family(formNo));
            link_.POCLS();
            out = ControlOutcome::Done;
        }
    }
    ui_.lockForm(formNo, true);
    return out;
}

} // namespace posmod
