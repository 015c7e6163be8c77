#pragma once
// What a start of the program does with its command line: talk to the running dock, work on
// the files when none runs, or answer the dock's socket once it runs.

#include <memory>
#include <optional>

#include "core/remote/command_options.h"
#include "platform/native_platform.h"
#include "platform/platform.h"

namespace qav {

class Launcher;

// Parses the program's arguments.
CommandLine ReadCommandLine(int argc, char** argv);
// Prints what --help, --version or a bad option answered and gives the exit status.
int EndWithText(const CommandLine& command);

// Another start holds the dock: sends it the request (none asks it to come up, as Alt+Space
// does) and gives the exit status. Touches no file of the program.
int SendToRunningDock(platform::PlatformServices& native,
                      const std::optional<RemoteRequest>& request);

// No dock runs: a data operation is carried out on the files, an action that needs a dock is
// refused. Nothing when the dock is to be started.
std::optional<int> RunWithoutDock(platform::PlatformServices& native, int argc, char** argv,
                                  const std::optional<RemoteRequest>& request);

// The running dock's socket; while it lives, requests reach `launcher`. An action is answered at
// once and carried out from the event loop afterwards, so that no request waits for a window and
// nothing shown for a request depends on the one who asked still being there.
class DockControlServer {
 public:
  DockControlServer(platform::PlatformServices& native, Launcher& launcher,
                    platform::Platform& platform);
  ~DockControlServer();
  DockControlServer(const DockControlServer&) = delete;
  DockControlServer& operator=(const DockControlServer&) = delete;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

// What an action that started the dock asks of it once it shows.
void ApplyStartAction(Launcher& launcher, const std::optional<RemoteRequest>& request);

}  // namespace qav
