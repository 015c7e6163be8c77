#include "store/store_pictures.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/utf8_path.h"
#include "text/text.h"

namespace qav {

void RemoveStorePictures(const std::string& folder, const std::set<std::string>& keep) {
  if (folder.empty()) return;
  std::error_code error;
  std::vector<std::filesystem::path> pictures;
  for (std::filesystem::directory_iterator it(platform::PathFromUtf8(folder), error), end;
       !error && it != end; it.increment(error)) {
    const auto& path = it->path();
    if (LowerAscii(platform::Utf8FromPath(path.extension())) != ".png" ||
        !it->is_regular_file(error))
      continue;
    if (keep.count(platform::Utf8FromPath(path)) == 0) pictures.push_back(path);
  }
  for (const auto& picture : pictures) {
    std::error_code ignored;
    std::filesystem::remove(picture, ignored);
  }
}

}  // namespace qav
