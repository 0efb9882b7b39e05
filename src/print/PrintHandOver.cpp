#include "print/PrintHandOver.h"

#include "shared/FormNumbers.h"

namespace posmod {

int PrintKind_ForEditor(int formNo, int moduleType)
{
    const bool twoAxisType = moduleType >= 2 && moduleType <= 4;
    switch (formNo) {
    case form::frmParmJV: return 0;
    case form::frmParmZr4: return 1;
    case form::frmParm7W: return twoAxisType ? moduleType : -1;
    case form::frmAutoRunJVMode: return 5;
    case form::frmAutoRunZr4Mode: return 6;
    case form::frmAutoRun7WMode: return twoAxisType ? moduleType + 5 : -1;
    default: return -1;
    }
}

} // namespace posmod
