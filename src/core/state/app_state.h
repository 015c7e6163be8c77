#pragma once
// The program's one set of state: paths, screen, tables, settings and layout. Made once at
// start-up, owned by the launcher and handed to every part by reference. Tests make their own.

#include <array>
#include <string>

#include "core/dock_geometry/ring_layout.h"
#include "core/environment/paths.h"
#include "core/environment/screen_metrics.h"
#include "core/store/records.h"
#include "core/store/settings.h"

namespace qav {

inline constexpr int kImageSlotLimit = 7;  // slots 0..6 of the picture tables

// What the dock shows: its ring, only its corner picture (minimized), or nothing (hidden).
enum class DockView { kShown, kMinimized, kHidden };

struct ImageSlots {
  int Count = 4;
  // Edge of each pre-scaled slot: 1 normal icon, 2 magnified icon, 3 centre (128), 4 small (32).
  std::array<int, kImageSlotLimit> Sizes{};
};

struct AppState {
  Paths paths;
  std::string OsName;
  int OsMajor = 0;
  ScreenMetrics screen;
  Tables tables = MakeTables();
  Settings settings;
  RingLayout ring;
  ImageSlots imageSlots;
  int MenuRows = 0;
  int MenuHotRow = -1;
  bool DesktopIconsHidden = false;  // this program keeps the desktop's icons hidden
  // Entries the default groups had no room for when they were built; told once, then 0.
  int DefaultEntriesLeftOut = 0;

  // The dock's state, shared with the group menu, the tray and the hot keys.
  int HoverSlot = -1;  // ring slot under the mouse: 0 centre, 1..N ring, -1 none
  DockView DockState = DockView::kShown;
  bool DockHidden = false;  // the dock hid itself
  bool TintMode = false;    // keyboard mode: the screen tinted, key letters shown
  bool Dragging = false;    // an icon is being dragged out of the ring
  bool AnimateShowHide = false;
  // The settings window is open: its changes show on the dock, which stays up meanwhile.
  bool SettingsShown = false;
  int IdleTicks = 0;
  // The item a context menu, a move or the properties dialog works on.
  int CurrentRecord = 0;
  int SelectedSlot = 0;
  int SelectedMember = 0;  // a member's 1-based place in the open group
};

}  // namespace qav
