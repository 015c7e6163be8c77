#pragma once
// The program keeps every path as UTF-8 text. A std::filesystem::path made straight from a
// std::string reads it in the system's narrow code page, which on Windows is not UTF-8, so every
// path handed to the file system and every name read back from it goes through these two.
// On Linux both are plain copies of the bytes.

#include <filesystem>
#include <string>

namespace qav::platform {

inline std::filesystem::path PathFromUtf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace qav::platform
