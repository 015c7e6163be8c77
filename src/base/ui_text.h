#pragma once
// The texts the core writes for the user. The core writes them in English and knows no toolkit;
// the windows show them in the user's language at the moment they show them (gui/text).
//
// QAV_TEXT marks a literal for the translation tools and is that literal. lupdate is told to read
// it as QT_TRANSLATE_NOOP, so its first argument is the context of the translation: always
// kCoreTextContext ("Core"), the one context the windows look every text of the core up in
// (scripts/check-translations refuses another one).
//
// A text with runtime parts (a file name, a number, a title) is a FilledText: the English pattern
// with "%1".."%9" where the parts go, and the parts. The windows translate the pattern and put the
// parts in afterwards, so a translation keeps the parts wherever its language wants them.

#include <string>
#include <string_view>
#include <vector>

#define QAV_TEXT(context, text) text

namespace qav {

inline constexpr const char* kCoreTextContext = "Core";

struct FilledText {
  std::string pattern;
  std::vector<std::string> parts = {};
};

// `pattern` with "%1".."%9" replaced by `parts` in one pass (a part that holds "%2" stays as it
// is); a number without its part, and "%" before anything else, stay as written.
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& parts);

// The English text.
inline std::string English(const FilledText& text) {
  return FillPattern(text.pattern, text.parts);
}

}  // namespace qav
