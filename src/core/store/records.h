#pragma once
// The item, group and settings records and the two process-wide tables. All are plain
// fixed-layout values with record numbers as their only links, so the configuration files can
// hold them as raw record images.

#include <array>
#include <cstdint>
#include <vector>

#include "core/store/fixed_text.h"

namespace qav {

// 16-bit Booleans as the files hold them: 0 false, -1 (0xFFFF) true; any non-zero reads true.
using VbBool = std::int16_t;
inline constexpr VbBool kVbTrue = -1;
inline constexpr VbBool kVbFalse = 0;
inline constexpr VbBool ToVbBool(bool value) {
  return value ? kVbTrue : kVbFalse;
}

// What a record is.
enum Kind : std::int32_t {
  kKindFree = 0,
  kKindDockShortcut = 1,
  kKindBlank = 2,
  kKindGroup = 4,
  kKindMember = 5,
  kKindAllPrograms = 6,
  kKindRecycleBin = 9,
  kKindComputer = 10,
  kKindBuiltIn = 11,
  kKindUser = 12,
};

// Record numbers with fixed roles.
inline constexpr int kUserRecord = 0;
inline constexpr int kFirstDockRecord = 1;
inline constexpr int kComputerRecord = 1;
inline constexpr int kRecycleBinRecord = 2;
inline constexpr int kFirstMovableDockRecord = 4;  // the dock places before it stay where they are
inline constexpr int kFirstBlankDockRecord = 9;    // the dock places a new table leaves blank
inline constexpr int kLastDockRecord = 36;
// Templates the catalog fills: the recycle bin's two faces, then the fallback pictures.
inline constexpr int kFirstTemplateRecord = 37;
inline constexpr int kEmptyRecycleBinTemplate = 37;
inline constexpr int kFullRecycleBinTemplate = 38;
inline constexpr int kFileTemplate = 39;
inline constexpr int kLinkTemplate = 40;
inline constexpr int kProgramTemplate = 41;
inline constexpr int kGroupTemplate = 42;
inline constexpr int kLastTemplateRecord = 42;
inline constexpr int kFirstCatalogRecord = 65;
inline constexpr int kLastCatalogRecord = 128;
inline constexpr int kFirstPoolRecord = 129;
inline constexpr int kLastRecord = 1024;
inline constexpr int kRecordCount = kLastRecord + 1;

inline constexpr int kGroupCount = 37;  // groups 0..36, one per dock position
inline constexpr int kAllProgramsGroup = 3;
inline constexpr int kFirstSavedGroup = 3;
inline constexpr int kAllProgramsCapacity = 1024;
inline constexpr int kGroupCapacity = 36;

struct ShortcutRecord {
  std::int32_t Kind = 0;
  std::uint8_t IconSource = 0;  // 0 link file, 1 program, 2 other file or web address
  VbBool IsBuiltIn = 0;
  std::int32_t CommandId = 0;
  std::int16_t Reserved = 0;
  std::int32_t ImageRow = 0;
  FixedText<255> Path;
  FixedText<128> Title;
  FixedText<255> CustomIcon;
  FixedText<255> IconFile;
  FixedText<255> Target;
  FixedText<128> Arguments;
  std::int32_t RunStyle = 0;  // 0 normal, 1 minimized, 2 maximized

  bool operator==(const ShortcutRecord&) const = default;
};

struct GroupRecord {
  // Members[0] is the dock position's own record; members proper are 1..MemberCount. An empty
  // vector is an array that does not exist.
  std::vector<std::int32_t> Members;
  std::int32_t MemberCount = 0;

  bool operator==(const GroupRecord&) const = default;
};

// Room for members proper: 1024 in the All Programs group, 36 in every other.
inline constexpr int GroupCapacity(int group) {
  return group == kAllProgramsGroup ? kAllProgramsCapacity : kGroupCapacity;
}

struct Tables {
  std::vector<ShortcutRecord> Shortcuts;
  std::array<GroupRecord, kGroupCount> Groups;
};

// Records 0..1024 and groups 0..36, all zero, each member list sized to its capacity.
Tables MakeTables();

// A blank record: all numbers 0, all texts never assigned.
inline void ResetRecord(ShortcutRecord& record) {
  record = ShortcutRecord{};
}

}  // namespace qav
