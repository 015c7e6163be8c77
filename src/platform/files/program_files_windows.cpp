// Windows' rules for programs, in standard C++.
#include "platform/files/program_files.h"

#include <filesystem>
#include <system_error>

#include "base/utf8_path.h"

namespace qav::platform {

std::vector<std::string> SearchPathFolders(const std::string& searchPath) {
  // A folder may stand in quotes, for one whose name holds a semicolon.
  std::vector<std::string> folders;
  std::string folder;
  bool quoted = false;
  for (const char c : searchPath) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ';' && !quoted) {
      if (!folder.empty()) folders.push_back(folder);
      folder.clear();
    } else {
      folder.push_back(c);
    }
  }
  if (!folder.empty()) folders.push_back(folder);
  return folders;
}

bool NamesFolder(const std::string& program) {
  return program.find_first_of("\\/:") != std::string::npos;
}

bool IsRunnableFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(PathFromUtf8(path), error);
}

bool IsNativeProgram(const std::string& /*path*/) {
  return false;
}

}  // namespace qav::platform
