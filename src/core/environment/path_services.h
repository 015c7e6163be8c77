#pragma once
// Path tests and the expansion of the path forms found in links, the registry and drops:
// quotes, doubled backslashes, %VARIABLE% references and the kernel's system-root prefixes.

#include <string>

#include "core/environment/paths.h"
#include "platform/system_info.h"

namespace qav {

struct PathContext {
  const Paths& paths;
  platform::SystemInfo& system;
};

// The trimmed `path` (expanded when `expand`) when it names an existing file or folder, else an
// empty text. Never throws.
std::string ExistingPath(const std::string& path, bool expand, const PathContext& context);
// True when the trimmed `path` (expanded when `expand`) names an existing file or folder.
bool FileExists(const std::string& path, bool expand, const PathContext& context);
// True when the trimmed `path` names an existing folder.
bool DirExists(const std::string& path);
// True when the trimmed `path` starts with "http://" or "https:/" in any letter case.
bool IsWebAddress(const std::string& path);

// Replaces the first %NAME% reference of `path` (and every other occurrence of the same
// reference) by the variable's value. False, with `path` unchanged, when there is no complete
// reference or the variable is unset or empty.
bool ExpandOneVariable(std::string& path, platform::SystemInfo& system);

std::string ExpandPath(std::string path, bool search, const PathContext& context);

}  // namespace qav
