#pragma once
// The freedesktop auto-start entry: a desktop file in "$XDG_CONFIG_HOME/autostart" that makes
// the session start a program when the user logs in. Its Exec key names the program, quoted and
// escaped by the desktop-file rules so that any path survives the trip to the session and back.

#include <optional>
#include <string>

namespace qav::platform {

// Writes an entry starting `programPath` (atomically, creating the folder). False when the file
// cannot be written, or when the path is empty or holds what a desktop file cannot carry
// (control characters other than tab, newline and carriage return; text that is not UTF-8).
bool WriteAutostartEntry(const std::string& entryPath, const std::string& programPath);

// The program the entry starts: the first argument of its Exec key. Nothing when there is no
// file or no Exec key in its [Desktop Entry] group, and nothing when the entry is switched off
// (Hidden=true, or X-GNOME-Autostart-enabled=false), since the session does not start it then.
std::optional<std::string> ReadAutostartProgram(const std::string& entryPath);

// Removes the entry; true when there is no file afterwards (also when there was none).
bool RemoveAutostartEntry(const std::string& entryPath);

}  // namespace qav::platform
