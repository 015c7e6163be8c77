#pragma once
// The user's choice of the three hot keys: a small text file of the program's own, beside (not
// inside) the configuration files whose layout is fixed. Read at every start, written by the
// settings window's "Keys" page. A missing file means the default combinations.
//
//   # comment
//   keyboard = Alt+Space
//   switch = Shift+Tab
//   minimize = none

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "platform/file_ops.h"
#include "platform/hot_keys.h"

namespace qav {

// "keyboard", "switch", "minimize": each action's name in the file (and on the command line).
std::string_view HotKeyName(platform::HotKey key);
// What each action does, for the user: "Show the launcher in keyboard mode", ...
std::string_view HotKeyPurpose(platform::HotKey key);

// "Ctrl+Alt+K": modifiers (Ctrl, Shift, Alt, Super; any letter case, "Control", "Meta" and
// "Win" too) and one key joined by "+". Nothing for anything else, and for a combination that
// would take typing away from every program: a key that types (letter, digit, Space) needs Ctrl,
// Alt or Super, and any other key but F1..F24, Pause and Print some modifier.
std::optional<platform::KeyCombination> ParseCombination(std::string_view text);
// Why `text` is no usable combination; empty when it is one.
std::string CombinationProblem(std::string_view text);
// The same as the windows translate it; an empty pattern when it is one.
FilledText CombinationProblemText(std::string_view text);

struct HotKeyChoice {
  platform::HotKeyBindings bindings = platform::DefaultHotKeys();
  // Each line that could not be used, said whole; the action keeps its default then.
  std::vector<std::string> problems;
};

// The file at `path`, read as untrusted text (a regular file of at most 64 KiB). Two actions
// given one combination: the later one gets none.
HotKeyChoice ReadHotKeyFile(const std::string& path);
HotKeyChoice ParseHotKeyFile(std::string_view text);
std::string HotKeyFileText(const platform::HotKeyBindings& bindings);
// Writes the file whole or not at all, making its folder when it is missing.
Result WriteHotKeyFile(platform::FileOps& files, const std::string& path,
                       const platform::HotKeyBindings& bindings);

}  // namespace qav
