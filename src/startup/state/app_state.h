#pragma once
// The program's one set of state: paths, screen, tables, settings and layout. Made once at
// start-up, owned by the launcher and handed to every part by reference. Tests make their own.

#include <array>
#include <string>

#include "dock/geometry/ring_layout.h"
#include "startup/environment/paths.h"
#include "startup/environment/screen_metrics.h"
#include "store/records.h"
#include "store/settings.h"

namespace qav {

inline constexpr int kImageSlotLimit = 7;  // slots 0..6 of the picture tables

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
  int HoverSlot = -1;
  int MenuHotRow = -1;
  bool AnimateShowHide = false;
  bool DesktopIconsHidden = false;  // this program keeps the desktop's icons hidden
};

}  // namespace qav
