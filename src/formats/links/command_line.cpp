#include "formats/links/command_line.h"

namespace qav::readers {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::string QuoteArgument(std::string_view argument) {
  if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string_view::npos)
    return std::string(argument);
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes are only special before a quote: there they are doubled, and one more escapes
    // the quote itself.
    out.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    out += c;
    backslashes = 0;
  }
  out.append(2 * backslashes, '\\');  // before the closing quote
  return out + '"';
}

std::string JoinCommandLine(std::span<const std::string> arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';  // an empty argument is "", so never empty here
    line += QuoteArgument(argument);
  }
  return line;
}

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (IsBlank(c) && !quoted) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
      continue;
    }
    inWord = true;
    if (c == '\\') {
      const std::size_t run = line.find_first_not_of('\\', i);
      const std::size_t count = (run == std::string_view::npos ? line.size() : run) - i;
      const bool beforeQuote = run != std::string_view::npos && line[run] == '"';
      word.append(beforeQuote ? count / 2 : count, '\\');
      if (beforeQuote && count % 2 == 1) word += '"';
      i += count - 1 + (beforeQuote && count % 2 == 1 ? 1 : 0);
    } else if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
      word += '"';  // "" inside quotes: a literal quote
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else {
      word += c;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

}  // namespace qav::readers
