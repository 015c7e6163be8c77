#include "core/store/records.h"

namespace qav {

Tables MakeTables() {
  Tables tables;
  tables.Shortcuts.resize(kRecordCount);
  for (int g = 0; g < kGroupCount; ++g) {
    tables.Groups[g].Members.assign(static_cast<std::size_t>(GroupCapacity(g)) + 1, 0);
    // Element 0 links a group to its own dock place; a saved menu without that link is damaged.
    tables.Groups[g].Members[0] = g;
  }
  return tables;
}

}  // namespace qav
