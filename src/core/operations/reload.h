#pragma once
// Rebuilding the tables after the configuration files were reset or restored.

#include <functional>

#include "core/environment/screen_metrics.h"
#include "core/shortcuts/item_pictures.h"
#include "core/state/app_state.h"
#include "platform/platform.h"

namespace qav {

struct ReloadOptions {
  bool resetSettings = false;  // keep the defaults instead of reading the settings file
  bool resetMenu = false;      // build the default items instead of reading the menu file
  bool checkPictures = false;  // give every record whose picture file is gone a new one
};

// Rebuilds the picture of one record from what it points at.
using RefreshPicture = std::function<void(int record)>;

// The table part of a reload: fresh tables when the menu is reset or pictures are checked, the
// state re-initialised, then (when asked) every user record's picture paths trimmed and each
// record with neither its own nor its classified picture on disk handed to `refresh`.
void ReloadTables(AppState& state, const ReloadOptions& options, platform::Platform& platform,
                  const ScreenInfo& screen, ItemPictures& pictures, const RefreshPicture& refresh);

}  // namespace qav
