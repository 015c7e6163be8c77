#include "core/environment/registry_access.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "base/text.h"

namespace qav {
namespace {

constexpr std::size_t kMaxReadBytes = 1024;
constexpr char kUnknownRoot[] = "the key path starts with no root key the registry has";

constexpr std::array<std::pair<const char*, std::uint32_t>, 7> kRoots = {{
    {"HKEY_CLASSES_ROOT", 0x80000000u},
    {"HKEY_CURRENT_USER", 0x80000001u},
    {"HKEY_LOCAL_MACHINE", 0x80000002u},
    {"HKEY_USERS", 0x80000003u},
    {"HKEY_PERFORMANCE_DATA", 0x80000004u},
    {"HKEY_CURRENT_CONFIG", 0x80000005u},
    {"HKEY_DYN_DATA", 0x80000006u},
}};

std::uint32_t RootHandle(const std::string& name) {
  const std::string upper = UpperAscii(name);
  for (const auto& [rootName, handle] : kRoots) {
    if (upper == rootName) return handle;
  }
  return 0;
}

// The number a text reads as, rounded to a 32-bit integer; nothing when it is not a number.
std::optional<std::int32_t> TextToLong(const std::string& text) {
  // from_chars reads the same text under every locale: the decimal separator is always a point,
  // whatever LC_NUMERIC the toolkit has set.
  const std::string kept = TrimNull(text);
  std::string_view trimmed = kept;
  if (!trimmed.empty() && trimmed.front() == '+') trimmed.remove_prefix(1);
  double number = 0;
  const char* end = trimmed.data() + trimmed.size();
  const auto [stop, error] = std::from_chars(trimmed.data(), end, number);
  if (error != std::errc() || stop != end || !std::isfinite(number)) return std::nullopt;
  const double rounded = static_cast<double>(RoundHalfEven(number));
  if (rounded < std::numeric_limits<std::int32_t>::min() ||
      rounded > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(rounded);
}

std::string ReadTrimmed(platform::Registry& registry, const std::string& key,
                        const std::string& name) {
  return TrimNull(RegValueText(ReadRegValue(registry, key, name)));
}

}  // namespace

std::string RegValueText(const RegValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
  return {};
}

std::uint32_t ParseRegPath(const std::string& keyPath, std::string& subKey, std::string& lastPart) {
  const auto first = keyPath.find('\\');
  if (first == std::string::npos) {
    subKey.clear();
    lastPart = keyPath;
    return RootHandle(keyPath);
  }
  subKey = keyPath.substr(first + 1);
  lastPart = keyPath.substr(keyPath.rfind('\\') + 1);
  return RootHandle(keyPath.substr(0, first));
}

RegValue ReadRegValue(platform::Registry& registry, const std::string& keyPath,
                      const std::string& valueName) {
  std::string subKey, lastPart;
  const std::uint32_t root = ParseRegPath(keyPath, subKey, lastPart);
  if (root == 0) return {};
  const auto data = registry.Query(root, subKey, valueName);
  if (!data) return {};
  switch (data->type) {
    case platform::RegType::kString:
    case platform::RegType::kExpandString:
    case platform::RegType::kBinary:
    case platform::RegType::kMultiString:
      if (data->bytes.size() > kMaxReadBytes) return {};
      return std::string(data->bytes.begin(), data->bytes.end());
    case platform::RegType::kDword: {
      if (data->bytes.size() < 4) return {};
      std::uint32_t raw = 0;
      for (int i = 3; i >= 0; --i) raw = (raw << 8) | data->bytes[static_cast<std::size_t>(i)];
      return static_cast<std::int32_t>(raw);
    }
  }
  return {};
}

Result WriteRegValue(platform::Registry& registry, const std::string& keyPath,
                     const std::string& valueName, const std::string& value, int type) {
  std::string subKey, lastPart;
  const std::uint32_t root = ParseRegPath(keyPath, subKey, lastPart);
  if (root == 0) return platform::RegistryFailure("cannot store", keyPath, valueName, kUnknownRoot);
  platform::RegData data;
  if (type == 1 || type == 2) {
    data.type = type == 1 ? platform::RegType::kString : platform::RegType::kExpandString;
    data.bytes.assign(value.begin(), value.end());
  } else if (type == 4) {
    const auto number = TextToLong(value);
    if (!number) {
      return platform::RegistryFailure("cannot store", keyPath, valueName,
                                       "\"" + TrimNull(value) + "\" is not a number");
    }
    data.type = platform::RegType::kDword;
    const auto raw = static_cast<std::uint32_t>(*number);
    for (int i = 0; i < 4; ++i) data.bytes.push_back(static_cast<std::uint8_t>(raw >> (8 * i)));
  } else {
    return Result::Success();  // other types store nothing
  }
  return registry.Set(root, subKey, valueName, data);
}

Result DeleteRegValue(platform::Registry& registry, const std::string& keyPath,
                      const std::string& valueName) {
  std::string subKey, lastPart;
  const std::uint32_t root = ParseRegPath(keyPath, subKey, lastPart);
  if (root == 0)
    return platform::RegistryFailure("cannot remove", keyPath, valueName, kUnknownRoot);
  return registry.Delete(root, subKey, valueName);
}

bool SetAutoRun(platform::Registry& registry, const std::string& exePath, bool enable) {
  const std::string current = ReadTrimmed(registry, kRunKey, kRunValueName);
  if (current == exePath && enable) return true;
  if (current != exePath && !enable) return false;
  // The answer is what the entry says afterwards, so a failed write needs no text of its own.
  if (enable) {
    (void)WriteRegValue(registry, kRunKey, kRunValueName, exePath, 1);
  } else {
    (void)DeleteRegValue(registry, kRunKey, kRunValueName);
  }
  return ReadTrimmed(registry, kRunKey, kRunValueName) == exePath;
}

bool IsFirstRun(platform::Registry& registry) {
  if (ReadTrimmed(registry, kSystemKey, "FirstRun") != "0") return false;
  // A flag that cannot be cleared makes the next start a first run again, which is harmless.
  (void)WriteRegValue(registry, kSystemKey, "FirstRun", "1", 1);
  return true;
}

Result WriteAppInfo(platform::Registry& registry, const std::string& exePath,
                    const AppVersion& version) {
  const std::string ver = std::to_string(version.major) + "." + std::to_string(version.minor) +
                          "." + std::to_string(version.revision);
  if (Result written = WriteRegValue(registry, kSystemKey, "APP_PATH", exePath, 1); !written) {
    return written;
  }
  if (Result written = WriteRegValue(registry, kSystemKey, "APP_VER", ver, 1); !written) {
    return written;
  }
  return WriteRegValue(registry, kSystemKey, "APP_BUILD", std::to_string(version.revision), 1);
}

}  // namespace qav
