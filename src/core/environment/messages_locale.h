#pragma once
// The locale the user reads messages in, as POSIX decides it: LC_ALL, else LC_MESSAGES, else
// LANG, the first that is set and not empty. Localised names of desktop entries follow it.

#include <optional>
#include <string>

#include "platform/system_info.h"

namespace qav {

inline std::string MessagesLocale(platform::SystemInfo& system) {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const auto value = system.Environment(name);
    if (value && !value->empty()) return *value;
  }
  return {};
}

}  // namespace qav
