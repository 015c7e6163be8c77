#include "platform/windows/pipe_io.h"

#include <sddl.h>

#include <memory>
#include <vector>

#include "platform/windows/control_pipe.h"

namespace qav::platform {
namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const {
    if (handle && handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
  }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// The user SID of a process's token, as the bytes of a TOKEN_USER.
std::vector<std::uint8_t> TokenUserOf(HANDLE process) {
  HANDLE rawToken = nullptr;
  if (!::OpenProcessToken(process, TOKEN_QUERY, &rawToken)) return {};
  const UniqueHandle token(rawToken);
  DWORD size = 0;
  ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
  if (size == 0) return {};
  std::vector<std::uint8_t> user(size);
  if (!::GetTokenInformation(token.get(), TokenUser, user.data(), size, &size)) return {};
  return user;
}

PSID SidIn(std::vector<std::uint8_t>& tokenUser) {
  return reinterpret_cast<TOKEN_USER*>(tokenUser.data())->User.Sid;
}

}  // namespace

PipeWait FinishIo(HANDLE pipe, OVERLAPPED& overlapped, BOOL started, HANDLE stop, DWORD timeoutMs,
                  DWORD& transferred) {
  transferred = 0;
  if (!started && ::GetLastError() != ERROR_IO_PENDING) return PipeWait::kFailed;
  const HANDLE waits[] = {overlapped.hEvent, stop};
  const DWORD count = stop ? 2 : 1;
  const DWORD woken = ::WaitForMultipleObjects(count, waits, FALSE, timeoutMs);
  if (woken != WAIT_OBJECT_0) {
    ::CancelIoEx(pipe, &overlapped);
    ::GetOverlappedResult(pipe, &overlapped, &transferred, TRUE);  // the cancel completes
    transferred = 0;
    return woken == WAIT_OBJECT_0 + 1 ? PipeWait::kStopped : PipeWait::kTimedOut;
  }
  return ::GetOverlappedResult(pipe, &overlapped, &transferred, FALSE) ? PipeWait::kDone
                                                                       : PipeWait::kFailed;
}

std::optional<std::string> ReadPipeLine(HANDLE pipe, HANDLE stop, DWORD timeoutMs, bool* tooLong) {
  if (tooLong) *tooLong = false;
  const UniqueHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!event) return std::nullopt;
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  std::string line;
  char chunk[512];
  while (line.size() < kControlLineLimit) {
    const ULONGLONG now = ::GetTickCount64();
    if (now >= deadline) return std::nullopt;
    OVERLAPPED overlapped{};
    overlapped.hEvent = event.get();
    const DWORD want = static_cast<DWORD>(std::min(sizeof chunk, kControlLineLimit - line.size()));
    const BOOL started = ::ReadFile(pipe, chunk, want, nullptr, &overlapped);
    DWORD got = 0;
    const PipeWait result =
        FinishIo(pipe, overlapped, started, stop, static_cast<DWORD>(deadline - now), got);
    if (result != PipeWait::kDone && !(result == PipeWait::kFailed && got > 0)) {
      return std::nullopt;
    }
    line.append(chunk, got);
    if (const auto end = line.find('\n'); end != std::string::npos) {
      line.resize(end);
      return line;
    }
  }
  if (tooLong) *tooLong = true;
  return std::nullopt;
}

bool WritePipe(HANDLE pipe, const std::string& bytes, HANDLE stop, DWORD timeoutMs) {
  const UniqueHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!event || bytes.size() > kControlLineLimit * 16) return false;
  OVERLAPPED overlapped{};
  overlapped.hEvent = event.get();
  const BOOL started =
      ::WriteFile(pipe, bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, &overlapped);
  DWORD written = 0;
  return FinishIo(pipe, overlapped, started, stop, timeoutMs, written) == PipeWait::kDone &&
         written == bytes.size();
}

bool ProcessOfThisUser(DWORD pid) {
  const UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  if (!process) return false;
  auto theirs = TokenUserOf(process.get());
  auto ours = TokenUserOf(::GetCurrentProcess());
  return !theirs.empty() && !ours.empty() && ::EqualSid(SidIn(theirs), SidIn(ours));
}

std::wstring ThisUserSid() {
  auto ours = TokenUserOf(::GetCurrentProcess());
  if (ours.empty()) return {};
  wchar_t* text = nullptr;
  if (!::ConvertSidToStringSidW(SidIn(ours), &text)) return {};
  std::wstring sid(text);
  ::LocalFree(text);
  return sid;
}

}  // namespace qav::platform
