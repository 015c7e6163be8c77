#include "gui/launcher/command_line_run.h"

#include <QApplication>

#include <cstdio>

#include "core/environment/paths.h"
#include "core/operations/ini_param.h"
#include "core/operations/reload.h"
#include "core/operations/remote_operations.h"
#include "core/remote/remote_report.h"
#include "core/shortcuts/commands.h"
#include "core/store/records.h"
#include "gui/graphics/graphics_item_pictures.h"
#include "gui/graphics/image_cache.h"
#include "gui/graphics/image_tables.h"
#include "gui/graphics/shell_icons.h"
#include "gui/launcher/application_start.h"
#include "gui/launcher/launcher.h"
#include "gui/launcher/screen_probe.h"
#include "gui/tray/hot_key_actions.h"

namespace qav {
namespace {

// A dock that holds the lock may still be starting.
constexpr int kWaitForDockMs = 10000;

void SetNames() {
  QCoreApplication::setApplicationName("QAV Launcher");
  QCoreApplication::setOrganizationName("Brevona");
}

// The dock's side of a request. The actions run from the event loop once the answer has gone:
// their frames let events through, and a window they open must not hold up the answer.
class LauncherRemoteDock final : public RemoteDock {
 public:
  LauncherRemoteDock(Launcher& launcher, platform::Platform& platform)
      : launcher_(launcher), platform_(platform) {}

  void Show() override {
    Later([this] {
      launcher_.MinWindows(DockView::kShown);
      launcher_.DockFocus(true);
    });
  }
  void Keyboard() override {
    Later([this] { RunHotKey(platform::HotKey::kFocus); });
  }
  void Search(const std::string& text) override {
    Later([this, text] {
      launcher_.FollowPointer();
      launcher_.OpenSearch(text);
    });
  }
  void Switch() override {
    Later([this] { RunHotKey(platform::HotKey::kSwitch); });
  }
  void Minimize() override {
    Later([this] { RunHotKey(platform::HotKey::kMinimize); });
  }
  void OpenSettings() override {
    Later([this] {
      if (launcher_.Settings()) launcher_.Settings()->Show();
    });
  }
  void ShowAbout() override {
    Later([this] {
      if (launcher_.Settings()) launcher_.Settings()->ShowAbout();
    });
  }
  void Quit() override { launcher_.ExitApplication(); }
  // Carried out before the answer, which tells its outcome; nothing in it waits for the user.
  RemoteAnswer RunData(const RemoteRequest& request) override {
    CommandLineAnswers told;
    platform::Platform platform = platform::WithMessages(platform_, told);
    BackupFlowContext context{
        launcher_.state(),
        platform,
        [this, &told](const ReloadOptions& options) { launcher_.ReloadAll(options, told); },
        {},
        {},
        {}};
    return RunDataOperation(request, context, told);
  }

 private:
  // Queued on an object of the control server's, so that nothing runs once it is gone.
  void Later(std::function<void()> action) {
    QMetaObject::invokeMethod(
        &queued_,
        [this, action = std::move(action)] {
          if (!launcher_.exited()) action();
        },
        Qt::QueuedConnection);
  }

  void RunHotKey(platform::HotKey key) {
    HotKeyTargets targets{launcher_.state(), launcher_, launcher_, [this] {
                            CommandContext commands = launcher_.Commands();
                            SwitchDesktop(commands);
                          }};
    qav::RunHotKey(targets, key);
  }

  Launcher& launcher_;
  platform::Platform& platform_;
  QObject queued_;
};

// The configuration as a start-up reads it, without any window.
class FileData {
 public:
  FileData(platform::Platform& platform, const ScreenInfo& screen)
      : platform_(platform), screen_(screen) {
    state_.paths = InitPaths(platform.folders, platform.system);
    pictures_ = std::make_unique<GraphicsItemPictures>(platform.files, cache_, shellIcons_,
                                                       state_.paths.IconStore);
    state_.tables = MakeTables();
    IniParam(state_, true, true, true, platform, screen_, *pictures_);
  }

