#include "store/menu_file.h"

#include "store/byte_codec.h"

namespace qav {
namespace {

constexpr const char* kWriteFailed = "Writing icon file failed! ";
// Enough for the largest member lists a valid file can declare.
constexpr std::size_t kMaxMenuFileBytes = kStandardMenuFileSize + 64;

void EncodeGroup(const GroupRecord& group, ByteWriter& w) {
  if (group.Members.empty()) {
    w.I16(0);  // an array that was never sized has no bounds
  } else {
    w.I16(1);
    w.I32(static_cast<std::int32_t>(group.Members.size()));
    w.I32(0);
    for (const auto member : group.Members) w.I32(member);
  }
  w.I32(group.MemberCount);
}

bool IsRecordNumber(std::int32_t value) {
  return value >= 0 && value <= kLastRecord;
}

// Reads one group; false when its shape cannot be right.
bool DecodeGroup(int g, ByteReader& in, GroupRecord& group) {
  const std::size_t capacity = static_cast<std::size_t>(GroupCapacity(g)) + 1;
  const std::int16_t dimensions = in.I16();
  std::size_t elements = 0;
  if (dimensions == 1) {
    const std::int32_t count = in.I32();
    const std::int32_t lowerBound = in.I32();
    if (count < 1 || static_cast<std::size_t>(count) > capacity || lowerBound != 0) return false;
    elements = static_cast<std::size_t>(count);
  } else if (dimensions != 0) {
    return false;
  }
  group.Members.assign(capacity, 0);
  for (std::size_t i = 0; i < elements; ++i) group.Members[i] = in.I32();
  if (elements == 0) group.Members[0] = g;
  group.MemberCount = in.I32();
  const std::size_t usable = elements == 0 ? 1 : elements;
  if (group.MemberCount < 0 || static_cast<std::size_t>(group.MemberCount) >= usable) return false;
  for (std::size_t i = 0; i < capacity; ++i) {
    if (i > static_cast<std::size_t>(group.MemberCount)) {
      group.Members[i] = 0;  // unused places hold nothing
    } else if (!IsRecordNumber(group.Members[i])) {
      return false;
    }
  }
  return true;
}

void DecodeShortcutRecord(ByteReader& in, ShortcutRecord& r) {
  r.Kind = in.I32();
  r.IconSource = in.U8();
  r.IsBuiltIn = in.I16();
  r.CommandId = in.I32();
  r.Reserved = in.I16();
  r.ImageRow = in.I32();
  in.Bytes(r.Path.Bytes());
  in.Bytes(r.Title.Bytes());
  in.Bytes(r.CustomIcon.Bytes());
  in.Bytes(r.IconFile.Bytes());
  in.Bytes(r.Target.Bytes());
  in.Bytes(r.Arguments.Bytes());
  r.RunStyle = in.I32();
}

bool DecodeGroups(ByteReader& in, Tables& tables) {
  for (int g = kFirstSavedGroup; g < kGroupCount; ++g) {
    if (!DecodeGroup(g, in, tables.Groups[g])) return false;
  }
  return true;
}

// Checks the group lists and the length the records need, without decoding the records.
ImageStatus JudgeMenu(std::span<const std::uint8_t> bytes) {
  Tables scratch;
  ByteReader in(bytes);
  if (!DecodeGroups(in, scratch)) return ImageStatus::kInvalid;
  const std::size_t needed = in.Position() + kRecordCount * kShortcutRecordSize;
  return !in.RanPastEnd() && bytes.size() >= needed ? ImageStatus::kWhole : ImageStatus::kShort;
}

}  // namespace

void EncodeShortcutRecord(const ShortcutRecord& r, std::vector<std::uint8_t>& out) {
  ByteWriter w(out);
  w.I32(r.Kind);
  w.U8(r.IconSource);
  w.I16(r.IsBuiltIn);
  w.I32(r.CommandId);
  w.I16(r.Reserved);
  w.I32(r.ImageRow);
  w.Bytes(r.Path.Bytes());
  w.Bytes(r.Title.Bytes());
  w.Bytes(r.CustomIcon.Bytes());
  w.Bytes(r.IconFile.Bytes());
  w.Bytes(r.Target.Bytes());
  w.Bytes(r.Arguments.Bytes());
  w.I32(r.RunStyle);
}

std::vector<std::uint8_t> EncodeMenuImage(const Tables& tables) {
  std::vector<std::uint8_t> out;
  out.reserve(kStandardMenuFileSize);
  ByteWriter w(out);
  for (int g = kFirstSavedGroup; g < kGroupCount; ++g) EncodeGroup(tables.Groups[g], w);
  for (int r = 0; r <= kLastRecord; ++r) EncodeShortcutRecord(tables.Shortcuts[r], out);
  return out;
}

MenuImage DecodeMenuImage(std::span<const std::uint8_t> bytes) {
  MenuImage image;
  image.tables = MakeTables();
  ByteReader in(bytes);
  if (!DecodeGroups(in, image.tables)) return image;
  for (int r = 0; r <= kLastRecord; ++r) DecodeShortcutRecord(in, image.tables.Shortcuts[r]);
  image.status = in.RanPastEnd() ? ImageStatus::kShort : ImageStatus::kWhole;
  return image;
}

int WriteMenuFile(const Tables& tables, const MenuFileContext& context) {
  const auto bytes = EncodeMenuImage(tables);
  if (SaveWithTwin(context.files, context.menuFile, bytes)) return 1;
  context.messages.Show({kWriteFailed, "QAV Launcher", platform::MessageIcon::kExclamation,
                         platform::MessageButtons::kOk});
  return 0;
}

int LoadMenuFile(Tables& tables, const MenuFileContext& context) {
  const TwinLoad load = LoadWithTwin(context.files, context.menuFile, kMaxMenuFileBytes, JudgeMenu);
  if (load.outcome != TwinLoad::Outcome::kLoaded) return 0;
  MenuImage image = DecodeMenuImage(load.bytes);
  for (int g = kFirstSavedGroup; g < kGroupCount; ++g) {
    tables.Groups[g] = std::move(image.tables.Groups[g]);
  }
  auto& loaded = image.tables.Shortcuts;
  for (int r = 0; r <= kLastRecord; ++r) {
    if (r >= kFirstCatalogRecord && r <= kLastCatalogRecord) {
      tables.Shortcuts[r].CustomIcon = loaded[r].CustomIcon;
      continue;
    }
    tables.Shortcuts[r] = loaded[r];
    if (r <= kLastDockRecord && tables.Shortcuts[r].Kind == kKindFree) {
      tables.Shortcuts[r].Kind = kKindBlank;
    }
  }
  return 1;
}

}  // namespace qav
