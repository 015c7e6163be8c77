// The whole-file reads of platform/bounded_read.h, the same on every system: a prefix one byte
// longer than the limit tells whether the file is larger.
#include "platform/files/bounded_read.h"

namespace qav::platform {

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path,
                                                       std::size_t maxBytes) {
  auto bytes = ReadFilePrefix(path, maxBytes + 1);
  if (!bytes || bytes->size() > maxBytes) return std::nullopt;
  return bytes;
}

std::optional<std::string> ReadWholeTextFile(const std::string& path, std::size_t maxBytes) {
  const auto bytes = ReadWholeFile(path, maxBytes);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

}  // namespace qav::platform
