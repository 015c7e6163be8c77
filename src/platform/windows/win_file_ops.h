#pragma once
// Crash-safe saves on Windows: FlushFileBuffers makes the contents durable, and MoveFileExW with
// MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH replaces the old file in one step that is
// on the disk when the call returns.

#include "platform/file_ops.h"

namespace qav::platform {

class WinFileOps final : public FileOps {
 public:
  std::optional<std::string> WriteTemporary(const std::string& path,
                                            std::span<const std::uint8_t> bytes,
                                            bool durable) override;
  bool Replace(const std::string& from, const std::string& to, bool durable) override;
  bool RemoveFile(const std::string& path) override;
};

}  // namespace qav::platform
