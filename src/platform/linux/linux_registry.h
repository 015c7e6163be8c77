#pragma once
// The registry on Linux: values live in a FileRegistry, except the program's auto-start value
// (HKEY_CURRENT_USER "Software\Microsoft\Windows\CurrentVersion\Run", "QAV Launcher"), which is
// the session's freedesktop auto-start entry, so that turning auto-start on really makes the
// session start the program. An entry of the name earlier versions used counts too, and is
// replaced by the current one when the value is written.

#include <string>

#include "platform/linux/file_registry.h"

namespace qav::platform {

class LinuxRegistry final : public Registry {
 public:
  LinuxRegistry(std::string registryFile, std::string autostartEntry,
                std::string legacyAutostartEntry = {});

  std::optional<RegData> Query(std::uint32_t root, const std::string& subKey,
                               const std::string& name) override;
  Result Set(std::uint32_t root, const std::string& subKey, const std::string& name,
             const RegData& data) override;
  Result Delete(std::uint32_t root, const std::string& subKey, const std::string& name) override;

 private:
  FileRegistry store_;
  std::optional<std::string> AutostartProgram() const;

  std::string autostartEntry_;
  std::string legacyAutostartEntry_;
};

}  // namespace qav::platform
