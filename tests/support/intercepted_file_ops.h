#pragma once
// The platform's own file writes with a say in each write and rename, counted from 1: tests that
// make a save or a restore go wrong at a chosen step use it. Removals always go through. A write
// is told the final name it writes for (the temporary's name is chosen only when it is made).

#include <functional>
#include <span>
#include <string>

#include "support/real_files.h"

namespace qav::test {

class InterceptedFileOps final : public platform::FileOps {
 public:
  // Decides write or rename number `call`: true lets it happen, false fails it untouched; it may
  // also do part of the work itself or throw.
  using Before = std::function<bool(int call, const std::string& path,
                                    std::span<const std::uint8_t> bytes, bool durable)>;

  explicit InterceptedFileOps(Before before, std::function<void(int call)> after = nullptr)
      : before_(std::move(before)), after_(std::move(after)) {}

  std::optional<std::string> WriteTemporary(const std::string& path,
                                            std::span<const std::uint8_t> bytes,
                                            bool durable) override {
    if (!before_(++calls_, path, bytes, durable)) return std::nullopt;
    auto written = real_.WriteTemporary(path, bytes, durable);
    After();
    return written;
  }
  bool Replace(const std::string& from, const std::string& to, bool durable) override {
    if (!before_(++calls_, from, {}, false)) return false;
    const bool replaced = real_.Replace(from, to, durable);
    After();
    return replaced;
  }
  bool RemoveFile(const std::string& path) override { return real_.RemoveFile(path); }

 private:
  void After() {
    if (after_) after_(calls_);
  }

  RealFiles real_;
  Before before_;
  std::function<void(int)> after_;
  int calls_ = 0;
};

}  // namespace qav::test
