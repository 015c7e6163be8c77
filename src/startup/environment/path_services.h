#pragma once
// Path tests and the expansion of the path forms found in links, the registry and drops:
// quotes, doubled backslashes, %VARIABLE% references and the kernel's system-root prefixes.

#include <string>

#include "platform/system_info.h"
#include "startup/environment/paths.h"

namespace qav {

struct PathContext {
  const Paths& paths;
  platform::SystemInfo& system;
};

// `path` is trimmed (and expanded when `expand`) in place; true when it names an existing file or
// folder. Never throws.
bool FileExists(std::string& path, bool expand, const PathContext& context);
// Trims `path` in place; true when it names an existing folder.
bool DirExists(std::string& path);
// Trims `path` in place; true when it starts with "http://" or "https:/" in any letter case.
bool IsWebAddress(std::string& path);

// Replaces the first %NAME% reference of `path` (and every other occurrence of the same
// reference) by the variable's value. False, with `path` unchanged, when there is no complete
// reference or the variable is unset or empty.
bool ExpandOneVariable(std::string& path, platform::SystemInfo& system);

std::string ExpandPath(std::string path, bool search, const PathContext& context);

}  // namespace qav
