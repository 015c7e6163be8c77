#pragma once
// How often and when the user last started each search result, kept in a small text file of our
// own ("$XDG_STATE_HOME/qav-launcher/usage"):
//
//   QAV Launcher search usage 1
//   <count> <TAB> <last use, seconds since 1970> <TAB> <key>
//   ...
//
// one line per result, each ending in a line break. A file that does not start with the first
// line, or whose last line has no line break (a write cut short), is ignored as a whole; a line
// that cannot be read is skipped. At most kMaxUsageEntries results are kept: the least used go.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "platform/file_ops.h"

namespace qav::search {

inline constexpr std::size_t kMaxUsageEntries = 1000;
inline constexpr std::size_t kMaxUsageFileBytes = 256u << 10;
inline constexpr std::size_t kMaxUsageKeyBytes = 2048;

struct Usage {
  long long count = 0;
  long long lastUsed = 0;
};

using UsageTable = std::map<std::string, Usage, std::less<>>;

// Nothing when the text is not a usage file (see above).
std::optional<UsageTable> ParseUsage(std::string_view text);
std::string EncodeUsage(const UsageTable& table);

// Counts one more start of `key` at `now`, dropping the least used entries past the cap.
void RecordUse(UsageTable& table, const std::string& key, long long now);

// The file's table, or an empty one when there is none or it cannot be used.
UsageTable LoadUsage(const std::string& path);
// Replaces the file atomically; a failure names the file that could not be written.
Result SaveUsage(platform::FileOps& files, const std::string& path, const UsageTable& table);

}  // namespace qav::search
