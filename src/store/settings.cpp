#include "store/settings.h"

#include "store/byte_codec.h"

namespace qav {

std::vector<std::uint8_t> EncodeSettingsRecord(const SettingsRecord& r) {
  std::vector<std::uint8_t> out;
  out.reserve(kSettingsFileSize);
  ByteWriter w(out);
  w.I32(r.NormalSize);
  w.I32(r.CentreSize);
  w.I32(r.MagnifiedSize);
  w.I32(r.RingRadius);
  w.I32(r.IconCountIndex);
  w.U8(r.Tint.blue);
  w.U8(r.Tint.green);
  w.U8(r.Tint.red);
  w.U8(r.Tint.alpha);
  w.I16(r.Reserved);
  w.I16(r.AutoRun);
  w.Bytes(r.UserPicture.Bytes());
  w.Bytes(r.SpareText.Bytes());
  w.I32(r.SpareCounter);
  w.I32(r.SpareX);
  w.I32(r.SpareY);
  w.I32(r.SparePositionIndex);
  w.I16(r.DraggingLocked);
  w.I16(r.StartedPage);
  w.U8(r.HideDesktopIcons);
  w.U8(r.AutoHide);
  w.U8(r.HideShortcutLetters);
  w.U8(r.MinimizedPosition);
  w.U8(r.ClearType);
  w.U8(r.SpareByte);
  return out;
}

SettingsRecord DecodeSettingsRecord(std::span<const std::uint8_t> bytes) {
  SettingsRecord r;
  ByteReader in(bytes);
  r.NormalSize = in.I32();
  r.CentreSize = in.I32();
  r.MagnifiedSize = in.I32();
  r.RingRadius = in.I32();
  r.IconCountIndex = in.I32();
  r.Tint.blue = in.U8();
  r.Tint.green = in.U8();
  r.Tint.red = in.U8();
  r.Tint.alpha = in.U8();
  r.Reserved = in.I16();
  r.AutoRun = in.I16();
  in.Bytes(r.UserPicture.Bytes());
  in.Bytes(r.SpareText.Bytes());
  r.SpareCounter = in.I32();
  r.SpareX = in.I32();
  r.SpareY = in.I32();
  r.SparePositionIndex = in.I32();
  r.DraggingLocked = in.I16();
  r.StartedPage = in.I16();
  r.HideDesktopIcons = in.U8();
  r.AutoHide = in.U8();
  r.HideShortcutLetters = in.U8();
  r.MinimizedPosition = in.U8();
  r.ClearType = in.U8();
  r.SpareByte = in.U8();
  return r;
}

}  // namespace qav
