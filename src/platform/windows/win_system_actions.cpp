#include "platform/windows/win_system_actions.h"

#include <windows.h>
// After windows.h, which they build on.
#include <powrprof.h>
#include <shlwapi.h>

#include "platform/windows/shell_execute.h"
#include "platform/windows/wide_text.h"

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
};

// Control Panel items by their canonical names, which every Windows since Vista knows, and
// shell folders by their names in the shell namespace.
Page PageFor(SystemPage page) {
  switch (page) {
    case SystemPage::kComputer:
      return {"explorer.exe", "shell:MyComputerFolder"};
    case SystemPage::kSystemProperties:
      return {"control.exe", "/name Microsoft.System"};
    case SystemPage::kPersonalize:
      return {"control.exe", "/name Microsoft.Personalization"};
    case SystemPage::kScreenResolution:
      return {"control.exe", "desk.cpl"};
    case SystemPage::kUninstall:
      return {"control.exe", "/name Microsoft.ProgramsAndFeatures"};
    case SystemPage::kNetwork:
      return {"explorer.exe", "shell:NetworkPlacesFolder"};
    case SystemPage::kInternetOptions:
      return {"control.exe", "inetcpl.cpl"};
    case SystemPage::kControlPanel:
      return {"control.exe", ""};
    case SystemPage::kWorkgroup:
      return {"explorer.exe", "shell:NetworkPlacesFolder"};
    case SystemPage::kPrinters:
      return {"control.exe", "printers"};
    case SystemPage::kDeviceManager:
      return {"devmgmt.msc", ""};
    case SystemPage::kSearch:
      return {"search-ms:", ""};
    case SystemPage::kNetworkConnections:
      return {"control.exe", "ncpa.cpl"};
    case SystemPage::kTrash:
      return {"explorer.exe", "shell:RecycleBinFolder"};
  }
  return {"", ""};
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
  return RunThroughShell({target.file, target.parameters, {}, {}, SW_SHOWNORMAL});
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
