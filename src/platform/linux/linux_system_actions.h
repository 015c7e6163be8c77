#pragma once
// Power, the monitor, the desktop's pages and the default programs on a freedesktop system.
// Power actions are requests to systemd-logind over the system D-Bus, made interactive so that
// polkit may ask the user; logind decides. The monitor is switched off through the X server's
// DPMS extension. Pages open with the first program of desktop_pages.cpp found on PATH.

#include <QVariant>
#include <QVariantList>
#include <functional>
#include <optional>
#include <string>

#include "platform/linux/system_commands.h"
#include "platform/system_actions.h"

namespace qav::platform {

struct LogindCall {
  std::string path;  // an object of org.freedesktop.login1
  std::string interface;
  std::string method;
  QVariantList arguments;
};

struct LogindBus {
  // Waits for the reply's first value; nothing when the bus or logind is absent or says no.
  std::function<std::optional<QVariant>(const LogindCall&)> ask;
  // Sends without waiting, since polkit may keep the answer waiting for the user. False when
  // the bus or logind is absent.
  std::function<bool(const LogindCall&)> send;
};

// The system bus through QtDBus.
LogindBus SystemBusLogind();
// DPMS "off" on the X display of $DISPLAY; false without an X display that has DPMS.
bool ForceDisplayOffWithDpms();

class LinuxSystemActions final : public SystemActions {
 public:
  // `trashFolder` is the home trash ($XDG_DATA_HOME/Trash), opened when no file manager shows
  // the trash itself.
  LinuxSystemActions(SystemCommands commands, LogindBus logind, std::function<bool()> displayOff,
                     std::string trashFolder);

  bool Power(PowerAction action) override;
  bool MonitorOff() override;
  bool OpenPage(SystemPage page) override;
  bool OpenFolder(const std::string& folder) override;
  std::string DefaultProgram(DefaultProgramKind kind) override;

 private:
  bool CallSession(const std::string& method);
  bool OpenBrowserSettings();
  bool StartFirstFound(const std::vector<Arguments>& candidates);
  std::optional<std::string> AskFirstLine(const Arguments& command);
  std::string DefaultEntryId(DefaultProgramKind kind);
  std::string ProgramOfEntry(const std::string& entryId);

  SystemCommands commands_;
  LogindBus logind_;
  std::function<bool()> displayOff_;
  std::string trashFolder_;
};

}  // namespace qav::platform
