#include "platform/windows/win_system_actions.h"

#include <windows.h>
// After windows.h, which they build on.
#include <powrprof.h>
#include <shlwapi.h>

#include "platform/files/wide_text.h"
#include "platform/windows/shell_execute.h"

namespace qav::platform {
namespace {

// A planned shutdown the user asked for: the event log says so.
constexpr DWORD kUserRequested =
    SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED;

bool ExitSession(ProcessControl& process, UINT how) {
  if (how != EWX_LOGOFF && !process.EnableShutdownPrivilege()) return false;
  return ::ExitWindowsEx(how, kUserRequested) != 0;
}

struct Page {
  const char* file;
  const char* parameters;
  const char* verb = "open";
};

// Shell folders by their class ids, Control Panel items through rundll32. The texts are the
// ones every Windows since Vista knows; the spacing after some commas is how they have always
// been written and does no harm.
Page PageFor(SystemPage page) {
  switch (page) {
    case SystemPage::kComputer:
      return {"explorer", "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"};
    case SystemPage::kSystemProperties:
      return {
          "explorer",
          "::{26EE0668-A00A-44D7-9371-BEB064C98683}\\0\\::{BB06C0E4-D293-4F75-8A90-CB05B6477EEE}"};
    case SystemPage::kPersonalize:
      return {"rundll32.exe", "shell32.dll,Control_RunDLL desk.cpl,,2"};
    case SystemPage::kScreenResolution:
      return {"rundll32.exe", "shell32.dll,Control_RunDLL desk.cpl,,3"};
    case SystemPage::kUninstall:
      return {"rundll32.exe", "shell32.dll,Control_RunDLL appwiz.cpl"};
    case SystemPage::kNetwork:
      return {"explorer", "::{F02C1A0D-BE21-4350-88B0-7367FC96EF3C}"};
    case SystemPage::kInternetOptions:
      return {"rundll32.exe", "shell32.dll, Control_RunDLL Inetcpl.cpl"};
    case SystemPage::kControlPanel:
      return {"explorer", "::{26EE0668-A00A-44D7-9371-BEB064C98683}"};
    case SystemPage::kWorkgroup:
      return {"explorer", "::{208D2C60-3AEA-1069-A2D7-08002B30309D}"};
    case SystemPage::kPrinters:
      return {"explorer", "::{2227A280-3AEA-1069-A2DE-08002B30309D}"};
    case SystemPage::kDeviceManager:
      return {"devmgmt.msc", ""};
    case SystemPage::kSearch:
      return {"", "", "find"};
    case SystemPage::kNetworkConnections:
      return {"rasphone.exe", ""};
    case SystemPage::kTrash:
      return {"explorer", "::{645FF040-5081-101B-9F08-00AA002F954E}"};
  }
  return {"", "", ""};
}

}  // namespace

bool WinSystemActions::Power(PowerAction action) {
  switch (action) {
    case PowerAction::kShutDown:
      return ExitSession(process_, EWX_SHUTDOWN | EWX_POWEROFF);
    case PowerAction::kRestart:
      return ExitSession(process_, EWX_REBOOT);
    case PowerAction::kLogOff:
      return ExitSession(process_, EWX_LOGOFF);
    case PowerAction::kSleep:
      return process_.EnableShutdownPrivilege() && ::SetSuspendState(FALSE, FALSE, FALSE);
    case PowerAction::kLock:
      return ::LockWorkStation() != 0;
  }
  return false;
}

bool WinSystemActions::MonitorOff() {
  // Posted, not sent: a window that does not answer must not hold the dock up.
  constexpr LPARAM kPowerOff = 2;
  return ::PostMessageW(HWND_BROADCAST, WM_SYSCOMMAND, SC_MONITORPOWER, kPowerOff) != 0;
}

bool WinSystemActions::OpenPage(SystemPage page) {
  const Page target = PageFor(page);
  return RunThroughShell({target.file, target.parameters, {}, target.verb, SW_SHOWNORMAL});
}

bool WinSystemActions::OpenFolder(const std::string& folder) {
  return RunThroughShell({folder, {}, {}, "open", SW_SHOWNORMAL});
}

std::string WinSystemActions::DefaultProgram(DefaultProgramKind kind) {
  const wchar_t* protocol = kind == DefaultProgramKind::kMail ? L"mailto" : L"http";
  wchar_t path[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  if (FAILED(::AssocQueryStringW(ASSOCF_IS_PROTOCOL, ASSOCSTR_EXECUTABLE, protocol, L"open", path,
                                 &length))) {
    return {};
  }
  return WideToUtf8(path);
}

}  // namespace qav::platform
