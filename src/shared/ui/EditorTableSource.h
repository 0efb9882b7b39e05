#pragma once
// An editor window that hands its table to the rules.
#include "shared/EditorTable.h"

namespace posmod {

class EditorTableSource {
public:
    virtual ~EditorTableSource() = default;
    virtual EditorTable editorTable() = 0;
};

} // namespace posmod
