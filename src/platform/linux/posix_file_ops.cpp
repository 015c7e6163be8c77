#include "platform/linux/posix_file_ops.h"
#include "platform/temporary_names.h"

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>

namespace qav::platform {
namespace {

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const auto cut = path.find_last_of('/');
  if (cut == std::string::npos) return ".";
  return cut == 0 ? "/" : path.substr(0, cut);
}

// A rename is only on the disk once its folder is.
bool SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

// Eight letters nobody can guess: a name planted beforehand cannot be the one chosen.
std::string UniqueEnding() {
  std::array<std::uint8_t, kTemporaryLetters> random{};
  if (::getrandom(random.data(), random.size(), 0) != static_cast<ssize_t>(random.size())) {
    // Without the kernel's generator the exclusive creation below still never reuses a name.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    for (std::size_t i = 0; i < random.size(); ++i) {
      random[i] = static_cast<std::uint8_t>(static_cast<unsigned long long>(now) >> (5 * i));
    }
  }
  return TemporaryEnding(random);
}

// Created exclusively, so neither a link nor a FIFO nor any other file already there is opened.
int CreateExclusively(const std::string& name) {
  return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}

}  // namespace

std::optional<std::string> PosixFileOps::WriteTemporary(const std::string& path,
                                                        std::span<const std::uint8_t> bytes,
                                                        bool durable) {
  constexpr int kAttempts = 8;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::string name = path + UniqueEnding();
    const int fd = CreateExclusively(name);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return std::nullopt;
    bool ok = WriteAll(fd, bytes);
    if (ok && durable) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) return name;
    ::unlink(name.c_str());
    return std::nullopt;
  }
  return std::nullopt;
}

bool PosixFileOps::Replace(const std::string& from, const std::string& to, bool durable) {
  if (std::rename(from.c_str(), to.c_str()) != 0) return false;
  if (durable) SyncFolder(FolderOf(to));
  return true;
}

bool PosixFileOps::RemoveFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

}  // namespace qav::platform
