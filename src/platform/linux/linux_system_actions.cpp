#include "platform/linux/linux_system_actions.h"

#include <unistd.h>
#include <xcb/dpms.h>
#include <xcb/xcb.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>

#include "base/text.h"
#include "formats/links/application_entries.h"
#include "formats/links/desktop_entry.h"
#include "platform/files/format_files.h"
#include "platform/linux/desktop_pages.h"
#include "platform/linux/linux_program_launcher.h"
#include "platform/linux/linux_shell_folders.h"

namespace qav::platform {
namespace {

namespace fs = std::filesystem;

constexpr char kLogind[] = "org.freedesktop.login1";
constexpr char kManagerPath[] = "/org/freedesktop/login1";
constexpr char kManager[] = "org.freedesktop.login1.Manager";
constexpr char kSession[] = "org.freedesktop.login1.Session";
// logind's name for the caller's session, or the user's graphical one when the caller (a
// program started by the user's service manager) belongs to none.
constexpr char kAutoSession[] = "/org/freedesktop/login1/session/auto";
constexpr int kAskTimeoutMs = 5000;

QDBusMessage ToMessage(const LogindCall& call) {
  QDBusMessage message = QDBusMessage::createMethodCall(kLogind, QString::fromStdString(call.path),
                                                        QString::fromStdString(call.interface),
                                                        QString::fromStdString(call.method));
  message.setArguments(call.arguments);
  message.setInteractiveAuthorizationAllowed(true);
  return message;
}

bool LogindReachable(const QDBusConnection& bus) {
  if (!bus.isConnected() || bus.interface() == nullptr) return false;
  const QDBusConnectionInterface& names = *bus.interface();
  return names.isServiceRegistered(kLogind).value() ||
         names.activatableServiceNames().value().contains(kLogind);
}

std::optional<QVariant> AskSystemBus(const LogindCall& call) {
  const QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return std::nullopt;
  const QDBusMessage reply = bus.call(ToMessage(call), QDBus::Block, kAskTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
    return std::nullopt;
  }
  return reply.arguments().constFirst();
}

bool SendSystemBus(const LogindCall& call) {
  const QDBusConnection bus = QDBusConnection::systemBus();
  return LogindReachable(bus) && bus.send(ToMessage(call));
}

template <typename T>
using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

bool ForceOff(xcb_connection_t* connection) {
  const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_dpms_id);
  if (extension == nullptr || !extension->present) return false;
  const XcbReply<xcb_dpms_capable_reply_t> capable(
      xcb_dpms_capable_reply(connection, xcb_dpms_capable(connection), nullptr), std::free);
  if (!capable || !capable->capable) return false;
  // A forced level only holds while DPMS is on, as with "xset dpms force off".
  const XcbReply<xcb_generic_error_t> enableError(
      xcb_request_check(connection, xcb_dpms_enable_checked(connection)), std::free);
  const XcbReply<xcb_generic_error_t> forceError(
      xcb_request_check(connection,
                        xcb_dpms_force_level_checked(connection, XCB_DPMS_DPMS_MODE_OFF)),
      std::free);
  return !enableError && !forceError;
}

// The program an Exec line runs: its first word, past an "env NAME=value ..." prefix.
std::string ExecProgram(const std::vector<std::string>& words) {
  std::size_t i = 0;
  if (i < words.size() && fs::path(words[i]).filename() == "env") {
    ++i;
    while (i < words.size() && words[i].find('=') != std::string::npos) ++i;
  }
  return i < words.size() ? words[i] : std::string();
}

// The settings page of the browsers whose page has a well-known address.
std::optional<std::string> BrowserSettingsAddress(const std::string& browser) {
  const std::string name = fs::path(browser).filename().string();
  for (const char* gecko : {"firefox", "librewolf", "waterfox", "iceweasel"}) {
    if (name.find(gecko) != std::string::npos) return "about:preferences";
  }
  for (const char* chromium : {"chrom", "brave", "vivaldi", "edge"}) {
    if (name.find(chromium) != std::string::npos) return "chrome://settings";
  }
  return std::nullopt;
}

}  // namespace

LogindBus SystemBusLogind() {
  return {AskSystemBus, SendSystemBus};
}

bool ForceDisplayOffWithDpms() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool off = xcb_connection_has_error(connection) == 0 && ForceOff(connection);
  xcb_disconnect(connection);
  return off;
}