  RemoteAnswer Run(const RemoteRequest& request, CommandLineAnswers& told) {
    platform::Platform platform = platform::WithMessages(platform_, told);
    BackupFlowContext context{state_,
                              platform,
                              [this, &platform](const ReloadOptions& options) {
                                ReloadTables(state_, options, platform, screen_, *pictures_,
                                             [](int) {});
                              },
                              {},
                              {},
                              {}};
    return RunDataOperation(request, context, told);
  }

 private:
  platform::Platform& platform_;
  ScreenInfo screen_;
  AppState state_;
  ImageTables images_;
  QtShellIcons shellIcons_;
  ImageCache cache_{images_, state_, shellIcons_};
  std::unique_ptr<GraphicsItemPictures> pictures_;
};

int RunOnFiles(platform::PlatformServices& native, int argc, char** argv,
               const RemoteRequest& request) {
  const auto application = MakeApplication(argc, argv);
  SetNames();
  const auto screen = ProbePointerScreen();
  if (!screen) return FailWith("No screen to lay the dock out for.");
  const auto system = native.OpenServices();
  CommandLineAnswers told;
  platform::Platform services = system->Bundle(told);
  FileData data(services, *screen);
  return ReportSend({platform::SendOutcome::kAnswered, EncodeAnswer(data.Run(request, told))},
                    request);
}

}  // namespace

// Qt turns the arguments into UTF-8 on every system; the options themselves are read without it.
CommandLine ReadCommandLine(int argc, char** argv) {
  const QCoreApplication app(argc, argv);
  std::vector<std::string> arguments;
  for (const QString& argument : QCoreApplication::arguments().mid(1)) {
    arguments.push_back(argument.toStdString());
  }
  return ParseArguments(arguments);
}

int EndWithText(const CommandLine& command) {
  std::fputs(command.text.c_str(), *command.status == 0 ? stdout : stderr);
  return *command.status;
}

int SendToRunningDock(platform::PlatformServices& native,
                      const std::optional<RemoteRequest>& request) {
  const RemoteRequest sent = RequestOrSummon(request);
  const std::string line = EncodeRequest(sent);
  if (line.empty()) return FailWith("The file name cannot be sent to the dock.");
  return ReportSend(native.SendControlRequest(line, kWaitForDockMs, AnswerTimeoutMs(sent.verb)),
                    sent);
}

std::optional<int> RunWithoutDock(platform::PlatformServices& native, int argc, char** argv,
                                  const std::optional<RemoteRequest>& request) {
  if (!request || VerbStartsDock(request->verb)) return std::nullopt;
  if (IsDataOperation(request->verb)) return RunOnFiles(native, argc, argv, *request);
  return FailWith("No QAV Launcher dock is running.");
}

struct DockControlServer::Parts {
  Parts(platform::PlatformServices& native, Launcher& owner, platform::Platform& platform)
      : launcher(owner),
        dock(owner, platform),
        server(native.CreateControlListener(
            [this](const std::string& line) { return Answer(line); })) {
    server->Listen();
  }

  // A reload inside a data operation lets events through, so a second request can arrive
  // while one is still carried out; it is turned away rather than run in the middle of it.
  std::string Answer(const std::string& line) {
    if (launcher.exited()) return EncodeAnswer({false, "The dock is ending.", {}});
    if (busy) return EncodeAnswer({false, "The dock is busy with another request.", {}});
    busy = true;
    std::string answer = AnswerRequestLine(line, dock);
    busy = false;
    return answer;
  }

  Launcher& launcher;
  LauncherRemoteDock dock;
  std::unique_ptr<platform::ControlListener> server;
  bool busy = false;
};

DockControlServer::DockControlServer(platform::PlatformServices& native, Launcher& launcher,
                                     platform::Platform& platform)
    : parts_(std::make_unique<Parts>(native, launcher, platform)) {}

DockControlServer::~DockControlServer() = default;

void ApplyStartAction(Launcher& launcher, const std::optional<RemoteRequest>& request) {
  if (!request) return;
  if (request->verb == RemoteVerb::kKeyboard) launcher.AltSpace();
  if (request->verb == RemoteVerb::kSearch) launcher.OpenSearch(request->argument);
  if (request->verb == RemoteVerb::kSettings && launcher.Settings()) launcher.Settings()->Show();
}

}  // namespace qav
