#pragma once
// The status window of the one-axis model: the snapshot of its status word.
#include "control/ui/StatusRegBase.h"

namespace posmod {

class frmStatusJV_Reg : public StatusRegBase {
    Q_OBJECT
public:
    explicit frmStatusJV_Reg(Public& pub, QWidget* parent = nullptr);

    FlexGrid* Status_RegGrid;
};

} // namespace posmod
