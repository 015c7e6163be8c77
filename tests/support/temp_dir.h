#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "base/path_separator.h"
#include "base/utf8_path.h"

namespace qav::test {

// A path written with "/" in the spelling of the system the tests run on ("\\" on Windows), so
// that one test checks the same thing on every system.
inline std::string Native(std::string path) {
  for (char& c : path) {
    if (c == '/') c = platform::kPathSeparator;
  }
  return path;
}

class TempDir {
 public:
  // Throws when no folder can be made, so a test never works in (or removes) a folder it does not
  // own.
  TempDir() {
    namespace fs = std::filesystem;
    const fs::path base = fs::temp_directory_path();
    std::random_device random;
    std::error_code error;
    // A name nobody else holds: creating the folder fails when it exists.
    for (int attempt = 0; attempt < 100; ++attempt) {
      const fs::path folder = base / ("qav-test-" + std::to_string(random()));
      if (fs::create_directory(folder, error)) {
        path_ = platform::Utf8FromPath(folder);
        return;
      }
      if (error) break;
    }
    throw fs::filesystem_error("cannot make a test folder", base, error);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // `name` (which may hold "/" between folders) inside the folder.
  std::string operator/(const std::string& name) const {
    return path_ + platform::kPathSeparator + Native(name);
  }

 private:
  std::string path_;
};

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(platform::PathFromUtf8(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(platform::PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(platform::PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  out << text;
}

inline std::string ReadText(const std::string& path) {
  std::ifstream in(platform::PathFromUtf8(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace qav::test
