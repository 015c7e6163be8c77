#pragma once
// Makes the desktop's icon theme reachable for file icons even where no desktop environment
// announces one (a bare X session, a virtual display): the freedesktop icon folders are added to
// the search path and, when no theme is named, the first installed common theme is used.

namespace qav::platform {

void EnsureIconTheme();

}  // namespace qav::platform
