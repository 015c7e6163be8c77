#pragma once
// What the settings window asks of the dock and the rest of the program while the user changes
// settings: every change shows at once, so the window doubles as a live preview.

#include <vector>

#include "core/operations/reload.h"
#include "platform/hot_keys.h"

namespace qav {

class SettingsPreview {
 public:
  virtual ~SettingsPreview() = default;
  // The ring's geometry was recomputed. 0: redraw the dock at rest; 1: the size preview while a
  // size slider moves; 2: rebuild the pictures of the magnified size.
  virtual void RingChanged(int mode) = 0;
  // Rebuilds the pre-scaled pictures of one image slot after its size changed.
  virtual void RebuildSizedImages(int slot) = 0;
  // Redraws the dock at rest (the tint, its opacity or keyboard mode changed).
  virtual void DockNormal() = 0;
  virtual void SetMenuClearType(bool clearType) = 0;
  // Re-reads the configuration after a restore or reset.
  virtual void ReloadAll(const ReloadOptions& options) = 0;
  virtual void ShowAbout() = 0;
  // The hot keys' combinations now, and taking others at once; the refused actions come back.
  virtual platform::HotKeyBindings HotKeys() = 0;
  virtual std::vector<platform::HotKey> ApplyHotKeys(const platform::HotKeyBindings& bindings) = 0;
};

}  // namespace qav
