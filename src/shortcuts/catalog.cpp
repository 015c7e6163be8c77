#include "shortcuts/catalog.h"

namespace qav {

void BuildCatalog(Tables& tables) {
  for (std::size_t r = 1; r < tables.Shortcuts.size(); ++r) {
    tables.Shortcuts[r].ImageRow = static_cast<std::int32_t>(r);
  }
  for (int g = 0; g < kGroupCount; ++g) {
    auto& members = tables.Groups[g].Members;
    if (!members.empty()) members[0] = g;
  }
}

}  // namespace qav
