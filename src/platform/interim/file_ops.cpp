// The file primitives in standard C++. Not durable: the Windows implementation flushes and
// replaces with write-through.
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <system_error>

#include "base/utf8_path.h"
#include "platform/file_ops.h"
#include "platform/temporary_names.h"

namespace qav::platform {
namespace {

class StandardFileOps final : public FileOps {
 public:
  // Standard C++ cannot create a file exclusively; a name nobody can guess, checked to be free,
  // comes closest. This stand-in only serves the core's tests.
  std::optional<std::string> WriteTemporary(const std::string& path,
                                            std::span<const std::uint8_t> bytes,
                                            bool /*durable*/) override {
    std::random_device device;
    std::array<std::uint8_t, kTemporaryLetters> random{};
    for (auto& byte : random) byte = static_cast<std::uint8_t>(device());
    const std::string name = path + TemporaryEnding(random);
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(PathFromUtf8(name), error))) {
      return std::nullopt;
    }
    std::ofstream out(PathFromUtf8(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) return name;
    RemoveFile(name);
    return std::nullopt;
  }
  bool Replace(const std::string& from, const std::string& to, bool /*durable*/) override {
    std::error_code error;
    std::filesystem::rename(PathFromUtf8(from), PathFromUtf8(to), error);
    return !error;
  }
  bool RemoveFile(const std::string& path) override {
    std::error_code error;
    std::filesystem::remove(PathFromUtf8(path), error);
    return !error;
  }
};

}  // namespace

std::unique_ptr<FileOps> CreateFileOps() {
  return std::make_unique<StandardFileOps>();
}

}  // namespace qav::platform
