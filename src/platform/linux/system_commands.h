#pragma once
// The few things the Linux services need from the system to start and ask other programs: kept
// as replaceable functions so that tests can stand in for the machine.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qav::platform {

using Arguments = std::vector<std::string>;

struct SystemCommands {
  // Starts `program` with `arguments` as separate argv entries (never through a shell) and does
  // not wait for it; an empty folder means ours. True when the program started.
  std::function<bool(const std::string& program, const Arguments& arguments,
                     const std::string& folder)>
      start;
  // Runs `program` to its end (a few seconds at most) and gives its standard output; nothing when
  // it could not start, failed or took too long.
  std::function<std::optional<std::string>(const std::string& program, const Arguments& arguments)>
      run;
  // The absolute path of an executable `program` (a name looked up on PATH, or a path); empty
  // when there is none.
  std::function<std::string(const std::string& program)> find;
  std::function<std::optional<std::string>(const std::string& name)> environment;
  // Like `start`, but the program is watched for a moment without waiting for it (an opener such
  // as xdg-open fails at once when nothing can open its target): when it ends with a failure in
  // that moment, `failed` runs later on the user-interface thread with its exit status (127: it
  // could not be run). Empty: `start` serves, and nothing is watched.
  std::function<bool(const std::string& program, const Arguments& arguments,
                     const std::string& folder, std::function<void(int status)> failed)>
      startWatched;
};

// The real ones: QProcess, QStandardPaths::findExecutable and the process environment.
SystemCommands RealSystemCommands();

// The desktop environments the services know by their own commands and settings.
enum class DesktopKind { kGnome, kKde, kXfce, kMate, kCinnamon, kLxqt, kLxde, kBudgie, kOther };

// The first desktop of $XDG_CURRENT_DESKTOP (a colon-separated list, "ubuntu:GNOME") that is
// known; kOther when none is.
DesktopKind DesktopFromXdg(const std::string& xdgCurrentDesktop);
DesktopKind CurrentDesktop(const SystemCommands& commands);

}  // namespace qav::platform
