#pragma once
// System-wide key combinations that reach the program whichever window has the keyboard.

#include <functional>
#include <string>
#include <vector>

namespace qav::platform {

// The three combinations, in the order they are taken.
enum class HotKey { kFocus = 0, kSwitch = 1, kMinimize = 2 };

inline constexpr HotKey kAllHotKeys[] = {HotKey::kFocus, HotKey::kSwitch, HotKey::kMinimize};

// "Alt+Space", "Shift+Tab", "Ctrl+Tab": how the user knows each combination.
inline std::string HotKeyText(HotKey key) {
  switch (key) {
    case HotKey::kFocus:
      return "Alt+Space";
    case HotKey::kSwitch:
      return "Shift+Tab";
    case HotKey::kMinimize:
      return "Ctrl+Tab";
  }
  return {};
}

class HotKeys {
 public:
  virtual ~HotKeys() = default;
  // Takes every combination it can, in the order of `kAllHotKeys`; each later press of one runs
  // `pressed` on the user-interface thread. Returns the combinations that could not be taken
  // (another program holds them, or there is no window system to ask).
  virtual std::vector<HotKey> Install(std::function<void(HotKey)> pressed) = 0;
  // Gives every taken combination back to the system, so other programs receive it again.
  virtual void Remove() = 0;
};

}  // namespace qav::platform
