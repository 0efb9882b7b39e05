#pragma once
// Records the messages the core shows, in order, instead of showing a box.
#include <functional>
#include <string>
#include <vector>

#include "shared/Messages.h"

namespace posmod {

class CaptureSink : public MessageSink {
public:
    void show(const std::string& text, MsgIcon icon) override
    {
        texts.push_back(text);
        icons.push_back(icon);
        if (onShow) onShow(text);
    }
    void clear() { texts.clear(); icons.clear(); }

    std::vector<std::string> texts;
    std::vector<MsgIcon> icons;
    std::function<void(const std::string&)> onShow; // runs while the "box" is open
};

} // namespace posmod
