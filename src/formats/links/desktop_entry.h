#pragma once
// Desktop entries (.desktop files, the freedesktop Desktop Entry format): the launchers and
// links of Linux desktops, the session's auto-start entries and the default programs' entries.
// The one reader of the format for the whole program.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qav::readers {

struct DesktopEntry {
  std::string name;                   // Name, in the best translation for the locale
  std::string genericName;            // GenericName ("Web Browser"), translated likewise
  std::vector<std::string> keywords;  // Keywords, translated likewise
  std::string type;  // Application, Link or Directory; empty when the entry names none
  // Exec split into words by the format's quoting rules, field codes still in place.
  std::vector<std::string> exec;
  // The words of Exec without field codes: the program and the others as a command line (see
  // command_line.h).
  std::string program;
  std::string arguments;
  std::string url;         // URL of a Link entry
  std::string workingDir;  // Path
  std::string icon;        // a theme icon name or an absolute file
  std::string tryExec;     // a program that must be installed for the entry to be shown
  std::vector<std::string> onlyShowIn;
  std::vector<std::string> notShowIn;
  bool hidden = false;           // Hidden: the entry counts as deleted
  bool noDisplay = false;        // NoDisplay: installed, but not for menus
  bool terminal = false;         // the program runs in a terminal emulator
  bool autostartEnabled = true;  // X-GNOME-Autostart-enabled
};

// Reads the [Desktop Entry] group; nothing when the text has none. `locale` is a POSIX locale
// name ("de_AT.UTF-8@euro"): Name is looked up as Name[lang_COUNTRY@MODIFIER],
// Name[lang_COUNTRY], Name[lang@MODIFIER], Name[lang], then Name (GenericName and Keywords
// alike). Exec is split by the format's
// quoting rules (and, as desktops do, single quotes); in `program` and `arguments` field codes
// such as %f or %U are dropped and %% becomes %.
std::optional<DesktopEntry> ParseDesktopEntry(std::string_view text, std::string_view locale);
// The words of Exec with the field codes filled in, as the entry's desktop would run it: %f and
// %u the first of `files`, %F and %U all of them, %i "--icon" and the icon, %c the name, %k the
// entry's own path, %% a percent sign; the deprecated codes are dropped.
std::vector<std::string> ExpandExec(const DesktopEntry& entry, const std::string& entryPath,
                                    const std::vector<std::string>& files);

// An application a menu lists: of type Application, neither Hidden nor NoDisplay, meant for one
// of `desktops` (the colon-separated $XDG_CURRENT_DESKTOP) by OnlyShowIn and NotShowIn, and
// with its TryExec program installed (`installed` answers for a name or a path).
bool ShownInMenus(const DesktopEntry& entry, std::string_view desktops,
                  const std::function<bool(const std::string&)>& installed);

}  // namespace qav::readers
