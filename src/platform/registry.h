#pragma once
// The key/value store behind the registry routines. Keys are addressed by a root handle
// (HKEY_CURRENT_USER...) and a backslash-separated sub-key; names compare without regard to
// ASCII letter case, as the Windows registry does.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qav::platform {

enum class RegType : std::uint32_t {
  kString = 1,
  kExpandString = 2,
  kBinary = 3,
  kDword = 4,
  kMultiString = 7,
};

struct RegData {
  RegType type = RegType::kString;
  // Raw value bytes. Strings carry their narrow-encoded characters followed by one NUL, which is
  // what a read of a string value returns; a DWORD is 4 bytes, little-endian.
  std::vector<std::uint8_t> bytes;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // The value, or nothing when the key or the value does not exist.
  virtual std::optional<RegData> Query(std::uint32_t root, const std::string& subKey,
                                       const std::string& name) = 0;
  // Creates the key when needed and stores the value. 0 on success, else a platform status.
  virtual long Set(std::uint32_t root, const std::string& subKey, const std::string& name,
                   const RegData& data) = 0;
  // Removes one value. 0 on success, else a platform status (2: not found).
  virtual long Delete(std::uint32_t root, const std::string& subKey, const std::string& name) = 0;
};

}  // namespace qav::platform
