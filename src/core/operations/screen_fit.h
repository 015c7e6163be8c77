#pragma once
// The working values that follow the screen the dock is on. The dock moves to the screen that
// holds the pointer when it is summoned, and screens come, go and change size while it runs; the
// user's stored choices stay as they are, only the working values are fitted.

#include "core/environment/screen_metrics.h"
#include "core/state/app_state.h"

namespace qav {

// Rows a group menu shows at once on a screen of this height: one less than the 38-pixel rows
// that fit below the 76 pixels of the menu's ends, at most 18.
int MenuRowsFor(int screenHeight);

// The screen metrics, the largest radius, the working radius (the user's where it fits this
// screen, else this screen's default, the user's kept aside for saving), the menu rows, the ring
// layout and the minimized place.
void FitToScreen(AppState& state, const ScreenInfo& screen);

}  // namespace qav
