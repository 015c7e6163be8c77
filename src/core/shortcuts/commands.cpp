#include "core/shortcuts/commands.h"

#include <filesystem>
#include <system_error>

#include "base/text.h"
#include "core/environment/path_services.h"
#include "core/environment/paths.h"
#include "core/shortcuts/catalog.h"
#include "core/shortcuts/link_resolution.h"
#include "core/shortcuts/recycle_bin.h"
#include "formats/links/command_line.h"
#include "formats/links/desktop_entry.h"
#include "platform/files/format_files.h"

namespace qav {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;

constexpr const char* kCaption = QAV_TEXT("Core", "QAV Launcher");

platform::WindowStyle StyleOf(int runStyle) {
  const int show = runStyle + 1;
  if (show < 1 || show > 3) return platform::WindowStyle::kNormal;
  return static_cast<platform::WindowStyle>(show);
}

// Programs start in their own folder, as Windows programs expect to find their files there.
std::string WorkingFolderFor(const std::string& target) {
  if (UpperAscii(target).ends_with(".EXE")) {
    const auto cut = target.find_last_of("\\/");
    if (cut != std::string::npos) return target.substr(0, cut + 1);
  }
  return {};
}

// With Auto-Hide a command hides the dock, unless it opened (or left open) the settings window,
// whose changes show on the dock.
void AfterCommand(CommandContext& c) {
  c.dock.EscCancel();
  if (c.state.settings.Record.AutoHide == 1 && !c.state.SettingsShown) {
    c.dock.MinWindows(DockView::kHidden);
  }
}

void Tell(CommandContext& c, FilledText text) {
  c.platform.messages.Show(platform::FilledMessage(std::move(text), kCaption,
                                                   MessageIcon::kInformation, MessageButtons::kOk));
}

// The part of a recycle-bin command before its question: nothing to ask for an empty bin, and
// the status of an empty bin is told, not asked.
std::optional<BuiltInQuestion> BinQuestion(CommandContext& c, int id) {
  if (id == kCmdEmptyRecycleBin) {
    if (c.platform.trash.Query().items < 1) return std::nullopt;
    return BuiltInQuestion{{QAV_TEXT("Core", "Are you sure you want to empty the Recycle Bin?"),
                            QAV_TEXT("Core", "Empty Recycle Bin"), MessageIcon::kQuestion,
                            MessageButtons::kYesNo, true},
                           false};
  }
  if (id != kCmdRecycleBinStatus) return std::nullopt;
  const BinReport report = RecycleBinReport(c.platform.trash.Query(), c.decimalPoint, c.thousands);
  constexpr const char* kBinCaption = QAV_TEXT("Core", "Recycle Bin");
  if (!report.asksToEmpty) {
    c.platform.messages.Show(platform::FilledMessage(
        report.filled, kBinCaption, MessageIcon::kInformation, MessageButtons::kOk));
    return std::nullopt;
  }
  return BuiltInQuestion{platform::FilledMessage(report.filled, kBinCaption, MessageIcon::kQuestion,
                                                 MessageButtons::kYesNo),
                         true};
}

void ToggleDragging(CommandContext& c) {
  Tables& t = c.state.tables;
  c.pictures.DiscardItem(kCmdDragging);
  ShortcutRecord& item = t.Shortcuts[kCmdDragging];
  item.Kind = kKindBuiltIn;
  item.IsBuiltIn = kVbTrue;
  item.CommandId = kCmdDragging;
  item.ImageRow = kCmdDragging;
  VbBool& locked = c.state.settings.Record.DraggingLocked;
  const char* next = locked != 0 ? kLockDraggingTitle : kAllowDraggingTitle;
  item.Title = next;
  item.IconFile = c.state.paths.SysIconsFolder + next + ".png";
  locked = ToVbBool(locked == 0);
  c.pictures.LoadItemImage(kCmdDragging);
  c.saver.SaveMenu();
  c.saver.SaveSettings();
}

}  // namespace

void SwitchDesktop(CommandContext& c) {
  const bool animate = c.dock.AnimateShowHide();
  c.dock.SetAnimateShowHide(false);
  if (c.dock.DockHidden()) {
    ShowDesktopIcons(c, true);
    c.dock.MinWindows(DockView::kShown);
  } else {
    c.dock.MinWindows(DockView::kHidden);
    ShowDesktopIcons(c, false);
  }
  c.dock.SetAnimateShowHide(animate);
}

