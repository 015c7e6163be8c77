#pragma once
// The menu file "QAVMenu.cfg": groups 3..36 then shortcut records 0..1024 as raw little-endian
// record images.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "core/store/records.h"
#include "core/store/twin_file.h"
#include "platform/file_ops.h"

namespace qav {

inline constexpr std::size_t kShortcutRecordSize = 1297;
// 9460 bytes of groups with the standard bounds, then 1025 records.
inline constexpr std::size_t kStandardMenuFileSize = 9460 + kRecordCount * kShortcutRecordSize;

void EncodeShortcutRecord(const ShortcutRecord& record, std::vector<std::uint8_t>& out);
std::vector<std::uint8_t> EncodeMenuImage(const Tables& tables);

// A menu file image decoded into groups 3..36 and records 0..1024 (the other groups untouched).
struct MenuImage {
  ImageStatus status = ImageStatus::kInvalid;
  Tables tables;
  std::size_t length = 0;  // bytes the groups and records take in the image
};
// Counts, bounds and member numbers are checked before anything is used; a member list that is
// smaller than its group's capacity is widened to it.
MenuImage DecodeMenuImage(std::span<const std::uint8_t> bytes);

struct MenuFileContext {
  std::string menuFile;  // the file itself; its twin is this + ".bak"
  platform::FileOps& files;
};

// Saves groups 3..36 and records 0..1024. A failure carries the message the user is shown.
Result WriteMenuFile(const Tables& tables, const MenuFileContext& context);

// Loads the file over the tables that the catalog has just built: groups 3..36, records 0..64
// and 129..1024 whole, of the catalog's records 65..128 only the user's own picture. Blank dock
// positions become kind 2. Succeeds when a file was loaded; fails (tables unchanged) when there was
// none or it could not be used, saying which.
Result LoadMenuFile(Tables& tables, const MenuFileContext& context);

}  // namespace qav
