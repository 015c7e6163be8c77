#include "startup/gui/run_launcher.h"

#include <QApplication>
#include <QSessionManager>

#include "platform/linux/desktop_notice.h"
#include "platform/linux/icon_theme.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/qt_single_instance.h"
#include "platform/linux/termination_signals.h"
#include "startup/gui/command_line_run.h"
#include "startup/gui/launcher.h"
#include "startup/gui/logged_notices.h"
#include "startup/gui/qt_message_boxes.h"

namespace qav {

int RunLauncher(int argc, char** argv) {
  const CommandLine command = ReadCommandLine(argc, argv);
  if (command.status) return EndWithText(command);
  platform::QtSingleInstance instance(platform::QtSingleInstance::DefaultLockPath());
  if (!instance.TryAcquire()) return SendToRunningDock(argc, argv, command.request);
  if (auto status = RunWithoutDock(argc, argv, command.request)) return *status;

  QApplication app(argc, argv);
  QApplication::setApplicationName("QAV Launcher");
  QApplication::setOrganizationName("Brevona");
  QApplication::setQuitOnLastWindowClosed(false);
  platform::EnsureIconTheme();

  platform::LinuxPlatform system;
  QtMessageBoxes messages;
  platform::Platform services{system.registry, system.folders, system.system,  system.files,
                              messages,        system.process, system.desktop, system.launcher,
                              system.actions,  system.trash,   system.volumes};
  Launcher launcher(services, system.shape, system.hotKeys, system.trayHosts);
  LoggedNotices notices([](const std::string& caption, const std::string& text) {
    platform::SendDesktopNotice(caption, text);
  });
  platform::TerminationSignals terminationWatch([&] { launcher.Terminate(notices); });
  QObject::connect(&app, &QGuiApplication::commitDataRequest,
                   [&launcher](QSessionManager&) { launcher.SaveForSession(); });
  QObject::connect(&app, &QCoreApplication::aboutToQuit, [&] { launcher.Terminate(notices); });
  if (!launcher.Start()) return 1;
  // A request to end can arrive while the start still handles events; the loop it ended has not
  // begun yet, and starting it now would never end.
  if (launcher.exited()) return 0;
  const DockControlServer control(launcher, services);
  ApplyStartAction(launcher, command.request);
  return QApplication::exec();
}

}  // namespace qav
