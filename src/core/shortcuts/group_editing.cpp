#include "core/shortcuts/group_editing.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "base/text.h"

namespace qav {
namespace {

constexpr std::string_view kFull = kFullGroupMark;
constexpr std::string_view kEmpty = kEmptyGroupMark;

bool EndsWith(const std::string& text, std::string_view tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

constexpr const char* kBlankTitle = QAV_TEXT("Core", "Blank Shortcut");

bool ValidRecord(const Tables& tables, int record) {
  return record >= 0 && record < static_cast<int>(tables.Shortcuts.size());
}

platform::MessageRequest GroupQuestion(const char* caption) {
  return {QAV_TEXT("Core", "Are you sure to delete the selected group?"), caption,
          platform::MessageIcon::kQuestion, platform::MessageButtons::kYesNo, true};
}

// The dock place becomes a blank place with the blank picture.
void MakeBlank(EditingContext& c, int record) {
  c.pictures.DiscardItem(record);
  ShortcutRecord& r = c.tables.Shortcuts[record];
  r.Title = kBlankTitle;
  r.Kind = kKindBlank;
  r.IconFile = c.sysIconsFolder + "Shortcut.png";
  r.ImageRow = record;
  c.pictures.LoadItemImage(record);
}

void DiscardMembers(EditingContext& c, int group, int from) {
  GroupRecord& g = c.tables.Groups[group];
  for (int i = from; i <= g.MemberCount && i < static_cast<int>(g.Members.size()); ++i) {
    if (ValidRecord(c.tables, g.Members[i])) c.pictures.DiscardItem(g.Members[i]);
  }
  g.MemberCount = 0;
}

}  // namespace

bool IsNotInGroup(const Tables& tables, int group, const std::string& path) {
  if (group < 0 || group >= kGroupCount) return true;
  const GroupRecord& g = tables.Groups[group];
  const std::string wanted = TrimNull(path);
  for (int i = 1; i <= g.MemberCount && i < static_cast<int>(g.Members.size()); ++i) {
    if (ValidRecord(tables, g.Members[i]) && tables.Shortcuts[g.Members[i]].Path.Get() == wanted) {
      return false;
    }
  }
  return true;
}

std::optional<platform::MessageRequest> DeleteQuestion(const Tables& tables, int record) {
  if (!ValidRecord(tables, record)) return std::nullopt;
  switch (tables.Shortcuts[record].Kind) {
    case kKindGroup:
      return GroupQuestion(QAV_TEXT("Core", "Delete Shortcut Group"));
    case kKindAllPrograms:
      return GroupQuestion(QAV_TEXT("Core", "Delete All Programs Group"));
    default:
      return std::nullopt;
  }
}

void DeleteItem(EditingContext& c, int record) {
  if (!ValidRecord(c.tables, record)) return;
  switch (c.tables.Shortcuts[record].Kind) {
    case kKindDockShortcut:
      MakeBlank(c, record);
      break;
    case kKindGroup:
      if (record < kGroupCount) DiscardMembers(c, record, 0);
      MakeBlank(c, record);
      break;
    case kKindMember:
      RemoveGroupMember(c, record);
      break;
    case kKindAllPrograms:
      if (record < kGroupCount) DiscardMembers(c, record, 1);
      c.tables.Shortcuts[record].Path = "";
      UpdateGroupTitle(c.tables, record);
      break;
    default:
      break;
  }
}

void RemoveGroupMember(EditingContext& c, int record) {
  for (int group = 0; group < kGroupCount; ++group) {
    GroupRecord& g = c.tables.Groups[group];
    const int last = std::min<int>(g.MemberCount, static_cast<int>(g.Members.size()) - 1);
    for (int i = 1; i <= last; ++i) {
      if (g.Members[i] != record) continue;
      c.pictures.DiscardItem(record);
      for (int j = i; j < last; ++j) g.Members[j] = g.Members[j + 1];
      g.Members[last] = 0;
      --g.MemberCount;
      UpdateGroupTitle(c.tables, group);
      return;
    }
  }
}

ItemMenuEntries ItemMenuAvailability(const Tables& tables, int record, int iconCount,
                                     int selectedSlot) {
  ItemMenuEntries on;
  on.fill(true);
  if (!ValidRecord(tables, record)) return on;
  const int kind = tables.Shortcuts[record].Kind;
  auto off = [&on](std::initializer_list<int> entries) {
    for (const int e : entries) on[static_cast<std::size_t>(e)] = false;
  };
  const int count = record < kGroupCount ? tables.Groups[record].MemberCount : 0;
  if (kind == kKindDockShortcut || kind == kKindMember) {
    off({0});
  } else if (kind == kKindFree || kind == kKindBlank) {
    off({1, 8});
  } else if (kind == kKindGroup) {
    if (count >= kGroupCapacity) off({0});
  } else if (kind == kKindAllPrograms) {
    if (count >= kAllProgramsCapacity) off({0});
    off({3, 4, 5, 6});
  } else if (kind > kKindAllPrograms) {
    off({0, 1, 2, 3, 4, 5, 6, 7});
  }
  if (record == kFirstMovableDockRecord) {
    off({3, 5});
  } else if (record == iconCount) {
    off({4, 6});
  } else if (record > iconCount && selectedSlot >= 0 && selectedSlot < kGroupCount) {
    const GroupRecord& g = tables.Groups[selectedSlot];
    if (g.MemberCount == 1) {
      off({3, 4, 5, 6});
    } else if (g.MemberCount >= 1 && g.Members[1] == record) {
      off({3, 5});
    } else if (g.MemberCount >= 1 && g.Members[static_cast<std::size_t>(g.MemberCount)] == record) {
      off({4, 6});
    }
  }
  return on;
}

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
