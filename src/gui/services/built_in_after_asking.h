#pragma once
// Running a built-in command from a window: a command that stops at its question (emptying the
// recycle bin) is asked here, in the window's layer, and then finished with the answer. The dock
// and the group menu run commands alike.

#include "core/shortcuts/commands.h"

namespace qav {

void RunBuiltInAfterAsking(CommandContext& context, int commandId);

}  // namespace qav
