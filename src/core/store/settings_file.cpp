#include "core/store/settings_file.h"

#include <filesystem>
#include <system_error>

#include "base/text.h"
#include "core/environment/paths.h"
#include "core/store/twin_file.h"

namespace qav {
namespace {

constexpr const char* kWriteFailed = QAV_TEXT("Core", "Writing configuration file failed! ");
constexpr long kSpareWidthTwips = 6240;
constexpr long kSpareHeightTwips = 1035;

ImageStatus JudgeSettings(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kSettingsFileSize ? ImageStatus::kWhole : ImageStatus::kShort;
}

void ApplySizes(Settings& s, const ScreenMetrics& screen) {
  SettingsRecord& r = s.Record;
  int normal = r.NormalSize;
  if (normal >= 16 && normal <= s.CentreSize) {
    s.NormalIconSize = normal;
  } else {
    normal = s.NormalIconSize;
  }
  const int magnified = r.MagnifiedSize;
  if (magnified >= normal && magnified <= 128) {
    s.MagnifiedIconSize = magnified;
  } else {
    s.MagnifiedIconSize = std::min(normal + 16, 128);
  }
  // A radius that fits the largest screen stays the user's even while the dock is on a smaller
  // one, where the working radius is fitted afterwards.
  if (r.RingRadius >= s.MinRingRadius && r.RingRadius <= MaxRadiusFor(screen)) {
    s.RingRadius = r.RingRadius;
  } else {
    r.RingRadius = s.RingRadius;
  }
  if (r.IconCountIndex < 0 || r.IconCountIndex > 7) r.IconCountIndex = 3;
  s.IconCount = 8 + 4 * r.IconCountIndex;
  s.TintSetting.alpha = r.Tint.alpha;
  s.TintColour = s.TintSetting;
}

void ClampSparePosition(SettingsRecord& r, const ScreenMetrics& screen) {
  const long limitX = screen.ScreenWidthTwips - kSpareWidthTwips;
  const long limitY = screen.ScreenHeightTwips - kSpareHeightTwips;
  long x = r.SpareX < 0 ? 0 : std::min<long>(r.SpareX, limitX);
  long y = r.SpareY < 0 ? 0 : std::min<long>(r.SpareY, limitY);
  if (x == 0 && y == 0) {
    x = DefaultSpareX(screen);
    y = DefaultSpareY(screen);
  }
  r.SpareX = static_cast<std::int32_t>(x);
  r.SpareY = static_cast<std::int32_t>(y);
  if (r.SparePositionIndex < 0 || r.SparePositionIndex > 8) r.SparePositionIndex = 0;
}

}  // namespace

long DefaultSpareX(const ScreenMetrics& screen) {
  return static_cast<long>(
      RoundHalfEven(static_cast<double>(screen.ScreenWidthTwips - kSpareWidthTwips) / 2.0));
}

long DefaultSpareY(const ScreenMetrics& screen) {
  return screen.ScreenHeightTwips - kSpareHeightTwips;
}

Result WriteSettingsFile(Settings& s, const ShortcutRecord& userRecord,
                         const SettingsFileContext& context) {
  SettingsRecord& r = s.Record;
  r.NormalSize = s.NormalIconSize;
  r.CentreSize = s.CentreSize;
  r.MagnifiedSize = s.MagnifiedIconSize;
  r.RingRadius = s.StoredRingRadius > 0 ? s.StoredRingRadius : s.RingRadius;
  r.IconCountIndex = static_cast<std::int32_t>(RoundHalfEven((s.IconCount - 8) / 4.0));
  r.Tint = s.TintSetting;
  r.AutoRun = ToVbBool(s.AutoRun);
  r.UserPicture = userRecord.IconFile.Get();
  const auto bytes = EncodeSettingsRecord(r);
  return Result::From(SaveWithTwin(context.files, context.settingsFile, bytes).Ok(), kWriteFailed);
}

Result ReadSettingsFile(Settings& s, ShortcutRecord& userRecord,
                        const SettingsFileContext& context) {
  const TwinLoad load =
      LoadWithTwin(context.files, context.settingsFile, kSettingsFileSize, JudgeSettings);
  if (load.outcome != TwinLoad::Outcome::kLoaded) {
    s.AutoRun = true;
    if (load.outcome == TwinLoad::Outcome::kNoFile) {
      return Result::Failure("cannot read " + context.settingsFile + " nor its backup copy");
    }
    return Result::Failure(context.settingsFile + " is not a settings file of this program");
  }
  s.Record = DecodeSettingsRecord(load.bytes);
  ApplySizes(s, context.screen);
  userRecord.IconFile = PathExists(context.userIconFile) ? context.userIconFile : std::string();
  s.AutoRun = s.Record.AutoRun != 0;
  if (s.AutoRun) s.AutoRun = context.setAutoRun(true);
  ClampSparePosition(s.Record, context.screen);
  return Result::Success();
}

}  // namespace qav