void ChangeUserNameAndIcon(CommandContext& c) {
  ShortcutRecord& user = c.state.tables.Shortcuts[kUserRecord];
  const auto picture = c.dialogs.OpenFile(QAV_TEXT("Core", "QAV Launcher - Change User Icon"),
                                          "*.bmp;*.jpg;*.png;*.gif|*.bmp;*.jpg;*.png;*.gif");
  const std::string& userIcon = c.state.paths.UserIconFile;
  if (picture && c.pictures.ImageFileToPng(*picture, userIcon, true, 128, 128)) {
    user.Kind = kKindUser;
    user.IconFile = userIcon;
    c.pictures.LoadItemImage(kUserRecord);
    c.dock.DockNormal();
    c.saver.SaveSettings();
  }
  const auto name =
      c.dialogs.InputBox(QAV_TEXT("Core",
                                  "Enter the new user name. To discard changes, please "
                                  "click 'Cancel'."),
                         QAV_TEXT("Core", "Change User Name"), user.Title.Get());
  if (name && !TrimNull(*name).empty()) {
    user.Title = TrimNull(*name);
    c.saver.SaveMenu();
  }
  c.dock.DockNormal();
}

namespace {

void Power(CommandContext& c, platform::PowerAction action, const char* what) {
  if (!c.platform.actions.Power(action)) {
    Tell(c, {QAV_TEXT("Core", "The system did not accept the request to %1."), {what}});
  }
}

struct PageCommand {
  int command;
  platform::SystemPage page;
};

constexpr PageCommand kPages[] = {
    {kCmdComputer, platform::SystemPage::kComputer},
    {kCmdProperties, platform::SystemPage::kSystemProperties},
    {kCmdPersonalize, platform::SystemPage::kPersonalize},
    {kCmdScreenResolution, platform::SystemPage::kScreenResolution},
    {kCmdUninstall, platform::SystemPage::kUninstall},
    {kCmdNetwork, platform::SystemPage::kNetwork},
    {kCmdInternetOptions, platform::SystemPage::kInternetOptions},
    {kCmdControlPanel, platform::SystemPage::kControlPanel},
    {kCmdWorkgroup, platform::SystemPage::kWorkgroup},
    {kCmdPrinters, platform::SystemPage::kPrinters},
    {kCmdDeviceManager, platform::SystemPage::kDeviceManager},
    {kCmdSearch, platform::SystemPage::kSearch},
    {kCmdNetworkConnections, platform::SystemPage::kNetworkConnections},
    {kCmdOpenRecycleBin, platform::SystemPage::kTrash},
};

// Opens a system page; a desktop without one says so instead of doing nothing.
bool OpenPage(CommandContext& c, int command) {
  for (const PageCommand& p : kPages) {
    if (p.command != command) continue;
    if (!c.platform.actions.OpenPage(p.page)) {
      const std::string title = c.state.tables.Shortcuts[command].Title.Get();
      Tell(c, {QAV_TEXT("Core", "\"%1\" is not available on this desktop."), {title}});
    }
    return true;
  }
  return false;
}

void RunCommand(CommandContext& c, int id) {
  using platform::PowerAction;
  switch (id) {
    case kCmdUserDocuments:
      c.platform.actions.OpenFolder(c.state.paths.ProfileFolder);
      break;
    case kCmdChangeUser:
      ChangeUserNameAndIcon(c);
      break;
    case kCmdSettings:
      c.dialogs.ShowSettings();
      break;
    case kCmdAbout:
      c.dialogs.ShowAbout();
      break;
    case kCmdMinimize:
      c.dock.MinWindows(DockView::kMinimized);
      break;
    case kCmdHide:
      c.dock.MinWindows(DockView::kHidden);
      break;
    case kCmdDesktopIcons:
      ShowDesktopIcons(c, !c.state.DesktopIconsHidden);
      c.saver.SaveSettings();
      break;
    case kCmdSwitchDesktop:
      SwitchDesktop(c);
      break;
    case kCmdDragging:
      ToggleDragging(c);
      break;
    case kCmdSleep:
      Power(c, PowerAction::kSleep, QAV_TEXT("Core", "sleep"));
      break;
    case kCmdShutDown:
      Power(c, PowerAction::kShutDown, QAV_TEXT("Core", "shut down"));
      break;
    case kCmdRestart:
      Power(c, PowerAction::kRestart, QAV_TEXT("Core", "restart"));
      break;
    case kCmdLogOff:
      Power(c, PowerAction::kLogOff, QAV_TEXT("Core", "log off"));
      break;
    case kCmdLock:
      Power(c, PowerAction::kLock, QAV_TEXT("Core", "lock this computer"));
      break;
    case kCmdMonitorOff:
      c.sleep(1000);  // so that letting go of the mouse does not wake the screen again
      if (!c.platform.actions.MonitorOff()) {
        Tell(c, {QAV_TEXT("Core",
                          "The monitor could not be switched off: this desktop does not "
                          "let programs do it.")});
      }
      break;
    case kCmdRun:
      c.dialogs.RunBox();
      break;
    case kCmdEmptyRecycleBin:
    case kCmdRecycleBinStatus:
      break;  // BinQuestion and FinishBuiltIn
    default:
      OpenPage(c, id);
      break;
  }
}

void ProblemWithShortcut(CommandContext& c, FilledText text) {
  c.platform.messages.Show(platform::FilledMessage(std::move(text),
                                                   QAV_TEXT("Core", "Problem with Shortcut"),
                                                   MessageIcon::kExclamation, MessageButtons::kOk));
}

FilledText NothingToOpenText(const std::string& title) {
  return {QAV_TEXT("Core",
                   "'%1' has nothing to open: no program for it was found on this system, and the "
                   "shortcut names no target.\r\n\r\nChoose a default web browser and mail "
                   "program in the desktop's settings, or give the shortcut a target in its "
                   "properties."),
          {title}};
}

FilledText NoTerminalText(const std::string& title) {
  return {QAV_TEXT("Core",
                   "'%1' runs in a terminal, but no terminal emulator was found on this system "
                   "(x-terminal-emulator, gnome-terminal, konsole, xfce4-terminal, xterm, "
                   "...).\r\n\r\nInstall one and try again."),
          {title}};
}

// A desktop entry asks for a terminal by Terminal=true; the item's target is then its program.
bool RunsInTerminal(const std::string& path) {
  if (!UpperAscii(path).ends_with(".DESKTOP")) return false;
  const auto entry = platform::ReadDesktopEntryFile(path, "");
  return entry && entry->terminal;
}

void ExplainFailedLaunch(CommandContext& c, const std::string& target) {
  if (IsWebAddress(target)) {
    ProblemWithShortcut(c, CannotOpenText(target, ""));
  } else if (!PathExists(target)) {
    ProblemWithShortcut(c, {QAV_TEXT("Core",
                                     "The item '%1' that this shortcut refers to has been changed "
                                     "or removed, so this shortcut will no longer work "
                                     "properly.\r\n\r\n"),
                            {target}});
  } else {
    OpenOrTell(c.platform.launcher, c.platform.messages, target);
  }
}

// What a start needs, whether it comes from an item or from a file that is none.
struct StartOf {
  std::string title;     // named in the messages
  std::string linkPath;  // the link or desktop entry it was made from; empty: none
  platform::LaunchRequest request;
};

bool Start(CommandContext& c, StartOf start) {
  platform::LaunchRequest& request = start.request;
  request.inTerminal = RunsInTerminal(start.linkPath);
  if (request.target.empty()) {
    ProblemWithShortcut(c, NothingToOpenText(start.title));
    AfterCommand(c);
    return false;
  }
  if (request.inTerminal && !c.platform.launcher.HasTerminal()) {
    ProblemWithShortcut(c, NoTerminalText(start.title));
    AfterCommand(c);
    return false;
  }
  const bool result = c.platform.launcher.Launch(request);
  if (!result) ExplainFailedLaunch(c, request.target);
  AfterCommand(c);
  return result;
}

}  // namespace

