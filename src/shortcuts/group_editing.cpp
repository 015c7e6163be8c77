#include "shortcuts/group_editing.h"

#include <string>

namespace qav {
namespace {

constexpr std::string_view kFull = " (Full)";
constexpr std::string_view kEmpty = " (Empty)";

bool EndsWith(const std::string& text, std::string_view tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

int FindFreeRecord(const Tables& tables, bool forDock, int iconCount) {
  const auto& records = tables.Shortcuts;
  if (!forDock) {
    for (int r = kFirstPoolRecord; r <= kLastRecord && r < static_cast<int>(records.size()); ++r) {
      if (records[r].Kind == kKindFree) return r;
    }
    return kNoRecord;
  }
  for (int r = 4; r <= iconCount && r <= kLastDockRecord; ++r) {
    if (records[r].Kind == kKindFree || records[r].Kind == kKindBlank) return r;
  }
  if (tables.Groups[kAllProgramsGroup].MemberCount < kAllProgramsCapacity) return kAllProgramsGroup;
  return kNoRecord;
}

void UpdateGroupTitle(Tables& tables, int group) {
  if (group < 0 || group >= static_cast<int>(tables.Shortcuts.size()) || group >= kGroupCount) {
    return;
  }
  std::string title = tables.Shortcuts[group].Title.Get();
  if (EndsWith(title, kFull)) {
    title.resize(title.size() - kFull.size());
  } else if (EndsWith(title, kEmpty)) {
    title.resize(title.size() - kEmpty.size());
  }
  const int count = tables.Groups[group].MemberCount;
  if (count <= 0) {
    title += kEmpty;
  } else if (count == kGroupCapacity || count == kAllProgramsCapacity) {
    title += kFull;
  }
  tables.Shortcuts[group].Title = title;
}

}  // namespace qav
