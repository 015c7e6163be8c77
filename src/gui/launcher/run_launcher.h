#pragma once

#include "platform/native_platform.h"

namespace qav {

// The program: a second copy ends at once and silently; otherwise the launcher runs until it is
// exited. Returns the process exit code.
int RunLauncher(int argc, char** argv);
// The same on a platform of the caller's choosing (tests run it on the fake one).
int RunLauncher(int argc, char** argv, platform::PlatformServices& platform);

}  // namespace qav
