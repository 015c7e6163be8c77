#pragma once
// The key/value store behind the registry routines. Keys are addressed by a root handle
// (HKEY_CURRENT_USER...) and a backslash-separated sub-key; names compare without regard to
// ASCII letter case, as the Windows registry does.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"

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
  // Creates the key when needed and stores the value. A failure names the value and says why,
  // in the system's words where the system refused.
  virtual Result Set(std::uint32_t root, const std::string& subKey, const std::string& name,
                     const RegData& data) = 0;
  // Removes one value. A value that is not there is a failure too, as the system reports it.
  virtual Result Delete(std::uint32_t root, const std::string& subKey, const std::string& name) = 0;
};

// The failure of one registry step: what failed on which value, and why
// ("cannot store the value \"APP_PATH\" in \"SOFTWARE\\QAV Launcher\\System\": Access is denied.").
inline Result RegistryFailure(const std::string& what, const std::string& subKey,
                              const std::string& name, const std::string& why) {
  return Result::Failure(what + " the value \"" + name + "\" in \"" + subKey + "\": " + why);
}

}  // namespace qav::platform
