#pragma once
// Message boxes of the program: OK button only, the tool's title, an icon by kind.
#include <functional>
#include <string>

#include "shared/Messages.h"

class QWidget;

namespace posmod {

class QtMessageSink : public MessageSink {
public:
    explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    void show(const std::string& text, MsgIcon icon) override;

    // While set, every box of every sink goes here instead of a modal loop (tests).
    using Capture = std::function<void(const std::string& text, MsgIcon icon)>;
    static void setCapture(Capture capture);

private:
    QWidget* parent_;
};

} // namespace posmod
