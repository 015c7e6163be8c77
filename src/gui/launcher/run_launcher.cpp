#include "gui/launcher/run_launcher.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QSessionManager>

#include "core/environment/messages_locale.h"
#include "gui/launcher/application_start.h"
#include "gui/launcher/command_line_run.h"
#include "gui/launcher/ending_messages.h"
#include "gui/launcher/launcher.h"
#include "gui/launcher/logged_notices.h"
#include "gui/launcher/qt_message_boxes.h"
#include "gui/launcher/translations.h"
#include "platform/native_platform.h"

namespace qav {
namespace {

int RunOn(platform::PlatformServices& native, const CommandLine& command, int argc, char** argv) {
  const auto instance = native.CreateSingleInstance();
  if (!instance->TryAcquire()) return SendToRunningDock(native, command.request);
  if (auto status = RunWithoutDock(native, argc, argv, command.request)) return *status;

  const auto application = MakeApplication(argc, argv);
  QApplication& app = *application;
  QApplication::setApplicationName("QAV Launcher");
  QApplication::setOrganizationName("Brevona");
  // Ties the windows to the desktop entry (Wayland's app id, the desktop's grouping) and gives the
  // dialogs the program's icon in task switchers.
  QGuiApplication::setDesktopFileName(QStringLiteral(QAV_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/qav-launcher.png")));
  QApplication::setQuitOnLastWindowClosed(false);
  native.EnsureIconTheme();

  const auto system = native.OpenServices();
  LoggedNotices notices([&native](const std::string& caption, const std::string& text) {
    native.SendDesktopNotice(caption, text);
  });
  QtMessageBoxes boxes;
  EndingMessages messages(boxes, notices);
  platform::Platform services = system->Bundle(messages);
  // Before the first window, and outliving the last.
  Translations translations;
  translations.Load(MessagesLocale(services.system),
                    OwnTranslationFolders(QCoreApplication::applicationDirPath()),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  Launcher launcher(services, system->Shape(), system->Keys(), system->Trays());
  const auto terminate = [&] {
    messages.End();
    launcher.Terminate(notices);
  };
  const auto terminationWatch = native.WatchTermination(terminate);
  QObject::connect(&app, &QGuiApplication::commitDataRequest,
                   [&launcher](QSessionManager&) { launcher.SaveForSession(); });
  QObject::connect(&app, &QCoreApplication::aboutToQuit, terminate);
  if (!launcher.Start()) return 1;
  // A request to end can arrive while the start still handles events; the loop it ended has not
  // begun yet, and starting it now would never end.
  if (launcher.exited()) return 0;
  // Queued behind the start's own calls, which build the pictures only menus show.
  QMetaObject::invokeMethod(
      &app, [&native] { native.EndStartUp(); }, Qt::QueuedConnection);
  const DockControlServer control(native, launcher, services);
  ApplyStartAction(launcher, command.request);
  return QApplication::exec();
}

}  // namespace

int RunLauncher(int argc, char** argv) {
  const CommandLine command = ReadCommandLine(argc, argv);
  if (command.status) return EndWithText(command);
  return RunOn(*platform::CreatePlatform(), command, argc, argv);
}

int RunLauncher(int argc, char** argv, platform::PlatformServices& platform) {
  const CommandLine command = ReadCommandLine(argc, argv);
  if (command.status) return EndWithText(command);
  return RunOn(platform, command, argc, argv);
}

}  // namespace qav
