#pragma once
// The dock as assistive technology sees it: a list of buttons, one for each ring place in use,
// named by its title; a group says so and how many members it holds. The hovered place, and
// the place whose key is pressed in keyboard mode, is reported as the focused one.

namespace qav {

class DockWindow;

// Lets the accessibility layer describe every dock window; installing twice is harmless.
void InstallDockAccessibility();
// Reports ring place `slot` (1..36) as focused; any other value reports the dock itself.
void ReportSlotFocus(DockWindow& dock, int slot);

}  // namespace qav
