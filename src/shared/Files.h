#pragma once
// Files through seams: asking the user for a file name, writing a file whole or not at
// all, and reading a file of bounded size.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace posmod {

// What a file dialog is asked.
struct FileNameRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    std::string title;                 // caption; empty: the toolkit's own
    std::string name;                  // offered when the dialog opens
    std::vector<std::string> filters;  // "Program Files (*.xlsx)", ...; none: every file
    std::string defaultSuffix;         // added to a saved name that has none ("xlsx")
    bool confirmOverwrite = false;     // Save: ask before an existing file is replaced
};

// The file dialog. An open dialog takes any name; a missing file fails when it is opened.
class FileNameDialog {
public:
    virtual ~FileNameDialog() = default;
    // The chosen name; Cancel is the empty name.
    virtual std::string ask(const FileNameRequest& request) = 0;
};

// One dialog that keeps the name last chosen in it and offers it the next time, when the
// request offers none. Cancel keeps the name.
class RememberingFileDialog {
public:
    explicit RememberingFileDialog(FileNameDialog& dialog) : dialog_(dialog) {}
    std::string ask(FileNameRequest request);
    const std::string& lastName() const { return last_; }

private:
    FileNameDialog& dialog_;
    std::string last_;
};

// Writes a file whole or not at all.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // bytes become the whole content of path, through a temporary file in the same folder
    // renamed over it. A symbolic link is written where it points and stays a link; a
    // target that is not a regular file (a folder, a device, a FIFO) is refused. On false
    // the old file is byte-identical and no temporary file is left.
    virtual bool write(const std::string& path, std::string_view bytes) = 0;
    // Whether write could put a file at path now: the target is tried as write would take
    // it (its temporary file created beside it, then removed); nothing else is changed.
    virtual bool canWrite(const std::string& path) = 0;
};

// Where write puts path: the file its chain of symbolic links ends at (path itself when it
// is no link). nullopt when the chain loops or is too long, or ends at something that is
// not a regular file; a missing end is fine (the file is created there).
std::optional<std::string> writeTarget(const std::string& path);

// The bytes of path when it is a regular file (a link to one is followed) of at most
// maxBytes; nullopt for anything else: missing, a folder, a device, a FIFO, larger, or
// a read error. Anything but a regular file is never opened.
std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes);

} // namespace posmod
