#pragma once
// The default items a fresh installation starts with, one per dock place 3..9.

#include "store/records.h"

namespace qav {

// Builds default item `number` (3..9) into record `recordNumber` (0: the record `number`).
// Other numbers do nothing. The fillers that look through the computer are not built yet, so the
// places stay as the catalog left them.
void BuildDefaultGroup(Tables& tables, int number, int recordNumber);

}  // namespace qav
