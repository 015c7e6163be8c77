#pragma once
// The client's end of the running dock's socket: only a socket this user owns is talked to.
// Standard C++ and POSIX only, so that a start that only talks to a running dock loads nothing
// of the toolkit.

#include <functional>
#include <string>

#include "platform/control_channel.h"

namespace qav::platform {

// `name` in the user's private runtime folder (PrivateRuntimeFolder); empty without one.
std::string RuntimeFile(const std::string& name);
// "qav-launcher.socket" in the private runtime folder.
std::string DefaultControlSocketPath();

// True when `path` is a socket owned by this user: a socket someone else placed there is never
// talked to.
bool SocketOwnedByUser(const std::string& path);
using SocketOwnerCheck = std::function<bool(const std::string& path)>;

// Sends `line` (without its line break) and waits for the answer; `waitForDock` keeps trying to
// connect that long (a dock that holds the lock may still be starting). When something else
// stands at `path` the outcome is kForeignSocket and the answer says what stands there.
SendResult SendControlRequest(const std::string& path, const std::string& line,
                              const SocketOwnerCheck& ownerCheck, int waitForDockMs,
                              int answerTimeoutMs);

}  // namespace qav::platform
