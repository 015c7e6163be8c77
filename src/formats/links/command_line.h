#pragma once
// Argument lists held as one command line, the way shell links store them. The quoting follows
// the rules Windows programs split their command line by (those of CommandLineToArgvW), so the
// same string serves the program on every platform.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qav::readers {

// `argument` as one word of a command line: as is when it holds no blank or quote, otherwise in
// double quotes, with quotes and the backslashes before them escaped.
std::string QuoteArgument(std::string_view argument);
// The arguments quoted and separated by single spaces.
std::string JoinCommandLine(std::span<const std::string> arguments);
// The words of a command line: split at blanks outside double quotes; 2n backslashes before a
// quote stand for n backslashes, 2n+1 for n and a literal quote; other backslashes are literal.
std::vector<std::string> SplitCommandLine(std::string_view line);

}  // namespace qav::readers
