#pragma once
// What makes a file a program differs between systems: how the program search path is written,
// which files may be run and which run by themselves. Implemented once per system, like the
// bounded reads, so that the core can ask without the rest of the platform.

#include <algorithm>
#include <string>
#include <vector>

#include "base/path_separator.h"

namespace qav::platform {

// The folders a program search path (the value of PATH) lists, in order, empty entries left out.
std::vector<std::string> SearchPathFolders(const std::string& searchPath);

// Whether a program name includes its folder, so that it is not looked up on the search path.
bool NamesFolder(const std::string& program);

// Whether every user may run the file at `path` as a program (Linux: a regular file with the
// execute bit for others; Windows: any regular file).
bool IsRunnableFile(const std::string& path);

// Whether `path` is a program the system starts by itself rather than a document for an opener
// (Linux: an executable regular file that is an ELF image or a "#!" script). Windows knows its
// programs by their extension alone, so there nothing is one.
bool IsNativeProgram(const std::string& path);

// Whether `program` is there to run: a name with its folder as it stands, a bare name in one of
// the folders of `searchPath` (as a desktop entry's TryExec is checked).
inline bool IsInstalledProgram(const std::string& program, const std::string& searchPath) {
  if (NamesFolder(program)) return IsRunnableFile(program);
  const auto folders = SearchPathFolders(searchPath);
  return std::any_of(folders.begin(), folders.end(), [&program](const std::string& folder) {
    return IsRunnableFile(folder + kPathSeparator + program);
  });
}

}  // namespace qav::platform
