#pragma once
// The preview's sheet on screen, read-only, at 15 twips a pixel (96 dpi): the header row
// and the row numbers stay in place while the rows scroll, and any row can come to the top,
// blank below the last one.
#include <QTableView>

#include "shared/PrintSheet.h"

namespace posmod {

class SheetModel;

class SheetView : public QTableView {
    Q_OBJECT
public:
    explicit SheetView(QWidget* parent = nullptr);
    ~SheetView() override;

    // Shows the sheet (kept by reference: it must outlive the view or be replaced first).
    void setSheet(const PrintSheet* sheet);
    // Takes over what changed in the sheet: cells, sizes, grid lines and the scroll position.
    void refresh();
    // Scrolls so that the sheet's TopRow is the top row and LeftCol the left column; does
    // nothing while the sheet's Redraw is off.
    void showTopRow();
    // The sheet row at the top of the view.
    int topRow() const;

    static int twipsToPixels(int twips) { return (twips + 7) / 15; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void alignTopRow();

    const PrintSheet* sheet_ = nullptr;
    SheetModel* model_;
};

} // namespace posmod
