#pragma once
// Internet shortcuts (.url files): a Windows INI file whose [InternetShortcut] group names a web
// address and, optionally, an icon for it.

#include <optional>
#include <string>
#include <string_view>

namespace qav::readers {

struct InternetShortcut {
  std::string url;
  std::string iconFile;  // a file or an http(s) address; empty when none
  int iconIndex = 0;
};

// Reads URL=, IconFile= and IconIndex= of the [InternetShortcut] group (group and key names in
// any case, the group anywhere in the file; the first of repeated keys wins). Text that is not
// UTF-8 is taken as Windows-1252. Nothing when there is no URL.
std::optional<InternetShortcut> ParseInternetShortcut(std::string_view text);

}  // namespace qav::readers
