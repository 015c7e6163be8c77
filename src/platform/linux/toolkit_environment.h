#pragma once
// Settings the program gives its own toolkit through the environment, which the programs it
// starts must not inherit.

#include <QProcessEnvironment>

#include <string>
#include <vector>

namespace qav::platform {

// Asks Qt's Wayland client to give a window flagged Qt::BypassWindowManagerHint no shell role,
// so that the program can give its surface one of its own (the dock's overlay). Qt reads it
// whenever it decides whether such a window is shown, so it stays set for the whole run.
inline constexpr const char* kRolelessWindowsVariable = "QT_WAYLAND_USE_BYPASSWINDOWMANAGERHINT";

// The environment a started program gets: the program's own without the settings above.
inline QProcessEnvironment ChildProcessEnvironment() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(kRolelessWindowsVariable);
  return environment;
}

// The same as "NAME=value" entries, for a program started with execve.
inline std::vector<std::string> ChildEnvironmentEntries() {
  std::vector<std::string> entries;
  for (const QString& entry : ChildProcessEnvironment().toStringList()) {
    entries.push_back(entry.toStdString());
  }
  return entries;
}

}  // namespace qav::platform
