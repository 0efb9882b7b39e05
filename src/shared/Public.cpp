#include "shared/Public.h"

namespace posmod {

// Gives every test and the program's start the same empty state.
void Public_Reset(Public& p) { p = Public{}; }

} // namespace posmod
