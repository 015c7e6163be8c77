#pragma once
// A fresh folder under the system's temporary folder for one test, removed with all it holds.
// Its name carries non-ASCII letters, so every test also walks the UTF-8 to UTF-16 crossing.

#include <windows.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include "platform/files/wide_text.h"

namespace qav::test {

class WinTestFolder {
 public:
  WinTestFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
      const std::wstring candidate = std::wstring(temp) + L"qav test \u00e9\u6f22 " +
                                     std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                     std::to_wstring(::GetTickCount64() + attempt);
      if (::CreateDirectoryW(candidate.c_str(), nullptr)) {
        path_ = candidate;
        return;
      }
    }
    throw std::runtime_error("cannot make a test folder");
  }
  ~WinTestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(path_), ignored);
  }
  WinTestFolder(const WinTestFolder&) = delete;
  WinTestFolder& operator=(const WinTestFolder&) = delete;

  // The folder, or `name` inside it, as the program spells paths: UTF-8 with backslashes.
  std::string path() const { return platform::WideToUtf8(path_); }
  std::string operator/(const std::string& name) const { return path() + "\\" + name; }

 private:
  std::wstring path_;
};

inline std::string ReadAll(const std::string& path) {
  const HANDLE file = ::CreateFileW(platform::Utf8ToWide(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string text(4096, '\0');
  DWORD got = 0;
  ::ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &got, nullptr);
  ::CloseHandle(file);
  text.resize(got);
  return text;
}

inline bool Exists(const std::string& path) {
  return ::GetFileAttributesW(platform::Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Whether a temporary copy of `path` (its name, ".tmp-" and a random ending) lies beside it.
inline bool HasTemporaryCopy(const std::string& path) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = ::FindFirstFileW(platform::Utf8ToWide(path + ".tmp-*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  ::FindClose(search);
  return true;
}

}  // namespace qav::test
