#pragma once
// The built-in records every start rebuilds before the menu file is read.

#include "store/records.h"

namespace qav {

// Keeps the tables' fixed links: every record's picture row is its own number and element 0 of
// every group's member list is the group's own record. The built-in items themselves (user item,
// My Computer, recycle bin, commands, templates) are filled in by the shortcut catalog.
void BuildCatalog(Tables& tables);

}  // namespace qav
