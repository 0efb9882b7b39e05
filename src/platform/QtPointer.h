#pragma once
// The hourglass as the application's override cursor.
#include "shared/Pointer.h"

namespace posmod {

class QtPointer : public MousePointer {
public:
    void setHourglass(bool on) override;
    bool hourglass() const { return depth_ > 0; }

private:
    int depth_ = 0;
};

} // namespace posmod
