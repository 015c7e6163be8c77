#pragma once
// The running dock's control channel on Windows: a named pipe per user and session, in the same
// line protocol as elsewhere. Only the user who runs the dock can open it (its access list names
// nobody else), and each side checks that the process at the other end runs as the same user, so
// a pipe another user made under the name first is never talked to.

#include <string>

#include "platform/control_channel.h"

namespace qav::platform {

// "\\.\pipe\QAVLauncher-<user SID>-<session>"; empty when the user cannot be told.
std::string DefaultControlPipeName();

// Sends `line` (without its line break) and waits for the answer; `waitForDockMs` keeps trying to
// connect that long (a dock that holds the lock may still be starting).
SendResult SendPipeRequest(const std::string& pipeName, const std::string& line, int waitForDockMs,
                           int answerTimeoutMs);

}  // namespace qav::platform
