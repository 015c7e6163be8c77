#pragma once

#include <string>

namespace qav::platform {

// Shows a notice through the desktop's notification service. Waits at most a moment for the
// service and never for the user; false when no service took it.
bool SendDesktopNotice(const std::string& summary, const std::string& body);

}  // namespace qav::platform
