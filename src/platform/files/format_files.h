#pragma once
// The readers of formats/ parse bytes; these two give them a file of the user's world, read
// through the bounded reader (regular files only, never blocking, never past a limit).

#include <optional>
#include <string>
#include <string_view>

#include "formats/links/desktop_entry.h"

namespace qav::platform {

// The desktop entry at `path` (see readers::ParseDesktopEntry); nothing when it is not a
// regular file of at most 1 MiB or cannot be read.
std::optional<readers::DesktopEntry> ReadDesktopEntryFile(const std::string& path,
                                                          std::string_view locale);

// Field `field` of the version resource of the program at `path` (see
// readers::VersionFieldFromPe); empty when the file cannot be read or has none.
std::string GetFileVersionField(const std::string& path, int field);

}  // namespace qav::platform
