#include "core/operations/file_problems.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

#include "base/utf8_path.h"

namespace qav {
namespace {

namespace fs = std::filesystem;

// What stands at `path` when it is no regular file; empty for a regular file or nothing.
std::string NotAFile(const std::string& path, fs::file_type type) {
  switch (type) {
    case fs::file_type::directory:
      return path + " is a folder, not a file";
    case fs::file_type::fifo:
    case fs::file_type::socket:
    case fs::file_type::block:
    case fs::file_type::character:
    case fs::file_type::unknown:
      return path + " is not a regular file";
    default:
      return {};
  }
}

// The folder the file goes in may refuse it, which only the system can tell.
std::string FolderRefuses(const std::string& folder) {
#ifdef _WIN32
  (void)folder;
  return {};
#else
  if (::access(folder.c_str(), W_OK) == 0) return {};
  return "the folder " + folder + " is not writable (" + std::strerror(errno) + ")";
#endif
}

}  // namespace

std::string WhyUnreadable(const std::string& path) {
  std::error_code error;
  const fs::path file = platform::PathFromUtf8(path);
  const fs::file_status status = fs::status(file, error);
  if (status.type() == fs::file_type::not_found) return "no such file: " + path;
  if (error) return path + " cannot be looked at: " + error.message();
  if (std::string other = NotAFile(path, status.type()); !other.empty()) return other;
  if (!std::ifstream(file, std::ios::binary)) return path + " cannot be opened for reading";
  return {};
}

std::string WhyUnwritable(const std::string& path) {
  std::error_code error;
  const fs::path file = platform::PathFromUtf8(path);
  if (std::string other = NotAFile(path, fs::status(file, error).type()); !other.empty()) {
    return other;
  }
  const fs::path parent = file.parent_path();
  const std::string folder = platform::Utf8FromPath(parent);
  const fs::file_status status = fs::status(parent, error);
  if (status.type() == fs::file_type::not_found) return "the folder " + folder + " does not exist";
  if (status.type() != fs::file_type::directory) return folder + " is not a folder";
  return FolderRefuses(folder);
}

}  // namespace qav
