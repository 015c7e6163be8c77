#include "platform/windows/win_single_instance.h"

#include <windows.h>

#include <cstdio>

#include "platform/files/wide_text.h"

namespace qav::platform {

WinSingleInstance::WinSingleInstance(std::string mutexName) : name_(std::move(mutexName)) {}

WinSingleInstance::~WinSingleInstance() {
  if (mutex_) ::CloseHandle(mutex_);
}

bool WinSingleInstance::TryAcquire() {
  if (mutex_) return true;
  const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, Utf8ToWide(name_).c_str());
  const DWORD error = ::GetLastError();
  if (!mutex) {
    // Another user's object of the same name in this session refuses us access: a copy runs.
    if (error == ERROR_ACCESS_DENIED) return false;
    std::fprintf(stderr,
                 "QAV Launcher: cannot make the mutex %s (error %lu); starting without it\n",
                 name_.c_str(), static_cast<unsigned long>(error));
    return true;
  }
  if (error == ERROR_ALREADY_EXISTS) {
    ::CloseHandle(mutex);
    return false;
  }
  mutex_ = mutex;
  return true;
}

std::string WinSingleInstance::DefaultName() {
  return "Local\\Brevona.QAVLauncher.Instance";
}

}  // namespace qav::platform
