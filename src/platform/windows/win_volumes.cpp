#include "platform/windows/win_volumes.h"

#include <windows.h>

#include <algorithm>

#include "base/text.h"
#include "platform/files/wide_text.h"

namespace qav::platform {
namespace {

// The Windows folder's drive root ("C:\"), which holds the system.
std::string SystemRoot() {
  wchar_t windows[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
  return length >= 3 && length < MAX_PATH ? WideToUtf8(std::wstring_view(windows, 3))
                                          : std::string();
}

Volume Describe(const std::wstring& root, const std::string& systemRoot) {
  Volume volume;
  volume.root = WideToUtf8(root);
  volume.type = static_cast<DriveType>(::GetDriveTypeW(root.c_str()));
  volume.name = volume.root.substr(0, 2);
  volume.isSystem = volume.type == DriveType::kFixed && EqualsIgnoreCase(volume.root, systemRoot);
  const char letter = static_cast<char>(UpperAscii(volume.root.substr(0, 1)).front());
  volume.isFloppy = volume.type == DriveType::kRemovable && (letter == 'A' || letter == 'B');
  return volume;
}

std::vector<std::wstring> DriveRoots() {
  std::vector<wchar_t> buffer(128);
  for (;;) {
    const DWORD length =
        ::GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0) return {};
    if (length < buffer.size()) break;
    buffer.resize(length + 1);
  }
  std::vector<std::wstring> roots;
  for (const wchar_t* p = buffer.data(); *p; p += roots.back().size() + 1) roots.emplace_back(p);
  return roots;
}

}  // namespace

std::vector<Volume> WinVolumes::List() {
  const std::string systemRoot = SystemRoot();
  std::vector<Volume> volumes;
  for (const std::wstring& root : DriveRoots()) {
    if (root.size() == 3) volumes.push_back(Describe(root, systemRoot));
  }
  std::stable_partition(volumes.begin(), volumes.end(), [](const Volume& v) { return v.isSystem; });
  return volumes;
}

std::optional<Volume> WinVolumes::At(const std::string& root) {
  std::string wanted = root;
  std::replace(wanted.begin(), wanted.end(), '/', '\\');
  if (!wanted.empty() && wanted.back() != '\\') wanted.push_back('\\');
  for (Volume& volume : List()) {
    if (EqualsIgnoreCase(volume.root, wanted)) return std::move(volume);
  }
  return std::nullopt;
}

}  // namespace qav::platform
