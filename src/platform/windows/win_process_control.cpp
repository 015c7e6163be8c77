#include "platform/windows/win_process_control.h"

#include <windows.h>

namespace qav::platform {

bool WinProcessControl::EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    return false;
  }
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  bool ok = ::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid);
  // AdjustTokenPrivileges succeeds even when the token lacks the privilege; the error tells.
  ok = ok && ::AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
       ::GetLastError() == ERROR_SUCCESS;
  ::CloseHandle(token);
  return ok;
}

void WinProcessControl::SetShutdownOrder() {
  constexpr DWORD kLastApplicationLevel = 0x100;
  ::SetProcessShutdownParameters(kLastApplicationLevel, SHUTDOWN_NORETRY);
}

void WinProcessControl::TrimWorkingSet() {
  ::SetProcessWorkingSetSize(::GetCurrentProcess(), static_cast<SIZE_T>(-1),
                             static_cast<SIZE_T>(-1));
}

}  // namespace qav::platform
