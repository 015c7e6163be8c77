#include "core/shortcuts/catalog.h"
#include "base/utf8_path.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace qav {
namespace {

struct Entry {
  int record;
  const char* title;
  const char* picture;
};

// Group 0: the user's own commands (65 and 72, 74 get their titles from the state).
constexpr std::array<Entry, 16> kUserCommands = {{
    {65, "", "UserDoc.png"},
    {66, QAV_TEXT("Core", "Modify User Name & User Icon"), "UserIcon.png"},
    {67, QAV_TEXT("Core", "Settings"), "Setting.png"},
    {68, QAV_TEXT("Core", "About QAV Launcher"), "About.png"},
    {69, QAV_TEXT("Core", "Minimize"), "Minimize.png"},
    {70, QAV_TEXT("Core", "Hide QAV Launcher"), "HideQAV.png"},
    {71, QAV_TEXT("Core", "Exit"), "Exit.png"},
    {72, "", "Desktop.png"},
    {73, QAV_TEXT("Core", "Switch Desktop"), "Switch.png"},
    {74, "", ""},
    {75, QAV_TEXT("Core", "Sleep"), "Sleep.png"},
    {76, QAV_TEXT("Core", "Shut Down"), "Shutdown.png"},
    {77, QAV_TEXT("Core", "Restart"), "Restart.png"},
    {78, QAV_TEXT("Core", "Log Off"), "LogOff.png"},
    {79, QAV_TEXT("Core", "Lock This Computer"), "LockWorkstation.png"},
    {80, QAV_TEXT("Core", "Monitor Off"), "MonitorOff.png"},
}};

// Group 1: the computer's pages.
constexpr std::array<Entry, 14> kComputerCommands = {{
    {81, QAV_TEXT("Core", "My Computer"), "My Computer.png"},
    {82, QAV_TEXT("Core", "Properties"), "Properties.png"},
    {83, QAV_TEXT("Core", "Personalize"), "Personal.png"},
    {84, QAV_TEXT("Core", "Screen Resolution"), "Display.png"},
    {85, QAV_TEXT("Core", "Uninstall a Program"), "Uninstall.png"},
    {86, QAV_TEXT("Core", "Network"), "Network.png"},
    {87, QAV_TEXT("Core", "IE Properties"), "IEProperty.png"},
    {88, QAV_TEXT("Core", "Control Panel"), "CPanel.png"},
    {89, QAV_TEXT("Core", "Workgroup"), "Workgroup.png"},
    {90, QAV_TEXT("Core", "Printers and Faxes"), "Printer.png"},
    {91, QAV_TEXT("Core", "Device Manager"), "DeviceManager.png"},
    {92, QAV_TEXT("Core", "Search"), "Search.png"},
    {93, QAV_TEXT("Core", "Run"), "Run.png"},
    {94, QAV_TEXT("Core", "Network Connections"), "Network Connection.png"},
}};

// Group 2: the recycle bin's commands.
constexpr std::array<Entry, 3> kRecycleCommands = {{
    {101, QAV_TEXT("Core", "Empty Recycle Bin"), "TrashEmpty.png"},
    {102, QAV_TEXT("Core", "Open Recycle Bin"), "TrashFull.png"},
    {103, QAV_TEXT("Core", "Recycle Bin Status"), "TrashCheck.png"},
}};

struct Template {
  int record;
  const char* title;
  int kind;
  bool builtIn;
  const char* picture;
};

constexpr std::array<Template, 6> kTemplates = {{
    {kEmptyRecycleBinTemplate, QAV_TEXT("Core", "Recycle Bin (Empty)"), kKindRecycleBin, true,
     "RecycleEmpty.png"},
    {kFullRecycleBinTemplate, QAV_TEXT("Core", "Recycle Bin (Full)"), kKindRecycleBin, true,
     "RecycleFull.png"},
    {kFileTemplate, QAV_TEXT("Core", "File"), kKindComputer, false, "File.png"},
    {kLinkTemplate, QAV_TEXT("Core", "Blank Shortcut"), kKindComputer, false, "Shortcut.png"},
    {kProgramTemplate, QAV_TEXT("Core", "Application"), kKindComputer, false, "Application.png"},
    {kGroupTemplate, QAV_TEXT("Core", "Group"), kKindComputer, false, "Group.png"},
}};

void MakeBuiltIn(ShortcutRecord& record, int number) {
  record.Kind = kKindBuiltIn;
  record.IsBuiltIn = kVbTrue;
  record.CommandId = number;
}

// Lists `entries` as the members of `group` and makes each one a built-in command item.
template <std::size_t N>
void FillCommandGroup(Tables& tables, int group, const std::array<Entry, N>& entries,
                      const std::string& sysIcons) {
  GroupRecord& g = tables.Groups[group];
  for (std::size_t i = 0; i < N; ++i) {
    const Entry& entry = entries[i];
    g.Members[i + 1] = entry.record;
    ShortcutRecord& record = tables.Shortcuts[entry.record];
    MakeBuiltIn(record, entry.record);
    if (*entry.title) record.Title = entry.title;
    if (*entry.picture) record.IconFile = sysIcons + entry.picture;
  }
  g.MemberCount = static_cast<std::int32_t>(N);
}

void FillUserRecord(Tables& tables, const CatalogContext& c, bool userIconExists) {
  ShortcutRecord& user = tables.Shortcuts[kUserRecord];
  user.Title = c.userName;
  user.Kind = kKindUser;
  user.IconFile = userIconExists ? c.userIconFile : std::string();
  tables.Shortcuts[kCmdUserDocuments].Title = FillPattern(kUserDocumentsTitle, {c.userName});
  tables.Shortcuts[kCmdDesktopIcons].Title =
      c.hideDesktopIcons ? kShowDesktopIconsTitle : kHideDesktopIconsTitle;
  ShortcutRecord& dragging = tables.Shortcuts[kCmdDragging];
  dragging.Title = c.draggingLocked ? kAllowDraggingTitle : kLockDraggingTitle;
  dragging.IconFile =
      c.sysIconsFolder + (c.draggingLocked ? "Allow Dragging.png" : "Lock Dragging.png");
}

}  // namespace

