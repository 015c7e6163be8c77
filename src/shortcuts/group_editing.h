#pragma once
// Small operations every change of a group rests on.

#include "store/records.h"

namespace qav {

inline constexpr int kNoRecord = 0;

// A free record for a new item. For a group member: the first free record of the pool
// (129..1024). The table never grows: the menu file keeps records 0..1024 only, so a record past
// them would silently vanish at the next start; callers tell the user instead. For a dock icon:
// the first blank or free dock position 4..iconCount, else the All Programs group (3) while it
// has room, else none.
int FindFreeRecord(const Tables& tables, bool forDock, int iconCount);

// Rewrites the " (Empty)"/" (Full)" suffix of the group's title from its member count.
void UpdateGroupTitle(Tables& tables, int group);

}  // namespace qav
