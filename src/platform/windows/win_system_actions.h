#pragma once
// Power and session actions through the system's own calls (ExitWindowsEx with the shutdown
// privilege, SetSuspendState, LockWorkStation), the monitor through SC_MONITORPOWER, the pages
// through Control Panel items and shell folders, the default programs through the shell's
// associations.

#include "platform/process_control.h"
#include "platform/system_actions.h"

namespace qav::platform {

class WinSystemActions final : public SystemActions {
 public:
  explicit WinSystemActions(ProcessControl& process) : process_(process) {}

  bool Power(PowerAction action) override;
  bool MonitorOff() override;
  bool OpenPage(SystemPage page) override;
  bool OpenFolder(const std::string& folder) override;
  std::string DefaultProgram(DefaultProgramKind kind) override;

 private:
  ProcessControl& process_;
};

}  // namespace qav::platform
