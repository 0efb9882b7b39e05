#pragma once
// The file seams on Qt: the file dialog on QFileDialog, the whole-file writer on QSaveFile.
#include <functional>

#include "shared/Files.h"

class QFileDialog;
class QWidget;

namespace posmod {

class QtFileNameDialog : public FileNameDialog {
public:
    explicit QtFileNameDialog(QWidget* parent = nullptr) : parent_(parent) {}
    std::string ask(const FileNameRequest& request) override;

    // Sets a dialog up for a request: our own dialog, not the desktop's, so it behaves the
    // same everywhere and tests can drive it.
    static void configure(QFileDialog& dialog, const FileNameRequest& request);
    // Shows the dialog modal; true when a name was chosen. Tests may answer in-process.
    std::function<bool(QFileDialog&)> exec;

private:
    QWidget* parent_;
};

class QtFileWriter : public FileWriter {
public:
    bool write(const std::string& path, std::string_view bytes) override;
    bool canWrite(const std::string& path) override;
};

} // namespace posmod
