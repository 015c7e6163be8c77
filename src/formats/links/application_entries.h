#pragma once
// Where the installed applications' desktop entries are, by the freedesktop rules: each
// applications folder of the XDG data directories, the user's first, holds desktop files whose
// desktop-file id is their path below the folder with "/" turned into "-"
// ("kde/konqueror.desktop" is "kde-konqueror.desktop"). Of several files with one id, the one
// in the most important folder counts, even when it hides the application (Hidden=true).

#include <string>
#include <vector>

namespace qav::readers {

struct ApplicationEntry {
  std::string id;    // "org.gnome.Nautilus.desktop"
  std::string path;  // the file that counts for it
};

// Every desktop file of `folders` (most important first), each id once, in id order. Symbolic
// links to files are followed (Flatpak's exports are links), folders are entered a few levels
// deep and the count is capped, so that a strange folder cannot hold the start up.
std::vector<ApplicationEntry> ListApplicationEntries(const std::vector<std::string>& folders);

// The file that counts for desktop-file id `id` (ending in ".desktop"); empty when no folder has
// one.
std::string FindDesktopEntry(const std::vector<std::string>& folders, const std::string& id);

}  // namespace qav::readers
