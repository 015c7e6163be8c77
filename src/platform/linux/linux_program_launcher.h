#pragma once
// Starting items on a freedesktop system. A program file is run with the item's arguments as
// separate argv entries; a desktop entry is launched as its desktop would launch it; anything
// else (a document, a folder, a web or mail address) goes to the desktop's opener, xdg-open.
//
// The window style is passed on nowhere: on X11 a program places and sizes its own windows, and
// no standard request lets the starting process ask for a minimised or maximised first window.

#include <memory>

#include "platform/linux/system_commands.h"
#include "platform/program_launcher.h"

namespace qav::platform {

class LinuxProgramLauncher final : public ProgramLauncher {
 public:
  explicit LinuxProgramLauncher(SystemCommands commands);

  bool Launch(const LaunchRequest& request) override;
  bool OpenWithDefault(const std::string& target) override;
  bool HasTerminal() override;
  // The opener is not waited for: when it fails a moment later, `tell` hears why.
  void TellLateFailures(LateFailure tell) override;

 private:
  // Starts a program, inside a terminal emulator when it asks for one.
  bool Start(const std::string& program, const Arguments& arguments, const std::string& folder,
             bool inTerminal);
  bool LaunchDesktopEntry(const std::string& entryPath, const Arguments& files,
                          const std::string& folder);
  bool Open(const std::string& target, const std::string& folder);

  SystemCommands commands_;
  // Shared with the openers being watched, so that a verdict arriving after this launcher is
  // gone reaches nothing.
  std::shared_ptr<LateFailure> tell_ = std::make_shared<LateFailure>();
};

// Why xdg-open gave up, from its exit status (127: it could not be run at all).
std::string OpenerFailure(int status);

// A program file: a regular file we may execute that the kernel can run itself (an ELF binary
// or a "#!" script). Documents on file systems that mark every file executable are not programs.
bool IsProgramFile(const std::string& path);

// A relative path starting with '-' made "./-...", so that the opener cannot take it for one of
// its options.
std::string NotAnOption(const std::string& target);

}  // namespace qav::platform
