#include "formats/links/internet_shortcut.h"

#include <charconv>

#include "base/text.h"
#include "formats/links/ini_text.h"
#include "formats/links/text_encoding.h"

namespace qav::readers {

std::optional<InternetShortcut> ParseInternetShortcut(std::string_view text) {
  std::optional<std::string_view> url, iconFile, iconIndex;
  for (const IniEntry& entry : ReadIniEntries(text)) {
    if (!EqualsIgnoreCase(entry.group, "InternetShortcut")) continue;
    for (auto [name, field] :
         {std::pair{"URL", &url}, {"IconFile", &iconFile}, {"IconIndex", &iconIndex}}) {
      if (!*field && EqualsIgnoreCase(entry.key, name)) *field = entry.value;
    }
  }
  if (!url || url->empty()) return std::nullopt;
  InternetShortcut shortcut{AnsiToUtf8(*url), AnsiToUtf8(iconFile.value_or("")), 0};
  if (iconIndex) {
    const char* first = iconIndex->data();
    std::from_chars(first, first + iconIndex->size(), shortcut.iconIndex);
  }
  return shortcut;
}

}  // namespace qav::readers
