#pragma once
// The status window of the four-axis model: per axis A to D on its own tab the status word,
// with the axis's error code and current value.
#include <array>

#include "control/ui/StatusRegBase.h"

namespace posmod {

class frmStatusZr4_Reg : public StatusRegBase {
    Q_OBJECT
public:
    explicit frmStatusZr4_Reg(Public& pub, QWidget* parent = nullptr);

    QLabel* ErLabel1;
    QLabel* ErLabel2;
    QLabel* IchiLabel1;
    QLabel* IchiLabel2;
    QTabWidget* Zr4RegSSTab;
    std::array<FlexGrid*, 4> StatusZr4_RegGrid;

protected:
    void Labels_Set(const StatusLabels& l) override;
};

} // namespace posmod
