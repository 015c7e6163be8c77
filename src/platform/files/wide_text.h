#pragma once
// The program keeps its text in UTF-8; the system's wide-character calls take UTF-16. Every
// crossing goes through this one pair.

#include <string>
#include <string_view>

namespace qav::platform {

// Invalid UTF-8 becomes U+FFFD rather than failing: a path the system cannot find is a better
// outcome than an empty one that might name the current folder.
std::wstring Utf8ToWide(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string WideToUtf8(std::wstring_view text);

}  // namespace qav::platform
