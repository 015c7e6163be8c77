#include "platform/linux/linux_registry.h"

#include <string_view>
#include <utility>

#include "base/text.h"
#include "platform/linux/autostart_entry.h"

namespace qav::platform {
namespace {

constexpr std::uint32_t kHkeyCurrentUser = 0x80000001u;
constexpr std::string_view kRunSubKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::string_view kRunValueName = "QAV Launcher";

bool IsAutostartValue(std::uint32_t root, const std::string& subKey, const std::string& name) {
  return root == kHkeyCurrentUser && EqualsIgnoreCase(subKey, kRunSubKey) &&
         EqualsIgnoreCase(name, kRunValueName);
}

}  // namespace

LinuxRegistry::LinuxRegistry(std::string registryFile, std::string autostartEntry,
                             std::string legacyAutostartEntry)
    : store_(std::move(registryFile)),
      autostartEntry_(std::move(autostartEntry)),
      legacyAutostartEntry_(std::move(legacyAutostartEntry)) {}

std::optional<std::string> LinuxRegistry::AutostartProgram() const {
  if (auto program = ReadAutostartProgram(autostartEntry_)) return program;
  if (legacyAutostartEntry_.empty()) return std::nullopt;
  return ReadAutostartProgram(legacyAutostartEntry_);
}

std::optional<RegData> LinuxRegistry::Query(std::uint32_t root, const std::string& subKey,
                                            const std::string& name) {
  if (!IsAutostartValue(root, subKey, name)) return store_.Query(root, subKey, name);
  const auto program = AutostartProgram();
  if (!program) return std::nullopt;
  RegData data{RegType::kString, {program->begin(), program->end()}};
  data.bytes.push_back(0);
  return data;
}

Result LinuxRegistry::Set(std::uint32_t root, const std::string& subKey, const std::string& name,
                          const RegData& data) {
  if (!IsAutostartValue(root, subKey, name)) return store_.Set(root, subKey, name, data);
  const auto fail = [&](const std::string& why) {
    return RegistryFailure("cannot store", subKey, name, why);
  };
  if (data.type != RegType::kString && data.type != RegType::kExpandString) {
    return fail("the auto-start entry takes only a text");
  }
  std::string program(data.bytes.begin(), data.bytes.end());
  while (!program.empty() && program.back() == '\0') program.pop_back();
  if (!WriteAutostartEntry(autostartEntry_, program))
    return fail("cannot write " + autostartEntry_);
  // Two entries would start the program twice at every login.
  if (!legacyAutostartEntry_.empty() && ReadAutostartProgram(legacyAutostartEntry_)) {
    RemoveAutostartEntry(legacyAutostartEntry_);
  }
  return Result::Success();
}

Result LinuxRegistry::Delete(std::uint32_t root, const std::string& subKey,
                             const std::string& name) {
  if (!IsAutostartValue(root, subKey, name)) return store_.Delete(root, subKey, name);
  // An entry that is switched off (Hidden=true) may be there to mask a system-wide entry of the
  // same name; removing it would turn auto-start on. Such an entry reads as no value at all.
  bool found = false;
  std::string unremoved;
  for (const std::string* entry : {&autostartEntry_, &legacyAutostartEntry_}) {
    if (entry->empty() || !ReadAutostartProgram(*entry)) continue;
    found = true;
    if (!RemoveAutostartEntry(*entry) && unremoved.empty()) unremoved = *entry;
  }
  if (!found) return RegistryFailure("cannot remove", subKey, name, "there is no such value");
  if (!unremoved.empty())
    return RegistryFailure("cannot remove", subKey, name, "cannot remove " + unremoved);
  return Result::Success();
}

}  // namespace qav::platform