bool LaunchShortcut(CommandContext& c, int record) {
  if (record < 0 || record >= static_cast<int>(c.state.tables.Shortcuts.size())) return false;
  ShortcutRecord& r = c.state.tables.Shortcuts[record];
  const std::string target = r.Target.Get();
  const std::string arguments = r.Arguments.Get();
  r.Target = target;
  r.Arguments = arguments;
  // The stored arguments are a command line in the links' own convention; they are split here
  // and reach the program word for word.
  return Start(c, {r.Title.Get(),
                   r.Path.Get(),
                   {target, readers::SplitCommandLine(arguments), WorkingFolderFor(target),
                    StyleOf(r.RunStyle)}});
}

bool LaunchFile(CommandContext& c, const std::string& path, const std::string& title) {
  if (!UpperAscii(path).ends_with(".DESKTOP")) {
    const bool there = PathExists(path);
    if (there) {
      OpenOrTell(c.platform.launcher, c.platform.messages, path);
    } else {
      ProblemWithShortcut(
          c, {QAV_TEXT("Core", "'%1' cannot be opened: %2 is no longer there."), {title, path}});
    }
    AfterCommand(c);
    return there;
  }
  const LinkInfo link = ResolveShortcut(path, PathContext{c.state.paths, c.platform.system});
  const std::string target = TrimNull(link.LinkTarget);
  const std::string folder =
      link.LinkWorkingDir.empty() ? WorkingFolderFor(target) : link.LinkWorkingDir;
  return Start(c, {title,
                   path,
                   {target, readers::SplitCommandLine(link.LinkArguments), folder,
                    platform::WindowStyle::kNormal}});
}

