#pragma once
// Starting items on Windows: everything goes through ShellExecuteExW, which runs programs with
// their command line and working folder and opens documents, folders and addresses with the
// program registered for them, in the window style of the item.

#include "platform/program_launcher.h"

namespace qav::platform {

class WinProgramLauncher final : public ProgramLauncher {
 public:
  // The arguments become one command line quoted by the rules programs split it by, so each
  // arrives as the word it was.
  bool Launch(const LaunchRequest& request) override;
  bool OpenWithDefault(const std::string& target) override;
  // A console program gets a console window of its own from the system.
  bool HasTerminal() override { return true; }
};

}  // namespace qav::platform
