#include "platform/linux/linux_registry.h"

#include <string_view>
#include <utility>

#include "platform/linux/autostart_entry.h"
#include "text/text.h"

namespace qav::platform {
namespace {

constexpr long kErrorFileNotFound = 2;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidParameter = 87;

constexpr std::uint32_t kHkeyCurrentUser = 0x80000001u;
constexpr std::string_view kRunSubKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::string_view kRunValueName = "QAV Launcher";

bool IsAutostartValue(std::uint32_t root, const std::string& subKey, const std::string& name) {
  return root == kHkeyCurrentUser && EqualsIgnoreCase(subKey, kRunSubKey) &&
         EqualsIgnoreCase(name, kRunValueName);
}

}  // namespace

LinuxRegistry::LinuxRegistry(std::string registryFile, std::string autostartEntry)
    : store_(std::move(registryFile)), autostartEntry_(std::move(autostartEntry)) {}

std::optional<RegData> LinuxRegistry::Query(std::uint32_t root, const std::string& subKey,
                                            const std::string& name) {
  if (!IsAutostartValue(root, subKey, name)) return store_.Query(root, subKey, name);
  const auto program = ReadAutostartProgram(autostartEntry_);
  if (!program) return std::nullopt;
  RegData data{RegType::kString, {program->begin(), program->end()}};
  data.bytes.push_back(0);
  return data;
}

long LinuxRegistry::Set(std::uint32_t root, const std::string& subKey, const std::string& name,
                        const RegData& data) {
  if (!IsAutostartValue(root, subKey, name)) return store_.Set(root, subKey, name, data);
  if (data.type != RegType::kString && data.type != RegType::kExpandString) {
    return kErrorInvalidParameter;
  }
  std::string program(data.bytes.begin(), data.bytes.end());
  while (!program.empty() && program.back() == '\0') program.pop_back();
  return WriteAutostartEntry(autostartEntry_, program) ? 0 : kErrorAccessDenied;
}

long LinuxRegistry::Delete(std::uint32_t root, const std::string& subKey, const std::string& name) {
  if (!IsAutostartValue(root, subKey, name)) return store_.Delete(root, subKey, name);
  // An entry that is switched off (Hidden=true) may be there to mask a system-wide entry of the
  // same name; removing it would turn auto-start on. Such an entry reads as no value at all.
  if (!ReadAutostartProgram(autostartEntry_)) return kErrorFileNotFound;
  return RemoveAutostartEntry(autostartEntry_) ? 0 : kErrorAccessDenied;
}

}  // namespace qav::platform
