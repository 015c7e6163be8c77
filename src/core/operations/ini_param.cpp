#include "core/operations/ini_param.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "base/text.h"
#include "base/utf8_path.h"
#include "core/environment/registry_access.h"
#include "core/operations/screen_fit.h"
#include "core/shortcuts/catalog.h"
#include "core/shortcuts/default_groups.h"
#include "core/shortcuts/group_editing.h"

namespace qav {
namespace {

constexpr int kFirstDefaultItem = 3;
constexpr int kLastDefaultItem = 9;
constexpr std::uint8_t kDefaultTintAlpha = 192;

void SetDefaults(AppState& state) {
  Settings& s = state.settings;
  state.AnimateShowHide = false;
  s.MaxRadius = MaxRadiusFor(state.screen);
  s.MinRingRadius = 200;
  s.RingRadius = std::min(s.MaxRadius, 300);
  s.StoredRingRadius = 0;
  s.CentreSize = kCentreSize;
  s.NormalIconSize = 48;
  s.MagnifiedIconSize = 64;
  s.IconCount = 24;
  s.TintSetting.alpha = kDefaultTintAlpha;
  s.TintColour = s.TintSetting;
  s.AutoRun = true;
  s.Record.SpareX = static_cast<std::int32_t>(DefaultSpareX(state.screen));
  s.Record.SpareY = static_cast<std::int32_t>(DefaultSpareY(state.screen));
  s.Record.SparePositionIndex = 0;
}

void SetImageSlots(AppState& state) {
  state.imageSlots.Count = 4;
  state.imageSlots.Sizes[1] = state.settings.NormalIconSize;
  state.imageSlots.Sizes[2] = state.settings.MagnifiedIconSize;
  state.imageSlots.Sizes[3] = kCentreSize;
  state.imageSlots.Sizes[4] = 32;
}

// A shipped picture named by a menu file saved by a copy of the program installed elsewhere is
// found again in this copy's picture folder.
void FollowMovedSysIcons(AppState& state) {
  const std::string& folder = state.paths.SysIconsFolder;
  for (ShortcutRecord& record : state.tables.Shortcuts) {
    for (FixedText<255>* field : {&record.IconFile, &record.CustomIcon}) {
      const std::string path = field->Get();
      const auto cut = path.find_last_of("/\\");
      if (cut == std::string::npos || path.compare(0, folder.size(), folder) == 0) continue;
      const std::string parent = path.substr(0, cut);
      if (!parent.ends_with("SysIcons")) continue;
      std::error_code error;
      const std::string here = folder + path.substr(cut + 1);
      if (!std::filesystem::exists(platform::PathFromUtf8(path), error) &&
          std::filesystem::exists(platform::PathFromUtf8(here), error)) {
        *field = here;
      }
    }
  }
}

void BuildDefaultItems(AppState& state, platform::Platform& platform, ItemPictures& pictures) {
  Classifier classifier({state.tables, state.paths, platform.system, platform.registry,
                         platform.volumes, platform.messages, pictures, state.settings.IconCount});
  DefaultGroupContext context{state.tables, state.paths,   platform,
                              classifier,   state.OsMajor, platform.folders.ApplicationFolders()};
  // All Programs last: the other groups are small and built in full, and it takes what the
  // record pool has left.
  for (int number = kFirstDefaultItem + 1; number <= kLastDefaultItem; ++number) {
    BuildDefaultGroup(context, number, 0);
  }
  BuildDefaultGroup(context, kFirstDefaultItem, 0);
  state.DefaultEntriesLeftOut = context.leftOut;
}

// A title saved as " (Empty)" may belong to a group that has members again (the file was edited
// or copied from another set of items); what is loaded decides the suffix, not what was saved.
// A group with a single member keeps its title as saved.
void RefreshGroupTitles(Tables& tables) {
  for (int g = kFirstSavedGroup; g < kGroupCount; ++g) {
    if (tables.Groups[g].MemberCount > 1) UpdateGroupTitle(tables, g);
  }
}

}  // namespace

SettingsFileContext SettingsContext(const AppState& state, platform::Platform& platform) {
  const std::string exe = state.paths.StartCommand;
  platform::Registry& registry = platform.registry;
  return {state.paths.SettingsFile, state.paths.UserIconFile, state.screen, platform.files,
          [&registry, exe](bool enable) { return SetAutoRun(registry, exe, enable); }};
}

MenuFileContext MenuContext(const AppState& state, platform::Platform& platform) {
  return {state.paths.MenuFile, platform.files};
}

CatalogContext CatalogContextFor(const AppState& state, platform::Platform& platform) {
  CatalogContext context;
  context.sysIconsFolder = state.paths.SysIconsFolder;
  context.userIconFile = state.paths.UserIconFile;
  context.userName = TrimNull(GetUserLogonName(platform.system));
  context.hideDesktopIcons = state.settings.Record.HideDesktopIcons != 0;
  context.draggingLocked = state.settings.Record.DraggingLocked != 0;
  context.recycleBinFull = platform.trash.HasItems();
  return context;
}

void IniParam(AppState& state, bool /*first*/, bool loadSettings, bool loadMenu,
              platform::Platform& platform, const ScreenInfo& screen, ItemPictures& pictures) {
  state.HoverSlot = -1;
  state.MenuHotRow = -1;
  state.screen = ComputeScreenMetrics(screen);
  state.ring.BorderSize = kBorderSize;
  SetDefaults(state);
  if (loadSettings) {
    const ScreenMetrics largest = ComputeScreenMetrics(LargestScreen(screen));
    SettingsFileContext context = SettingsContext(state, platform);
    // A first start has no file, and a damaged one has been set aside: the defaults stand either
    // way, with nothing to tell the user.
    (void)ReadSettingsFile(
        state.settings, state.tables.Shortcuts[kUserRecord],
        {context.settingsFile, context.userIconFile, largest, context.files, context.setAutoRun});
  }
  SetImageSlots(state);
  BuildCatalog(state.tables, CatalogContextFor(state, platform));
  if (!loadMenu || !LoadMenuFile(state.tables, MenuContext(state, platform)).Ok()) {
    BuildDefaultItems(state, platform, pictures);
  } else {
    RefreshGroupTitles(state.tables);
    FollowMovedSysIcons(state);
  }
  FitToScreen(state, screen);
}

bool ReportFailure(platform::MessageBoxes& messages, const Result& result) {
  if (result) return true;
  messages.Show(platform::FilledMessage(result.ErrorText(), QAV_TEXT("Core", "QAV Launcher"),
                                        platform::MessageIcon::kExclamation,
                                        platform::MessageButtons::kOk));
  return false;
}

bool SaveSettingsFile(Settings& settings, AppState& state, platform::Platform& platform) {
  return ReportFailure(platform.messages,
                       WriteSettingsFile(settings, state.tables.Shortcuts[kUserRecord],
                                         SettingsContext(state, platform)));
}

bool SaveMenuFile(const AppState& state, platform::Platform& platform) {
  return ReportFailure(platform.messages,
                       WriteMenuFile(state.tables, MenuContext(state, platform)));
}

void SaveConfiguration(AppState& state, platform::Platform& platform) {
  SaveSettingsFile(state.settings, state, platform);
  SaveMenuFile(state, platform);
}

void TellLeftOutEntries(AppState& state, platform::MessageBoxes& messages) {
  const int count = std::exchange(state.DefaultEntriesLeftOut, 0);
  if (count <= 0) return;
  const char* pattern =
      count == 1 ? QAV_TEXT("Core",
                            "There was no room for 1 entry of the desktop and the installed "
                            "applications: QAV Launcher keeps at most 896 shortcuts in its groups, "
                            "so these were left out of the All Programs Group.")
                 : QAV_TEXT("Core",
                            "There was no room for %1 entries of the desktop and the installed "
                            "applications: QAV Launcher keeps at most 896 shortcuts in its groups, "
                            "so these were left out of the All Programs Group.");
  messages.Show(
      platform::FilledMessage({pattern, {std::to_string(count)}}, QAV_TEXT("Core", "QAV Launcher"),
                              platform::MessageIcon::kInformation, platform::MessageButtons::kOk));
}

}  // namespace qav
