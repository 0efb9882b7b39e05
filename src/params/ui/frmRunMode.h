#pragma once
// The operation-mode display: the first common parameter of a one- or two-axis model, one
// line per field of the word, read from the calling editor's grid. It changes nothing.
#include <QDialog>
#include <vector>

#include "shared/Grid.h"
#include "shared/Public.h"

class QPushButton;

namespace posmod {

class FlexGrid;

class frmRunMode : public QDialog {
    Q_OBJECT
public:
    // grids: the calling editor's grid (one-axis) or its X and Y grids (two-axis); the word
    // is row 1 of column RunModeCol, in decimal when RunModeDecimal is 1.
    frmRunMode(Public& pub, std::vector<const GridCells*> grids, QWidget* parent = nullptr);

    FlexGrid* RunModeGrid;
    QPushButton* RunEnd_Command;

private:
    void Form_Load(Public& pub, const std::vector<const GridCells*>& grids);
};

} // namespace posmod
