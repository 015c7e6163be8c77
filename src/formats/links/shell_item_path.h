#pragma once
// The path a link target's ID list (a chain of shell items, each naming one step from the
// desktop down) spells.

#include "base/byte_view.h"

#include <string>

namespace qav::readers {

// `items` holds the shell items and the terminating zero size. The path is built from drive
// items ("C:\"), file-entry items (their long Unicode names), shell-folder items ("::{GUID}",
// joined by backslashes) and, for an item of the Applications folder, that application's user
// model id. Empty when the list holds an item of another kind or is malformed: a path with a
// step left out would name the wrong thing.
std::string ShellItemPath(ByteView items);

}  // namespace qav::readers
