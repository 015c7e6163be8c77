#include "platform/linux/autostart_entry.h"

#include "platform/linux/desktop_entry.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/bounded_read.h"
#include "platform/linux/file_registry.h"
#include "platform/linux/posix_file_ops.h"

namespace qav::platform {
namespace {

// Characters that make an Exec argument need quotes, and those that need a backslash inside them.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

bool Contains(std::string_view set, char c) {
  return set.find(c) != std::string_view::npos;
}

std::string QuoteExecArgument(std::string_view argument) {
  const bool quoted = argument.find_first_of(kReserved) != std::string_view::npos;
  std::string out = quoted ? "\"" : "";
  for (const char c : argument) {
    if (quoted && Contains(kEscapedInQuotes, c)) out += '\\';
    out += c;
    if (c == '%') out += '%';  // else it would start a field code
  }
  return quoted ? out + '"' : out;
}

// The escapes of every string value in a desktop file: a backslash and the letter at the same
// place. "\\s" (a space) is only needed for a leading space, which a quoted argument never has.
constexpr std::string_view kValueEscaped = "\\\n\t\r";
constexpr std::string_view kValueEscapeLetters = "\\ntr";

std::string EscapeValue(std::string_view value) {
  std::string out;
  for (const char c : value) {
    const auto escape = kValueEscaped.find(c);
    if (escape != std::string_view::npos) out += '\\';
    out += escape != std::string_view::npos ? kValueEscapeLetters[escape] : c;
  }
  return out;
}

std::string UnescapeValue(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    const char letter = value[++i];
    const auto escape = kValueEscapeLetters.find(letter);
    if (letter == 's') {
      out += ' ';
    } else if (escape != std::string_view::npos) {
      out += kValueEscaped[escape];
    } else {
      out += {'\\', letter};  // not a value escape: left for the Exec rules
    }
  }
  return out;
}

// A desktop file carries UTF-8 text; of the control characters only those with an escape.
bool IsWritableProgram(std::string_view program) {
  return !program.empty() && IsWellFormedUtf8(program) &&
         std::none_of(program.begin(), program.end(), [](char c) {
           const auto byte = static_cast<unsigned char>(c);
           return (byte < 0x20 && !Contains("\t\n\r", c)) || byte == 0x7F;
         });
}

// The argument with "%%" made '%' and field codes ("%U", "%f"...) left out; nothing when it was
// only field codes, which stand for arguments the session adds.
std::optional<std::string> ExpandFieldCodes(std::string_view argument) {
  std::string out;
  bool hadCode = false;
  for (std::size_t i = 0; i < argument.size(); ++i) {
    if (argument[i] != '%' || i + 1 == argument.size()) {
      out += argument[i];
    } else if (argument[++i] == '%') {
      out += '%';
    } else {
      hadCode = true;
    }
  }
  if (hadCode && out.empty()) return std::nullopt;
  return out;
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

struct EntryKeys {
  std::optional<std::string> exec;
  bool switchedOff = false;
};

void ReadKey(std::string_view key, std::string_view value, EntryKeys& keys) {
  const bool yes = value == "true" || value == "1";
  const bool no = value == "false" || value == "0";
  if (key == "Exec" && !keys.exec) keys.exec = std::string(value);
  if ((key == "Hidden" && yes) || (key == "X-GNOME-Autostart-enabled" && no)) {
    keys.switchedOff = true;
  }
}

// The keys of the [Desktop Entry] group that tell what the session will start.
EntryKeys ReadEntryKeys(std::string_view text) {
  EntryKeys keys;
  bool inEntryGroup = false;
  while (!text.empty()) {
    const auto end = std::min(text.find('\n'), text.size());
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      inEntryGroup = line == "[Desktop Entry]";
      continue;
    }
    const auto equals = line.find('=');
    if (!inEntryGroup || equals == std::string_view::npos) continue;
    ReadKey(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)), keys);
  }
  return keys;
}

}  // namespace

bool WriteAutostartEntry(const std::string& entryPath, const std::string& programPath) {
  if (!IsWritableProgram(programPath)) return false;
  const std::string text =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=QAV Launcher\n"
      "Comment=Ring-shaped application launcher\n"
      "Exec=" +
      EscapeValue(QuoteExecArgument(programPath)) +
      "\n"
      "Icon=qav-launcher\n"
      "Terminal=false\n"
      "X-GNOME-Autostart-enabled=true\n";
  return ReplaceFileContents(entryPath, text);
}

std::optional<std::string> ReadAutostartProgram(const std::string& entryPath) {
  const auto text = ReadWholeTextFile(entryPath, kMaxSmallTextFileBytes);
  if (!text) return std::nullopt;
  const EntryKeys keys = ReadEntryKeys(*text);
  if (!keys.exec || keys.switchedOff) return std::nullopt;
  for (const auto& argument : SplitExec(UnescapeValue(*keys.exec))) {
    if (auto expanded = ExpandFieldCodes(argument)) return expanded;
  }
  return std::nullopt;
}

bool RemoveAutostartEntry(const std::string& entryPath) {
  return PosixFileOps().RemoveFile(entryPath);
}

}  // namespace qav::platform