BuiltInOutcome ExecuteBuiltIn(CommandContext& c, int commandId) {
  c.dock.EscCancel();
  if (commandId == kCmdExit) {
    c.dock.DockFocus(false);
    c.dock.ExitApplication();
    return {};
  }
  if (auto question = BinQuestion(c, commandId)) return {std::move(question)};
  RunCommand(c, commandId);
  AfterCommand(c);
  return {};
}

void FinishBuiltIn(CommandContext& c, int commandId, bool confirmed) {
  // Only the recycle-bin commands stop at a question, and both go on by emptying the bin.
  if (confirmed && (commandId == kCmdEmptyRecycleBin || commandId == kCmdRecycleBinStatus)) {
    c.platform.trash.Empty();
  }
  AfterCommand(c);
}

void ShowDesktopIcons(CommandContext& c, bool hide) {
  if (!c.platform.desktop.ShowDesktopIcons(!hide)) return;
  c.state.DesktopIconsHidden = hide;
  c.state.tables.Shortcuts[kCmdDesktopIcons].Title =
      hide ? kShowDesktopIconsTitle : kHideDesktopIconsTitle;
  c.state.settings.Record.HideDesktopIcons = hide ? 1 : 0;
}

void ShowTaskbar(CommandContext& c, bool hide) {
  c.platform.desktop.ShowTaskbar(!hide);
}

FilledText CannotOpenText(const std::string& target, const std::string& why) {
  const bool address = IsWebAddress(target) || UpperAscii(target).starts_with("MAILTO:");
  if (address && why.empty()) {
    return {QAV_TEXT("Core",
                     "No program on this system could open '%1'.\r\n\r\nChoose a default "
                     "program for such addresses in the desktop's settings and try again."),
            {target}};
  }
  if (address) {
    return {QAV_TEXT("Core",
                     "No program on this system could open '%1': %2.\r\n\r\nChoose a default "
                     "program for such addresses in the desktop's settings and try again."),
            {target, why}};
  }
  if (why.empty()) {
    return {QAV_TEXT("Core",
                     "No program on this system could open '%1'.\r\n\r\nChoose a default "
                     "program for this kind of file in the desktop's settings and try again."),
            {target}};
  }
  return {QAV_TEXT("Core",
                   "No program on this system could open '%1': %2.\r\n\r\nChoose a default "
                   "program for this kind of file in the desktop's settings and try again."),
          {target, why}};
}

void TellCannotOpen(platform::MessageBoxes& messages, const std::string& target,
                    const std::string& why) {
  messages.Show(platform::FilledMessage(CannotOpenText(target, why), kCaption,
                                        MessageIcon::kExclamation, MessageButtons::kOk));
}

void OpenOrTell(platform::ProgramLauncher& launcher, platform::MessageBoxes& messages,
                const std::string& target) {
  if (!launcher.OpenWithDefault(target)) TellCannotOpen(messages, target, "");
}

bool SendToRecycleBin(CommandContext& c, const std::string& path) {
  return c.platform.trash.MoveToTrash(path);
}

}  // namespace qav
