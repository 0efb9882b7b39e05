#pragma once
// The transfer dispatcher of the wait window: one entry, SendMain(mode), that prepares the
// shared stores, runs the transfer sequence of the mode and ends the exchange with the module.
#include <cstdint>
#include <string>

#include "main/LinkApi.h"
#include "shared/Public.h"

namespace posmod {

// Transfer result byte.
inline constexpr uint8_t kTransferNotRun = 0;
inline constexpr uint8_t kTransferDone = 1;
inline constexpr uint8_t kTransferFailed = 2;
inline constexpr uint8_t kTransferCancelled = 3;

// The window that starts a mode, whose top-left corner the wait window takes;
// nullptr for a mode that moves nothing.
const char* WaitDisp_CallerName(int mode);

// What the dispatcher needs of the wait window. The window delivers Cancel by calling
// Transfer::cmdCancel_Click from within the waits of the link.
class WaitUi {
public:
    virtual ~WaitUi() = default;
    // Move to the Left/Top of the named window (size unchanged).
    virtual void placeOver(const std::string& formName) = 0;
    virtual void showWait() = 0; // modeless, over the caller
    virtual void hideWait() = 0;
    // The bar's range is 0..maximum; maximum is never below 1.
    virtual void setBar(int maximum, int value) = 0;
    virtual void setCountText(const std::string& text) = 0;
};

class Transfer {
public:
    Transfer(Public& pub, LinkOps& link, TaskOps& tasks, WaitUi& ui);
    virtual ~Transfer() = default;

    // Runs one transfer of mode 1..11; result byte as kTransfer*. Refused (0, nothing
    // touched) while another transfer runs.
    uint8_t SendMain(int mode);
    // The Cancel button: the running sequence stops before its next item.
    void cmdCancel_Click();
    bool busy() const { return pub_.TransferBusy; }

    // Progress as the bar holds it: Max may be 0, the bar shown then has maximum 1.
    int progressMax() const { return max_; }
    int progressValue() const { return value_; }
    const std::string& countText() const { return label_; }

    // Shared with the sequences (also those added later).
    void Progress_Initsub(int count);
    void Progress_Stepsub();

    // Read sequences.
    uint8_t CpuAuto_Teachsub();
    uint8_t CpuAutoReadsub();
    uint8_t CpuPrmReadsub();

    // Write and CSV sequences. Not built yet: each returns kTransferNotRun without sending
    // anything, so no caller is ever told that such a transfer was done.
    virtual uint8_t CpuPrmWriteJVsub() { return kTransferNotRun; }
    virtual uint8_t CpuPrmWriteZ4sub() { return kTransferNotRun; }
    virtual uint8_t CpuPrmWrite7Wsub() { return kTransferNotRun; }
    virtual uint8_t CpuAutoWriteJVsub() { return kTransferNotRun; }
    virtual uint8_t CpuAutoWriteZ4sub() { return kTransferNotRun; }
    virtual uint8_t CpuAutoWrite7Wsub() { return kTransferNotRun; }
    virtual uint8_t CsvZ4_Writesub() { return kTransferNotRun; }
    virtual uint8_t Csv_Writesub() { return kTransferNotRun; }
    virtual uint8_t CsvZ4_Readsub() { return kTransferNotRun; }
    virtual uint8_t Csv_Readsub() { return kTransferNotRun; }

protected:
    Public& pub_;
    LinkOps& link_;
    TaskOps& tasks_;
    WaitUi& ui_;

    bool cancelled() const { return pub_.SendCancel != 0; }

private:
    uint8_t runMode(int mode);
    uint8_t readRun(int task, int first, int last, bool registerRows);
    void showBar();

    int max_ = 0;
    int value_ = 0;
    std::string label_;
};

} // namespace posmod
