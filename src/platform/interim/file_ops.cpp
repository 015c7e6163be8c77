// The file primitives in standard C++. Not durable: the Windows implementation flushes and
// replaces with write-through.
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

#include "platform/file_ops.h"
#include "platform/utf8_path.h"

namespace qav::platform {
namespace {

class StandardFileOps final : public FileOps {
 public:
  bool WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes,
                  bool /*durable*/) override {
    std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
  }
  bool Replace(const std::string& from, const std::string& to) override {
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
