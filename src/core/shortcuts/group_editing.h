#pragma once
// The small operations every change of a group rests on: free records, membership, title
// suffixes, removal, and which entries of the item context menu an item offers.

#include <array>
#include <optional>
#include <string>

#include "base/ui_text.h"
#include "core/shortcuts/item_pictures.h"
#include "core/store/records.h"
#include "platform/message_boxes.h"

namespace qav {

inline constexpr int kNoRecord = 0;

// A free record for a new item. For a group member: the first free record of the pool
// (129..1024). The table never grows: the menu file keeps records 0..1024 only, so a record past
// them would silently vanish at the next start; callers tell the user instead. For a dock icon:
// the first blank or free dock position 4..iconCount, else the All Programs group (3) while it
// has room, else none.
int FindFreeRecord(const Tables& tables, bool forDock, int iconCount);

// True when no member of the group has exactly this (trimmed) path.
bool IsNotInGroup(const Tables& tables, int group, const std::string& path);

// The marks a group's title ends with while it has no member or no room; the windows show them
// in the user's language behind the title the user gave.
inline constexpr const char* kEmptyGroupMark = QAV_TEXT("Core", " (Empty)");
inline constexpr const char* kFullGroupMark = QAV_TEXT("Core", " (Full)");
// The title of a group made without a name.
inline constexpr const char* kNewGroupTitle = QAV_TEXT("Core", "New Group");

// Rewrites the " (Empty)"/" (Full)" suffix of the group's title from its member count.
void UpdateGroupTitle(Tables& tables, int group);

struct EditingContext {
  Tables& tables;
  ItemPictures& pictures;
  std::string sysIconsFolder;
};

// The question a delete of `record` needs first: a group and the All Programs group are asked
// about (only No keeps them), anything else is not. The window that deletes asks it.
std::optional<platform::MessageRequest> DeleteQuestion(const Tables& tables, int record);

// Deletes an item by its kind, without asking: a dock shortcut or group becomes a blank place, a
// member leaves its group, the All Programs group is emptied but stays.
void DeleteItem(EditingContext& context, int record);

// Removes a member record from the first group that holds it, closing the gap.
void RemoveGroupMember(EditingContext& context, int record);

// Entries of the item context menu: 0 add shortcut, 1 delete, 3..6 move up, down, top, bottom,
// 8 properties (2 and 7 are separators).
using ItemMenuEntries = std::array<bool, 9>;

// Which entries the menu offers for `record`; `selectedSlot` is the dock place whose group menu
// is open when the record is a member.
ItemMenuEntries ItemMenuAvailability(const Tables& tables, int record, int iconCount,
                                     int selectedSlot);

}  // namespace qav
