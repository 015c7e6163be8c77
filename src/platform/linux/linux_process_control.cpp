#include "platform/linux/linux_process_control.h"

#include <malloc.h>

namespace qav::platform {

void LinuxProcessControl::TrimWorkingSet() {
  ::malloc_trim(0);
}

}  // namespace qav::platform
