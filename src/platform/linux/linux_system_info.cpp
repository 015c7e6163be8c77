#include "platform/linux/linux_system_info.h"

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace qav::platform {
namespace {

std::string Unquote(std::string value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) ++i;
    out.push_back(value[i]);
  }
  return out;
}

std::string ReadText(const char* path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

QCollator TitleCollator(QLocale locale) {
  if (locale.language() == QLocale::C) locale = QLocale(QLocale::English, QLocale::UnitedStates);
  QCollator collator(locale);
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  collator.setNumericMode(true);
  return collator;
}

}  // namespace

LinuxSystemInfo::LinuxSystemInfo(const QLocale& locale) : collator_(TitleCollator(locale)) {}

int LinuxSystemInfo::CompareTitles(const std::string& a, const std::string& b) {
  const int order = collator_.compare(QString::fromStdString(a), QString::fromStdString(b));
  if (order != 0) return order;
  return a.compare(b);
}

std::string OsReleasePrettyName(const std::string& osReleaseText) {
  std::istringstream lines(osReleaseText);
  std::string line, pretty, name;
  while (std::getline(lines, line)) {
    if (line.rfind("PRETTY_NAME=", 0) == 0) pretty = Unquote(line.substr(12));
    if (line.rfind("NAME=", 0) == 0) name = Unquote(line.substr(5));
  }
  return pretty.empty() ? name : pretty;
}

std::string LinuxSystemInfo::ExecutablePath() {
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

std::optional<OsVersion> LinuxSystemInfo::QueryOsVersion() {
  OsVersion version;
  version.family = OsVersion::Family::kLinux;
  std::string text = ReadText("/etc/os-release");
  if (text.empty()) text = ReadText("/usr/lib/os-release");
  version.distribution = OsReleasePrettyName(text);
  utsname names{};
  if (uname(&names) == 0) {
    version.kernelRelease = names.release;
    std::sscanf(names.release, "%d.%d", &version.major, &version.minor);
  }
  return version;
}

std::string LinuxSystemInfo::UserLogonName() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
    return found->pw_name;
  }
  const char* user = std::getenv("USER");
  return user ? user : "";
}

std::optional<std::string> LinuxSystemInfo::Environment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (!value) return std::nullopt;
  return std::string(value);
}

}  // namespace qav::platform
