#pragma once
// The platform's own file writes with a say in each write and rename, counted from 1: tests that
// make a save or a restore go wrong at a chosen step use it. Removals always go through.

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

  bool WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes,
                  bool durable) override {
    if (!before_(++calls_, path, bytes, durable)) return false;
    return After(real_.WriteBytes(path, bytes, durable));
  }
  bool Replace(const std::string& from, const std::string& to) override {
    if (!before_(++calls_, from, {}, false)) return false;
    return After(real_.Replace(from, to));
  }
  bool RemoveFile(const std::string& path) override { return real_.RemoveFile(path); }

 private:
  bool After(bool result) {
    if (after_) after_(calls_);
    return result;
  }

  RealFiles real_;
  Before before_;
  std::function<void(int)> after_;
  int calls_ = 0;
};

}  // namespace qav::test
