#include "core/search/usage_file.h"

#include <filesystem>
#include <system_error>

#include <algorithm>
#include <charconv>
#include <vector>

#include "base/utf8_path.h"
#include "core/search/ranking.h"
#include "platform/files/bounded_read.h"

namespace qav::search {
namespace {

constexpr std::string_view kHeader = "QAV Launcher search usage 1\n";

std::optional<long long> Number(std::string_view text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

// "<count>\t<last>\t<key>"; nothing for anything else.
std::optional<std::pair<std::string, Usage>> ParseLine(std::string_view line) {
  const auto first = line.find('\t');
  if (first == std::string_view::npos) return std::nullopt;
  const auto second = line.find('\t', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const auto count = Number(line.substr(0, first));
  const auto last = Number(line.substr(first + 1, second - first - 1));
  const std::string_view key = line.substr(second + 1);
  if (!count || !last || *count == 0 || key.empty() || key.size() > kMaxUsageKeyBytes) {
    return std::nullopt;
  }
  return std::make_pair(std::string(key), Usage{*count, *last});
}

// Drops the entries that count least now until the table fits.
void Cap(UsageTable& table, long long now) {
  if (table.size() <= kMaxUsageEntries) return;
  std::vector<std::pair<double, std::string>> weights;
  for (const auto& [key, use] : table) weights.emplace_back(Frecency(use, now), key);
  std::sort(weights.begin(), weights.end());
  for (std::size_t i = 0; i < table.size() - kMaxUsageEntries; ++i) table.erase(weights[i].second);
}

}  // namespace

std::optional<UsageTable> ParseUsage(std::string_view text) {
  if (!text.starts_with(kHeader) || text.back() != '\n') return std::nullopt;
  text.remove_prefix(kHeader.size());
  UsageTable table;
  while (!text.empty()) {
    const auto end = text.find('\n');
    if (auto entry = ParseLine(text.substr(0, end))) {
      auto& use = table[entry->first];
      use.count += entry->second.count;
      use.lastUsed = std::max(use.lastUsed, entry->second.lastUsed);
    }
    text.remove_prefix(end + 1);
  }
  return table;
}

std::string EncodeUsage(const UsageTable& table) {
  std::string text(kHeader);
  for (const auto& [key, use] : table) {
    // A key is one line of the file.
    if (key.find_first_of("\n\r") != std::string::npos) continue;
    text += std::to_string(use.count) + '\t' + std::to_string(use.lastUsed) + '\t' + key + '\n';
  }
  return text;
}

void RecordUse(UsageTable& table, const std::string& key, long long now) {
  if (key.empty() || key.size() > kMaxUsageKeyBytes ||
      key.find_first_of("\n\r") != std::string::npos) {
    return;
  }
  Usage& use = table[key];
  ++use.count;
  use.lastUsed = std::max(use.lastUsed, now);
  Cap(table, now);
}

UsageTable LoadUsage(const std::string& path) {
  const auto text = platform::ReadWholeTextFile(path, kMaxUsageFileBytes);
  if (!text) return {};
  return ParseUsage(*text).value_or(UsageTable{});
}

Result SaveUsage(platform::FileOps& files, const std::string& path, const UsageTable& table) {
  // The state folder is the program's own; it may not have been made yet.
  std::error_code ignored;
  std::filesystem::create_directories(platform::PathFromUtf8(path).parent_path(), ignored);
  const std::string text = EncodeUsage(table);
  return Result::From(
      platform::WriteAtomically(files, path,
                                {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}),
      "cannot write " + path);
}

}  // namespace qav::search
