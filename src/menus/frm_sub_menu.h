#pragma once
// The group-menu window: full-screen and translucent like the dock, hidden between uses.

#include "graphics/layered_surface.h"
#include "startup/state/app_state.h"

namespace qav {

class FrmSubMenu final : public LayeredSurface {
 public:
  explicit FrmSubMenu(AppState& state);

 private:
  AppState& state_;
};

}  // namespace qav
