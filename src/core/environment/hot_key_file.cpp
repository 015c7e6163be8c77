#include "core/environment/hot_key_file.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "base/text.h"
#include "base/utf8_path.h"
#include "platform/files/bounded_read.h"

namespace qav {
namespace {

using platform::HotKey;
using platform::KeyCombination;

constexpr std::size_t kMaxFileBytes = 64 * 1024;

struct Alias {
  std::string_view name;
  std::string_view key;
};

// Other spellings of the key names, as other programs write them.
constexpr std::array<Alias, 9> kAliases = {{{"enter", "Return"},
                                            {"esc", "Escape"},
                                            {"ins", "Insert"},
                                            {"del", "Delete"},
                                            {"pgup", "PageUp"},
                                            {"pgdown", "PageDown"},
                                            {"pgdn", "PageDown"},
                                            {"prior", "PageUp"},
                                            {"next", "PageDown"}}};

struct Action {
  std::string_view name;
  std::string_view purpose;
};

// By HotKey.
constexpr std::array<Action, 3> kActions = {{
    {"keyboard", QAV_TEXT("Core", "Show the launcher in keyboard mode")},
    {"switch", QAV_TEXT("Core", "Switch between the launcher and the desktop")},
    {"minimize", QAV_TEXT("Core", "Minimize the launcher to its corner picture")},
}};

unsigned ModifierOf(std::string_view word) {
  const std::string lower = LowerAscii(word);
  if (lower == "ctrl" || lower == "control") return platform::kCtrl;
  if (lower == "shift") return platform::kShift;
  if (lower == "alt") return platform::kAlt;
  if (lower == "super" || lower == "meta" || lower == "win") return platform::kSuper;
  return 0;
}

// The key's own name ("Space", "F5", "K") for any letter case or alias; empty when none.
std::string KeyOf(std::string_view word) {
  const std::string lower = LowerAscii(word);
  if (lower.size() == 1) {
    const std::string upper(
        1, lower[0] >= 'a' && lower[0] <= 'z' ? static_cast<char>(lower[0] - 'a' + 'A') : lower[0]);
    return platform::IsKeyName(upper) ? upper : std::string();
  }
  if (lower[0] == 'f' && platform::IsFunctionKey("F" + lower.substr(1)))
    return "F" + lower.substr(1);
  for (const std::string_view named : platform::kNamedKeys) {
    if (EqualsIgnoreCase(named, lower)) return std::string(named);
  }
  for (const Alias& alias : kAliases) {
    if (alias.name == lower) return std::string(alias.key);
  }
  return {};
}

bool Types(const std::string& key) {
  return key.size() == 1 || key == "Space";
}

bool StandsAlone(const std::string& key) {
  return platform::IsFunctionKey(key) || key == "Pause" || key == "Print";
}

std::optional<HotKey> ActionNamed(std::string_view name) {
  for (HotKey key : platform::kAllHotKeys) {
    if (EqualsIgnoreCase(HotKeyName(key), name)) return key;
  }
  return std::nullopt;
}

}  // namespace

std::string_view HotKeyName(HotKey key) {
  return kActions[static_cast<std::size_t>(key)].name;
}

std::string_view HotKeyPurpose(HotKey key) {
  return kActions[static_cast<std::size_t>(key)].purpose;
}

std::string CombinationProblem(std::string_view text) {
  return English(CombinationProblemText(text));
}

FilledText CombinationProblemText(std::string_view text) {
  const std::string_view trimmed = Trim(text);
  if (trimmed.empty()) return {QAV_TEXT("Core", "no key is named")};
  KeyCombination combination;
  std::size_t start = 0;
  while (true) {
    const std::size_t plus = trimmed.find('+', start);
    const std::string_view word =
        Trim(trimmed.substr(start, plus == std::string_view::npos ? plus : plus - start));
    if (plus == std::string_view::npos) {
      combination.key = KeyOf(word);
      if (combination.key.empty()) {
        return {QAV_TEXT("Core", "\"%1\" is no key it knows"), {std::string(word)}};
      }
      break;
    }
    const unsigned modifier = ModifierOf(word);
    if (modifier == 0) {
      return {QAV_TEXT("Core", "\"%1\" is not Ctrl, Shift, Alt or Super"), {std::string(word)}};
    }
    combination.modifiers |= modifier;
    start = plus + 1;
  }
  const unsigned commanding = platform::kCtrl | platform::kAlt | platform::kSuper;
  if (Types(combination.key) && (combination.modifiers & commanding) == 0) {
    return {QAV_TEXT("Core",
                     "it would take the typing of %1 from every program; add Ctrl, Alt or Super"),
            {combination.key}};
  }
  if (combination.modifiers == 0 && !StandsAlone(combination.key)) {
    return {QAV_TEXT("Core", "it would take %1 from every program; add a modifier"),
            {combination.key}};
  }
  return {};
}

std::optional<KeyCombination> ParseCombination(std::string_view text) {
  if (!CombinationProblem(text).empty()) return std::nullopt;
  KeyCombination combination;
  const std::string_view trimmed = Trim(text);
  std::size_t start = 0;
  for (std::size_t plus = trimmed.find('+'); plus != std::string_view::npos;
       plus = trimmed.find('+', start)) {
    combination.modifiers |= ModifierOf(Trim(trimmed.substr(start, plus - start)));
    start = plus + 1;
  }
  combination.key = KeyOf(Trim(trimmed.substr(start)));
  return combination;
}

HotKeyChoice ParseHotKeyFile(std::string_view text) {
  HotKeyChoice choice;
  int number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = Trim(text.substr(start, end - start), " \t\r");
    start = end + 1;
    ++number;
    if (line.empty() || line.front() == '#' || line.front() == ';') continue;
    const std::string where = "line " + std::to_string(number) + " (" + std::string(line) + "): ";
    const std::size_t equals = line.find('=');
    const auto action =
        equals == std::string_view::npos ? std::nullopt : ActionNamed(Trim(line.substr(0, equals)));
    if (!action) {
      choice.problems.push_back(where + "not one of keyboard, switch and minimize");
      continue;
    }
    const std::string_view value = Trim(line.substr(equals + 1));
    auto& binding = choice.bindings[static_cast<std::size_t>(*action)];
    if (EqualsIgnoreCase(value, "none")) {
      binding.reset();
      continue;
    }
    if (const std::string problem = CombinationProblem(value); !problem.empty()) {
      choice.problems.push_back(where + problem);
      continue;
    }
    binding = ParseCombination(value);
  }
  // One combination can do one thing.
  for (std::size_t later = 1; later < choice.bindings.size(); ++later) {
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      if (!choice.bindings[later] || choice.bindings[later] != choice.bindings[earlier]) continue;
      choice.problems.push_back(
          std::string(HotKeyName(static_cast<HotKey>(later))) + " has the combination of " +
          std::string(HotKeyName(static_cast<HotKey>(earlier))) + " (" +
          platform::CombinationText(*choice.bindings[later]) + ") and gets none");
      choice.bindings[later].reset();
    }
  }
  return choice;
}

