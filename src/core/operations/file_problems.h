#pragma once
// Why a file the user named for a backup or a restore cannot be used, in words for the command
// line: the message boxes keep the program's own short texts, and the command line adds the
// reason on a line of its own.

#include <string>

namespace qav {

// What keeps `path` from being read as a whole regular file (no such file, a folder, a device...);
// empty when nothing visibly stands in the way.
std::string WhyUnreadable(const std::string& path);
// What keeps a file from being written at `path` (a folder stands there, the folder is missing or
// not writable...); empty when nothing visibly stands in the way.
std::string WhyUnwritable(const std::string& path);

}  // namespace qav
