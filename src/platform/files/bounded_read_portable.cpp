#include "platform/files/bounded_read.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

#include "base/utf8_path.h"

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

struct FilePieces::Handle {
  mutable std::ifstream in;
};

FilePieces::FilePieces(std::unique_ptr<Handle> handle, std::uint64_t size)
    : handle_(std::move(handle)), size_(size) {}
FilePieces::FilePieces(FilePieces&& other) noexcept = default;
FilePieces& FilePieces::operator=(FilePieces&& other) noexcept = default;
FilePieces::~FilePieces() = default;

std::optional<FilePieces> FilePieces::Open(const std::string& path) {
  if (!IsRegularFile(path)) return std::nullopt;
  std::error_code error;
  const auto size = std::filesystem::file_size(PathFromUtf8(path), error);
  if (error) return std::nullopt;
  auto handle = std::make_unique<Handle>();
  handle->in.open(PathFromUtf8(path), std::ios::binary);
  if (!handle->in) return std::nullopt;
  return FilePieces(std::move(handle), size);
}

std::optional<std::vector<std::uint8_t>> FilePieces::Read(std::uint64_t offset,
                                                          std::size_t count) const {
  if (offset > size_ || count > size_ - offset) return std::nullopt;
  std::vector<std::uint8_t> bytes(count);
  handle_->in.clear();
  handle_->in.seekg(static_cast<std::streamoff>(offset));
  handle_->in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
  if (static_cast<std::size_t>(handle_->in.gcount()) != count) return std::nullopt;
  return bytes;
}

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(PathFromUtf8(path), error);
}

std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path,
                                                        std::size_t maxBytes) {
  return ReadUpTo(path, maxBytes);
}

}  // namespace qav::platform
