#pragma once
// The file primitives a crash-safe save is built from. Each is a separate step so that tests can
// make any one of them fail.

#include <cstdint>
#include <span>
#include <string>

namespace qav::platform {

class FileOps {
 public:
  virtual ~FileOps() = default;
  // Creates or truncates `path`, writes all of `bytes` and, when `durable`, flushes the file to
  // the disk before closing. False on any error (the file may then hold a prefix).
  virtual bool WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes,
                          bool durable) = 0;
  // Atomically replaces `to` by `from` (both in one folder) and makes the rename durable.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  // Removes a file; true when it is gone afterwards (also when it never existed).
  virtual bool RemoveFile(const std::string& path) = 0;
};

// Writes `path` through a temporary file beside it and an atomic rename, so that a reader never
// sees half a file: either the old contents or all of the new. `durable` flushes the new contents
// to the disk before the rename. The temporary file is removed again when any step fails.
inline bool WriteAtomically(FileOps& files, const std::string& path,
                            std::span<const std::uint8_t> bytes, bool durable = true) {
  const std::string temporary = path + ".tmp";
  if (files.WriteBytes(temporary, bytes, durable) && files.Replace(temporary, path)) {
    return true;
  }
  files.RemoveFile(temporary);
  return false;
}

}  // namespace qav::platform
