#pragma once
// The operating system's display name, and whether the program can run on it.

#include <optional>
#include <string>

#include "base/ui_text.h"
#include "platform/system_info.h"

namespace qav {

// The major version Linux reports: the command forms of current desktops.
inline constexpr int kLinuxFeatureMajor = 6;

struct OsName {
  std::string name;
  bool unsupported = false;  // the Windows 95 family
};

// Windows: prefix + service pack + " (Build n)"; Linux: distribution + " (Kernel release)".
// `major` is set for the NT family and Linux and left alone otherwise.
OsName GetOSName(const std::optional<platform::OsVersion>& version, int& major);

// "Sorry! QAV Launcher doesn't support " + the name.
FilledText UnsupportedOsMessage(const OsName& os);

}  // namespace qav
