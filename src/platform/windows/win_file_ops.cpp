#include "platform/windows/win_file_ops.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <random>

#include "platform/files/wide_text.h"
#include "platform/temporary_names.h"

namespace qav::platform {
namespace {

// WriteFile takes at most a DWORD per call; a bounded chunk keeps every call well inside it.
constexpr std::size_t kChunkBytes = 1u << 20;

bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto want = static_cast<DWORD>(std::min(kChunkBytes, bytes.size() - done));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, want, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

// Eight letters nobody can guess: a name planted beforehand cannot be the one chosen.
std::string UniqueEnding() {
  std::random_device device;
  std::array<std::uint8_t, kTemporaryLetters> random{};
  for (auto& byte : random) byte = static_cast<std::uint8_t>(device());
  return TemporaryEnding(random);
}

}  // namespace

std::optional<std::string> WinFileOps::WriteTemporary(const std::string& path,
                                                      std::span<const std::uint8_t> bytes,
                                                      bool durable) {
  constexpr int kAttempts = 8;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::string name = path + UniqueEnding();
    // CREATE_NEW never opens what is already there, a reparse point included.
    const HANDLE file = ::CreateFileW(Utf8ToWide(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS) continue;
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    bool ok = WriteAll(file, bytes);
    if (ok && durable) ok = ::FlushFileBuffers(file) != 0;
    if (!::CloseHandle(file)) ok = false;
    if (ok) return name;
    ::DeleteFileW(Utf8ToWide(name).c_str());
    return std::nullopt;
  }
  return std::nullopt;
}

bool WinFileOps::Replace(const std::string& from, const std::string& to, bool durable) {
  const DWORD flags = MOVEFILE_REPLACE_EXISTING | (durable ? MOVEFILE_WRITE_THROUGH : 0);
  return ::MoveFileExW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(), flags) != 0;
}

bool WinFileOps::RemoveFile(const std::string& path) {
  if (::DeleteFileW(Utf8ToWide(path).c_str())) return true;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace qav::platform
