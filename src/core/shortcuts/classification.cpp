#include "core/shortcuts/classification.h"

#include <filesystem>
#include <system_error>

#include "base/path_separator.h"
#include "base/text.h"
#include "base/utf8_path.h"
#include "core/environment/registry_access.h"
#include "core/shortcuts/group_editing.h"
#include "platform/files/program_files.h"

namespace qav {
namespace {

constexpr const char* kNoRoomText =
    QAV_TEXT("Core",
             "There is no room for another shortcut: all 1024 places are in use. Remove shortcuts "
             "you no longer need and try again.");

std::string ExtensionOf(const std::string& upper) {
  const auto dot = upper.rfind('.');
  return dot == std::string::npos ? std::string() : upper.substr(dot);
}

std::string LastFour(const std::string& text) {
  return UpperAscii(text.size() >= 4 ? text.substr(text.size() - 4) : text);
}

bool IsProgramExtension(const std::string& e) {
  return e == ".EXE" || e == ".SCR" || e == ".MSI" || e == ".MSC";
}

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(platform::PathFromUtf8(path), error);
}

std::string WithTrailingSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != platform::kPathSeparator && folder.back() != '\\') {
    folder.push_back(platform::kPathSeparator);
  }
  return folder;
}

struct DriveFace {
  const char* title;
  const char* picture;
};

DriveFace FaceOf(const platform::Volume& volume) {
  using platform::DriveType;
  switch (volume.type) {
    case DriveType::kRemovable:
      return volume.isFloppy ? DriveFace{kDriveTitles[0], "FloppyDrive.png"}
                             : DriveFace{kDriveTitles[1], "RemDrive.png"};
    case DriveType::kFixed:
      return {kDriveTitles[2], volume.isSystem ? "WinDrive.png" : "FixedDrive.png"};
    case DriveType::kRemote:
      return {kDriveTitles[3], "RemoteDrive.png"};
    case DriveType::kOptical:
      return {kDriveTitles[4], "DVDDrive.png"};
    case DriveType::kRamDisk:
      return {kDriveTitles[5], "RamDrive.png"};
    default:
      return {kDriveTitles[6], "UnknownDrive.png"};
  }
}

}  // namespace

// What is being classified: the path as given, and the file examined for it (the path itself,
// or the target of a link that is classified as what it points at).
struct Classifier::Subject {
  std::string path;
  std::string file;
  std::string ext;
  bool web = false;
};

std::string GetTitleFromPath(const std::string& path, bool keepExtension) {
  std::string p = TrimNull(path);
  const bool web = IsWebAddress(p);
  const std::string tail = LastFour(p);
  if (!keepExtension && (tail == ".LNK" || tail == ".EXE")) p.resize(p.size() - 4);
  std::size_t cut = p.rfind('\\');
  if (!web) {
    const auto separator = p.rfind(platform::kPathSeparator);
    if (separator != std::string::npos && (cut == std::string::npos || separator > cut)) {
      cut = separator;
    }
  }
  return cut == std::string::npos ? p : p.substr(cut + 1);
}

