#pragma once
// Message boxes of the program: OK button only, the tool's title, an icon by kind, over the
// window that is active when the box comes up.
#include <string>

#include "shared/Messages.h"

namespace posmod {

class QtMessageSink : public MessageSink {
public:
    void show(const std::string& text, MsgIcon icon) override;
};

} // namespace posmod
