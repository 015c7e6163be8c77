#pragma once

#include <QCollator>
#include <QLocale>

#include "platform/system_info.h"

namespace qav::platform {

class LinuxSystemInfo final : public SystemInfo {
 public:
  // Titles are ordered as `locale` orders words; the user's own by default.
  explicit LinuxSystemInfo(const QLocale& locale = QLocale::system());

  std::string ExecutablePath() override;
  std::optional<OsVersion> QueryOsVersion() override;
  std::string UserLogonName() override;
  std::optional<std::string> Environment(const std::string& name) override;
  // The locale's collation (ICU's): letter case and accents count only between titles that are
  // otherwise alike, numbers by their value. The C and POSIX locales, which would compare code
  // points, order as English does.
  int CompareTitles(const std::string& a, const std::string& b) override;

 private:
  QCollator collator_;
};

// The PRETTY_NAME (else NAME) of an os-release file's text; empty when neither is there.
std::string OsReleasePrettyName(const std::string& osReleaseText);

}  // namespace qav::platform
