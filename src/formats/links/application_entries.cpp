#include "formats/links/application_entries.h"

#include <filesystem>
#include <map>
#include <system_error>
#include <utility>

#include "base/utf8_path.h"

namespace qav::readers {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxDepth = 4;
constexpr std::size_t kMaxFiles = 20000;
constexpr std::size_t kMaxDashesTried = 12;

bool IsDesktopFile(const fs::path& path) {
  std::error_code error;
  return path.extension() == ".desktop" && fs::is_regular_file(path, error);
}

fs::path FolderPath(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return platform::PathFromUtf8(folder);
}

// The files below `folder` whose id is not taken yet by a more important folder.
void Collect(const fs::path& folder, std::map<std::string, std::string>& found) {
  std::error_code error;
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
  for (std::size_t seen = 0; !error && it != fs::recursive_directory_iterator() &&
                             seen < kMaxFiles && found.size() < kMaxFiles;
       it.increment(error), ++seen) {
    if (it.depth() >= kMaxDepth) it.disable_recursion_pending();
    if (!IsDesktopFile(it->path())) continue;
    // Joined part by part: Windows separates folders with a backslash, which a Linux name may hold.
    std::string id;
    for (const fs::path& part : it->path().lexically_relative(folder)) {
      if (!id.empty()) id += '-';
      id += platform::Utf8FromPath(part);
    }
    found.emplace(std::move(id), platform::Utf8FromPath(it->path()));
  }
}

// `rest` of an id in `folder`: the file itself, or a folder named by what comes before one of
// its dashes holding the rest.
std::string Resolve(const fs::path& folder, const std::string& rest, std::size_t dashes) {
  if (IsDesktopFile(folder / platform::PathFromUtf8(rest))) {
    return platform::Utf8FromPath(folder / platform::PathFromUtf8(rest));
  }
  if (dashes >= kMaxDashesTried) return {};
  std::error_code error;
  for (std::size_t dash = rest.find('-'); dash != std::string::npos;
       dash = rest.find('-', dash + 1)) {
    const fs::path sub = folder / platform::PathFromUtf8(rest.substr(0, dash));
    if (dash == 0 || !fs::is_directory(sub, error)) continue;
    std::string found = Resolve(sub, rest.substr(dash + 1), dashes + 1);
    if (!found.empty()) return found;
  }
  return {};
}

}  // namespace

std::vector<ApplicationEntry> ListApplicationEntries(const std::vector<std::string>& folders) {
  std::map<std::string, std::string> found;
  for (const std::string& folder : folders) {
    if (!folder.empty()) Collect(FolderPath(folder), found);
  }
  std::vector<ApplicationEntry> entries;
  entries.reserve(found.size());
  for (auto& [id, path] : found) entries.push_back({id, std::move(path)});
  return entries;
}

std::string FindDesktopEntry(const std::vector<std::string>& folders, const std::string& id) {
  if (id.empty() || id.find('/') != std::string::npos || id.find('\\') != std::string::npos ||
      id.front() == '.') {
    return {};
  }
  for (const std::string& folder : folders) {
    if (folder.empty()) continue;
    std::string found = Resolve(FolderPath(folder), id, 0);
    if (!found.empty()) return found;
  }
  return {};
}

}  // namespace qav::readers
