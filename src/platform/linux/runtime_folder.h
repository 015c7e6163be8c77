#pragma once
// The folder the dock's lock and socket live in. It must be this user's alone: anyone else who
// could put a file there could hold the lock (no dock would ever start) or listen in the dock's
// place. Standard C++ and POSIX only, so that the small client finds the same folder as the dock.

#include <string>

namespace qav::platform {

// The first usable of: $XDG_RUNTIME_DIR when it is a folder of this user's that nobody else may
// write in; a folder "qav-launcher-<uid>" of the temporary folder ($TMPDIR, else /tmp), made with
// mode 0700 and refused when another user owns it; "qav-launcher-runtime" in the cache folder
// ($XDG_CACHE_HOME, else ~/.cache), which no other user can take. Without a slash at the end;
// empty when none can be had. `note` (may be null) is told why a folder was passed over.
std::string PrivateRuntimeFolder(std::string* note = nullptr);

// What stands at `path`, in words ("a folder", "a symbolic link", "a socket of another user"...);
// empty when nothing does.
std::string DescribeFound(const std::string& path);

// Renames whatever stands at `path` to a name beside it that is not taken, so that nothing of the
// user's is destroyed; the new name, or empty when it could not be moved.
std::string MoveAside(const std::string& path);

}  // namespace qav::platform
