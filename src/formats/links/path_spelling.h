#pragma once
// Recovering the Unicode spelling of a path a shell link stores only in an "ANSI" code page.
// The code page is not recorded, so beyond ASCII such a path cannot be decoded reliably (a link
// made on a Russian system holds Cyrillic in Windows-1251, say). The same link usually stores
// parts of the path again in Unicode: the working directory, the ID list's file names and the
// relative path.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qav::readers {

// True when `ansi` holds bytes beyond ASCII, or the '?' a code page puts for characters it lacks.
bool IsLossyAnsi(std::string_view ansi);

// `ansi` (raw bytes, components separated by backslashes) with each component that IsLossyAnsi
// spelled as in `leading`, a Unicode path whose components all match the first components of
// `ansi`, or as in one of `trailing`, Unicode paths whose last names (after any "::{GUID}", "."
// or ".." component) all match the last components of `ansi`. Components match when they agree
// in every ASCII character but '?' (ignoring case) and their lengths fit one another (a
// character takes one to four bytes). Nothing when a lossy component finds no spelling.
std::optional<std::string> UnicodeSpelling(std::string_view ansi, std::string_view leading,
                                           std::span<const std::string_view> trailing);

}  // namespace qav::readers
