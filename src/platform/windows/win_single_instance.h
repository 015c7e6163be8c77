#pragma once

#include <string>

#include "platform/single_instance.h"

namespace qav::platform {

// A named mutex in the session's namespace ("Local\..."), held for the life of the process. The
// system closes it with the process however that ends, so nothing left behind can keep the
// program from starting again.
class WinSingleInstance final : public SingleInstance {
 public:
  explicit WinSingleInstance(std::string mutexName = DefaultName());
  ~WinSingleInstance() override;
  WinSingleInstance(const WinSingleInstance&) = delete;
  WinSingleInstance& operator=(const WinSingleInstance&) = delete;

  // False only when another copy in this session holds the mutex. A mutex that cannot be made
  // at all is reported on the error output and the program starts anyway.
  bool TryAcquire() override;

  static std::string DefaultName();

 private:
  std::string name_;
  void* mutex_ = nullptr;
};

}  // namespace qav::platform
