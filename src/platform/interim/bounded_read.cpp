#include "platform/bounded_read.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/utf8_path.h"

namespace qav::platform {
namespace {

// Reads up to `limit` bytes; `limit` + 1 tells a caller that wants the whole file whether more
// follows.
std::optional<std::vector<std::uint8_t>> ReadUpTo(const std::string& path, std::size_t limit) {
  if (!IsRegularFile(path)) return std::nullopt;
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  constexpr std::size_t kChunk = 1 << 16;
  while (bytes.size() < limit && in) {
    const std::size_t done = bytes.size();
    bytes.resize(done + std::min(kChunk, limit - done));
    in.read(reinterpret_cast<char*>(bytes.data() + done),
            static_cast<std::streamsize>(bytes.size() - done));
    bytes.resize(done + static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(PathFromUtf8(path), error);
}

std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path,
                                                        std::size_t maxBytes) {
  return ReadUpTo(path, maxBytes);
}

}  // namespace qav::platform
