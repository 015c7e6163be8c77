#include "core/dock_geometry/slot_items.h"

namespace qav {

SlotItems IniIconParam(Tables& tables) {
  SlotItems items;
  for (int k = 1; k <= kLastDockRecord; ++k) {
    const auto& members = tables.Groups[k].Members;
    if (members.empty()) break;
    const int r = members[0];
    if (r < 0 || r >= static_cast<int>(tables.Shortcuts.size())) continue;
    ShortcutRecord& record = tables.Shortcuts[r];
    items.SlotImage[k] = record.ImageRow;
    items.SlotKind[k] = record.Kind;
    items.SlotTitle[k] = record.Title.Get();
    record.Title = items.SlotTitle[k];
  }
  return items;
}

}  // namespace qav
