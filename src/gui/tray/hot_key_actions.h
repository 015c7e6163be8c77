#pragma once
// What each global hot key does to the dock and the group menu.

#include <functional>

#include "core/state/app_state.h"
#include "gui/services/window_services.h"
#include "platform/hot_keys.h"

namespace qav {

// The dock as the hot keys drive it.
class HotKeyDock {
 public:
  virtual ~HotKeyDock() = default;
  // Brings the dock to the front in keyboard mode.
  virtual void AltSpace() = 0;
  // 0 shown, 1 minimized to its corner picture, 2 hidden.
  virtual void MinWindows(DockView state) = 0;
  // Puts the dock window under every other window.
  virtual void SendToBottom() = 0;
};

struct HotKeyTargets {
  AppState& state;
  HotKeyDock& dock;
  GroupMenuRequests& menu;
  // Between the dock and the plain desktop.
  std::function<void()> switchDesktop;
};

// Alt+Space: the dock up in keyboard mode, or hidden when keyboard mode already shows it; an open
// group menu closes first. Nothing of it animates, so the key answers at once.
void FocusAction(HotKeyTargets& targets);
// Ctrl+Tab: the dock minimized and put under every other window.
void MinimizeAction(HotKeyTargets& targets);
void RunHotKey(HotKeyTargets& targets, platform::HotKey key);

}  // namespace qav
