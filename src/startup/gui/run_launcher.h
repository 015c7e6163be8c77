#pragma once

namespace qav {

// The program: a second copy ends at once and silently; otherwise the launcher runs until it is
// exited. Returns the process exit code.
int RunLauncher(int argc, char** argv);

}  // namespace qav
