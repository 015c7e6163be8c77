#pragma once

#include "platform/file_ops.h"

namespace qav::platform {

class PosixFileOps final : public FileOps {
 public:
  std::optional<std::string> WriteTemporary(const std::string& path,
                                            std::span<const std::uint8_t> bytes,
                                            bool durable) override;
  bool Replace(const std::string& from, const std::string& to, bool durable) override;
  bool RemoveFile(const std::string& path) override;
};

}  // namespace qav::platform
