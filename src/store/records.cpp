#include "store/records.h"

namespace qav {

Tables MakeTables() {
  Tables tables;
  tables.Shortcuts.resize(kRecordCount);
  for (int g = 0; g < kGroupCount; ++g) {
    tables.Groups[g].Members.assign(static_cast<std::size_t>(GroupCapacity(g)) + 1, 0);
  }
  return tables;
}

}  // namespace qav
