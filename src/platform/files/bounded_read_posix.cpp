#include "platform/files/bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace qav::platform {
namespace {

// Opens without blocking (a FIFO with no writer would otherwise wait for one) and keeps the
// descriptor only when it is a regular file; `size` is its size when opened.
int OpenRegular(const std::string& path, std::size_t& size) {
  if (path.empty()) return -1;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
  return fd;
}

// Reads up to `limit` bytes; `limit` + 1 tells a caller that wants the whole file whether more
// follows.
std::optional<std::vector<std::uint8_t>> ReadUpTo(const std::string& path, std::size_t limit) {
  std::size_t size = 0;
  const int fd = OpenRegular(path, size);
  if (fd < 0) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  constexpr std::size_t kChunk = 1 << 16;
  bool ok = true;
  while (bytes.size() < limit) {
    const std::size_t done = bytes.size();
    // The size it was opened with and one byte to see the end; in chunks should it grow.
    const std::size_t want = std::min(done <= size ? size + 1 - done : kChunk, limit - done);
    bytes.resize(done + want);
    const ssize_t n = ::read(fd, bytes.data() + done, want);
    if (n < 0 && errno == EINTR) {
      bytes.resize(done);
      continue;
    }
    bytes.resize(done + static_cast<std::size_t>(n < 0 ? 0 : n));
    if (n <= 0) {
      ok = n == 0;
      break;
    }
  }
  ::close(fd);
  if (!ok) return std::nullopt;
  return bytes;
}

}  // namespace

struct FilePieces::Handle {
  explicit Handle(int descriptor) : fd(descriptor) {}
  ~Handle() { ::close(fd); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  int fd;
};

FilePieces::FilePieces(std::unique_ptr<Handle> handle, std::uint64_t size)
    : handle_(std::move(handle)), size_(size) {}
FilePieces::FilePieces(FilePieces&& other) noexcept = default;
FilePieces& FilePieces::operator=(FilePieces&& other) noexcept = default;
FilePieces::~FilePieces() = default;

std::optional<FilePieces> FilePieces::Open(const std::string& path) {
  std::size_t size = 0;
  const int fd = OpenRegular(path, size);
  if (fd < 0) return std::nullopt;
  return FilePieces(std::make_unique<Handle>(fd), size);
}

std::optional<std::vector<std::uint8_t>> FilePieces::Read(std::uint64_t offset,
                                                          std::size_t count) const {
  if (offset > size_ || count > size_ - offset) return std::nullopt;
  std::vector<std::uint8_t> bytes(count);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n =
        ::pread(handle_->fd, bytes.data() + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::nullopt;  // an error, or the file grew shorter meanwhile
    done += static_cast<std::size_t>(n);
  }
  return bytes;
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path,
                                                        std::size_t maxBytes) {
  return ReadUpTo(path, maxBytes);
}

}  // namespace qav::platform
