#pragma once
// The file primitives a crash-safe save is built from. Each is a separate step so that tests can
// make any one of them fail.
//
// Nothing is ever written in place: every file the program writes is first made as a new file
// beside its final name, created exclusively (never an existing file, a link planted there or a
// FIFO that would block the writer), and then renamed into place. A link at the final name is
// replaced, never written through, so nothing outside the program's folders changes.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qav::platform {

class FileOps {
 public:
  virtual ~FileOps() = default;
  // Creates a new file in `path`'s folder whose name is `path`'s followed by a unique ending, and
  // writes all of `bytes` to it; when `durable`, the file is flushed to the disk before it is
  // closed. Gives the new file's path, or nothing on any error (and then leaves nothing behind).
  virtual std::optional<std::string> WriteTemporary(const std::string& path,
                                                    std::span<const std::uint8_t> bytes,
                                                    bool durable) = 0;
  // Atomically replaces `to` by `from` (both in one folder); a link at `to` is replaced itself.
  // When `durable`, the rename is flushed to the disk with its folder.
  virtual bool Replace(const std::string& from, const std::string& to, bool durable) = 0;
  // Removes a file (a link itself, never what it points to); true when it is gone afterwards
  // (also when it never existed).
  virtual bool RemoveFile(const std::string& path) = 0;
};

// Writes `path` through a new temporary file beside it and an atomic rename, so that a reader
// never sees half a file: either the old contents or all of the new. `durable` flushes the new
// contents and the rename to the disk. The temporary file is removed again when any step fails.
inline bool WriteAtomically(FileOps& files, const std::string& path,
                            std::span<const std::uint8_t> bytes, bool durable = true) {
  const auto temporary = files.WriteTemporary(path, bytes, durable);
  if (!temporary) return false;
  if (files.Replace(*temporary, path, durable)) return true;
  files.RemoveFile(*temporary);
  return false;
}

}  // namespace qav::platform
