#include "platform/windows/win_shell_folders.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shlobj.h>

#include <algorithm>

#include "platform/files/wide_text.h"

namespace qav::platform {
namespace {

// The folders the program addresses; any other number is unknown here, as on every platform.
constexpr int kKnownIds[] = {
    CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL,   CSIDL_FAVORITES,
    CSIDL_MYMUSIC,          CSIDL_MYVIDEO,    CSIDL_COMMON_DESKTOPDIRECTORY,
    CSIDL_APPDATA,          CSIDL_WINDOWS,    CSIDL_SYSTEM,
    CSIDL_PROGRAM_FILES,    CSIDL_MYPICTURES, CSIDL_PROFILE};

}  // namespace

std::string WinShellFolders::SpecialFolder(int csidl) {
  // 0 is the desktop's shell namespace root, whose file-system folder is the desktop directory.
  const int id = csidl == CSIDL_DESKTOP ? CSIDL_DESKTOPDIRECTORY : csidl;
  if (std::find(std::begin(kKnownIds), std::end(kKnownIds), id) == std::end(kKnownIds)) return {};
  // The program keeps its own data in the application data folder, so that one is made when a
  // fresh profile does not have it yet.
  const int create = id == CSIDL_APPDATA ? CSIDL_FLAG_CREATE : 0;
  wchar_t path[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, id | create, nullptr, SHGFP_TYPE_CURRENT, path))) {
    return {};
  }
  std::wstring folder(path);
  while (folder.size() > 3 && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  return WideToUtf8(folder);
}

}  // namespace qav::platform
