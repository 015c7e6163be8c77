#include "store/file_bytes.h"
#include "platform/utf8_path.h"

#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>

namespace qav {

std::int32_t ReadFileBytes(const std::string& path, ByteBuffer& buffer) {
  buffer.clear();
  const std::int64_t length = GetFileLength(path);
  if (length <= 0 || length > std::numeric_limits<std::int32_t>::max()) return 0;
  if (!ReadFileRange(path, 1, static_cast<std::size_t>(length), buffer)) return 0;
  return static_cast<std::int32_t>(length);
}

bool WriteFileBytes(const std::string& path, const ByteBuffer& buffer) {
  if (path.empty()) return false;
  std::ofstream out(platform::PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(buffer.data()),
            static_cast<std::streamsize>(buffer.size()));
  out.close();
  return !out.fail();
}

bool ReadFileRange(const std::string& path, std::int64_t position, std::size_t count,
                   ByteBuffer& buffer) {
  buffer.assign(count, 0);
  if (path.empty() || position < 1) return false;
  std::ifstream in(platform::PathFromUtf8(path), std::ios::binary);
  if (!in) return false;
  in.seekg(position - 1);
  in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(count));
  return !in.bad();
}

std::optional<ByteBuffer> ReadRegularFile(const std::string& path, std::size_t maxBytes) {
  if (path.empty()) return std::nullopt;
  std::error_code error;
  // Checked before opening so that a pipe or a device never blocks the reader.
  const std::filesystem::path file = platform::PathFromUtf8(path);
  if (!std::filesystem::is_regular_file(file, error) || error) return std::nullopt;
  const auto size = std::filesystem::file_size(file, error);
  if (error || size > maxBytes) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  ByteBuffer bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  // A file that changed length meanwhile is not the file that was measured.
  if (static_cast<std::size_t>(in.gcount()) != bytes.size() || in.peek() != EOF) {
    return std::nullopt;
  }
  return bytes;
}

std::int64_t GetFileLength(const std::string& path) {
  if (path.empty()) return 0;
  std::error_code error;
  const auto size = std::filesystem::file_size(platform::PathFromUtf8(path), error);
  return error ? 0 : static_cast<std::int64_t>(size);
}

}  // namespace qav
