#pragma once
// Desktop entries (.desktop files, the freedesktop Desktop Entry format): the launchers and
// links of Linux desktops.

#include <optional>
#include <string>
#include <string_view>

namespace qav::readers {

struct DesktopEntry {
  std::string name;  // Name, in the best translation for the locale
  std::string type;  // Application, Link or Directory
  std::string program;
  // The other words of Exec without field codes, as a command line (see command_line.h).
  std::string arguments;
  std::string url;         // URL of a Link entry
  std::string workingDir;  // Path
  std::string icon;        // a theme icon name or an absolute file
  bool hidden = false;     // Hidden or NoDisplay
  bool terminal = false;
};

// Reads the [Desktop Entry] group. `locale` is a POSIX locale name ("de_AT.UTF-8@euro"): Name
// is looked up as Name[lang_COUNTRY@MODIFIER], Name[lang_COUNTRY], Name[lang@MODIFIER],
// Name[lang], then Name. Exec is split by the format's quoting rules (and, as desktops do,
// single quotes), field codes such as %f or %U are dropped and %% becomes %. Nothing when the
// group or its Type is missing.
std::optional<DesktopEntry> ParseDesktopEntry(std::string_view text, std::string_view locale);

}  // namespace qav::readers
