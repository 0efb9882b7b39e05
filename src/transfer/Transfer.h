#pragma once
// The transfer dispatcher of the wait window: one entry, SendMain(mode), that prepares the
// shared stores, runs the transfer sequence of the mode and ends the exchange with the module.
// The sequences themselves live one family to a file and are found by mode in one table
// (transfer/Sequences.h).
#include <cstdint>
#include <string>

#include "main/LinkApi.h"
#include "shared/EditorTable.h"
#include "shared/Files.h"
#include "shared/Messages.h"
#include "shared/Public.h"

namespace posmod {

// Transfer result byte.
inline constexpr uint8_t kTransferNotRun = 0;
inline constexpr uint8_t kTransferDone = 1;
inline constexpr uint8_t kTransferFailed = 2;
inline constexpr uint8_t kTransferCancelled = 3;

struct SequenceTable;

// What the callers of a transfer see: the wait window's SendMain.
class TransferRunner {
public:
    virtual ~TransferRunner() = default;
    virtual uint8_t SendMain(int mode) = 0;
};

// What the dispatcher needs of the wait window. The window delivers Cancel by calling
// Transfer::cmdCancel_Click from within the waits of the link.
class WaitUi {
public:
    virtual ~WaitUi() = default;
    // Move to the Left/Top of the window of a form number (size unchanged).
    virtual void placeOver(int formNo) = 0;
    virtual void showWait() = 0; // modeless, over the caller
    virtual void hideWait() = 0;
    // The bar's range is 0..maximum; maximum is never below 1.
    virtual void setBar(int maximum, int value) = 0;
    virtual void setCountText(const std::string& text) = 0;
};

class Transfer : public TransferRunner {
public:
    // sequences: the table SendMain dispatches through (the program's own unless a test
    // hands another).
    Transfer(Public& pub, LinkOps& link, TaskOps& tasks, WaitUi& ui, const SequenceTable* sequences = nullptr);

    // Runs one transfer of mode 1..11; result byte as kTransfer*. Refused (0, nothing
    // touched) while another transfer runs.
    uint8_t SendMain(int mode) override;
    // The Cancel button: the running sequence stops before its next item.
    void cmdCancel_Click();
    bool busy() const { return pub_.TransferBusy; }

    // Progress as the bar holds it: Max may be 0, the bar shown then has maximum 1.
    int progressMax() const { return max_; }
    int progressValue() const { return value_; }

    // What the sequences work with.
    Public& pub() { return pub_; }
    LinkOps& link() { return link_; }
    TaskOps& tasks() { return tasks_; }
    WaitUi& ui() { return ui_; }
    // The grids of the editor that started a write; set by the program.
    EditorTables editors;
    // Where the sequences' messages go; set by the program (none: nothing shown).
    MessageSink* messages = nullptr;
    void show(const std::string& text, MsgIcon icon) const
    {
        if (messages) messages->show(text, icon);
    }
    // The wait window's CSV file dialog and the writer of the files the copies to a file
    // save; set by the program (none: those copies do not run).
    RememberingFileDialog* CsvDialog = nullptr;
    FileWriter* fileWriter = nullptr;
    EditorTable editor(int formNo) const { return editors ? editors(formNo) : EditorTable{}; }
    bool cancelled() const { return pub_.SendCancel != 0; }
    void Progress_Initsub(int count);
    void Progress_Stepsub();

private:
    void showBar();

    Public& pub_;
    LinkOps& link_;
    TaskOps& tasks_;
    WaitUi& ui_;
    const SequenceTable& sequences_;

    int max_ = 0;
    int value_ = 0;
    std::string label_;
};

} // namespace posmod
