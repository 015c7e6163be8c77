#include "core/store/menu_file.h"

#include <array>
#include <string_view>

#include "core/store/byte_codec.h"

namespace qav {
namespace {

constexpr const char* kWriteFailed = QAV_TEXT("Core", "Writing icon file failed! %1");
// Enough for the largest member lists a valid file can declare.
constexpr std::size_t kMaxMenuFileBytes = kStandardMenuFileSize + 64;

void EncodeGroup(const GroupRecord& group, ByteWriter& w) {
  if (group.Members.empty()) {
    w.Field(std::int16_t{0});  // an array that was never sized has no bounds
  } else {
    w.Field(std::int16_t{1});
    w.Field(static_cast<std::int32_t>(group.Members.size()));
    w.Field(std::int32_t{0});
    for (const auto member : group.Members) w.Field(member);
  }
  w.Field(group.MemberCount);
}

// The record layout, in order; `Record` is const when writing.
template <typename Io, typename Record>
void TransferFields(Io& io, Record& r) {
  io.Field(r.Kind);
  io.Field(r.IconSource);
  io.Field(r.IsBuiltIn);
  io.Field(r.CommandId);
  io.Field(r.Reserved);
  io.Field(r.ImageRow);
  io.Field(r.Path);
  io.Field(r.Title);
  io.Field(r.CustomIcon);
  io.Field(r.IconFile);
  io.Field(r.Target);
  io.Field(r.Arguments);
  io.Field(r.RunStyle);
}

bool IsRecordNumber(std::int32_t value) {
  return value >= 0 && value <= kLastRecord;
}

// Reads one group; false when its shape cannot be right. The program always saves every group as
// a sized array that starts with the group's own number, so anything else (a run of zeros, for
// one) is not a menu this program wrote and must not replace the user's items.
bool DecodeGroup(int g, ByteReader& in, GroupRecord& group) {
  const std::size_t capacity = static_cast<std::size_t>(GroupCapacity(g)) + 1;
  if (in.Read<std::int16_t>() != 1) return false;
  const auto count = in.Read<std::int32_t>();
  const auto lowerBound = in.Read<std::int32_t>();
  if (count < 1 || static_cast<std::size_t>(count) > capacity || lowerBound != 0) return false;
  const auto elements = static_cast<std::size_t>(count);
  group.Members.assign(capacity, 0);
  for (std::size_t i = 0; i < elements; ++i) in.Field(group.Members[i]);
  if (group.Members[0] != g) return false;
  in.Field(group.MemberCount);
  if (group.MemberCount < 0 || static_cast<std::size_t>(group.MemberCount) >= elements) {
    return false;
  }
  for (std::size_t i = 0; i < capacity; ++i) {
    if (i > static_cast<std::size_t>(group.MemberCount)) {
      group.Members[i] = 0;  // unused places hold nothing
    } else if (!IsRecordNumber(group.Members[i])) {
      return false;
    }
  }
  return true;
}

bool DecodeGroups(ByteReader& in, std::array<GroupRecord, kGroupCount>& groups) {
  for (int g = kFirstSavedGroup; g < kGroupCount; ++g) {
    if (!DecodeGroup(g, in, groups[g])) return false;
  }
  return true;
}

// Checks the group lists and the length the records need, without decoding the records.
ImageStatus JudgeMenu(std::span<const std::uint8_t> bytes) {
  std::array<GroupRecord, kGroupCount> scratch;
  ByteReader in(bytes);
  if (!DecodeGroups(in, scratch)) return ImageStatus::kInvalid;
  const std::size_t needed = in.Position() + kRecordCount * kShortcutRecordSize;
  return !in.RanPastEnd() && bytes.size() >= needed ? ImageStatus::kWhole : ImageStatus::kShort;
}

}  // namespace

void EncodeShortcutRecord(const ShortcutRecord& record, std::vector<std::uint8_t>& out) {
  ByteWriter writer(out);
  TransferFields(writer, record);
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
  if (!DecodeGroups(in, image.tables.Groups)) return image;
  for (int r = 0; r <= kLastRecord; ++r) TransferFields(in, image.tables.Shortcuts[r]);
  image.status = in.RanPastEnd() ? ImageStatus::kShort : ImageStatus::kWhole;
  image.length = in.Position();
  return image;
}

Result WriteMenuFile(const Tables& tables, const MenuFileContext& context) {
  const auto bytes = EncodeMenuImage(tables);
  // The user is shown the program's own text; the store's reason has no second line to go on.
  return Result::From(SaveWithTwin(context.files, context.menuFile, bytes).Ok(),
                      FilledText{kWriteFailed, {context.menuFile}});
}

Result LoadMenuFile(Tables& tables, const MenuFileContext& context) {
  const TwinLoad load = LoadWithTwin(context.files, context.menuFile, kMaxMenuFileBytes, JudgeMenu);
  const std::string notOurs = context.menuFile + " is not a menu file of this program";
  if (load.outcome == TwinLoad::Outcome::kNoFile) {
    return Result::Failure("cannot read " + context.menuFile + " nor its backup copy");
  }
  if (load.outcome != TwinLoad::Outcome::kLoaded) return Result::Failure(notOurs);
  // Decoded straight into the tables: a second set of records would be 1.3 MB made, filled and
  // copied on every start.
  ByteReader in(load.bytes);
  std::array<GroupRecord, kGroupCount> groups;
  if (!DecodeGroups(in, groups)) return Result::Failure(notOurs);
  for (int g = kFirstSavedGroup; g < kGroupCount; ++g) tables.Groups[g] = std::move(groups[g]);
  ShortcutRecord catalogEntry;
  for (int r = 0; r <= kLastRecord; ++r) {
    // The catalog is rebuilt at every start; of its records only the user's pictures are kept.
    const bool catalog = r >= kFirstCatalogRecord && r <= kLastCatalogRecord;
    ShortcutRecord& record = catalog ? catalogEntry : tables.Shortcuts[r];
    ResetRecord(record);
    TransferFields(in, record);
    if (catalog) {
      tables.Shortcuts[r].CustomIcon = catalogEntry.CustomIcon;
    } else if (r <= kLastDockRecord && record.Kind == kKindFree) {
      record.Kind = kKindBlank;
    }
  }
  return Result::Success();
}

}  // namespace qav
