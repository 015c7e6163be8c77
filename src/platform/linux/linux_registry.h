#pragma once
// The registry on Linux: values live in a FileRegistry, except the program's auto-start value
// (HKEY_CURRENT_USER "Software\Microsoft\Windows\CurrentVersion\Run", "QAV Launcher"), which is
// the session's freedesktop auto-start entry, so that turning auto-start on really makes the
// session start the program.

#include <string>

#include "platform/linux/file_registry.h"

namespace qav::platform {

class LinuxRegistry final : public Registry {
 public:
  LinuxRegistry(std::string registryFile, std::string autostartEntry);

  std::optional<RegData> Query(std::uint32_t root, const std::string& subKey,
                               const std::string& name) override;
  long Set(std::uint32_t root, const std::string& subKey, const std::string& name,
           const RegData& data) override;
  long Delete(std::uint32_t root, const std::string& subKey, const std::string& name) override;

 private:
  FileRegistry store_;
  std::string autostartEntry_;
};

}  // namespace qav::platform
