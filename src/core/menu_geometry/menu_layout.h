#pragma once
// Where a group menu opens and where each of its parts lies: the short menu that shows every
// member, and the scrolling menu with arrow bars above and below MenuRows rows. Pixels of the
// full-screen menu window, y downwards.

#include <array>
#include <string>

#include "core/dock_geometry/ring_layout.h"
#include "core/environment/screen_metrics.h"

namespace qav {

inline constexpr int kMenuWidth = 268;
inline constexpr int kMenuRowHeight = 38;
inline constexpr int kMenuRowWidth = 248;
inline constexpr int kMenuArrowHeight = 25;
inline constexpr int kMaxMenuRects = 20;  // upper arrow, 18 rows, lower arrow

struct MenuRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const MenuRect&) const = default;
};

struct MenuPlace {
  const RingLayout& ring;
  const ScreenMetrics& screen;
  int normalSize = 48;
  int menuRows = 17;
};

inline bool IsScrolling(int memberCount, int menuRows) {
  return memberCount > menuRows;
}

// The menu's height for `memberCount` members.
int MenuHeight(int memberCount, int menuRows);

// The menu's left edge (horizontal) or top edge for a group of `memberCount` members opened from
// dock place `position` (0 the centre): beside the icon, centred on it, kept on the screen.
int GetMenuLoc(bool horizontal, int memberCount, int position, const MenuPlace& place);

// The parts of a menu at (x, y), relative to which everything is drawn.
struct MenuGeometry {
  int x = 0;
  int y = 0;
  int memberCount = 0;
  int menuRows = 17;
  bool scrolling = false;
  // Hit rectangles: 1.. the member rows; in a scrolling menu also 0 (upper arrow) and
  // menuRows + 1 (lower arrow).
  std::array<MenuRect, kMaxMenuRects> rects{};

  int VisibleRows() const { return scrolling ? menuRows : memberCount; }
  int Height() const { return MenuHeight(memberCount, menuRows); }
  // The top of row i (1-based), relative to the menu.
  int RowTop(int row) const { return (scrolling ? 40 : 10) + kMenuRowHeight * (row - 1); }
  int LowerArrowTop() const { return 45 + kMenuRowHeight * menuRows; }
  int BottomCapTop() const {
    return scrolling ? 68 + kMenuRowHeight * menuRows : 8 + kMenuRowHeight * memberCount;
  }
  int BodyHeight() const {
    return scrolling ? kMenuRowHeight * menuRows + 60 : kMenuRowHeight * memberCount;
  }
};

MenuGeometry LayOutMenu(int x, int y, int memberCount, int menuRows);

// The rectangle index under the point (rows first from the top, the upper one on a shared
// line), or -1.
int MenuHitTest(const MenuGeometry& geometry, int x, int y);

// The accelerator of member m (1-based): "0".."9", "A".."Z", nothing from 37 on.
std::string MenuAccelerator(int member);

}  // namespace qav
