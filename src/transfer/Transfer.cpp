#include "transfer/Transfer.h"

#include <algorithm>

#include "transfer/Sequences.h"

namespace posmod {

namespace {

// The count text of the bar once items have been done.
std::string countLabel(int value, int max)
{
    return "( " + std::to_string(value) + "  / " + std::to_string(max) + "  )  Data Count...";
}

} // namespace

Transfer::Transfer(Public& pub, LinkOps& link, TaskOps& tasks, WaitUi& ui, const SequenceTable* sequences)
    : pub_(pub), link_(link), tasks_(tasks), ui_(ui), sequences_(sequences ? *sequences : Sequences_Table())
{
}

uint8_t Transfer::SendMain(int mode)
{
    // A second transfer started from a nested event (a click while this one waits) would
    // share the link and the stores with the first, and so would one started under a control
    // command or status snapshot: refuse it without touching anything.
    if (pub_.TransferBusy || pub_.ControlBusy) return kTransferNotRun;

    struct BusyScope {
        Public& p;
        explicit BusyScope(Public& pp) : p(pp) { p.TransferBusy = true; }
        ~BusyScope() { p.SendCancel = -1; p.TransferBusy = false; }
    } scope(pub_);

    pub_.SendCancel = 0;
    const SequenceRow* row = sequences_.find(mode);
    if (row && row->callerForm >= 0) ui_.placeOver(row->callerForm);

    uint8_t result = kTransferNotRun;
    if (row) {
        const Sequence& run = row->run[static_cast<size_t>(Model_Family(pub_.ModuleType))];
        if (run) result = run(*this);
    }

    // The bar ends full, also after a failure; after a cancel it stays where it stopped.
    if (!cancelled() && value_ < max_) {
        value_ = max_;
        label_ = countLabel(value_, max_);
        showBar();
    }
    if (result == kTransferDone || result == kTransferCancelled) {
        link_.TSK1600();
        link_.POCLS();
    }
    return result;
}

void Transfer::cmdCancel_Click() { pub_.SendCancel = -1; }

void Transfer::Progress_Initsub(int count)
{
    max_ = count;
    value_ = 0;
    label_ = "(  0  / " + std::to_string(max_) + "  )  Data Count...";
    showBar();
}

void Transfer::Progress_Stepsub()
{
    if (value_ >= max_) return;
    ++value_;
    label_ = countLabel(value_, max_);
    showBar();
}

void Transfer::showBar()
{
    // A bar whose maximum equals its minimum turns into a busy animation; keep it a bar.
    const int barMax = std::max(max_, 1);
    ui_.setBar(barMax, std::clamp(value_, 0, barMax));
    ui_.setCountText(label_);
}

} // namespace posmod
