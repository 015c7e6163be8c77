#pragma once
// Whole-file byte copies, used to carry picture files into and out of backups and the icon
// store.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qav {

using ByteBuffer = std::vector<std::uint8_t>;

// Fills `buffer` with the whole file; returns its length (0 for an empty path or a failure).
std::int32_t ReadFileBytes(const std::string& path, ByteBuffer& buffer);
// Writes all of `buffer` to `path`; false on any error.
bool WriteFileBytes(const std::string& path, const ByteBuffer& buffer);
// Fills `buffer` with `count` bytes from `position` (1 = the first byte); bytes past the end of
// the file read as zero. False when the file cannot be read.
bool ReadFileRange(const std::string& path, std::int64_t position, std::size_t count,
                   ByteBuffer& buffer);
// The whole of a file the user's world supplies: nothing unless `path` names a regular file (a
// link to one is followed) of at most `maxBytes` bytes that reads completely.
std::optional<ByteBuffer> ReadRegularFile(const std::string& path, std::size_t maxBytes);
// The file's length in bytes; 0 for an empty path or a missing file.
std::int64_t GetFileLength(const std::string& path);

}  // namespace qav
