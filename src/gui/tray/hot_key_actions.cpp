#include "gui/tray/hot_key_actions.h"

namespace qav {

void FocusAction(HotKeyTargets& t) {
  const bool animate = t.state.AnimateShowHide;
  t.state.AnimateShowHide = false;
  if (t.menu.MenuShown()) t.menu.MenuEscCancel(false);
  if (t.state.TintMode) {
    t.dock.MinWindows(DockView::kHidden);
  } else {
    t.dock.AltSpace();
  }
  t.state.AnimateShowHide = animate;
}

void MinimizeAction(HotKeyTargets& t) {
  t.dock.MinWindows(DockView::kMinimized);
  t.dock.SendToBottom();
}

void RunHotKey(HotKeyTargets& t, platform::HotKey key) {
  switch (key) {
    case platform::HotKey::kFocus:
      FocusAction(t);
      break;
    case platform::HotKey::kSwitch:
      if (t.switchDesktop) t.switchDesktop();
      break;
    case platform::HotKey::kMinimize:
      MinimizeAction(t);
      break;
  }
}

}  // namespace qav
