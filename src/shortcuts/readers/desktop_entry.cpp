#include "shortcuts/readers/desktop_entry.h"

#include <algorithm>
#include <span>
#include <vector>

#include "shortcuts/readers/command_line.h"
#include "shortcuts/readers/ini_text.h"

namespace qav::readers {
namespace {

constexpr std::string_view kGroup = "Desktop Entry";
// Field codes, including the deprecated ones, which are dropped the same way.
constexpr std::string_view kFieldCodes = "fFuUickdDnNvm";

// The value escapes \s \n \t \r \\. Any other backslash is kept for the Exec quoting rules.
std::string Unescaped(std::string_view value) {
  constexpr std::string_view kLetters = "sntr\\", kCharacters = " \n\t\r\\";
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const auto escape = i + 1 < value.size() && value[i] == '\\' ? kLetters.find(value[i + 1])
                                                                 : std::string_view::npos;
    out += escape == std::string_view::npos ? value[i] : kCharacters[escape];
    if (escape != std::string_view::npos) ++i;
  }
  return out;
}

class Group {
 public:
  explicit Group(std::vector<IniEntry> entries) : entries_(std::move(entries)) {}

  // The first value of `key`; duplicates are invalid and ignored.
  std::optional<std::string> Get(std::string_view key) const {
    for (const IniEntry& entry : entries_)
      if (entry.group == kGroup && entry.key == key) return Unescaped(entry.value);
    return std::nullopt;
  }
  std::string Text(std::string_view key) const { return Get(key).value_or(""); }
  bool Flag(std::string_view key) const {
    const std::string value = Text(key);
    return value == "true" || value == "1";  // 1 is the form older files use
  }

 private:
  std::vector<IniEntry> entries_;
};

// The bracketed suffixes to try for `locale`, best first.
std::vector<std::string> LocaleSuffixes(std::string_view locale) {
  const auto at = locale.find('@');
  const std::string modifier =
      at == std::string_view::npos ? "" : "@" + std::string(locale.substr(at + 1));
  locale = locale.substr(0, std::min(locale.find('.'), at));
  const auto underscore = locale.find('_');
  const std::string language(locale.substr(0, underscore));
  std::vector<std::string> suffixes;
  if (underscore != std::string_view::npos && !modifier.empty())
    suffixes.push_back(std::string(locale) + modifier);
  if (underscore != std::string_view::npos) suffixes.emplace_back(locale);
  if (!modifier.empty()) suffixes.push_back(language + modifier);
  if (!language.empty()) suffixes.push_back(language);
  return suffixes;
}

// Splits Exec into words. Double quotes group, and inside them a backslash escapes " ` $ and \;
// outside quotes a backslash escapes any character, and single quotes group everything literally.
std::vector<std::string> SplitExec(std::string_view exec) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  char quote = 0;
  for (std::size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if ((c == ' ' || c == '\t' || c == '\n') && quote == 0) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
      continue;
    }
    inWord = true;
    const bool escapes =
        c == '\\' && i + 1 < exec.size() &&
        (quote == 0 ||
         (quote == '"' && std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos));
    if (escapes) {
      word += exec[++i];
    } else if ((c == '"' || c == '\'') && (quote == 0 || quote == c)) {
      quote = quote == 0 ? c : 0;
    } else {
      word += c;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

// `word` with its field codes dropped and %% turned into %; nothing when the word was field
// codes only, which stand for arguments the launcher does not supply.
std::optional<std::string> WithoutFieldCodes(std::string_view word) {
  std::string out;
  bool dropped = false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const char next = i + 1 < word.size() ? word[i + 1] : 0;
    const bool code =
        word[i] == '%' && next != 0 && kFieldCodes.find(next) != std::string_view::npos;
    if (code || (word[i] == '%' && next == '%')) ++i;
    if (!code) out += word[i];
    dropped = dropped || code;
  }
  if (dropped && out.empty()) return std::nullopt;
  return out;
}

void ReadExec(const std::string& exec, DesktopEntry& entry) {
  std::vector<std::string> words;
  for (const std::string& word : SplitExec(exec))
    if (auto kept = WithoutFieldCodes(word)) words.push_back(std::move(*kept));
  if (words.empty()) return;
  entry.program = words.front();
  entry.arguments = JoinCommandLine(std::span(words).subspan(1));
}

}  // namespace

std::optional<DesktopEntry> ParseDesktopEntry(std::string_view text, std::string_view locale) {
  const Group group(ReadIniEntries(text));
  DesktopEntry entry;
  const auto type = group.Get("Type");
  if (!type || type->empty()) return std::nullopt;
  entry.type = *type;
  for (const std::string& suffix : LocaleSuffixes(locale)) {
    if (auto name = group.Get("Name[" + suffix + "]")) {
      entry.name = std::move(*name);
      break;
    }
  }
  if (entry.name.empty()) entry.name = group.Text("Name");
  ReadExec(group.Text("Exec"), entry);
  entry.url = group.Text("URL");
  entry.workingDir = group.Text("Path");
  entry.icon = group.Text("Icon");
  entry.hidden = group.Flag("Hidden") || group.Flag("NoDisplay");
  entry.terminal = group.Flag("Terminal");
  return entry;
}

}  // namespace qav::readers
