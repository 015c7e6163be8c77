#include "platform/windows/win_program_launcher.h"

#include <windows.h>

#include "formats/links/command_line.h"
#include "platform/windows/shell_execute.h"

namespace qav::platform {

// An item's window style is stored as the show command it is.
static_assert(static_cast<int>(WindowStyle::kNormal) == SW_SHOWNORMAL &&
              static_cast<int>(WindowStyle::kMinimized) == SW_SHOWMINIMIZED &&
              static_cast<int>(WindowStyle::kMaximized) == SW_SHOWMAXIMIZED);

bool WinProgramLauncher::Launch(const LaunchRequest& request) {
  return RunThroughShell({request.target,
                          readers::JoinCommandLine(request.arguments),
                          request.workingDir,
                          {},
                          static_cast<int>(request.style)});
}

bool WinProgramLauncher::OpenWithDefault(const std::string& target) {
  return RunThroughShell({target, {}, {}, {}, static_cast<int>(WindowStyle::kNormal)});
}

}  // namespace qav::platform
