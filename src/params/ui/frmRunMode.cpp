#include "params/ui/frmRunMode.h"

#include <QPushButton>

#include "params/RunMode.h"
#include "platform/FlexGrid.h"
#include "shared/ModelTable.h"
#include "shared/NameTables.h"
#include "shared/ui/FormBase.h"
#include "transfer/ui/RangeDialog.h"

namespace posmod {

namespace {

struct RunModeShape {
    int rows, cols;
    int gridHeight, gridWidth;
    int windowWidth, windowHeight;
    int okLeft, okTop;
    std::vector<GridColumn> columns;
};

// Twips; the window's height and the button's top of the one-axis layout are the design's.
const RunModeShape& ShapeFor(bool oneAxis)
{
    static const RunModeShape one{6, 3, 1900, 7300, 7650, 3000, 6200, 2300,
                                  {{"No.", 600, 5}, {"Parameter", 2800, 2}, {"Setting Data", 3800, 5}}};
    static const RunModeShape two{5, 4, 1600, 8500, 8850, 3000, 7400, 2000,
                                  {{"No.", 600, 5}, {"Parameter", 1800, 2}, {"Setting Data(X axis)", 3000, 5},
                                   {"Setting Data(Y axis)", 3000, 5}}};
    return oneAxis ? one : two;
}

constexpr int kMargin = 120; // twips around the grid

} // namespace

frmRunMode::frmRunMode(Public& pub, std::vector<const GridCells*> grids, QWidget* parent) : QDialog(parent)
{
    RangeDialog_Setup(this, "frmRunMode", "Common parameter operation mode");
    RunModeGrid = NewGrid(this, "RunModeGrid");
    RunEnd_Command = NewButton(this, "RunEnd_Command", "OK");
    RunEnd_Command->setDefault(true);
    connect(RunEnd_Command, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load(pub, grids);
}

void frmRunMode::Form_Load(Public& pub, const std::vector<const GridCells*>& grids)
{
    const bool oneAxis = Model_Family(pub.ModuleType) == ModelFamily::OneAxis;
    const RunModeShape& s = ShapeFor(oneAxis);
    FlexGrid* g = RunModeGrid;
    g->setCols(s.cols);
    g->setRows(s.rows);
    ApplyGridLayout(g, GridLayout{s.columns, s.gridWidth, s.gridHeight});
    for (int c = 0; c < s.cols; ++c) g->setTextMatrix(0, c, s.columns[static_cast<size_t>(c)].header);
    for (int r = 1; r < s.rows; ++r) g->setTextMatrix(r, 0, std::to_string(r));

    ParmName_Set(pub);
    const bool decimal = pub.RunModeDecimal == 1;
    auto word = [&](size_t i) {
        return i < grids.size() && grids[i] ? RunMode_Word(grids[i]->TextMatrix(1, pub.RunModeCol), decimal) : std::string();
    };
    if (oneAxis) {
        const auto texts = RunModeJV_TextSet(word(0));
        for (int r = 1; r <= 5; ++r) {
            g->setTextMatrix(r, 1, pub.RunModeNameJV[static_cast<size_t>(r)]);
            g->setTextMatrix(r, 2, texts[static_cast<size_t>(r)]);
        }
    } else {
        for (size_t axis = 0; axis < 2; ++axis) {
            const auto texts = RunMode7W_TextSet(word(axis));
            for (int r = 1; r <= 4; ++r) {
                g->setTextMatrix(r, 1, pub.RunModeName7W[static_cast<size_t>(r)]);
                g->setTextMatrix(r, 2 + static_cast<int>(axis), texts[static_cast<size_t>(r)]);
            }
        }
    }

    const TwipsScale& px = g->Scale();
    g->move(px.toPixelsX(kMargin), px.toPixelsY(kMargin));
    RunEnd_Command->move(px.toPixelsX(s.okLeft), px.toPixelsY(s.okTop));
    RunEnd_Command->resize(px.toPixelsX(1000), px.toPixelsY(400));
    setFixedSize(px.toPixelsX(s.windowWidth), px.toPixelsY(s.windowHeight));
}

} // namespace posmod
