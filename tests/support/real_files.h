#pragma once
// The platform's own file writes, as a plain member or local: tests that check what reaches the
// disk (in temporary folders) use these rather than a recording fake.

#include <memory>

#include "platform/native_platform.h"

namespace qav::test {

class RealFiles final : public platform::FileOps {
 public:
  std::optional<std::string> WriteTemporary(const std::string& path,
                                            std::span<const std::uint8_t> bytes,
                                            bool durable) override {
    return files_->WriteTemporary(path, bytes, durable);
  }
  bool Replace(const std::string& from, const std::string& to, bool durable) override {
    return files_->Replace(from, to, durable);
  }
  bool RemoveFile(const std::string& path) override { return files_->RemoveFile(path); }

 private:
  std::unique_ptr<platform::FileOps> files_ = platform::CreateFileOps();
};

}  // namespace qav::test
