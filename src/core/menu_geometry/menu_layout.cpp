#include "core/menu_geometry/menu_layout.h"

#include "base/text.h"

namespace qav {

int MenuHeight(int memberCount, int menuRows) {
  return IsScrolling(memberCount, menuRows) ? kMenuRowHeight * menuRows + 80
                                            : kMenuRowHeight * memberCount + 20;
}

int GetMenuLoc(bool horizontal, int memberCount, int position, const MenuPlace& place) {
  if (position < 0 || position >= kRingSlotCount) return 0;
  const RingSlot& slot = place.ring.Slots[static_cast<std::size_t>(position)];
  const int s = place.normalSize;
  const int cx = place.screen.RingCentreX;
  const int cy = place.screen.RingCentreY;
  if (horizontal) {
    if (position == 0) return cx + 72;
    const double d = s / 2.0 + slot.PlateLeft - cx;
    if (d <= -2) return std::max(slot.PlateLeft - kMenuWidth, 0);
    if (slot.PlateLeft + s + kMenuWidth <= place.screen.ScreenWidth) return slot.PlateLeft + s;
    return place.screen.ScreenWidth - kMenuWidth;
  }
  const int h = MenuHeight(memberCount, place.menuRows);
  if (position == 0) return static_cast<int>(RoundHalfEven(cy - h / 2.0));
  const int t = static_cast<int>(RoundHalfEven(slot.PlateTop + s / 2.0 - h / 2.0));
  if (t < 0) return 0;
  if (t + h <= place.screen.ScreenHeight) return t;
  return place.screen.ScreenHeight - h;
}

MenuGeometry LayOutMenu(int x, int y, int memberCount, int menuRows) {
  MenuGeometry g;
  g.x = x;
  g.y = y;
  g.memberCount = memberCount;
  g.menuRows = menuRows;
  g.scrolling = IsScrolling(memberCount, menuRows);
  const auto box = [&](int left, int top, int width, int height) {
    return MenuRect{x + left, y + top, x + left + width, y + top + height};
  };
  for (int row = 1; row <= g.VisibleRows() && row < kMaxMenuRects; ++row) {
    g.rects[static_cast<std::size_t>(row)] = box(10, g.RowTop(row), kMenuRowWidth, kMenuRowHeight);
  }
  if (g.scrolling) {
    g.rects[0] = box(10, 10, kMenuRowWidth, kMenuArrowHeight);
    g.rects[static_cast<std::size_t>(menuRows + 1)] =
        box(10, g.LowerArrowTop(), kMenuRowWidth, kMenuArrowHeight);
  }
  return g;
}

int MenuHitTest(const MenuGeometry& g, int x, int y) {
  const int first = g.scrolling ? 0 : 1;
  const int last = g.scrolling ? g.menuRows + 1 : g.memberCount;
  for (int k = first; k <= last && k < kMaxMenuRects; ++k) {
    const MenuRect& r = g.rects[static_cast<std::size_t>(k)];
    if (r.left <= x && x < r.right && r.top <= y && y <= r.bottom) return k;
  }
  return -1;
}

std::string MenuAccelerator(int member) {
  if (member < 1 || member > 36) return {};
  return std::string(1, static_cast<char>(member <= 10 ? 47 + member : 54 + member));
}

}  // namespace qav
