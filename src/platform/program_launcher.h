#pragma once
// Starting what an item stands for: a program with its arguments, or a document, folder or web
// address with the desktop's opener.

#include <functional>
#include <string>
#include <vector>

namespace qav::platform {

enum class WindowStyle { kNormal = 1, kMinimized = 2, kMaximized = 3 };

struct LaunchRequest {
  std::string target;  // a program, document, folder or web address, exactly as stored
  // The separate arguments; never joined into a command for a shell.
  std::vector<std::string> arguments;
  std::string workingDir;  // empty: none
  WindowStyle style = WindowStyle::kNormal;
  // A program made to run in a terminal (a desktop entry with Terminal=true): it is started
  // inside the user's terminal emulator.
  bool inTerminal = false;
};

// Told of an opening that failed after Launch or OpenWithDefault had accepted it: the target and
// why it could not be opened. Runs on the user-interface thread, from the event loop.
using LateFailure = std::function<void(const std::string& target, const std::string& why)>;

class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  // True when the system accepted the request (the program started, or the opener took it).
  // Nothing waits for the program or the opener.
  virtual bool Launch(const LaunchRequest& request) = 0;
  // Hands `target` to the desktop's default action for its type. True when accepted.
  virtual bool OpenWithDefault(const std::string& target) = 0;
  // Whether a terminal emulator is installed for the programs that need one.
  virtual bool HasTerminal() = 0;
  // Where an opening that fails only after it was accepted is told. A system that knows every
  // failure when it is asked never calls it.
  virtual void TellLateFailures(LateFailure tell) { static_cast<void>(tell); }
};

}  // namespace qav::platform
