#include "platform/windows/control_pipe.h"

#include <windows.h>

#include "platform/files/wide_text.h"
#include "platform/windows/pipe_io.h"

namespace qav::platform {
namespace {

constexpr DWORD kRetryMs = 100;

struct Connection {
  SendOutcome failure = SendOutcome::kNoDock;
  HANDLE pipe = INVALID_HANDLE_VALUE;
};

// Opens the pipe, waiting for a dock that is still starting or busy with another request.
// SECURITY_IDENTIFICATION: whoever serves the pipe may learn who we are, never act as us.
Connection Connect(const std::wstring& name, ULONGLONG deadline) {
  for (;;) {
    const HANDLE pipe = ::CreateFileW(
        name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
        FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
    if (pipe != INVALID_HANDLE_VALUE) return {SendOutcome::kAnswered, pipe};
    const DWORD error = ::GetLastError();
    // The name is this user's: a pipe there that this user may not open is someone else's.
    if (error == ERROR_ACCESS_DENIED) return {SendOutcome::kForeignSocket, INVALID_HANDLE_VALUE};
    const ULONGLONG now = ::GetTickCount64();
    if (now >= deadline) return {};
    const auto left = static_cast<DWORD>(deadline - now);
    if (error == ERROR_PIPE_BUSY) {
      ::WaitNamedPipeW(name.c_str(), std::min<DWORD>(left, 1000));
    } else {
      ::Sleep(std::min(left, kRetryMs));
    }
  }
}

bool ServedByThisUser(HANDLE pipe) {
  ULONG server = 0;
  return ::GetNamedPipeServerProcessId(pipe, &server) && ProcessOfThisUser(server);
}

}  // namespace

std::string DefaultControlPipeName() {
  const std::wstring sid = ThisUserSid();
  if (sid.empty()) return {};
  DWORD session = 0;
  ::ProcessIdToSessionId(::GetCurrentProcessId(), &session);
  return WideToUtf8(L"\\\\.\\pipe\\QAVLauncher-" + sid + L"-" + std::to_wstring(session));
}

SendResult SendPipeRequest(const std::string& pipeName, const std::string& line, int waitForDockMs,
                           int answerTimeoutMs) {
  if (pipeName.empty()) return {SendOutcome::kNoDock, {}};
  const ULONGLONG deadline =
      ::GetTickCount64() + static_cast<ULONGLONG>(std::max(waitForDockMs, 0));
  const Connection connection = Connect(Utf8ToWide(pipeName), deadline);
  if (connection.pipe == INVALID_HANDLE_VALUE) return {connection.failure, {}};
  SendResult result{SendOutcome::kNoAnswer, {}};
  const auto timeout = static_cast<DWORD>(std::max(answerTimeoutMs, 0));
  if (!ServedByThisUser(connection.pipe)) {
    result.outcome = SendOutcome::kForeignSocket;
  } else if (WritePipe(connection.pipe, line + "\n", nullptr, timeout)) {
    if (auto answer = ReadPipeLine(connection.pipe, nullptr, timeout)) {
      result = {SendOutcome::kAnswered, std::move(*answer)};
    }
  }
  ::CloseHandle(connection.pipe);
  return result;
}

}  // namespace qav::platform
