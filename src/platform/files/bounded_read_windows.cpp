#include "platform/files/bounded_read.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "platform/files/wide_text.h"

namespace qav::platform {
namespace {

// A regular file is a disk file that is neither a folder nor a device. Reparse points (symbolic
// links, junctions, mount points) are followed by the open itself, so what is checked is what
// is read; a reparse point the system cannot follow fails to open.
bool IsRegularHandle(HANDLE file) {
  if (::GetFileType(file) != FILE_TYPE_DISK) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(file, &info)) return false;
  constexpr DWORD kNotRegular =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT;
  return (info.dwFileAttributes & kNotRegular) == 0;
}

// "\\.\COM1", "\\?\GLOBALROOT\Device\...": names of devices, not files. Opening one can
// already act on it (a serial port raises its lines, a pipe counts a client), so such a name is
// refused before any open; other devices are refused after it by IsRegularHandle.
bool NamesDevice(const std::wstring& path) {
  if (path.size() < 4) return false;
  const bool slashes =
      (path[0] == L'\\' || path[0] == L'/') && (path[1] == L'\\' || path[1] == L'/');
  return slashes && (path[2] == L'.' || path[2] == L'?') && (path[3] == L'\\' || path[3] == L'/') &&
         !(path[2] == L'?' && path.size() > 5 && path[5] == L':');
}

class ReadHandle {
 public:
  explicit ReadHandle(const std::string& path) {
    const std::wstring wide = Utf8ToWide(path);
    if (wide.empty() || NamesDevice(wide)) return;
    // Shared for writing and deleting: the user's own programs may hold the file open, and a
    // reader must never keep them from saving it.
    handle_ = ::CreateFileW(
        wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  }
  ~ReadHandle() {
    if (Valid()) ::CloseHandle(handle_);
  }
  ReadHandle(const ReadHandle&) = delete;
  ReadHandle& operator=(const ReadHandle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Reads up to `limit` bytes; `limit` + 1 tells a caller that wants the whole file whether more
// follows.
std::optional<std::vector<std::uint8_t>> ReadUpTo(const std::string& path, std::size_t limit) {
  const ReadHandle file(path);
  if (!file.Valid() || !IsRegularHandle(file.Get())) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  constexpr std::size_t kChunk = 1 << 16;
  while (bytes.size() < limit) {
    const std::size_t done = bytes.size();
    const auto want = static_cast<DWORD>(std::min(kChunk, limit - done));
    bytes.resize(done + want);
    DWORD got = 0;
    if (!::ReadFile(file.Get(), bytes.data() + done, want, &got, nullptr)) return std::nullopt;
    bytes.resize(done + got);
    if (got == 0) break;
  }
  return bytes;
}

}  // namespace

struct FilePieces::Handle {
  explicit Handle(const std::string& path) : file(path) {}
  ReadHandle file;
};

FilePieces::FilePieces(std::unique_ptr<Handle> handle, std::uint64_t size)
    : handle_(std::move(handle)), size_(size) {}
FilePieces::FilePieces(FilePieces&& other) noexcept = default;
FilePieces& FilePieces::operator=(FilePieces&& other) noexcept = default;
FilePieces::~FilePieces() = default;

std::optional<FilePieces> FilePieces::Open(const std::string& path) {
  auto handle = std::make_unique<Handle>(path);
  if (!handle->file.Valid() || !IsRegularHandle(handle->file.Get())) return std::nullopt;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(handle->file.Get(), &size) || size.QuadPart < 0) return std::nullopt;
  return FilePieces(std::move(handle), static_cast<std::uint64_t>(size.QuadPart));
}

std::optional<std::vector<std::uint8_t>> FilePieces::Read(std::uint64_t offset,
                                                          std::size_t count) const {
  if (offset > size_ || count > size_ - offset) return std::nullopt;
  std::vector<std::uint8_t> bytes(count);
  std::size_t done = 0;
  constexpr std::size_t kChunk = 1u << 20;
  while (done < count) {
    OVERLAPPED at{};
    const std::uint64_t position = offset + done;
    at.Offset = static_cast<DWORD>(position & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    const auto want = static_cast<DWORD>(std::min(kChunk, count - done));
    DWORD got = 0;
    if (!::ReadFile(handle_->file.Get(), bytes.data() + done, want, &got, &at) || got == 0) {
      return std::nullopt;
    }
    done += got;
  }
  return bytes;
}

bool IsRegularFile(const std::string& path) {
  // Opening for no access at all still follows links and reads the attributes, and never waits
  // for a device or a pipe.
  const std::wstring wide = Utf8ToWide(path);
  if (wide.empty() || NamesDevice(wide)) return false;
  const HANDLE file =
      ::CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool regular = IsRegularHandle(file);
  ::CloseHandle(file);
  return regular;
}

std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path,
                                                        std::size_t maxBytes) {
  return ReadUpTo(path, maxBytes);
}

}  // namespace qav::platform
