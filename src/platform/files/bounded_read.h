#pragma once
// Reading files from the user's world, which nobody vouches for: a FIFO, a device or a huge file
// can stand where a small configuration file or picture is expected. Every reader of such a file
// goes through here, so that only regular files are read, opening never blocks and no read
// grows past the limit its caller sets.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qav::platform {

// Enough for any small text file the program reads (desktop entries, its registry file, the
// autostart entry); anything larger is not one of them.
inline constexpr std::size_t kMaxSmallTextFileBytes = 1u << 20;

// True when `path` (after symbolic links) is a regular file.
bool IsRegularFile(const std::string& path);

// Up to `maxBytes` from the start of a regular file. Nothing when the path is not a regular
// file or cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path,
                                                        std::size_t maxBytes);

// The whole of a regular file of at most `maxBytes`; nothing when it is larger or cannot be
// read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path,
                                                       std::size_t maxBytes);

// The same, as text.
std::optional<std::string> ReadWholeTextFile(const std::string& path, std::size_t maxBytes);

// A regular file held open and read in pieces at any offset, so that a large file can be judged
// by its first bytes and is never held whole.
class FilePieces {
 public:
  // Nothing unless `path` is a regular file (after links) that opens without blocking.
  static std::optional<FilePieces> Open(const std::string& path);
  FilePieces(FilePieces&& other) noexcept;
  FilePieces& operator=(FilePieces&& other) noexcept;
  ~FilePieces();

  // The size the file had when it was opened.
  std::uint64_t Size() const { return size_; }
  // Exactly `count` bytes from `offset`; nothing when they are not all there or cannot be read.
  std::optional<std::vector<std::uint8_t>> Read(std::uint64_t offset, std::size_t count) const;

 private:
  struct Handle;  // what the system opened, defined by each system's implementation
  FilePieces(std::unique_ptr<Handle> handle, std::uint64_t size);
  std::unique_ptr<Handle> handle_;
  std::uint64_t size_ = 0;
};

}  // namespace qav::platform
