#include "platform/windows/win_system_info.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <lmcons.h>

#include <vector>

#include "platform/files/wide_text.h"

namespace qav::platform {
namespace {

// Paths may be longer than MAX_PATH; the buffer grows until the whole path fits.
constexpr DWORD kMaxPathChars = 32768;

using RtlGetVersionCall = LONG(WINAPI*)(OSVERSIONINFOEXW*);

std::optional<OSVERSIONINFOEXW> KernelVersion() {
  OSVERSIONINFOEXW info{};
  info.dwOSVersionInfoSize = sizeof info;
  const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  const FARPROC found = ntdll ? ::GetProcAddress(ntdll, "RtlGetVersion") : nullptr;
  if (found) {
    // The documented way to reach a routine by name; its type is the one ntdll exports.
    const auto call = reinterpret_cast<RtlGetVersionCall>(reinterpret_cast<void*>(found));
    if (call(&info) == 0) return info;
  }
  return std::nullopt;
}

}  // namespace

std::string WinSystemInfo::ExecutablePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  while (buffer.size() <= kMaxPathChars) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return WideToUtf8(std::wstring_view(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
  return {};
}

std::optional<OsVersion> WinSystemInfo::QueryOsVersion() {
  const auto info = KernelVersion();
  if (!info) return std::nullopt;
  OsVersion version;
  version.family = info->dwPlatformId == VER_PLATFORM_WIN32_NT ? OsVersion::Family::kWindowsNT
                                                               : OsVersion::Family::kWindows9x;
  version.major = static_cast<int>(info->dwMajorVersion);
  version.minor = static_cast<int>(info->dwMinorVersion);
  version.build = static_cast<int>(info->dwBuildNumber);
  version.servicePack = WideToUtf8(info->szCSDVersion);
  return version;
}

std::string WinSystemInfo::UserLogonName() {
  wchar_t name[UNLEN + 1] = {};
  DWORD length = UNLEN + 1;
  if (!::GetUserNameW(name, &length) || length == 0) return {};
  return WideToUtf8(std::wstring_view(name, length - 1));  // the count includes the NUL
}

std::optional<std::string> WinSystemInfo::Environment(const std::string& name) {
  const std::wstring wideName = Utf8ToWide(name);
  if (wideName.empty()) return std::nullopt;
  std::vector<wchar_t> buffer(256);
  for (;;) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), buffer.data(),
                                                   static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();  // set, and empty
    }
    if (length < buffer.size()) return WideToUtf8(std::wstring_view(buffer.data(), length));
    if (length > kMaxPathChars) return std::nullopt;
    buffer.resize(length);  // the count needed, NUL included
  }
}

}  // namespace qav::platform
