#include "platform/linux/system_commands.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace qav::platform {
namespace {

constexpr int kRunTimeoutMs = 5000;

QStringList ToQt(const Arguments& arguments) {
  QStringList list;
  for (const std::string& argument : arguments) list.append(QString::fromStdString(argument));
  return list;
}

bool StartDetached(const std::string& program, const Arguments& arguments,
                   const std::string& folder) {
  if (program.empty()) return false;
  return QProcess::startDetached(QString::fromStdString(program), ToQt(arguments),
                                 QString::fromStdString(folder));
}

std::optional<std::string> RunToEnd(const std::string& program, const Arguments& arguments) {
  QProcess process;
  process.setStandardInputFile(QProcess::nullDevice());
  process.start(QString::fromStdString(program), ToQt(arguments));
  if (!process.waitForFinished(kRunTimeoutMs)) {
    process.kill();
    process.waitForFinished(kRunTimeoutMs);
    return std::nullopt;
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return std::nullopt;
  return process.readAllStandardOutput().toStdString();
}

std::string FindExecutable(const std::string& program) {
  if (program.empty()) return {};
  return QStandardPaths::findExecutable(QString::fromStdString(program)).toStdString();
}

std::optional<std::string> Environment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

bool EqualsIgnoringCase(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i) {
    const auto lowerA = static_cast<char>(a[i] >= 'A' && a[i] <= 'Z' ? a[i] - 'A' + 'a' : a[i]);
    if (lowerA != b[i]) return false;
  }
  return i == a.size() && b[i] == '\0';
}

std::optional<DesktopKind> KnownDesktop(const std::string& name) {
  static constexpr std::array<std::pair<const char*, DesktopKind>, 10> kNames{{
      {"gnome", DesktopKind::kGnome},
      {"unity", DesktopKind::kGnome},
      {"kde", DesktopKind::kKde},
      {"xfce", DesktopKind::kXfce},
      {"mate", DesktopKind::kMate},
      {"x-cinnamon", DesktopKind::kCinnamon},
      {"cinnamon", DesktopKind::kCinnamon},
      {"lxqt", DesktopKind::kLxqt},
      {"lxde", DesktopKind::kLxde},
      {"budgie", DesktopKind::kBudgie},
  }};
  for (const auto& [known, kind] : kNames) {
    if (EqualsIgnoringCase(name, known)) return kind;
  }
  return std::nullopt;
}

}  // namespace

SystemCommands RealSystemCommands() {
  return {StartDetached, RunToEnd, FindExecutable, Environment};
}

DesktopKind DesktopFromXdg(const std::string& xdgCurrentDesktop) {
  // Budgie sessions also name GNOME; the desktop named first is the one running.
  std::size_t start = 0;
  while (start <= xdgCurrentDesktop.size()) {
    const std::size_t end = std::min(xdgCurrentDesktop.find(':', start), xdgCurrentDesktop.size());
    if (const auto kind = KnownDesktop(xdgCurrentDesktop.substr(start, end - start))) return *kind;
    start = end + 1;
  }
  return DesktopKind::kOther;
}

DesktopKind CurrentDesktop(const SystemCommands& commands) {
  return DesktopFromXdg(commands.environment("XDG_CURRENT_DESKTOP").value_or(""));
}

}  // namespace qav::platform
