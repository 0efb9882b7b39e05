#pragma once
// A wait window that shows nothing, for transfers run without windows.
#include <string>

#include "transfer/Transfer.h"

namespace posmod {

struct QuietUi : WaitUi {
    void placeOver(int) override {}
    void showWait() override {}
    void hideWait() override {}
    void setBar(int, int) override {}
    void setCountText(const std::string&) override {}
};

} // namespace posmod
