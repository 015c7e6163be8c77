#include "core/shortcuts/link_resolution.h"
#include "core/environment/messages_locale.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "base/path_separator.h"
#include "base/text.h"
#include "base/utf8_path.h"
#include "core/environment/registry_access.h"
#include "formats/links/desktop_entry.h"
#include "formats/links/internet_shortcut.h"
#include "formats/links/shell_link.h"
#include "formats/links/version_info.h"
#include "platform/files/bounded_read.h"
#include "platform/files/format_files.h"
#include "platform/files/program_files.h"

namespace qav {
namespace {

constexpr std::size_t kMaxLinkBytes = 4u << 20;

std::string Extension(const std::string& path) {
  const auto dot = path.rfind('.');
  return dot == std::string::npos ? std::string() : UpperAscii(path.substr(dot));
}

std::optional<std::string> ReadSmallFile(const std::string& path) {
  return platform::ReadWholeTextFile(path, kMaxLinkBytes);
}

// A bare program name of a desktop entry is looked up on PATH, as the desktop would run it.
std::string OnSearchPath(const std::string& program, const PathContext& context) {
  if (program.empty() || platform::NamesFolder(program)) return program;
  const auto path = context.system.Environment("PATH");
  if (!path) return program;
  for (const std::string& folder : platform::SearchPathFolders(*path)) {
    const std::string candidate = folder + platform::kPathSeparator + program;
    std::error_code error;
    if (std::filesystem::is_regular_file(platform::PathFromUtf8(candidate), error)) {
      return candidate;
    }
  }
  return program;
}

void FromShellLink(const std::string& bytes, LinkProperties& out) {
  const auto link = readers::ParseShellLink(
      std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  if (!link) return;
  out.target = link->target;
  out.workingDir = link->workingDir;
  out.arguments = link->arguments;
  out.iconPath = link->iconPath;
  out.iconIndex = link->iconIndex;
  out.showCommand = link->showCommand;
  out.description = link->description;
}

void FromInternetShortcut(const std::string& text, LinkProperties& out) {
  const auto shortcut = readers::ParseInternetShortcut(text);
  if (!shortcut) return;
  out.target = shortcut->url;
  // A picture on the web cannot be converted here; only a local icon file is named.
  if (!IsWebAddress(shortcut->iconFile)) {
    out.iconPath = shortcut->iconFile;
    out.iconIndex = shortcut->iconIndex;
  }
}

void FromDesktopEntry(const std::string& text, LinkProperties& out, const PathContext& context) {
  const auto entry = readers::ParseDesktopEntry(text, MessagesLocale(context.system));
  if (!entry || entry->type.empty()) return;
  out.target = entry->type == "Link" ? entry->url : OnSearchPath(entry->program, context);
  out.arguments = entry->arguments;
  out.workingDir = entry->workingDir;
  out.iconPath = entry->icon;
  out.title = entry->name;
  out.showCommand = 1;
}

bool Exists(std::string path, const PathContext& context) {
  return FileExists(path, true, context);
}

}  // namespace

Result ReadLinkProperties(const std::string& linkPath, LinkProperties& out,
                          const PathContext& context) {
  out = LinkProperties{};
  const auto bytes = ReadSmallFile(linkPath);
  if (!bytes) return Result::Failure("cannot read the link " + linkPath);
  const std::string extension = Extension(linkPath);
  if (extension == ".URL") {
    FromInternetShortcut(*bytes, out);
  } else if (extension == ".DESKTOP") {
    FromDesktopEntry(*bytes, out, context);
  } else {
    FromShellLink(*bytes, out);
  }
  return Result::From(Exists(out.target, context) || Exists(out.iconPath, context),
                      "neither the target nor the icon of the link " + linkPath + " exists");
}

std::string GetInstallerShortcutTarget(const std::string& /*linkPath*/) {
  return {};
}

LinkInfo ResolveShortcut(const std::string& linkPath, const PathContext& context) {
  LinkProperties found;
  if (Exists(linkPath, context)) {
    const std::string installed = GetInstallerShortcutTarget(linkPath);
    if (Exists(installed, context)) {
      found.target = installed;
      found.iconPath = installed;
    } else {
      // A link to nothing still names what it pointed at, and the classifier judges that; the
      // reason has no one to go to.
      (void)ReadLinkProperties(linkPath, found, context);
    }
    if (UpperAscii(TrimNull(found.target)).ends_with(".LNK")) {
      const std::string next = TrimNull(found.target);
      (void)ReadLinkProperties(next, found, context);
    }
  }
  LinkInfo info;
  info.LinkPath = linkPath;
  info.LinkTarget = found.target;
  info.LinkArguments = found.arguments;
  info.LinkIconPath = found.iconPath;
  info.LinkIconIndex = found.iconIndex;
  info.LinkShowCommand = found.showCommand;
  info.LinkWorkingDir = found.workingDir;
  info.LinkTitle = found.title;
  return info;
}

std::string GetFileVersionField(const std::string& path, int field) {
  return platform::GetFileVersionField(path, field);
}

std::string ProgramOfCommand(const std::string& command, const PathContext& context) {
  const std::string upper = UpperAscii(command);
  const auto exe = upper.find(".EXE");
  if (exe == std::string::npos) return upper;
  std::string program = TrimNull(command.substr(0, exe + 4));
  if (!program.empty() && program.front() == '"') program.erase(0, 1);
  return ExpandPath(program, false, context);
}

std::string GetDefaultProgram(int which, platform::Registry& registry,
                              platform::SystemActions& actions, const PathContext& context) {
  const std::string scheme = which == 0 ? "http" : "mailto";
  auto read = [&registry](const std::string& key, const std::string& name) {
    return TrimNull(RegValueText(ReadRegValue(registry, key, name)));
  };
  const std::string progId = read(
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\" +
          scheme + "\\UserChoice",
      "Progid");
  std::string command;
  if (!progId.empty())
    command = read("HKEY_CLASSES_ROOT\\" + progId + "\\shell\\open\\command", "");
  if (command.empty())
    command = read("HKEY_CLASSES_ROOT\\" + scheme + "\\shell\\open\\command", "");
  if (!command.empty()) return ProgramOfCommand(command, context);
  return actions.DefaultProgram(which == 0 ? platform::DefaultProgramKind::kWebBrowser
                                           : platform::DefaultProgramKind::kMail);
}

}  // namespace qav
