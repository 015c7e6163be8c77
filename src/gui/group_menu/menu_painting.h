#pragma once
// The skin's menu, drawn on a layered surface: the body with its caps, the spacers and arrow bars
// of a scrolling menu, and the pictures of its rows. The group menu and the search results are
// both drawn with it, so that they look alike in every skin.

#include "core/menu_geometry/menu_layout.h"
#include "gui/graphics/image_tables.h"
#include "gui/graphics/layered_surface.h"

namespace qav {

struct MenuCanvas {
  LayeredSurface& surface;
  const ImageTables& images;
  const MenuGeometry& geometry;
};

// Skin picture `row` (its `slot`) at (left, top) of the menu, at its own size unless given one.
void DrawMenuSkin(const MenuCanvas& canvas, int row, int slot, int left, int top, int width = 0,
                  int height = 0);
// The body, the caps and, in a scrolling menu, the spacers; over what the surface holds.
void DrawMenuFrame(const MenuCanvas& canvas);
// The arrow bars of a scrolling menu with their "PgUp" and "PgDn", greyed when they cannot act.
void DrawMenuArrows(const MenuCanvas& canvas, int upSkin, int downSkin, bool canScrollUp,
                    bool canScrollDown);

}  // namespace qav
