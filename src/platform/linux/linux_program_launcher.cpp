#include "platform/linux/linux_program_launcher.h"

#include <QFileInfo>
#include <QProcess>
#include <fstream>
#include <utility>

#include "formats/links/desktop_entry.h"
#include "platform/files/format_files.h"

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

// Terminal emulators and the option after which each takes the program and its arguments as
// separate words: first the one the system names as its choice, then common desktops' own.
struct Terminal {
  const char* program;
  const char* option;  // empty: the words follow directly
};

constexpr Terminal kTerminals[] = {
    {"x-terminal-emulator", "-e"},
    {"gnome-terminal", "--"},
    {"konsole", "-e"},
    {"xfce4-terminal", "-x"},
    {"mate-terminal", "-x"},
    {"tilix", "-x"},
    {"kitty", ""},
    {"alacritty", "-e"},
    {"xterm", "-e"},
};

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
    return Start(file.absoluteFilePath().toStdString(), arguments, request.workingDir,
                 request.inTerminal);
  }
  if (file.exists()) return Open(target, request.workingDir);  // arguments mean nothing to it
  // A bare program name ("gimp") is looked up on PATH, as a command line would.
  const std::string program =
      target.find('/') == std::string::npos ? commands_.find(target) : std::string();
  return !program.empty() && Start(program, arguments, request.workingDir, request.inTerminal);
}

bool LinuxProgramLauncher::Start(const std::string& program, const Arguments& arguments,
                                 const std::string& folder, bool inTerminal) {
  if (!inTerminal) return commands_.start(program, arguments, folder);
  for (const Terminal& terminal : kTerminals) {
    const std::string emulator = commands_.find(terminal.program);
    if (emulator.empty()) continue;
    Arguments words;
    if (*terminal.option != '\0') words.emplace_back(terminal.option);
    words.push_back(program);
    words.insert(words.end(), arguments.begin(), arguments.end());
    return commands_.start(emulator, words, folder);
  }
  return false;
}

bool LinuxProgramLauncher::HasTerminal() {
  for (const Terminal& terminal : kTerminals) {
    if (!commands_.find(terminal.program).empty()) return true;
  }
  return false;
}

bool LinuxProgramLauncher::OpenWithDefault(const std::string& target) {
  return !target.empty() && Open(target, {});
}

std::string OpenerFailure(int status) {
  switch (status) {
    case 1:
      return "the desktop's opener (xdg-open) did not understand the request";
    case 2:
      return "it does not exist";
    case 3:
      return "no program for it was found (xdg-open found none to hand it to)";
    case 4:
      return "the program chosen for it failed to open it";
    case 127:
      return "the desktop's opener (xdg-open) could not be started";
    default:
      return "the desktop's opener (xdg-open) ended with status " + std::to_string(status);
  }
}

void LinuxProgramLauncher::TellLateFailures(LateFailure tell) {
  *tell_ = std::move(tell);
}

// The opener fails at once when nothing can open the target: it is watched for a moment by a
// process of its own, and its failure told afterwards.
bool LinuxProgramLauncher::Open(const std::string& target, const std::string& folder) {
  const std::string opener = commands_.find("xdg-open");
  if (!commands_.startWatched) return commands_.start(opener, {NotAnOption(target)}, folder);
  const std::weak_ptr<LateFailure> tell = tell_;
  return commands_.startWatched(opener, {NotAnOption(target)}, folder, [tell, target](int status) {
    const auto told = tell.lock();
    if (told && *told) (*told)(target, OpenerFailure(status));
  });
}

// gio launches an entry as the desktop does (startup notification, D-Bus activation, terminal);
// without it the Exec line is run directly.
bool LinuxProgramLauncher::LaunchDesktopEntry(const std::string& entryPath, const Arguments& files,
                                              const std::string& folder) {
  const auto entry = platform::ReadDesktopEntryFile(entryPath, "");
  if (!entry) return false;
  if (entry->type == "Link") return !entry->url.empty() && Open(entry->url, folder);
  if (const std::string gio = commands_.find("gio"); !gio.empty()) {
    Arguments gioArguments{"launch", entryPath};
    gioArguments.insert(gioArguments.end(), files.begin(), files.end());
    return commands_.start(gio, gioArguments, folder);
  }
  Arguments command = ExpandExec(*entry, entryPath, files);
  if (command.empty()) return false;
  const std::string program = commands_.find(command.front());
  if (program.empty()) return false;
  const std::string workIn = folder.empty() ? entry->workingDir : folder;
  return Start(program, Arguments(command.begin() + 1, command.end()), workIn, entry->terminal);
}

}  // namespace qav::platform
