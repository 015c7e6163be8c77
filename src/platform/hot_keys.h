#pragma once
// System-wide key combinations that reach the program whichever window has the keyboard.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qav::platform {

// The three actions, in the order their combinations are taken.
enum class HotKey { kFocus = 0, kSwitch = 1, kMinimize = 2 };

inline constexpr HotKey kAllHotKeys[] = {HotKey::kFocus, HotKey::kSwitch, HotKey::kMinimize};

enum KeyModifier : unsigned { kCtrl = 1, kShift = 2, kAlt = 4, kSuper = 8 };

// Keys a combination may end in besides the letters A..Z, the digits 0..9 and F1..F24.
inline constexpr std::array<std::string_view, 17> kNamedKeys = {
    "Space",  "Tab",      "Return", "Escape", "Backspace", "Insert", "Delete", "Home", "End",
    "PageUp", "PageDown", "Left",   "Up",     "Right",     "Down",   "Pause",  "Print"};

// "F1".."F24".
inline bool IsFunctionKey(std::string_view key) {
  if (key.size() < 2 || key.size() > 3 || key[0] != 'F' || key[1] == '0') return false;
  int number = 0;
  for (const char c : key.substr(1)) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
  }
  return number <= 24;
}

inline bool IsKeyName(std::string_view key) {
  if (key.size() == 1) return (key[0] >= 'A' && key[0] <= 'Z') || (key[0] >= '0' && key[0] <= '9');
  if (IsFunctionKey(key)) return true;
  for (const std::string_view named : kNamedKeys) {
    if (named == key) return true;
  }
  return false;
}

// Modifiers (KeyModifier bits) held with one key, named as IsKeyName accepts.
struct KeyCombination {
  unsigned modifiers = 0;
  std::string key;
  friend bool operator==(const KeyCombination&, const KeyCombination&) = default;
};

// The combination of each action (indexed by HotKey); none: the action has no hot key.
using HotKeyBindings = std::array<std::optional<KeyCombination>, 3>;

inline HotKeyBindings DefaultHotKeys() {
  return {KeyCombination{kAlt, "Space"}, KeyCombination{kShift, "Tab"},
          KeyCombination{kCtrl, "Tab"}};
}

// "Ctrl+Alt+Space": how the user knows a combination (modifiers in this order).
inline std::string CombinationText(const KeyCombination& combination) {
  std::string text;
  for (const auto& [bit, name] : {std::pair<unsigned, const char*>{kCtrl, "Ctrl"},
                                  {kShift, "Shift"},
                                  {kAlt, "Alt"},
                                  {kSuper, "Super"}}) {
    if (combination.modifiers & bit) text += std::string(name) + "+";
  }
  return text + combination.key;
}

class HotKeys {
 public:
  virtual ~HotKeys() = default;
  // Takes the combination of every action that has one, in the order of `kAllHotKeys`; each
  // later press of one runs `pressed` on the user-interface thread. Returns the actions whose
  // combination could not be taken (another program holds it, the keyboard has no such key, or
  // there is no window system to ask). Whatever was taken before is given back first.
  virtual std::vector<HotKey> Install(const HotKeyBindings& bindings,
                                      std::function<void(HotKey)> pressed) = 0;
  // The default combinations.
  std::vector<HotKey> Install(std::function<void(HotKey)> pressed) {
    return Install(DefaultHotKeys(), std::move(pressed));
  }
  // Where the desktop, not the program, binds system-wide keys (a Wayland session), `tell` runs
  // once with what the user does instead, and no combination is reported as refused. Set before
  // Install().
  virtual void WhenDesktopBinds(std::function<void(const std::string&)> tell) { (void)tell; }
  // Gives every taken combination back to the system, so other programs receive it again.
  virtual void Remove() = 0;
  // While paused, the taken combinations are given back, so that the window with the keyboard
  // gets them as keys; then taken again. Pausing twice is the same as once.
  virtual void Pause(bool paused) = 0;
};

}  // namespace qav::platform
