#pragma once
// The one seam through which the core shows a message box. The program shows a
// modal box (OK button only, title "Positioning module data seting"); tests record.
#include <string>

#include "shared/MessageTexts.h"

namespace posmod {

enum class MsgIcon { Critical, Exclamation, Information, None };

inline constexpr const char* kMessageTitle = "Positioning module data seting";

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const std::string& text, MsgIcon icon) = 0;
};

} // namespace posmod
