#include "startup/gui/run_launcher.h"

#include <QApplication>
#include <QSessionManager>

#include "platform/linux/icon_theme.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/qt_single_instance.h"
#include "platform/linux/termination_signals.h"
#include "startup/gui/command_line_run.h"
#include "startup/gui/launcher.h"
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
  platform::TerminationSignals terminationWatch([&launcher] { launcher.ExitNow(); });
  QObject::connect(&app, &QGuiApplication::commitDataRequest,
                   [&launcher](QSessionManager&) { launcher.SaveForSession(); });
  QObject::connect(&app, &QCoreApplication::aboutToQuit, [&launcher] { launcher.ExitNow(); });
  if (!launcher.Start()) return 1;
  const DockControlServer control(launcher, services);
  ApplyStartAction(launcher, command.request);
  return QApplication::exec();
}

}  // namespace qav
