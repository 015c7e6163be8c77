#pragma once
// The line structure shared by Windows INI files (.url) and desktop entries (.desktop):
// "[group]" headers and "key=value" lines. What the keys and values mean is left to the readers.

#include <string_view>
#include <vector>

namespace qav::readers {

struct IniEntry {
  std::string_view group;  // the group the entry lies in; empty before the first header
  std::string_view key;    // without the blanks around it
  std::string_view value;  // without the blanks around it, escapes untouched
};

// Every key=value line of `text` in order. Lines end in LF or CR LF; blank lines, lines starting
// with '#' or ';' and lines without '=' are skipped. A leading UTF-8 byte-order mark is ignored.
std::vector<IniEntry> ReadIniEntries(std::string_view text);

}  // namespace qav::readers
