#pragma once
// A Windows status number (GetLastError, LSTATUS) as the system's own text, so that nothing above
// the platform ever sees the number itself.

#include <cstdint>
#include <string>

namespace qav::platform {

// The system's message for `code` in UTF-8 without its line break ("Access is denied."), or
// "error <code>" when the system has none.
std::string SystemMessage(std::uint32_t code);

}  // namespace qav::platform
