#include "core/store/settings.h"

#include "core/store/byte_codec.h"

namespace qav {
namespace {

// The file layout, in order; `Record` is const when writing.
template <typename Io, typename Record>
void TransferFields(Io& io, Record& r) {
  io.Field(r.NormalSize);
  io.Field(r.CentreSize);
  io.Field(r.MagnifiedSize);
  io.Field(r.RingRadius);
  io.Field(r.IconCountIndex);
  io.Field(r.Tint.blue);
  io.Field(r.Tint.green);
  io.Field(r.Tint.red);
  io.Field(r.Tint.alpha);
  io.Field(r.Reserved);
  io.Field(r.AutoRun);
  io.Field(r.UserPicture);
  io.Field(r.SpareText);
  io.Field(r.SpareCounter);
  io.Field(r.SpareX);
  io.Field(r.SpareY);
  io.Field(r.SparePositionIndex);
  io.Field(r.DraggingLocked);
  io.Field(r.StartedPage);
  io.Field(r.HideDesktopIcons);
  io.Field(r.AutoHide);
  io.Field(r.HideShortcutLetters);
  io.Field(r.MinimizedPosition);
  io.Field(r.ClearType);
  io.Field(r.SpareByte);
}

}  // namespace

std::vector<std::uint8_t> EncodeSettingsRecord(const SettingsRecord& record) {
  std::vector<std::uint8_t> out;
  out.reserve(kSettingsFileSize);
  ByteWriter writer(out);
  TransferFields(writer, record);
  return out;
}

SettingsRecord DecodeSettingsRecord(std::span<const std::uint8_t> bytes) {
  SettingsRecord record;
  ByteReader reader(bytes);
  TransferFields(reader, record);
  return record;
}

}  // namespace qav
