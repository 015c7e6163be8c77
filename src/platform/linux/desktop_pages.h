#pragma once
// Which program opens each system page on each desktop. The table lives in desktop_pages.cpp and
// is written out in docs/DESKTOP_PAGES.md.

#include <string>
#include <vector>

#include "platform/linux/system_commands.h"
#include "platform/system_actions.h"

namespace qav::platform {

// The commands (program, then its arguments) that may open `page` on `desktop`, best first. An
// argument "%trash" stands for the trash's files folder. The web browser's settings are not in
// the table: they depend on the browser, not on the desktop.
std::vector<Arguments> PageCandidates(SystemPage page, DesktopKind desktop);

}  // namespace qav::platform
