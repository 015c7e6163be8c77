#include "platform/fake/fake_platform.h"

#include <algorithm>

#include "base/text.h"

namespace qav::platform::fake {
FakeRegistry::Key FakeRegistry::MakeKey(std::uint32_t root, const std::string& subKey,
                                        const std::string& name) {
  return {root, LowerAscii(subKey), LowerAscii(name)};
}

std::optional<RegData> FakeRegistry::Query(std::uint32_t root, const std::string& subKey,
                                           const std::string& name) {
  const auto it = values_.find(MakeKey(root, subKey, name));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

Result FakeRegistry::Set(std::uint32_t root, const std::string& subKey, const std::string& name,
                         const RegData& data) {
  ++writes;
  RegData stored = data;
  // A string value reads back with its terminating NUL, as the real stores return it.
  if (data.type != RegType::kDword && data.type != RegType::kBinary) {
    while (!stored.bytes.empty() && stored.bytes.back() == 0) stored.bytes.pop_back();
    stored.bytes.push_back(0);
  }
  values_[MakeKey(root, subKey, name)] = stored;
  return Result::Success();
}

Result FakeRegistry::Delete(std::uint32_t root, const std::string& subKey,
                            const std::string& name) {
  if (values_.erase(MakeKey(root, subKey, name)) == 1) return Result::Success();
  return RegistryFailure("cannot remove", subKey, name, "there is no such value");
}

void FakeRegistry::SetString(std::uint32_t root, const std::string& subKey, const std::string& name,
                             const std::string& text) {
  (void)Set(root, subKey, name, {RegType::kString, {text.begin(), text.end()}});
}

std::string FakeShellFolders::SpecialFolder(int csidl) {
  const auto it = folders.find(csidl);
  return it == folders.end() ? std::string() : it->second;
}

std::optional<std::string> FakeSystemInfo::Environment(const std::string& name) {
  const auto it = environment.find(name);
  if (it == environment.end()) return std::nullopt;
  return it->second;
}

}  // namespace qav::platform::fake
