#include "platform/windows/win_file_ops.h"

#include <windows.h>

#include <algorithm>

#include "platform/windows/wide_text.h"

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

}  // namespace

bool WinFileOps::WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes,
                            bool durable) {
  const HANDLE file = ::CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = WriteAll(file, bytes);
  if (ok && durable) ok = ::FlushFileBuffers(file) != 0;
  if (!::CloseHandle(file)) ok = false;
  return ok;
}

bool WinFileOps::Replace(const std::string& from, const std::string& to) {
  return ::MoveFileExW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool WinFileOps::RemoveFile(const std::string& path) {
  if (::DeleteFileW(Utf8ToWide(path).c_str())) return true;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace qav::platform
