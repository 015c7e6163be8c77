#pragma once
// Registry routines addressed by full key paths ("HKEY_CURRENT_USER\SOFTWARE\..."), and the
// program's three uses of them: the auto-start entry, the first-run flag and the published
// program path and version.

#include <cstdint>
#include <string>
#include <variant>

#include "base/result.h"
#include "platform/registry.h"

namespace qav {

inline constexpr const char* kRunKey =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValueName = "QAV Launcher";
inline constexpr const char* kSystemKey = "HKEY_CURRENT_USER\\SOFTWARE\\QAV Launcher\\System";

inline constexpr std::uint32_t kHkeyClassesRoot = 0x80000000u;
inline constexpr std::uint32_t kHkeyCurrentUser = 0x80000001u;
inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002u;

// A value read from the registry: nothing, a text or a 32-bit number.
using RegValue = std::variant<std::monostate, std::string, std::int32_t>;

// The text of a value (empty for nothing; a number in decimal).
std::string RegValueText(const RegValue& value);

// Splits a key path into its root handle (0 when the root name is unknown), the sub-key after
// the first backslash and the part after the last backslash.
std::uint32_t ParseRegPath(const std::string& keyPath, std::string& subKey, std::string& lastPart);

// String-like values come back as text that still ends in its NUL; DWORDs as numbers; anything
// missing, unreadable or longer than 1024 bytes as nothing.
RegValue ReadRegValue(platform::Registry& registry, const std::string& keyPath,
                      const std::string& valueName);
// Type 1 and 2 store the text, type 4 the number the text reads as; other types store nothing
// and succeed. A failure says which value and why (an unknown root, a text that is no number,
// or what the registry said).
Result WriteRegValue(platform::Registry& registry, const std::string& keyPath,
                     const std::string& valueName, const std::string& value, int type);
Result DeleteRegValue(platform::Registry& registry, const std::string& keyPath,
                      const std::string& valueName);

// Turns the auto-start entry on or off for the program at `exePath`. True exactly when the entry
// names this program afterwards. An entry naming another copy is never removed.
bool SetAutoRun(platform::Registry& registry, const std::string& exePath, bool enable);

// True once: when the installer's flag reads "0", which is then set to "1".
bool IsFirstRun(platform::Registry& registry);

struct AppVersion {
  int major = 0;
  int minor = 0;
  int revision = 0;
};

// Publishes the program's path and version; stops at the first value that cannot be written and
// says which and why.
Result WriteAppInfo(platform::Registry& registry, const std::string& exePath,
                    const AppVersion& version);

}  // namespace qav