LinuxSystemActions::LinuxSystemActions(SystemCommands commands, LogindBus logind,
                                       std::function<bool()> displayOff, std::string trashFolder)
    : commands_(std::move(commands)),
      logind_(std::move(logind)),
      displayOff_(std::move(displayOff)),
      trashFolder_(std::move(trashFolder)) {}

bool LinuxSystemActions::Power(PowerAction action) {
  const auto manager = [this](const char* method) {
    return logind_.send({kManagerPath, kManager, method, {QVariant(true)}});
  };
  switch (action) {
    case PowerAction::kShutDown:
      return manager("PowerOff");
    case PowerAction::kRestart:
      return manager("Reboot");
    case PowerAction::kSleep:
      return manager("Suspend");
    case PowerAction::kLogOff:
      return CallSession("Terminate");
    case PowerAction::kLock:
      return CallSession("Lock");
  }
  return false;
}

bool LinuxSystemActions::CallSession(const std::string& method) {
  const auto pid = static_cast<uint>(::getpid());
  const auto session = logind_.ask({kManagerPath, kManager, "GetSessionByPID", {QVariant(pid)}});
  std::string path = kAutoSession;
  if (session && session->canConvert<QDBusObjectPath>()) {
    path = session->value<QDBusObjectPath>().path().toStdString();
  }
  return logind_.send({path, kSession, method, {}});
}

bool LinuxSystemActions::MonitorOff() {
  return displayOff_ && displayOff_();
}

bool LinuxSystemActions::OpenPage(SystemPage page) {
  if (page == SystemPage::kInternetOptions) return OpenBrowserSettings();
  std::vector<Arguments> candidates = PageCandidates(page, CurrentDesktop(commands_));
  for (Arguments& command : candidates) {
    std::replace(command.begin(), command.end(), std::string("%trash"), trashFolder_ + "/files");
  }
  return StartFirstFound(candidates);
}

bool LinuxSystemActions::OpenBrowserSettings() {
  const std::string browser = DefaultProgram(DefaultProgramKind::kWebBrowser);
  const auto address = BrowserSettingsAddress(browser);
  return address && commands_.start(browser, {*address}, {});
}

bool LinuxSystemActions::StartFirstFound(const std::vector<Arguments>& candidates) {
  for (const Arguments& command : candidates) {
    const std::string program = commands_.find(command.front());
    if (program.empty()) continue;
    if (commands_.start(program, Arguments(command.begin() + 1, command.end()), {})) return true;
  }
  return false;
}

bool LinuxSystemActions::OpenFolder(const std::string& folder) {
  return !folder.empty() && commands_.start(commands_.find("xdg-open"), {NotAnOption(folder)}, {});
}

std::string LinuxSystemActions::DefaultProgram(DefaultProgramKind kind) {
  const std::string id = DefaultEntryId(kind);
  return id.empty() ? std::string() : ProgramOfEntry(id);
}

std::optional<std::string> LinuxSystemActions::AskFirstLine(const Arguments& command) {
  const auto output = commands_.run(command.front(), Arguments(command.begin() + 1, command.end()));
  if (!output) return std::nullopt;
  std::string line(Trim(output->substr(0, output->find('\n')), " \t\r\n"));
  if (line.empty()) return std::nullopt;
  return line;
}

std::string LinuxSystemActions::DefaultEntryId(DefaultProgramKind kind) {
  if (kind == DefaultProgramKind::kMail) {
    return AskFirstLine({"xdg-mime", "query", "default", "x-scheme-handler/mailto"}).value_or("");
  }
  if (auto id = AskFirstLine({"xdg-settings", "get", "default-web-browser"})) return *id;
  return AskFirstLine({"xdg-mime", "query", "default", "x-scheme-handler/http"}).value_or("");
}

std::string LinuxSystemActions::ProgramOfEntry(const std::string& entryId) {
  const std::string path = readers::FindDesktopEntry(
      LinuxShellFolders(commands_.environment).ApplicationFolders(), entryId);
  if (path.empty()) return {};
  const auto entry = platform::ReadDesktopEntryFile(path, "");
  if (!entry) return {};
  const std::string program = ExecProgram(entry->exec);
  return program.empty() ? std::string() : commands_.find(program);
}

}  // namespace qav::platform
