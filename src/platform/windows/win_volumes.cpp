#include "platform/windows/win_volumes.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <winnetwk.h>

#include <algorithm>

#include "platform/windows/wide_text.h"
#include "text/text.h"

namespace qav::platform {
namespace {

// An empty floppy or card reader would otherwise make the system ask the user to insert a disk.
class NoDiskPrompts {
 public:
  NoDiskPrompts() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  ~NoDiskPrompts() { ::SetThreadErrorMode(previous_, nullptr); }
  NoDiskPrompts(const NoDiskPrompts&) = delete;
  NoDiskPrompts& operator=(const NoDiskPrompts&) = delete;

 private:
  DWORD previous_ = 0;
};

std::wstring Label(const std::wstring& root) {
  wchar_t label[MAX_PATH + 1] = {};
  if (!::GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr,
                               nullptr, 0)) {
    return {};
  }
  return label;
}

// "\\server\share" for a drive letter mapped to a share.
std::wstring Share(const std::wstring& root) {
  const std::wstring device = root.substr(0, 2);
  wchar_t remote[MAX_PATH + 1] = {};
  DWORD length = MAX_PATH + 1;
  if (::WNetGetConnectionW(device.c_str(), remote, &length) != NO_ERROR) return {};
  return remote;
}

std::wstring SystemRoot() {
  wchar_t windows[MAX_PATH] = {};
  const UINT length = ::GetSystemWindowsDirectoryW(windows, MAX_PATH);
  return length >= 3 && length < MAX_PATH ? std::wstring(windows, 3) : std::wstring();
}

Volume Describe(const std::wstring& root, const std::wstring& systemRoot) {
  Volume volume;
  volume.root = WideToUtf8(root);
  volume.type = static_cast<DriveType>(::GetDriveTypeW(root.c_str()));
  // Asking a removable or optical drive for its label spins it up or waits for it; a name is not
  // worth that.
  const bool cheap = volume.type == DriveType::kFixed || volume.type == DriveType::kRamDisk ||
                     volume.type == DriveType::kRemote;
  std::wstring name = cheap ? Label(root) : std::wstring();
  if (name.empty() && volume.type == DriveType::kRemote) name = Share(root);
  volume.name = WideToUtf8(name);
  volume.isSystem = EqualsIgnoreCase(volume.root, WideToUtf8(systemRoot));
  const wchar_t letter = static_cast<wchar_t>(::towupper(root[0]));
  volume.isFloppy = volume.type == DriveType::kRemovable && (letter == L'A' || letter == L'B');
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
  const NoDiskPrompts quiet;
  const std::wstring systemRoot = SystemRoot();
  std::vector<Volume> volumes;
  for (const std::wstring& root : DriveRoots()) volumes.push_back(Describe(root, systemRoot));
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
