#pragma once
// How an editor's grid is laid out: its columns (header, width in twips, alignment code) and
// its size in twips. The windows apply it to their grids; the rules fill the texts.
#include <vector>

namespace posmod {

struct GridColumn {
    const char* header;
    int width;   // twips
    int align;   // 0-8: left/centre/right x top/centre/bottom; 9 general
};

struct GridLayout {
    std::vector<GridColumn> columns;
    int widthTwips;
    int heightTwips;
};

} // namespace posmod
