#include "core/operations/reload.h"

#include <filesystem>
#include <system_error>

#include "base/utf8_path.h"
#include "core/operations/ini_param.h"

namespace qav {
namespace {

bool PictureOnDisk(FixedText<255>& field) {
  const std::string path = field.Get();
  field = path;
  std::error_code error;
  return !path.empty() && std::filesystem::exists(platform::PathFromUtf8(path), error);
}

void CheckPictures(Tables& tables, const RefreshPicture& refresh) {
  auto check = [&](int r) {
    ShortcutRecord& record = tables.Shortcuts[r];
    if (PictureOnDisk(record.CustomIcon) || PictureOnDisk(record.IconFile)) return;
    refresh(r);
  };
  for (int r = 4; r <= kLastDockRecord; ++r) check(r);
  for (int r = kFirstPoolRecord; r <= kLastRecord; ++r) check(r);
}

}  // namespace

void ReloadTables(AppState& state, const ReloadOptions& options, platform::Platform& platform,
                  const ScreenInfo& screen, ItemPictures& pictures, const RefreshPicture& refresh) {
  if (options.resetMenu || options.checkPictures) state.tables = MakeTables();
  IniParam(state, false, !options.resetSettings, !options.resetMenu, platform, screen, pictures);
  if (options.checkPictures) CheckPictures(state.tables, refresh);
}

}  // namespace qav
