#pragma once
// The settings record as the settings file holds it, and the working settings drawn from it.

#include <cstdint>
#include <span>
#include <vector>

#include "core/store/fixed_text.h"
#include "core/store/records.h"

namespace qav {

inline constexpr std::size_t kSettingsFileSize = 564;

struct TintBytes {
  std::uint8_t blue = 0;
  std::uint8_t green = 0;
  std::uint8_t red = 0;
  std::uint8_t alpha = 0;  // the tint's opacity; the only byte ever changed or read back

  bool operator==(const TintBytes&) const = default;
};

struct SettingsRecord {
  std::int32_t NormalSize = 0;
  std::int32_t CentreSize = 0;
  std::int32_t MagnifiedSize = 0;
  std::int32_t RingRadius = 0;
  std::int32_t IconCountIndex = 0;  // 0..7: 8 + 4 * index icons
  TintBytes Tint;
  std::int16_t Reserved = 0;
  VbBool AutoRun = 0;
  FixedText<255> UserPicture;
  FixedText<255> SpareText;
  std::int32_t SpareCounter = 0;
  std::int32_t SpareX = 0;  // twips
  std::int32_t SpareY = 0;  // twips
  std::int32_t SparePositionIndex = 0;
  VbBool DraggingLocked = 0;
  std::int16_t StartedPage = 0;  // -1: the getting-started window stays closed
  std::uint8_t HideDesktopIcons = 0;
  std::uint8_t AutoHide = 0;
  std::uint8_t HideShortcutLetters = 0;
  std::uint8_t MinimizedPosition = 0;  // 0..8
  std::uint8_t ClearType = 0;
  std::uint8_t SpareByte = 0;

  bool operator==(const SettingsRecord&) const = default;
};

std::vector<std::uint8_t> EncodeSettingsRecord(const SettingsRecord& record);
// Missing bytes of a short image read as zero.
SettingsRecord DecodeSettingsRecord(std::span<const std::uint8_t> bytes);

// The working settings. Fields of the record not mirrored here are used straight from `Record`.
struct Settings {
  int NormalIconSize = 48;
  int CentreSize = 128;
  int MagnifiedIconSize = 64;
  int RingRadius = 300;
  // The user's radius while the dock is on a screen too small for it (RingRadius then holds
  // that screen's default); 0 when RingRadius is the user's. It is what the file keeps.
  int StoredRingRadius = 0;
  int MaxRadius = 0;
  int MinRingRadius = 200;
  int IconCount = 24;
  TintBytes TintSetting;
  TintBytes TintColour;  // the copy drawing uses
  bool AutoRun = true;
  SettingsRecord Record;
};

}  // namespace qav
