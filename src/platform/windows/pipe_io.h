#pragma once
// Overlapped reads and writes on a pipe that give up after a time or when told to stop, and the
// check of who is at the other end.

#include <windows.h>

#include <optional>
#include <string>

namespace qav::platform {

enum class PipeWait { kDone, kTimedOut, kStopped, kFailed };

// Waits for the overlapped operation `started` on `pipe` (the result of the call that began it)
// to finish, at most `timeoutMs` and only while `stop` (may be null) is not set; an operation
// given up is cancelled before this returns. `transferred` gets the byte count.
PipeWait FinishIo(HANDLE pipe, OVERLAPPED& overlapped, BOOL started, HANDLE stop, DWORD timeoutMs,
                  DWORD& transferred);

// Reads up to the first line break within `timeoutMs`; nothing on a timeout, a stop, a closed
// pipe or a line longer than the limit (`tooLong` tells the last apart).
std::optional<std::string> ReadPipeLine(HANDLE pipe, HANDLE stop, DWORD timeoutMs,
                                        bool* tooLong = nullptr);
bool WritePipe(HANDLE pipe, const std::string& bytes, HANDLE stop, DWORD timeoutMs);

// Whether process `pid` runs as the user running this process.
bool ProcessOfThisUser(DWORD pid);

// This process's user as an SID string ("S-1-5-21-..."); empty when it cannot be read.
std::wstring ThisUserSid();

}  // namespace qav::platform
