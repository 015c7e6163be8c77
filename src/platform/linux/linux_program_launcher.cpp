#include "platform/linux/linux_program_launcher.h"

#include <QFileInfo>
#include <QProcess>
#include <fstream>
#include <utility>

#include "platform/linux/desktop_entry.h"

namespace qav::platform {
namespace {

bool HasScheme(const std::string& target) {
  const auto colon = target.find(':');
  if (colon == std::string::npos || colon < 2) return false;  // a path, or "C:" from Windows
  for (std::size_t i = 0; i < colon; ++i) {
    const char c = target[i];
    const bool schemeChar = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                            (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
    if (!schemeChar) return false;
  }
  return true;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::string NotAnOption(const std::string& target) {
  return target.empty() || target.front() != '-' ? target : "./" + target;
}

bool IsProgramFile(const std::string& path) {
  const QFileInfo info(QString::fromStdString(path));
  if (!info.isFile() || !info.isExecutable()) return false;
  std::ifstream in(path, std::ios::binary);
  std::string start(4, '\0');
  in.read(start.data(), static_cast<std::streamsize>(start.size()));
  start.resize(static_cast<std::size_t>(in.gcount()));
  return start == std::string{'\x7f', 'E', 'L', 'F'} || start.rfind("#!", 0) == 0;
}

LinuxProgramLauncher::LinuxProgramLauncher(SystemCommands commands)
    : commands_(std::move(commands)) {}

bool LinuxProgramLauncher::Launch(const LaunchRequest& request) {
  const std::string& target = request.target;
  if (target.empty()) return false;
  if (HasScheme(target)) return Open(target, request.workingDir);
  const QFileInfo file(QString::fromStdString(target));
  const Arguments& arguments = request.arguments;
  if (file.isFile() && EndsWith(target, ".desktop")) {
    return LaunchDesktopEntry(target, arguments, request.workingDir);
  }
  // Absolute, so that a program in the current folder is not looked up on PATH instead.
  if (IsProgramFile(target)) {
    return commands_.start(file.absoluteFilePath().toStdString(), arguments, request.workingDir);
  }
  if (file.exists()) return Open(target, request.workingDir);  // arguments mean nothing to it
  // A bare program name ("gimp") is looked up on PATH, as a command line would.
  const std::string program =
      target.find('/') == std::string::npos ? commands_.find(target) : std::string();
  return !program.empty() && commands_.start(program, arguments, request.workingDir);
}

bool LinuxProgramLauncher::OpenWithDefault(const std::string& target) {
  return !target.empty() && Open(target, {});
}

bool LinuxProgramLauncher::Open(const std::string& target, const std::string& folder) {
  return commands_.start(commands_.find("xdg-open"), {NotAnOption(target)}, folder);
}

// gio launches an entry as the desktop does (startup notification, D-Bus activation, terminal);
// without it the Exec line is run directly.
bool LinuxProgramLauncher::LaunchDesktopEntry(const std::string& entryPath, const Arguments& files,
                                              const std::string& folder) {
  const auto entry = ReadDesktopEntry(entryPath);
  const auto type = entry.find("Type");
  if (type != entry.end() && type->second == "Link") {
    return entry.count("URL") && Open(entry.at("URL"), folder);
  }
  if (const std::string gio = commands_.find("gio"); !gio.empty()) {
    Arguments gioArguments{"launch", entryPath};
    gioArguments.insert(gioArguments.end(), files.begin(), files.end());
    return commands_.start(gio, gioArguments, folder);
  }
  Arguments command = ExpandExec(entry, entryPath, files);
  if (command.empty()) return false;
  const std::string program = commands_.find(command.front());
  if (program.empty()) return false;
  const auto path = entry.find("Path");
  const std::string workIn = folder.empty() && path != entry.end() ? path->second : folder;
  return commands_.start(program, Arguments(command.begin() + 1, command.end()), workIn);
}

}  // namespace qav::platform
