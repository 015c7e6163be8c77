#pragma once
// What a link points at: Windows shell links (".lnk"), internet shortcuts (".url") and, on
// every platform, freedesktop desktop entries (".desktop"); the file description of programs; and
// the programs the desktop runs for web pages and mail.

#include <string>

#include "base/result.h"
#include "core/environment/path_services.h"
#include "platform/registry.h"
#include "platform/system_actions.h"

namespace qav {

// The last resolved link.
struct LinkInfo {
  std::string LinkPath;
  std::string LinkTarget;
  std::string LinkArguments;
  std::string LinkIconPath;
  int LinkIconIndex = 0;
  std::string LinkWorkingDir;
  int LinkShowCommand = 0;
  std::string LinkTitle;  // a desktop entry's own (localised) name; empty for other links
};

struct LinkProperties {
  std::string target;
  std::string workingDir;
  std::string arguments;
  std::string iconPath;
  int iconIndex = 0;
  int showCommand = 0;
  std::string description;
  std::string title;  // desktop entries only
};

// Reads a link file of any of the three kinds. Succeeds when the target or the icon file exists
// afterwards (environment variables expanded); a failure says whether the link could not be read
// or pointed at nothing. Unreadable links leave everything empty.
Result ReadLinkProperties(const std::string& linkPath, LinkProperties& out,
                          const PathContext& context);

// The installed program an advertised (installer) link stands for. There is no installer
// database to ask outside Windows, so such links resolve to nothing here.
std::string GetInstallerShortcutTarget(const std::string& linkPath);

// Resolves a link, following a link to a link exactly one level.
LinkInfo ResolveShortcut(const std::string& linkPath, const PathContext& context);

// Field 0..11 of a Windows program's version resource (6 is the file description).
std::string GetFileVersionField(const std::string& path, int field);

// The program registered for web pages (0) or mail (1): the registry's choice where there is
// one, else the desktop's default handler.
std::string GetDefaultProgram(int which, platform::Registry& registry,
                              platform::SystemActions& actions, const PathContext& context);

// A command line's program: the text up to and including the first ".EXE" (any case, keeping
// the letter case), trimmed, one leading quote removed, variables expanded. Without ".EXE" the
// whole command upper-cased.
std::string ProgramOfCommand(const std::string& command, const PathContext& context);

}  // namespace qav
