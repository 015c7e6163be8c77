#pragma once
// Small text helpers shared by every layer. Text is UTF-8; case folding touches ASCII letters
// only, which is all the program's fixed prefixes, extensions, keys and section names need (bytes
// of other characters are never changed).

#include <cstddef>
#include <string>
#include <string_view>

namespace qav {

// `text` without the leading and trailing characters that are in `blanks`.
std::string_view Trim(std::string_view text, std::string_view blanks = " \t");

// The text up to (not including) its first NUL, without leading and trailing spaces.
std::string TrimNull(std::string_view text);

char LowerAscii(char c);
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Length of the well-formed UTF-8 sequence starting at `pos`; 0 when there is none (stray
// continuation bytes, overlong forms, surrogates, code points past U+10FFFF, cut-off endings).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);
bool IsValidUtf8(std::string_view text);

// The longest prefix of `text` of at most `limit` bytes that does not end inside a UTF-8
// character.
std::size_t Utf8CutLength(std::string_view text, std::size_t limit);

// Replaces every occurrence of `from` (compared exactly) by `to`, left to right in one pass.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Rounds to the nearest integer, halves to even (the rounding all geometry and record maths use).
long long RoundHalfEven(double value);

}  // namespace qav
