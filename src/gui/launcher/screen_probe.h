#pragma once
// The screens as the layout code sees them.

#include <optional>

#include "core/environment/screen_metrics.h"

class QScreen;

namespace qav {

// The screen that holds the mouse pointer, else the primary one; nothing without a screen.
QScreen* PointerScreen();

// `screen` with the largest work area of all screens; nothing for no screen.
std::optional<ScreenInfo> ProbeScreen(const QScreen* screen);

// The screen the dock goes to when it is summoned: the one that holds the pointer.
std::optional<ScreenInfo> ProbePointerScreen();

}  // namespace qav
