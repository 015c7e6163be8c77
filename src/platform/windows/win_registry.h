#pragma once
// The Windows registry itself, through the wide-character calls. String values are UTF-16 in the
// registry and UTF-8 with their NULs in RegData; other types pass through byte for byte.

#include "platform/registry.h"

namespace qav::platform {

class WinRegistry final : public Registry {
 public:
  std::optional<RegData> Query(std::uint32_t root, const std::string& subKey,
                               const std::string& name) override;
  Result Set(std::uint32_t root, const std::string& subKey, const std::string& name,
             const RegData& data) override;
  Result Delete(std::uint32_t root, const std::string& subKey, const std::string& name) override;
};

}  // namespace qav::platform
