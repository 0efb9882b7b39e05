#pragma once
// The file seams without files or dialogs: a dialog answered from a script, a writer
// that keeps what it was given.
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "shared/Files.h"

namespace posmod {

// Answers each ask with the next name of the queue (the empty name is Cancel; an empty
// queue cancels too) and records every request.
class ScriptedFileDialog : public FileNameDialog {
public:
    std::string ask(const FileNameRequest& request) override
    {
        requests.push_back(request);
        if (answers.empty()) return {};
        std::string name = answers.front();
        answers.pop_front();
        return name;
    }

    std::deque<std::string> answers;
    std::vector<FileNameRequest> requests;
};

// Keeps the last bytes written to each path; a path in failing is refused and keeps
// what it had.
class MemoryFileWriter : public FileWriter {
public:
    bool write(const std::string& path, std::string_view bytes) override
    {
        ++writes;
        if (failing.count(path)) return false;
        files[path] = std::string(bytes);
        return true;
    }
    bool canWrite(const std::string& path) override { return !failing.count(path) || failingLater.count(path); }

    std::map<std::string, std::string> files;
    std::set<std::string> failing;
    std::set<std::string> failingLater; // of failing: tried fine, fails when written (a disk filled meanwhile)
    int writes = 0;
};

} // namespace posmod
