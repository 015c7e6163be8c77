#include "core/store/store_pictures.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/text.h"
#include "base/utf8_path.h"
#include "platform/temporary_names.h"

namespace qav {
namespace {

bool IsDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "12.png", as new pictures are numbered, and "Restored 12-0.png", as a restore names a picture
// whose own name cannot be used.
bool IsProgramName(std::string_view name) {
  // The extension in any case: a data folder carried over from a system whose names ignore it.
  if (name.size() < 4 || LowerAscii(std::string(name.substr(name.size() - 4))) != ".png") {
    return false;
  }
  name.remove_suffix(4);
  if (IsDigits(name)) return true;
  constexpr std::string_view kRestored = "Restored ";
  if (!name.starts_with(kRestored)) return false;
  name.remove_prefix(kRestored.size());
  const auto dash = name.find('-');
  return dash != std::string_view::npos && IsDigits(name.substr(0, dash)) &&
         IsDigits(name.substr(dash + 1));
}

std::filesystem::path WithoutTrailingSeparator(const std::string& folder) {
  std::filesystem::path path = platform::PathFromUtf8(folder);
  return path.has_filename() ? path : path.parent_path();
}

}  // namespace

bool IsLinkedFolder(const std::string& folder) {
  std::error_code error;
  return !folder.empty() && std::filesystem::is_symlink(std::filesystem::symlink_status(
                                WithoutTrailingSeparator(folder), error));
}

void RemoveStorePictures(const std::string& folder, const std::set<std::string>& ours,
                         const std::set<std::string>& keep) {
  if (folder.empty() || IsLinkedFolder(folder)) return;
  std::error_code error;
  std::vector<std::filesystem::path> pictures;
  for (std::filesystem::directory_iterator it(platform::PathFromUtf8(folder), error), end;
       !error && it != end; it.increment(error)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError) || it->is_symlink(typeError)) continue;
    const std::string path = platform::Utf8FromPath(it->path());
    const std::string name = platform::Utf8FromPath(it->path().filename());
    const bool program =
        ours.count(path) != 0 || IsProgramName(name) || platform::IsTemporaryName(name);
    if (program && keep.count(path) == 0) pictures.push_back(it->path());
  }
  for (const auto& picture : pictures) {
    std::error_code ignored;
    std::filesystem::remove(picture, ignored);
  }
}

}  // namespace qav
