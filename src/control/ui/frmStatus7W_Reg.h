#pragma once
// The status window of the two-axis models: the snapshot of the X and Y status words, one tab each.
#include <array>

#include "control/ui/StatusRegBase.h"

namespace posmod {

class frmStatus7W_Reg : public StatusRegBase {
    Q_OBJECT
public:
    explicit frmStatus7W_Reg(Public& pub, QWidget* parent = nullptr);

    QTabWidget* P7WRegSSTab;
    std::array<FlexGrid*, 2> Status7W_RegGrid;
};

} // namespace posmod