HotKeyChoice ReadHotKeyFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(platform::PathFromUtf8(path), error)) return {};
  const auto text = platform::ReadWholeTextFile(path, kMaxFileBytes);
  if (!text) {
    HotKeyChoice choice;
    choice.problems.push_back("it is not a text file of at most 64 KiB that can be read");
    return choice;
  }
  return ParseHotKeyFile(*text);
}

std::string HotKeyFileText(const platform::HotKeyBindings& bindings) {
  std::string text =
      "# QAV Launcher's hot keys, read at every start; the Keys page of the settings writes them.\n"
      "# keyboard: keyboard mode; switch: the launcher or the desktop; minimize: the launcher\n"
      "# to its corner. Each is Ctrl, Shift, Alt and Super with one key, joined by \"+\"\n"
      "# (Ctrl+Alt+K, Super+F5), or none.\n";
  for (HotKey key : platform::kAllHotKeys) {
    const auto& binding = bindings[static_cast<std::size_t>(key)];
    text += std::string(HotKeyName(key)) + " = " +
            (binding ? platform::CombinationText(*binding) : std::string("none")) + "\n";
  }
  return text;
}

Result WriteHotKeyFile(platform::FileOps& files, const std::string& path,
                       const platform::HotKeyBindings& bindings) {
  const std::filesystem::path file = platform::PathFromUtf8(path);
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  const std::string text = HotKeyFileText(bindings);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  return Result::From(
      platform::WriteAtomically(files, path, {bytes, text.size()}),
      FilledText{QAV_TEXT("Core", "The hot keys could not be saved in %1: %2."),
                 {path, error ? error.message()
                              : std::string(QAV_TEXT("Core", "writing the file failed"))}});
}

}  // namespace qav
