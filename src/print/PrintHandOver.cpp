#include "print/PrintHandOver.h"

#include "shared/ModelTable.h"

namespace posmod {

int PrintKind_ForEditor(int formNo, int moduleType)
{
    const ModelRow* m = Model_Find(moduleType);
    if (!m) return -1;
    if (formNo == m->paramForm) return m->paramPrintKind;
    if (formNo == m->autoForm) return m->autoPrintKind;
    return -1;
}

} // namespace posmod
