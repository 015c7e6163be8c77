#include "platform/linux/desktop_entry.h"

#include <sstream>
#include <string_view>
#include <utility>

#include "platform/bounded_read.h"

namespace qav::platform {
namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string UnescapeValue(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char next = i + 1 < value.size() ? value[i + 1] : '\0';
    if (value[i] != '\\' || std::string_view("sntr\\").find(next) == std::string_view::npos) {
      out += value[i];
      continue;
    }
    ++i;
    out += next == 's' ? ' ' : next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : '\\';
  }
  return out;
}

// Appends the quoted text after an opening quote; returns the position of the closing quote.
// The characters a backslash escapes inside double quotes of an Exec line.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

// Appends a double-quoted part starting after its opening quote; returns the position of the
// closing quote (the end when it is missing).
std::size_t TakeDoubleQuoted(std::string_view line, std::size_t pos, std::string& out) {
  for (; pos < line.size() && line[pos] != '"'; ++pos) {
    if (line[pos] == '\\' && pos + 1 < line.size() &&
        kEscapedInQuotes.find(line[pos + 1]) != std::string_view::npos) {
      ++pos;
    }
    out += line[pos];
  }
  return pos;
}

// Single quotes are not in the Exec rules, but sessions hand Exec to a shell-style parser that
// takes them, so entries written by hand use them.
std::size_t TakeSingleQuoted(std::string_view line, std::size_t pos, std::string& out) {
  const std::size_t end = std::min(line.find('\'', pos), line.size());
  out.append(line.substr(pos, end - pos));
  return end;
}

std::vector<std::string> SplitExecLine(std::string_view line) {
  std::vector<std::string> args;
  std::string current;
  bool inArgument = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\n') {
      if (inArgument) args.push_back(std::exchange(current, {}));
      inArgument = false;
      continue;
    }
    inArgument = true;
    if (c == '"') {
      i = TakeDoubleQuoted(line, i + 1, current);
    } else if (c == '\'') {
      i = TakeSingleQuoted(line, i + 1, current);
    } else if (c == '\\' && i + 1 < line.size()) {
      current += line[++i];
    } else {
      current += c;
    }
  }
  if (inArgument) args.push_back(current);
  return args;
}

// One argument with its embedded field codes filled in.
std::string ExpandEmbedded(const std::string& argument,
                           const std::map<std::string, std::string>& entry,
                           const std::string& entryPath) {
  std::string out;
  for (std::size_t i = 0; i < argument.size(); ++i) {
    if (argument[i] != '%' || i + 1 == argument.size()) {
      out += argument[i];
      continue;
    }
    const char code = argument[++i];
    if (code == '%') out += '%';
    if (code == 'k') out += entryPath;
    if (code == 'c' && entry.count("Name")) out += entry.at("Name");
  }
  return out;
}

}  // namespace

std::map<std::string, std::string> ReadDesktopEntry(const std::string& path) {
  std::map<std::string, std::string> keys;
  std::istringstream in(ReadWholeTextFile(path, kMaxSmallTextFileBytes).value_or(""));
  std::string raw;
  bool inEntry = false;
  while (std::getline(in, raw)) {
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      inEntry = line == "[Desktop Entry]";
      continue;
    }
    const auto equals = line.find('=');
    if (!inEntry || equals == std::string_view::npos) continue;
    const std::string key(Trim(line.substr(0, equals)));
    if (key.find('[') == std::string::npos && !keys.count(key)) {
      keys[key] = UnescapeValue(Trim(line.substr(equals + 1)));
    }
  }
  return keys;
}

std::vector<std::string> SplitExec(const std::string& exec) {
  return SplitExecLine(exec);
}

std::vector<std::string> ExpandExec(const std::map<std::string, std::string>& entry,
                                    const std::string& entryPath,
                                    const std::vector<std::string>& files) {
  const auto exec = entry.find("Exec");
  if (exec == entry.end()) return {};
  std::vector<std::string> args;
  for (const std::string& argument : SplitExec(exec->second)) {
    if (argument == "%F" || argument == "%U") {
      args.insert(args.end(), files.begin(), files.end());
    } else if (argument == "%f" || argument == "%u") {
      if (!files.empty()) args.push_back(files.front());
    } else if (argument == "%i") {
      if (entry.count("Icon")) args.insert(args.end(), {"--icon", entry.at("Icon")});
    } else if (argument.size() != 2 || argument[0] != '%' || argument == "%%" || argument == "%c" ||
               argument == "%k") {
      args.push_back(ExpandEmbedded(argument, entry, entryPath));
    }
  }
  return args;
}

}  // namespace qav::platform
