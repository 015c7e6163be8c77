#include "core/operations/data_files.h"

#include <filesystem>
#include <system_error>

#include "base/utf8_path.h"
#include "core/store/store_pictures.h"

namespace qav {
namespace {

void Remove(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(platform::PathFromUtf8(path), ignored);
}

}  // namespace

void ClearDataFiles(const Paths& paths, bool alsoSettings) {
  if (alsoSettings) {
    Remove(paths.SettingsFile);
    Remove(paths.SettingsBackup());
  }
  Remove(paths.MenuFile);
  Remove(paths.MenuBackup());
  RemoveStorePictures(paths.IconStore, {});
}

}  // namespace qav
