#pragma once

#include "platform/desktop.h"

namespace qav::platform {

// Desktop icon views and panels differ per desktop environment; until a desktop is supported
// here, asking to hide or show them changes nothing.
class LinuxDesktop final : public Desktop {
 public:
  void ShowDesktopIcons(bool /*show*/) override {}
  void ShowTaskbar(bool /*show*/) override {}
};

}  // namespace qav::platform
