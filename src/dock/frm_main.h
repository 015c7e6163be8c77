#pragma once
// The dock window: the ring of item pictures around the centre picture, composed on its own
// layered surface over the whole work area.

#include "dock/geometry/slot_items.h"
#include "graphics/image_tables.h"
#include "graphics/layered_surface.h"
#include "startup/state/app_state.h"

namespace qav {

class FrmMain final : public LayeredSurface {
 public:
  FrmMain(AppState& state, const ImageTables& images);

  // Prepares the dock for being shown (true) or taken away (false).
  void DockFocus(bool show);
  // Draws the resting ring; pushes it unless `noPush`.
  void DockNormal(bool noPush = false);

 private:
  void DrawRing();
  void DrawCentre();

  AppState& state_;
  const ImageTables& images_;
  SlotItems slots_;
};

}  // namespace qav
