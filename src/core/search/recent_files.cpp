#include "core/search/recent_files.h"

#include <algorithm>
#include <optional>

#include "base/text.h"

namespace qav::search {
namespace {

// The value of `name="..."` inside one start tag, with the five XML entities decoded (addresses
// carry everything else percent-encoded); nothing when it is missing or malformed.
std::optional<std::string> Attribute(std::string_view tag, std::string_view name) {
  std::size_t at = 0;
  while ((at = tag.find(name, at)) != std::string_view::npos) {
    const bool starts =
        at > 0 && (tag[at - 1] == ' ' || tag[at - 1] == '\t' || tag[at - 1] == '\n');
    const std::size_t quote = at + name.size() + 1;
    if (starts && quote < tag.size() && tag[at + name.size()] == '=' &&
        (tag[quote] == '"' || tag[quote] == '\'')) {
      const auto end = tag.find(tag[quote], quote + 1);
      if (end == std::string_view::npos) return std::nullopt;
      const std::string raw(tag.substr(quote + 1, end - quote - 1));
      std::string value =
          ReplaceAll(ReplaceAll(ReplaceAll(raw, "&lt;", "<"), "&gt;", ">"), "&quot;", "\"");
      value = ReplaceAll(ReplaceAll(value, "&apos;", "'"), "&amp;", "&");
      return value;
    }
    at += name.size();
  }
  return std::nullopt;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char lower = LowerAscii(c);
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// "file:///home/ann/My%20File.txt" -> "/home/ann/My File.txt"; nothing for other addresses,
// files of other hosts, broken escapes, NULs or text that is not UTF-8.
std::optional<std::string> LocalPath(std::string_view address) {
  constexpr std::string_view kScheme = "file://";
  if (!address.starts_with(kScheme)) return std::nullopt;
  address.remove_prefix(kScheme.size());
  if (address.starts_with("localhost/")) address.remove_prefix(9);
  if (!address.starts_with('/')) return std::nullopt;
  std::string path;
  for (std::size_t i = 0; i < address.size(); ++i) {
    if (address[i] != '%') {
      path += address[i];
      continue;
    }
    if (i + 2 >= address.size()) return std::nullopt;
    const int high = HexDigit(address[i + 1]);
    const int low = HexDigit(address[i + 2]);
    if (high < 0 || low < 0 || (high == 0 && low == 0)) return std::nullopt;
    path += static_cast<char>(high * 16 + low);
    i += 2;
  }
  if (!IsValidUtf8(path)) return std::nullopt;
  return path;
}

}  // namespace

std::vector<RecentFile> ParseRecentFiles(std::string_view xbel, std::size_t limit) {
  std::vector<RecentFile> files;
  std::size_t at = 0;
  while ((at = xbel.find("<bookmark", at)) != std::string_view::npos) {
    const auto end = xbel.find('>', at);
    if (end == std::string_view::npos) break;
    const std::string_view tag = xbel.substr(at, end - at);
    at = end;
    if (tag.size() > 9 && tag[9] != ' ' && tag[9] != '\t' && tag[9] != '\n') continue;
    const auto href = Attribute(tag, "href");
    const auto path = href ? LocalPath(*href) : std::nullopt;
    if (!path) continue;
    auto modified = Attribute(tag, "modified");
    if (!modified) modified = Attribute(tag, "visited");
    if (!modified) modified = Attribute(tag, "added");
    files.push_back({*path, modified.value_or("")});
  }
  // ISO 8601 times in UTC sort as text.
  std::stable_sort(files.begin(), files.end(), [](const RecentFile& a, const RecentFile& b) {
    return a.modified > b.modified;
  });
  if (files.size() > limit) files.resize(limit);
  return files;
}

std::string_view RecentFileTitle(std::string_view path) {
  const auto cut = path.find_last_of('/');
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

}  // namespace qav::search