DefaultIcon GetDefaultIcon(platform::Registry& registry, const std::string& extension,
                           const PathContext& context) {
  DefaultIcon icon;
  for (const std::string root :
       {"HKEY_CLASSES_ROOT\\", "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\"}) {
    auto read = [&](const std::string& key) {
      return TrimNull(RegValueText(ReadRegValue(registry, root + key, "")));
    };
    const std::string progId = read(extension);
    if (progId.empty()) continue;
    std::string value;
    if (const std::string clsid = read(progId + "\\CLSID"); !clsid.empty()) {
      value = read("CLSID\\" + clsid + "\\DefaultIcon");
    }
    if (value.empty()) value = read(progId + "\\DefaultIcon");
    if (const auto comma = value.find(','); !value.empty() && comma != std::string::npos) {
      icon.iconFile = ExpandPath(TrimNull(value.substr(0, comma)), false, context);
      icon.iconIndex = std::atoi(value.c_str() + comma + 1);
    }
    if (value.empty()) {
      const std::string command = read(progId + "\\shell\\open\\command");
      if (!command.empty() && UpperAscii(command).find(".EXE") != std::string::npos) {
        icon.iconFile = ProgramOfCommand(command, context);
        icon.iconIndex = 0;
      }
    }
    return icon;
  }
  return icon;
}

Classifier::Classifier(ClassifyContext context) : c_(context) {}

std::string Classifier::SysIcon(const char* name) const {
  return c_.paths.SysIconsFolder + name;
}

Classifier::Subject Classifier::Examine(const std::string& path) {
  Subject s;
  s.path = TrimNull(path);
  s.file = s.path;
  link_ = {};
  s.web = IsWebAddress(s.path);
  const std::string upper = UpperAscii(s.path);
  s.ext = s.web ? upper.substr(0, 7) : ExtensionOf(upper);
  if (s.ext == ".LNK" || s.ext == ".DESKTOP") {
    link_ = ResolveShortcut(s.path, PathCtx());
    link_.LinkTarget = TrimNull(link_.LinkTarget);
    link_.LinkIconPath = TrimNull(link_.LinkIconPath);
  }
  const std::string targetEnd = LastFour(link_.LinkTarget);
  if (s.ext == ".LNK" && targetEnd != ".EXE" && targetEnd != ".SCR" &&
      !FileExists(link_.LinkIconPath, false, PathCtx())) {
    // A link whose own icon is missing is shown as the thing it points at.
    s.file = link_.LinkTarget;
    s.ext = ExtensionOf(UpperAscii(s.file));
  }
  return s;
}

void Classifier::ClassifyLink(const Subject& s, ShortcutRecord& r, bool keepPicture) {
  if (!keepPicture) r.Title = GetTitleFromPath(s.path, false);
  r.IconSource = 0;
  if (!keepPicture || r.IconFile.IsEmpty()) r.IconFile = c_.pictures.NextIconStoreName();
  const LinkIcon icon{link_.LinkIconPath, link_.LinkIconIndex, link_.LinkTarget};
  // A link without a picture shows the problem picture; there is no one to tell why.
  const bool made = LastFour(link_.LinkIconPath) == ".ICO"
                        ? c_.pictures.IconFileToPng(link_.LinkIconPath, r.IconFile.Get()).Ok()
                        : c_.pictures.MakeItemPicture(kPictureOfLink, "", 0, r.IconFile, icon).Ok();
  if (!made) r.IconFile = SysIcon("Problem.png");
}

// A desktop entry keeps its own name and names its picture by an icon-theme name or a file.
void Classifier::ClassifyDesktopEntry(ShortcutRecord& r, bool keepPicture) {
  if (!keepPicture) {
    r.Title = link_.LinkTitle.empty() ? GetTitleFromPath(link_.LinkPath, false) : link_.LinkTitle;
  }
  r.IconSource = 0;
  if (!keepPicture || r.IconFile.IsEmpty()) r.IconFile = c_.pictures.NextIconStoreName();
  const std::string& icon = link_.LinkIconPath;
  bool made = false;
  if (LastFour(icon) == ".ICO") {
    made = c_.pictures.IconFileToPng(icon, r.IconFile.Get()).Ok();
  } else if (!icon.empty()) {
    made = c_.pictures.MakeItemPicture(kPictureOfTheme, icon, 0, r.IconFile, {}).Ok();
  }
  if (!made)
    made = c_.pictures.MakeItemPicture(kPictureOfShell, link_.LinkTarget, 0, r.IconFile, {}).Ok();
  if (!made) r.IconFile = SysIcon("Problem.png");
}

void Classifier::ClassifyInternetShortcut(const Subject& s, ShortcutRecord& r) {
  link_ = ResolveShortcut(s.path, PathCtx());
  r.Title = GetTitleFromPath(s.path, false);
  r.IconSource = 0;
  r.IconFile = c_.pictures.NextIconStoreName();
  if (LastFour(link_.LinkIconPath) == ".ICO") {
    if (!c_.pictures.IconFileToPng(link_.LinkIconPath, r.IconFile.Get()))
      r.IconFile = SysIcon("URL.png");
    return;
  }
  const LinkIcon icon{link_.LinkIconPath, link_.LinkIconIndex, link_.LinkTarget};
  if (!c_.pictures.MakeItemPicture(kPictureOfLink, "", 0, r.IconFile, icon)) {
    r.IconFile = SysIcon("URL.png");
  }
}

void Classifier::ClassifyProgram(const Subject& s, ShortcutRecord& r, bool refresh) {
  if (!refresh) {
    const std::string description = GetFileVersionField(s.path, 6);
    r.Title = description.empty() ? GetTitleFromPath(s.path, false) : description;
  }
  r.IconSource = 1;
  r.IconFile = c_.pictures.NextIconStoreName();
  link_ = {};
  link_.LinkIconPath = s.path;
  const int source = s.ext == ".MSI" ? kPictureOfShell : kPictureOfLink;
  const LinkIcon icon{s.path, 0, ""};
  if (!c_.pictures.MakeItemPicture(source, s.path, 0, r.IconFile, icon)) {
    r.IconFile = SysIcon("Problem.png");
  }
}

// A Linux program: its icon-theme icon of the same name if the theme has one, else the icon of
// its file type.
void Classifier::ClassifyNativeProgram(const Subject& s, ShortcutRecord& r, bool refresh) {
  if (!refresh) r.Title = GetTitleFromPath(s.path, true);
  r.IconSource = 1;
  r.IconFile = c_.pictures.NextIconStoreName();
  const std::string name = GetTitleFromPath(s.file, true);
  if (c_.pictures.MakeItemPicture(kPictureOfTheme, name, 0, r.IconFile, {})) return;
  if (c_.pictures.MakeItemPicture(kPictureOfShell, s.file, 0, r.IconFile, {})) return;
  r.IconFile = SysIcon("Application.png");
}

void Classifier::ClassifyFile(const Subject& s, ShortcutRecord& r, bool refresh) {
  const DefaultIcon icon = GetDefaultIcon(c_.registry, s.ext, PathCtx());
  r.IconSource = 2;
  if (!refresh) r.Title = GetTitleFromPath(s.path, false);
  r.IconFile = c_.pictures.NextIconStoreName();
  // The registered icon's file with its variables and system-root prefixes expanded.
  const std::string iconFile = ExistingPath(icon.iconFile, true, PathCtx());
  bool made = false;
  if (iconFile.empty()) {
    // No registered icon (always so on Linux): the desktop's icon of the file's type.
    made = c_.pictures.MakeItemPicture(kPictureOfShell, s.file, 0, r.IconFile, {}).Ok();
  } else if (LastFour(iconFile) == ".ICO") {
    made = c_.pictures.IconFileToPng(iconFile, r.IconFile.Get()).Ok();
  } else {
    made = c_.pictures.MakeItemPicture(kPictureOfModule, iconFile, icon.iconIndex, r.IconFile, {})
               .Ok();
  }
  if (!made) {
    if (refresh) r.Title = GetTitleFromPath(s.path, false);
    r.IconFile = SysIcon("File.png");
  }
}

bool Classifier::ClassifyDrive(const Subject& s, ShortcutRecord& r) {
  const auto volume = c_.volumes.At(WithTrailingSeparator(s.file));
  if (!volume) return false;
  const DriveFace face = FaceOf(*volume);
  r.Title = volume->title.empty() ? FillPattern(face.title, {volume->name}) : volume->title;
  r.IconFile = SysIcon(face.picture);
  return true;
}

void Classifier::ClassifyFolder(const Subject& s, ShortcutRecord& r) {
  if (ClassifyDrive(s, r)) return;
  const std::string d = UpperAscii(WithTrailingSeparator(s.file));
  const Paths& p = c_.paths;
  // The folders in the program's roles, with the program's name for each (none: the folder's
  // own); the desktop's own titles, where it has them, come first.
  const struct {
    int csidl;
    std::string title;
    const char* picture;
  } special[] = {
      {kCsidlProfile, TrimNull(GetUserLogonName(c_.system)), "UserFolder.png"},
      {kCsidlPersonal, QAV_TEXT("Core", "My Documents"), "DocFolder.png"},
      {kCsidlMyPictures, QAV_TEXT("Core", "My Pictures"), "PicFolder.png"},
      {kCsidlMyMusic, QAV_TEXT("Core", "My Music"), "MusicFolder.png"},
      {kCsidlMyVideo, QAV_TEXT("Core", "My Videos"), "VideoFolder.png"},
      {kCsidlFavorites, QAV_TEXT("Core", "My Favorites"), "FavFolder.png"},
      {kCsidlWindows, QAV_TEXT("Core", "Windows Directory"), "Directory.png"},
      {kCsidlProgramFiles, QAV_TEXT("Core", "Program Files Directory"), "Directory.png"},
      {kCsidlSystem, QAV_TEXT("Core", "System Directory"), "Directory.png"},
      {kCsidlDesktop, "", "Folder.png"},
  };
  for (const auto& role : special) {
    const std::string folder = FolderOf(p, role.csidl);
    if (folder.empty() || UpperAscii(folder) != d) continue;
    const auto own = p.FolderTitles.find(role.csidl);
    r.Title = own != p.FolderTitles.end() ? own->second
              : role.title.empty()        ? GetTitleFromPath(s.path, true)
                                          : role.title;
    r.IconFile = SysIcon(role.picture);
    return;
  }
  r.Title = GetTitleFromPath(s.path, true);
  r.IconFile = SysIcon("Folder.png");
}

void Classifier::Classify(const std::string& path, int record, const std::string& title,
                          const std::string& iconFile) {
  lastAdded_ = record;
  const Subject s = Examine(path);
  ShortcutRecord& r = c_.tables.Shortcuts[record];
  r.ImageRow = record;
  if (s.ext == ".LNK") {
    ClassifyLink(s, r, false);
  } else if (s.ext == ".DESKTOP") {
    ClassifyDesktopEntry(r, false);
  } else if (s.ext == ".URL") {
    ClassifyInternetShortcut(s, r);
  } else if (IsProgramExtension(s.ext)) {
    ClassifyProgram(s, r, false);
  } else if (s.web) {
    r.IconSource = 2;
    r.Title = GetTitleFromPath(s.path, false);
    r.IconFile = TrimNull(iconFile).empty() ? SysIcon("URL.png") : TrimNull(iconFile);
  } else if (IsDirectory(s.file)) {
    ClassifyFolder(s, r);
  } else if (platform::IsNativeProgram(s.file)) {
    ClassifyNativeProgram(s, r, false);
  } else {
    ClassifyFile(s, r, false);
  }
  r.Path = s.path;
  r.Target = link_.LinkTarget.empty() ? s.path : link_.LinkTarget;
  if (!TrimNull(title).empty()) r.Title = TrimNull(title);
  r.Arguments = link_.LinkArguments;
  c_.pictures.LoadItemImage(record);
}

platform::MessageRequest Classifier::ReplaceShortcutQuestion() {
  return {QAV_TEXT("Core", "Are you sure to replace the selected shortcut?"),
          QAV_TEXT("Core", "Replace shortcut"), platform::MessageIcon::kExclamation,
          platform::MessageButtons::kYesNo, true};
}

// A dock shortcut reaches here only once its replacement was confirmed.
int Classifier::ChooseRecord(const std::string& path, int record) {
  ShortcutRecord& target = c_.tables.Shortcuts[record];
  switch (target.Kind) {
    case kKindDockShortcut:
    case kKindBlank:
      c_.pictures.DiscardItem(record);
      c_.tables.Shortcuts[record].Kind = kKindDockShortcut;
      return record;
    case kKindGroup:
    case kKindAllPrograms: {
      if (record >= kGroupCount || !IsNotInGroup(c_.tables, record, path)) return kNoRecord;
      GroupRecord& group = c_.tables.Groups[record];
      if (group.MemberCount >= GroupCapacity(record)) return kNoRecord;
      const int member = FindFreeRecord(c_.tables, false, c_.iconCount);
      if (member == kNoRecord) {
        c_.messages.Show({kNoRoomText, QAV_TEXT("Core", "QAV Launcher"),
                          platform::MessageIcon::kExclamation, platform::MessageButtons::kOk});
        return kNoRecord;
      }
      ResetRecord(c_.tables.Shortcuts[member]);
      c_.tables.Shortcuts[member].Kind = kKindMember;
      group.Members[static_cast<std::size_t>(++group.MemberCount)] = member;
      UpdateGroupTitle(c_.tables, record);
      return member;
    }
    default:
      return kNoRecord;  // other kinds are never overwritten
  }
}

// The record keeps the path and the target in fields of fixed byte widths: cut, they would name
// something else, and the item could never work. Refused instead, and the user told.
bool Classifier::FitsRecord(const std::string& path) {
  const Subject s = Examine(path);
  const std::string target = link_.LinkTarget.empty() ? s.path : link_.LinkTarget;
  for (const std::string* text : {&s.path, &target}) {
    if (text->size() <= decltype(ShortcutRecord::Path)::kSize) continue;
    const char* pattern =
        text == &s.path
            ? QAV_TEXT("Core",
                       "QAV Launcher cannot keep this item: its path is %1 bytes long, and at most "
                       "%2 fit.\r\n\r\n%3")
            : QAV_TEXT("Core",
                       "QAV Launcher cannot keep this item: its target is %1 bytes long, and at "
                       "most %2 fit.\r\n\r\n%3");
    c_.messages.Show(platform::FilledMessage(
        {pattern,
         {std::to_string(text->size()), std::to_string(decltype(ShortcutRecord::Path)::kSize),
          *text}},
        QAV_TEXT("Core", "Add Shortcut"), platform::MessageIcon::kExclamation,
        platform::MessageButtons::kOk));
    return false;
  }
  return true;
}

Classifier::AddOutcome Classifier::AddItemFromPath(const std::string& path, int record,
                                                   const std::string& title,
                                                   const std::string& iconFile,
                                                   bool replaceConfirmed) {
  const std::string trimmed = TrimNull(path);
  if (record < 0 || record >= static_cast<int>(c_.tables.Shortcuts.size())) {
    return AddOutcome::kDone;
  }
  if (!FileExists(trimmed, false, PathCtx()) && !IsWebAddress(trimmed)) return AddOutcome::kDone;
  if (!FitsRecord(trimmed)) return AddOutcome::kDone;
  // The question comes after the checks that may refuse the item, as the user has always seen.
  if (c_.tables.Shortcuts[record].Kind == kKindDockShortcut && !replaceConfirmed) {
    return AddOutcome::kNeedsConfirmation;
  }
  const int chosen = ChooseRecord(trimmed, record);
  if (chosen != kNoRecord) Classify(trimmed, chosen, title, iconFile);
  return AddOutcome::kDone;
}

void Classifier::ClassifyIntoRecord(const std::string& path, int record, const std::string& title,
                                    const std::string& iconFile) {
  if (record < 0 || record >= static_cast<int>(c_.tables.Shortcuts.size())) return;
  c_.pictures.DiscardItem(record);
  c_.tables.Shortcuts[record].Kind = record > kLastDockRecord ? kKindMember : kKindDockShortcut;
  Classify(path, record, title, iconFile);
}

void Classifier::RefreshItemIcon(int record) {
  if (record < 0 || record >= static_cast<int>(c_.tables.Shortcuts.size())) return;
  ShortcutRecord& r = c_.tables.Shortcuts[record];
  std::string path = r.Path.Get();
  r.Path = path;
  if (!FileExists(path, false, PathCtx())) return;
  lastAdded_ = record;
  const Subject s = Examine(path);
  if (s.ext == ".LNK") {
    ClassifyLink(s, r, true);
  } else if (s.ext == ".DESKTOP") {
    ClassifyDesktopEntry(r, true);
  } else if (IsProgramExtension(s.ext)) {
    ClassifyProgram(s, r, true);
  } else if (IsDirectory(s.file)) {
    r.IconFile = SysIcon("Folder.png");
  } else if (platform::IsNativeProgram(s.file)) {
    ClassifyNativeProgram(s, r, true);
  } else {
    ClassifyFile(s, r, true);
    r.ImageRow = record;
  }
}

}  // namespace qav
