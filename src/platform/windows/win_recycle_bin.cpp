#include "platform/windows/win_recycle_bin.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <algorithm>

#include "platform/files/wide_text.h"

namespace qav::platform {
namespace {

bool IsAbsolute(const std::wstring& path) {
  const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
  const bool drive = path.size() >= 3 && path[1] == L':' && separator(path[2]);
  const bool share = path.size() >= 2 && separator(path[0]) && separator(path[1]);
  return drive || share;
}

}  // namespace

TrashStatus WinRecycleBin::Query() {
  SHQUERYRBINFO info{};
  info.cbSize = sizeof info;
  if (FAILED(::SHQueryRecycleBinW(nullptr, &info))) return {};
  return {static_cast<std::uint64_t>(info.i64Size), static_cast<std::uint64_t>(info.i64NumItems)};
}

bool WinRecycleBin::Empty() {
  // An empty bin makes the call report a failure on some versions; what counts is the result.
  ::SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
  return Query().items == 0;
}

bool WinRecycleBin::MoveToTrash(const std::string& path) {
  std::wstring from = Utf8ToWide(path);
  // The shell's file operations take backslashes only; Qt hands out paths with slashes.
  std::replace(from.begin(), from.end(), L'/', L'\\');
  if (!IsAbsolute(from) || from.find(L'\0') != std::wstring::npos) return false;
  from.push_back(L'\0');  // the list of paths ends with a second NUL
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  return ::SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

}  // namespace qav::platform
