#pragma once
// The files the user opened lately, as the desktop records them in "recently-used.xbel" (the
// freedesktop bookmark file, "$XDG_DATA_HOME/recently-used.xbel"): every <bookmark> with a local
// "file://" address, newest first.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qav::search {

inline constexpr std::size_t kMaxRecentFileBytes = 4u << 20;

struct RecentFile {
  std::string path;      // the local path, percent-decoded
  std::string modified;  // the bookmark's "modified" (else "visited", "added") time, ISO 8601
};

// At most `limit` files, the most recently modified first (ties in file order). Anything that is
// not a well-formed bookmark of a local file is skipped.
std::vector<RecentFile> ParseRecentFiles(std::string_view xbel, std::size_t limit);

// The file name a recent file is shown by: what follows the last "/".
std::string_view RecentFileTitle(std::string_view path);

}  // namespace qav::search
