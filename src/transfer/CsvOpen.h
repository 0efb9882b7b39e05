#pragma once
// Choosing a CSV file and reading it, as the editors' CSV buttons and the wait window's
// copies from a file do it: the name asked (Cancel ends quietly), the file read whole under
// the size cap, a refusal said.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shared/Files.h"
#include "shared/Messages.h"
#include "shared/Pointer.h"
#include "shared/Public.h"
#include "transfer/CsvFields.h"

namespace posmod {

// What a choice goes through; any of them may be missing. Without a dialog nothing is
// chosen, without a sink nothing is said.
struct CsvChoice {
    RememberingFileDialog* dialog = nullptr;
    MessageSink* messages = nullptr;
    MousePointer* pointer = nullptr;   // the hourglass while a file is read
    std::function<void()> afterName;   // once a name is chosen, before anything else
};

// The name chosen, also into CsvFileName; "" after Cancel. save: a file to write (an
// existing one is confirmed before it is replaced).
std::string CsvFile_AskName(Public& p, const CsvChoice& c, bool save);

// A file to read asked for, then read (at most kCsvMaxBytes) and its bytes handed to read,
// with where a Failed read puts the line it stopped at. nullopt after Cancel, nothing said;
// otherwise the outcome: a file that cannot be read is Failed, and a refusal is said
// (CsvRead_Message, exclamation) once the hourglass is gone.
std::optional<CsvRead> CsvFile_Open(Public& p, const CsvChoice& c,
                                    const std::function<CsvRead(std::string_view, int*)>& read);

} // namespace posmod
