#pragma once
// One line each way over a local stream socket: what the dock's server and the client that talks
// to it share. Standard C++ and POSIX only.

#include <sys/un.h>

#include <chrono>
#include <optional>
#include <string>

namespace qav::platform {

using LineClock = std::chrono::steady_clock;

std::optional<sockaddr_un> AddressOf(const std::string& path);

// Waits until `descriptor` can be read (POLLIN) or written (POLLOUT); false when time runs out.
bool WaitFor(int descriptor, short events, LineClock::time_point deadline);

// Writes all of `text`. A peer that went away makes it fail, never ends the program (no SIGPIPE).
bool SendAll(int descriptor, const std::string& text, LineClock::time_point deadline);

enum class Received { kMore, kNothingYet, kEnded };
// Appends what can be read now to `buffer`, never past the line limit.
Received ReceiveInto(int descriptor, std::string& buffer);

// The first line of `buffer` without its break, when a whole one within the limit is there.
std::optional<std::string> FirstLine(const std::string& buffer);

// Reads one line of at most the limit; nothing when none arrives in time.
std::optional<std::string> ReadLine(int descriptor, LineClock::time_point deadline);

// A connected socket, or -1 when nothing listens at `path`.
int Connect(const std::string& path);

}  // namespace qav::platform
