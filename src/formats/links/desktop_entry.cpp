#include "formats/links/desktop_entry.h"

#include <algorithm>
#include <span>
#include <vector>

#include "formats/links/command_line.h"
#include "formats/links/ini_text.h"

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
  entry.exec = SplitExec(exec);
  std::vector<std::string> words;
  for (const std::string& word : entry.exec)
    if (auto kept = WithoutFieldCodes(word)) words.push_back(std::move(*kept));
  if (words.empty()) return;
  entry.program = words.front();
  entry.arguments = JoinCommandLine(std::span(words).subspan(1));
}

// A list value: items ended by ';' (the last one may lack it).
std::vector<std::string> ListOf(std::string_view value) {
  std::vector<std::string> items;
  while (!value.empty()) {
    const auto end = std::min(value.find(';'), value.size());
    if (end > 0) items.emplace_back(value.substr(0, end));
    value.remove_prefix(std::min(end + 1, value.size()));
  }
  return items;
}

// One word of Exec with its embedded field codes filled in.
std::string ExpandEmbedded(const std::string& word, const DesktopEntry& entry,
                           const std::string& entryPath) {
  std::string out;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] != '%' || i + 1 == word.size()) {
      out += word[i];
      continue;
    }
    const char code = word[++i];
    if (code == '%') out += '%';
    if (code == 'k') out += entryPath;
    if (code == 'c') out += entry.name;
  }
  return out;
}

bool Meets(std::string_view desktops, const std::vector<std::string>& list) {
  for (std::size_t start = 0; start <= desktops.size();) {
    const auto end = std::min(desktops.find(':', start), desktops.size());
    const std::string_view desktop = desktops.substr(start, end - start);
    if (!desktop.empty() && std::find(list.begin(), list.end(), desktop) != list.end()) {
      return true;
    }
    start = end + 1;
  }
  return false;
}

// The value of `key` in the best translation for `locale`, else the untranslated one.
std::string Localized(const Group& group, const std::string& key, std::string_view locale) {
  for (const std::string& suffix : LocaleSuffixes(locale)) {
    if (auto value = group.Get(key + "[" + suffix + "]")) return std::move(*value);
  }
  return group.Text(key);
}

}  // namespace

std::optional<DesktopEntry> ParseDesktopEntry(std::string_view text, std::string_view locale) {
  std::vector<IniEntry> entries = ReadIniEntries(text);
  if (std::none_of(entries.begin(), entries.end(),
                   [](const IniEntry& e) { return e.group == kGroup; })) {
    return std::nullopt;
  }
  const Group group(std::move(entries));
  DesktopEntry entry;
  entry.type = group.Text("Type");
  entry.name = Localized(group, "Name", locale);
  entry.genericName = Localized(group, "GenericName", locale);
  entry.keywords = ListOf(Localized(group, "Keywords", locale));
  ReadExec(group.Text("Exec"), entry);
  entry.url = group.Text("URL");
  entry.workingDir = group.Text("Path");
  entry.icon = group.Text("Icon");
  entry.tryExec = group.Text("TryExec");
  entry.onlyShowIn = ListOf(group.Text("OnlyShowIn"));
  entry.notShowIn = ListOf(group.Text("NotShowIn"));
  entry.hidden = group.Flag("Hidden");
  entry.noDisplay = group.Flag("NoDisplay");
  entry.terminal = group.Flag("Terminal");
  const std::string autostart = group.Text("X-GNOME-Autostart-enabled");
  entry.autostartEnabled = autostart != "false" && autostart != "0";
  return entry;
}

std::vector<std::string> ExpandExec(const DesktopEntry& entry, const std::string& entryPath,
                                    const std::vector<std::string>& files) {
  std::vector<std::string> words;
  for (const std::string& word : entry.exec) {
    if (word == "%F" || word == "%U") {
      words.insert(words.end(), files.begin(), files.end());
    } else if (word == "%f" || word == "%u") {
      if (!files.empty()) words.push_back(files.front());
    } else if (word == "%i") {
      if (!entry.icon.empty()) words.insert(words.end(), {"--icon", entry.icon});
    } else if (word.size() != 2 || word[0] != '%' || word == "%%" || word == "%c" || word == "%k") {
      words.push_back(ExpandEmbedded(word, entry, entryPath));
    }
  }
  return words;
}

bool ShownInMenus(const DesktopEntry& entry, std::string_view desktops,
                  const std::function<bool(const std::string&)>& installed) {
  if (entry.type != "Application" || entry.hidden || entry.noDisplay) return false;
  if (!entry.onlyShowIn.empty() && !Meets(desktops, entry.onlyShowIn)) return false;
  if (Meets(desktops, entry.notShowIn)) return false;
  return entry.tryExec.empty() || installed(entry.tryExec);
}

}  // namespace qav::readers
