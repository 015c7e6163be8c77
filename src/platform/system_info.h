#pragma once
// Facts about the running program and the system it runs on.

#include <cstddef>
#include <optional>
#include <string>

namespace qav::platform {

struct OsVersion {
  enum class Family { kWindows9x, kWindowsNT, kLinux, kUnknown };
  Family family = Family::kUnknown;
  int major = 0;
  int minor = 0;
  int build = 0;
  std::string servicePack;    // Windows: the CSD text, up to its first NUL
  std::string distribution;   // Linux: the distribution's pretty name
  std::string kernelRelease;  // Linux: the kernel release (uname -r)
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  // Absolute path of the running executable.
  virtual std::string ExecutablePath() = 0;
  virtual std::optional<OsVersion> QueryOsVersion() = 0;
  // The logon name of the user running the program.
  virtual std::string UserLogonName() = 0;
  // An environment variable's value; nothing when it is not set.
  virtual std::optional<std::string> Environment(const std::string& name) = 0;
  // How the user's language orders two titles in a list: below, at or above 0. Here, where no
  // language is known, ASCII letters compare without their case and other bytes as they are.
  virtual int CompareTitles(const std::string& a, const std::string& b) {
    const auto folded = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : int{c}; };
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
      const int order =
          folded(static_cast<unsigned char>(a[i])) - folded(static_cast<unsigned char>(b[i]));
      if (order != 0) return order;
    }
    return a.size() == b.size() ? a.compare(b) : a.size() < b.size() ? -1 : 1;
  }
};

}  // namespace qav::platform
