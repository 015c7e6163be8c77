#pragma once
// Small text helpers shared by the path, registry and file code. Text is UTF-8; case folding
// touches ASCII letters only, which is all the program's fixed prefixes and extensions need.

#include <string>
#include <string_view>

namespace qav {

// The text up to (not including) its first NUL, without leading and trailing spaces.
std::string TrimNull(std::string_view text);

std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Replaces every occurrence of `from` (compared exactly) by `to`, left to right in one pass.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Rounds to the nearest integer, halves to even (the rounding all geometry and record maths use).
long long RoundHalfEven(double value);

}  // namespace qav
