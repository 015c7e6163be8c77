#include "core/shortcuts/default_groups.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "base/path_separator.h"
#include "base/text.h"
#include "base/utf8_path.h"
#include "core/environment/registry_access.h"
#include "core/shortcuts/group_editing.h"
#include "core/shortcuts/link_resolution.h"
#include "formats/links/application_entries.h"
#include "formats/links/desktop_entry.h"
#include "platform/files/format_files.h"
#include "platform/files/program_files.h"

namespace qav {
namespace {

struct Website {
  const char* address;
  const char* title;
  const char* picture;
};

constexpr std::array<Website, 13> kWebsites = {{
    {"http://www.brevona.com/", "Brevona", "Brevona.png"},
    {"http://www.google.com/", "Google", "Google.png"},
    {"http://www.yahoo.com/", "Yahoo", "Yahoo.png"},
    {"http://www.pinterest.com/", "Pinterest", "Pinterest.png"},
    {"http://www.facebook.com/", "Facebook", "Facebook.png"},
    {"https://twitter.com/", "Twitter", "Twitter.png"},
    {"http://www.youtube.com/", "Youtube", "Youtube.png"},
    {"http://www.linkedin.com/", "Linkedin", "Linkedin.png"},
    {"http://www.last.fm/", "Last.fm", "Lastfm.png"},
    {"http://www.flickr.com/", "Flickr", "Flickr.png"},
    {"http://delicious.com/", "Delicious", "Delicious.png"},
    {"http://technorati.com/", "Technorati", "Technorati.png"},
    {"http://www.deviantart.com/", "DeviantART", "DeviantART.png"},
}};

// The Windows accessories, where they exist.
constexpr const char* kSystemAccessories[] = {
    "notepad.exe",       "mspaint.exe",  "calc.exe",         "cmd.exe",      "msconfig.exe",
    "SoundRecorder.exe", "sndrec32.exe", "SnippingTool.exe", "StikyNot.exe", "magnify.exe",
    "osk.exe",           "mstsc.exe",    "taskmgr.exe",      "cleanmgr.exe", "dfrgui.exe",
    "dfrg.msc",          "rstrui.exe",   "ntbackup.exe"};

// The common desktop tools, one of each kind: the desktop entry ids to look for, in order of
// preference.
const std::vector<std::vector<const char*>> kDesktopTools = {
    {"org.gnome.TextEditor", "org.gnome.gedit", "gedit", "org.kde.kate", "org.kde.kwrite",
     "org.xfce.mousepad", "mousepad", "pluma", "xed", "featherpad"},
    {"org.gnome.Calculator", "gnome-calculator", "org.kde.kcalc", "galculator", "mate-calc",
     "qalculate-gtk"},
    {"org.gnome.Terminal", "gnome-terminal", "org.kde.konsole", "xfce4-terminal", "mate-terminal",
     "lxterminal", "qterminal", "debian-xterm", "xterm"},
    {"org.gnome.Nautilus", "nautilus", "org.kde.dolphin", "thunar", "org.xfce.thunar", "caja",
     "nemo", "pcmanfm", "pcmanfm-qt"},
    {"org.gnome.Loupe", "org.gnome.eog", "eog", "org.kde.gwenview", "ristretto",
     "org.xfce.ristretto", "eom", "xviewer", "gpicview", "display-im6.q16"},
    {"org.gnome.SystemMonitor", "gnome-system-monitor", "org.kde.plasma-systemmonitor",
     "org.kde.ksysguard", "xfce4-taskmanager", "mate-system-monitor", "lxtask"},
    {"org.gnome.Screenshot", "gnome-screenshot", "org.kde.spectacle", "xfce4-screenshooter",
     "org.xfce.screenshooter", "mate-screenshot", "org.flameshot.Flameshot"},
    {"org.gnome.Evince", "evince", "org.kde.okular", "okularApplication_pdf", "atril", "xreader"},
    {"org.gnome.FileRoller", "file-roller", "org.kde.ark", "xarchiver", "engrampa"},
    {"org.gnome.Characters", "gucharmap", "org.kde.kcharselect"},
};

constexpr const char* kOfficeEntries[] = {"libreoffice-writer",
                                          "libreoffice-calc",
                                          "libreoffice-impress",
                                          "libreoffice-draw",
                                          "libreoffice-base",
                                          "libreoffice-math",
                                          "org.kde.calligrawords",
                                          "org.kde.calligrasheets",
                                          "org.kde.calligrastage",
                                          "onlyoffice-desktopeditors",
                                          "abiword",
                                          "gnumeric"};

constexpr const char* kOfficeProgramIds[] = {"Word.Application", "Excel.Application",
                                             "Access.Application", "PowerPoint.Application",
                                             "FrontPage.Application"};

struct DefaultItem {
  int number;
  const char* title;
  int kind;
  const char* picture;
};

constexpr std::array<DefaultItem, 7> kDefaultItems = {{
    {3, QAV_TEXT("Core", "All Programs Group"), kKindAllPrograms, "All Programs Group.png"},
    {4, QAV_TEXT("Core", "System Folders & Drives Group"), kKindGroup, "Library.png"},
    {5, QAV_TEXT("Core", "Accessories Group"), kKindGroup, "WinGroup.png"},
    {6, QAV_TEXT("Core", "Microsoft Office Suite Group"), kKindGroup, "Microsoft Office Group.png"},
    {7, QAV_TEXT("Core", "Website Group"), kKindGroup, "Website Group.png"},
    {8, QAV_TEXT("Core", "Internet"), kKindDockShortcut, "Internet.png"},
    {9, QAV_TEXT("Core", "Check Email"), kKindDockShortcut, "Mailbox.png"},
}};

bool Full(const DefaultGroupContext& c, int group) {
  return group < kGroupCount && c.tables.Groups[group].MemberCount >= GroupCapacity(group);
}

// Whether `group` can take one more member: room in the group and a free record in the pool.
bool HasRoom(const DefaultGroupContext& c, int group) {
  return !Full(c, group) && FindFreeRecord(c.tables, false, 0) != kNoRecord;
}

// What finds no room, or whose path would not fit a record, is passed over quietly here: no box
// per item at the first start.
void Add(DefaultGroupContext& c, int group, const std::string& path) {
  if (!HasRoom(c, group) || path.size() > decltype(ShortcutRecord::Path)::kSize) return;
  c.classifier.AddItemFromPath(path, group, "", "");
}

// A program TryExec names: a path, or a name on PATH.
bool Installed(platform::SystemInfo& system, const std::string& program) {
  return platform::IsInstalledProgram(program, system.Environment("PATH").value_or(""));
}

bool IsApplicationFolder(const DefaultGroupContext& c, const std::string& folder) {
  const auto bare = [](std::string f) {
    while (f.size() > 1 && f.back() == platform::kPathSeparator) f.pop_back();
    return f;
  };
  return std::any_of(c.applicationFolders.begin(), c.applicationFolders.end(),
                     [&](const std::string& a) { return bare(a) == bare(folder); });
}

// What belongs in a group from a folder: from a folder of installed applications only the
// entries a menu would list (the folder also holds caches and indexes); elsewhere any file,
// except desktop entries that are deleted or are applications not meant for this desktop.
bool Belongs(DefaultGroupContext& c, const std::filesystem::path& file, bool applications) {
  const bool isEntry = LowerAscii(platform::Utf8FromPath(file.extension())) == ".desktop";
  if (!isEntry) return !applications;
  const auto entry = platform::ReadDesktopEntryFile(platform::Utf8FromPath(file), "");
  if (!entry || entry->hidden) return false;
  if (!applications && entry->type != "Application") return true;
  platform::SystemInfo& system = c.platform.system;
  return readers::ShownInMenus(
      *entry, system.Environment("XDG_CURRENT_DESKTOP").value_or(""),
      [&system](const std::string& program) { return Installed(system, program); });
}

std::string DesktopEntryPathOf(const DefaultGroupContext& c, const std::string& id) {
  return readers::FindDesktopEntry(c.applicationFolders, id + ".desktop");
}

// Adds one member, or counts it when the group has no room left: the user hears of those once,
// after the start.
void AddOrCount(DefaultGroupContext& c, int group, const std::string& path) {
  if (!HasRoom(c, group)) {
    ++c.leftOut;
    return;
  }
  Add(c, group, path);
}

// Every application a menu lists, one per desktop-file id, from every applications folder: the
// user's copy of an entry stands for it (and may hide it).
void AddInstalledApplications(DefaultGroupContext& c, int group) {
  for (const readers::ApplicationEntry& entry :
       readers::ListApplicationEntries(c.applicationFolders)) {
    if (Belongs(c, platform::PathFromUtf8(entry.path), true)) AddOrCount(c, group, entry.path);
  }
}

// One list by the titles shown, in the order of the user's language.
void SortMembersByTitle(DefaultGroupContext& c, int group) {
  GroupRecord& g = c.tables.Groups[static_cast<std::size_t>(group)];
  const int count = std::clamp<int>(g.MemberCount, 0, static_cast<int>(g.Members.size()) - 1);
  const auto first = g.Members.begin() + 1;
  const auto title = [&c](int record) {
    return TrimNull(c.tables.Shortcuts[static_cast<std::size_t>(record)].Title.Get());
  };
  std::stable_sort(first, first + count, [&](int a, int b) {
    return c.platform.system.CompareTitles(title(a), title(b)) < 0;
  });
}

void AddSystemFoldersAndDrives(DefaultGroupContext& c, int group) {
  const Paths& p = c.paths;
  if (c.osMajor >= 5) Add(c, group, p.WindowsFolder + "Explorer.exe");
  for (const int csidl : p.PlaceFolders) {
    if (const std::string folder = FolderOf(p, csidl); !folder.empty()) Add(c, group, folder);
  }
  for (const platform::Volume& volume : c.platform.volumes.List()) Add(c, group, volume.root);
}

void AddAccessories(DefaultGroupContext& c, int group) {
  for (const char* program : kSystemAccessories) Add(c, group, c.paths.SystemFolder + program);
  for (const auto& kind : kDesktopTools) {
    for (const char* id : kind) {
      const std::string entry = DesktopEntryPathOf(c, id);
      if (entry.empty()) continue;
      Add(c, group, entry);
      break;
    }
  }
}

void AddOfficePrograms(DefaultGroupContext& c, int group) {
  const PathContext paths{c.paths, c.platform.system};
  for (const char* id : kOfficeProgramIds) {
    auto read = [&](const std::string& key) {
      return TrimNull(RegValueText(ReadRegValue(c.platform.registry, key, "")));
    };
    const std::string clsid = read(std::string("HKEY_CLASSES_ROOT\\") + id + "\\CLSID");
    if (clsid.empty()) continue;
    std::string server = read("HKEY_CLASSES_ROOT\\CLSID\\" + clsid + "\\LocalServer32");
    const auto exe = UpperAscii(server).rfind(".EXE");
    if (exe != std::string::npos) server = TrimNull(server.substr(0, exe + 4));
    if (FileExists(server, true, paths)) Add(c, group, server);
  }
  for (const char* id : kOfficeEntries) {
    const std::string entry = DesktopEntryPathOf(c, id);
    if (!entry.empty()) Add(c, group, entry);
  }
}

void AddWebsites(DefaultGroupContext& c, int group) {
  for (const Website& site : kWebsites) {
    if (!HasRoom(c, group)) break;
    c.classifier.AddItemFromPath(site.address, group, site.title,
                                 c.paths.SysIconsFolder + site.picture);
  }
}

void FillGroup(DefaultGroupContext& c, int number, int group) {
  switch (number) {
    case 3:
      // Where applications are found by their desktop entries, every applications folder
      // stands in for the all-users desktop.
      if (c.applicationFolders.empty()) {
        AddFolderEntries(c, group, c.paths.AllUsersDesktopFolder, 0);
      } else {
        AddInstalledApplications(c, group);
      }
      AddFolderEntries(c, group, c.paths.DesktopFolder, 0);
      SortMembersByTitle(c, group);
      break;
    case 4:
      AddSystemFoldersAndDrives(c, group);
      break;
    case 5:
      AddAccessories(c, group);
      break;
    case 6:
      AddOfficePrograms(c, group);
      break;
    case 7:
      AddWebsites(c, group);
      break;
    default:
      break;
  }
}

}  // namespace

void AddFolderEntries(DefaultGroupContext& c, int group, const std::string& folder, int mode) {
  namespace fs = std::filesystem;
  if (folder.empty()) return;
  std::error_code error;
  std::vector<fs::path> entries;
  for (fs::directory_iterator it(platform::PathFromUtf8(folder), error), end; !error && it != end;
       it.increment(error)) {
    entries.push_back(it->path());
  }
  std::sort(entries.begin(), entries.end());
  const bool applications = IsApplicationFolder(c, folder);
  for (const fs::path& entry : entries) {
    const std::string name = platform::Utf8FromPath(entry.filename());
    if (name.empty() || name.front() == '.' || !Belongs(c, entry, applications)) continue;
    if (mode == 1 && !fs::is_regular_file(entry, error)) continue;
    AddOrCount(c, group, folder + name);
  }
}

void BuildDefaultGroup(DefaultGroupContext& c, int number, int recordNumber) {
  const auto item = std::find_if(kDefaultItems.begin(), kDefaultItems.end(),
                                 [number](const DefaultItem& d) { return d.number == number; });
  if (item == kDefaultItems.end()) return;
  const int record = recordNumber == 0 ? number : recordNumber;
  if (record < 0 || record >= static_cast<int>(c.tables.Shortcuts.size())) return;
  ShortcutRecord& r = c.tables.Shortcuts[record];
  r.IconFile = c.paths.SysIconsFolder + item->picture;
  if (number <= 7) {
    r.Title = std::string(item->title) + kEmptyGroupMark;
    r.Kind = item->kind;
    if (record < kGroupCount) FillGroup(c, number, record);
    return;
  }
  r.Title = item->title;
  r.Kind = record > kLastDockRecord ? kKindMember : kKindDockShortcut;
  const PathContext paths{c.paths, c.platform.system};
  const std::string program =
      GetDefaultProgram(number == 8 ? 0 : 1, c.platform.registry, c.platform.actions, paths);
  r.Path = program;
  r.Target = program;
}

}  // namespace qav
