#pragma once
// What each ring slot shows: the picture row, kind and title of the record at that dock place.

#include <array>
#include <string>

#include "core/store/records.h"

namespace qav {

struct SlotItems {
  std::array<int, 37> SlotImage{};
  std::array<int, 37> SlotKind{};
  std::array<std::string, 37> SlotTitle{};
};

// Rebuilds the slot arrays from element 0 of each group's member list (the record shown on the
// ring). The titles are trimmed, and written back trimmed. Stops at the first group without a
// member list; later slots stay empty.
SlotItems IniIconParam(Tables& tables);

}  // namespace qav
