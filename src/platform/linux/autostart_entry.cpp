#include "platform/linux/autostart_entry.h"

#include <algorithm>
#include <string_view>

#include "base/text.h"
#include "formats/links/desktop_entry.h"
#include "platform/files/format_files.h"
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

// A desktop file carries UTF-8 text; of the control characters only those with an escape.
bool IsWritableProgram(std::string_view program) {
  return !program.empty() && IsValidUtf8(program) &&
         std::none_of(program.begin(), program.end(), [](char c) {
           const auto byte = static_cast<unsigned char>(c);
           return (byte < 0x20 && !Contains("\t\n\r", c)) || byte == 0x7F;
         });
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
      // Once the program is removed, the session skips the entry instead of failing to start it.
      "TryExec=" +
      EscapeValue(programPath) +
      "\n"
      "Icon=" QAV_APP_ID
      "\n"
      "Terminal=false\n"
      "X-GNOME-Autostart-enabled=true\n";
  return ReplaceFileContents(entryPath, text);
}

// The session does not start an entry that is Hidden or switched off.
std::optional<std::string> ReadAutostartProgram(const std::string& entryPath) {
  const auto entry = platform::ReadDesktopEntryFile(entryPath, "");
  if (!entry || entry->hidden || !entry->autostartEnabled || entry->program.empty()) {
    return std::nullopt;
  }
  return entry->program;
}

bool RemoveAutostartEntry(const std::string& entryPath) {
  return PosixFileOps().RemoveFile(entryPath);
}

}  // namespace qav::platform
