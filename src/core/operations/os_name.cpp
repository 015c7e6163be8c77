#include "core/operations/os_name.h"

#include "base/text.h"

namespace qav {
namespace {

using Family = platform::OsVersion::Family;

std::string WindowsPrefix(const platform::OsVersion& v) {
  if (v.family == Family::kWindows9x) {
    switch (v.minor) {
      case 0:
        return "Microsoft Windows 95 ";
      case 10:
        return "Microsoft Windows 98 ";
      case 90:
        return "Microsoft Windows Mellennium ";
      default:
        return {};
    }
  }
  if (v.major == 3) return "Microsoft Windows NT 3.51 ";
  if (v.major == 4) return "Microsoft Windows NT 4.0 ";
  static constexpr const char* kNt5[] = {"Microsoft Windows 2000 ", "Microsoft Windows XP ",
                                         "Microsoft Windows 2003 "};
  static constexpr const char* kNt6[] = {"Microsoft Windows Vista ", "Microsoft Windows 7 ",
                                         "Microsoft Windows 2008 "};
  if (v.minor < 0 || v.minor > 2) return {};
  if (v.major == 5) return kNt5[v.minor];
  if (v.major == 6) return kNt6[v.minor];
  return {};
}

}  // namespace

OsName GetOSName(const std::optional<platform::OsVersion>& version, int& major) {
  if (!version) return {};
  const platform::OsVersion& v = *version;
  switch (v.family) {
    case Family::kLinux: {
      major = kLinuxFeatureMajor;
      const std::string distribution = v.distribution.empty() ? "Linux" : v.distribution;
      return {distribution + " (Kernel " + v.kernelRelease + ")", false};
    }
    case Family::kWindows9x:
    case Family::kWindowsNT: {
      const std::string prefix = WindowsPrefix(v);
      OsName os;
      if (!prefix.empty()) {
        os.name = prefix + TrimNull(v.servicePack) + " (Build " + std::to_string(v.build) + ")";
      }
      os.unsupported = v.family == Family::kWindows9x;
      if (v.family == Family::kWindowsNT) major = v.major;
      return os;
    }
    case Family::kUnknown:
      break;
  }
  return {};
}

FilledText UnsupportedOsMessage(const OsName& os) {
  return {QAV_TEXT("Core", "Sorry! QAV Launcher doesn't support %1"), {os.name}};
}

}  // namespace qav
