#include "platform/windows/shell_execute.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include "platform/files/wide_text.h"

namespace qav::platform {

bool RunThroughShell(const ShellRequest& request) {
  // Only a verb such as "find" acts on nothing in particular.
  if (request.file.empty() && request.verb.empty()) return false;
  const std::wstring file = Utf8ToWide(request.file);
  const std::wstring parameters = Utf8ToWide(request.parameters);
  const std::wstring folder = Utf8ToWide(request.folder);
  const std::wstring verb = Utf8ToWide(request.verb);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  // NOASYNC: the request is complete when the call returns, as the caller's answer promises and
  // as a process that may end soon after needs.
  info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = verb.empty() ? nullptr : verb.c_str();
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
  info.nShow = request.show;
  return ::ShellExecuteExW(&info) != 0;
}

}  // namespace qav::platform
