#include "formats/links/ini_text.h"

#include <algorithm>

#include "base/text.h"

namespace qav::readers {
std::vector<IniEntry> ReadIniEntries(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<IniEntry> entries;
  std::string_view group;
  while (!text.empty()) {
    const auto end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    line = Trim(line);
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    if (line[0] == '[') {
      group = line.substr(
          1, line.find(']') == std::string_view::npos ? line.size() - 1 : line.find(']') - 1);
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    entries.push_back({group, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))});
  }
  return entries;
}

}  // namespace qav::readers
