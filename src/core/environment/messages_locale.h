#pragma once
// The locale the user reads messages in, as POSIX decides it: LC_ALL, else LC_MESSAGES, else
// LANG, the first that is set and not empty. Localised names of desktop entries follow it, and so
// does the language the windows speak.

#include <optional>
#include <string>
#include <string_view>

#include "platform/system_info.h"

namespace qav {

inline std::string MessagesLocale(platform::SystemInfo& system) {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const auto value = system.Environment(name);
    if (value && !value->empty()) return *value;
  }
  return {};
}

// The language and country of a messages locale, "de_DE" for "de_DE.UTF-8@euro"; empty when the
// program's own English is meant: no locale, "C", "POSIX" (and their ".UTF-8" forms) or English.
inline std::string TranslationLanguage(std::string_view locale) {
  const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") return {};
  if (name == "en" || name.starts_with("en_")) return {};
  return std::string(name);
}

}  // namespace qav
