#include "platform/linux/system_commands.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <utility>
#include <vector>

#include "base/text.h"
#include "platform/linux/toolkit_environment.h"

namespace qav::platform {
namespace {

constexpr int kRunTimeoutMs = 5000;
// How long a started opener is watched for an early failure, by a process of its own.
constexpr int kWatchMs = 1500;
constexpr int kWatchStepMs = 50;

QStringList ToQt(const Arguments& arguments) {
  QStringList list;
  for (const std::string& argument : arguments) list.append(QString::fromStdString(argument));
  return list;
}

bool StartDetached(const std::string& program, const Arguments& arguments,
                   const std::string& folder) {
  if (program.empty()) return false;
  QProcess process;
  process.setProgram(QString::fromStdString(program));
  process.setArguments(ToQt(arguments));
  process.setWorkingDirectory(QString::fromStdString(folder));
  process.setProcessEnvironment(ChildProcessEnvironment());
  return process.startDetached();
}

std::optional<std::string> RunToEnd(const std::string& program, const Arguments& arguments) {
  QProcess process;
  process.setStandardInputFile(QProcess::nullDevice());
  process.setProcessEnvironment(ChildProcessEnvironment());
  process.start(QString::fromStdString(program), ToQt(arguments));
  if (!process.waitForFinished(kRunTimeoutMs)) {
    process.kill();
    process.waitForFinished(kRunTimeoutMs);
    return std::nullopt;
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return std::nullopt;
  return process.readAllStandardOutput().toStdString();
}

// Runs in a forked child: only async-signal-safe calls until the exec.
[[noreturn]] void ExecInFolder(char* const* argv, char* const* envp, const char* folder) {
  if (folder != nullptr && chdir(folder) != 0) _exit(127);
  execve(argv[0], argv, envp);
  _exit(127);
}

// Collects the watcher process once it has ended (it ends right after saying how the program
// did), without waiting on the user-interface thread.
void Reap(pid_t watcher) {
  const pid_t done = waitpid(watcher, nullptr, WNOHANG);
  if (done == 0 || (done < 0 && errno == EINTR)) {
    QTimer::singleShot(kWatchStepMs, QCoreApplication::instance(), [watcher] { Reap(watcher); });
  }
}

// The watcher's one byte (the program's failing exit status, 0 when it ran or still runs)
// arrives on `verdict` while the event loop goes on.
void AwaitVerdict(pid_t watcher, int verdict, std::function<void(int)> failed) {
  auto* notifier =
      new QSocketNotifier(verdict, QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                   [notifier, verdict, watcher, failed = std::move(failed)] {
                     unsigned char status = 0;
                     const ssize_t got = read(verdict, &status, 1);
                     notifier->setEnabled(false);
                     close(verdict);
                     notifier->deleteLater();
                     Reap(watcher);
                     if (got != 1 || status == 0 || !failed) return;
                     // Told once this handler has returned: the news may open a message box.
                     QMetaObject::invokeMethod(
                         QCoreApplication::instance(), [failed, status] { failed(status); },
                         Qt::QueuedConnection);
                   });
}

// A watcher process starts the program and watches it for a moment; it writes how the program
// did down a pipe and ends. A program still running then is left to run; the watcher has ended,
// so the system, not we, reaps it. Nothing here waits for either process.
bool StartWatched(const std::string& program, const Arguments& arguments, const std::string& folder,
                  std::function<void(int)> failed) {
  if (program.empty()) return false;
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  std::vector<std::string> entries = ChildEnvironmentEntries();
  std::vector<char*> envp;
  for (std::string& entry : entries) envp.push_back(entry.data());
  envp.push_back(nullptr);
  const char* workIn = folder.empty() ? nullptr : folder.c_str();
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) return false;
  const pid_t watcher = fork();
  if (watcher < 0) {
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    return false;
  }
  if (watcher == 0) {
    unsigned char status = 0;
    const pid_t child = fork();
    if (child == 0) ExecInFolder(argv.data(), envp.data(), workIn);
    if (child < 0) status = 127;
    const timespec step{0, kWatchStepMs * 1000 * 1000};
    for (int waited = 0; child > 0 && waited < kWatchMs; waited += kWatchStepMs) {
      int ended = 0;
      if (waitpid(child, &ended, WNOHANG) == child) {
        status = static_cast<unsigned char>(WIFEXITED(ended) ? WEXITSTATUS(ended) : 128);
        break;
      }
      nanosleep(&step, nullptr);
    }
    const ssize_t written = write(pipeEnds[1], &status, 1);
    _exit(written == 1 ? 0 : 1);
  }
  close(pipeEnds[1]);
  AwaitVerdict(watcher, pipeEnds[0], std::move(failed));
  return true;
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
    if (EqualsIgnoreCase(name, known)) return kind;
  }
  return std::nullopt;
}

}  // namespace

SystemCommands RealSystemCommands() {
  return {StartDetached, RunToEnd, FindExecutable, Environment, StartWatched};
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
