#include "platform/files/program_files.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace qav::platform {

std::vector<std::string> SearchPathFolders(const std::string& searchPath) {
  std::vector<std::string> folders;
  for (std::size_t start = 0; start <= searchPath.size();) {
    const auto end = std::min(searchPath.find(':', start), searchPath.size());
    if (end > start) folders.push_back(searchPath.substr(start, end - start));
    start = end + 1;
  }
  return folders;
}

bool NamesFolder(const std::string& program) {
  return program.find('/') != std::string::npos;
}

bool IsRunnableFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const auto status = fs::status(path, error);
  return !error && fs::is_regular_file(status) &&
         (status.permissions() & fs::perms::others_exec) != fs::perms::none;
}

bool IsNativeProgram(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const auto status = fs::status(path, error);
  if (error || !fs::is_regular_file(status)) return false;
  const auto exec = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  if ((status.permissions() & exec) == fs::perms::none) return false;
  char head[4] = {};
  std::ifstream in(path, std::ios::binary);
  in.read(head, sizeof head);
  const bool elf =
      in.gcount() == 4 && head[0] == 0x7F && head[1] == 'E' && head[2] == 'L' && head[3] == 'F';
  const bool script = in.gcount() >= 2 && head[0] == '#' && head[1] == '!';
  return elf || script;
}

}  // namespace qav::platform