int RecycleBinTemplate(bool full) {
  return full ? kFullRecycleBinTemplate : kEmptyRecycleBinTemplate;
}

void BuildCatalogTemplates(Tables& tables, const CatalogContext& context) {
  for (const Template& t : kTemplates) {
    ShortcutRecord& record = tables.Shortcuts[t.record];
    record.Title = t.title;
    record.Kind = t.kind;
    if (t.builtIn) {
      record.IsBuiltIn = kVbTrue;
      record.CommandId = kCmdEmptyRecycleBin;
    }
    record.IconFile = context.sysIconsFolder + t.picture;
  }
}

void BuildCatalog(Tables& tables, const CatalogContext& context) {
  for (std::size_t r = 1; r < tables.Shortcuts.size(); ++r) {
    tables.Shortcuts[r].ImageRow = static_cast<std::int32_t>(r);
  }
  BuildCatalogTemplates(tables, context);
  for (int g = 0; g < kGroupCount; ++g) {
    auto& members = tables.Groups[g].Members;
    if (!members.empty()) members[0] = g;
  }
  tables.Shortcuts[kUserRecord].Kind = kKindUser;
  tables.Shortcuts[kComputerRecord].Kind = kKindComputer;
  tables.Shortcuts[kRecycleBinRecord].Kind = kKindRecycleBin;
  for (int r = kFirstBlankDockRecord; r <= kLastDockRecord; ++r) {
    ShortcutRecord& blank = tables.Shortcuts[r];
    blank.Title = QAV_TEXT("Core", "Blank Shortcut");
    blank.Kind = kKindBlank;
    blank.IconFile = context.sysIconsFolder + "Shortcut.png";
  }
  FillCommandGroup(tables, 0, kUserCommands, context.sysIconsFolder);
  std::error_code error;
  FillUserRecord(tables, context,
                 !context.userIconFile.empty() &&
                     std::filesystem::exists(platform::PathFromUtf8(context.userIconFile), error));
  FillCommandGroup(tables, 1, kComputerCommands, context.sysIconsFolder);
  ShortcutRecord& computer = tables.Shortcuts[kComputerRecord];
  computer.Title = QAV_TEXT("Core", "My Computer");
  computer.Kind = kKindComputer;
  computer.IsBuiltIn = kVbTrue;
  computer.CommandId = kCmdComputer;
  computer.IconFile = context.sysIconsFolder + "My Computer.png";
  tables.Shortcuts[kRecycleBinRecord] =
      tables.Shortcuts[RecycleBinTemplate(context.recycleBinFull)];
  FillCommandGroup(tables, 2, kRecycleCommands, context.sysIconsFolder);
}

}  // namespace qav
