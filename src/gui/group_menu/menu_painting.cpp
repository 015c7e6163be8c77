#include "gui/group_menu/menu_painting.h"

#include <QCoreApplication>

#include "gui/graphics/imaging.h"

namespace qav {

void DrawMenuSkin(const MenuCanvas& canvas, int row, int slot, int left, int top, int width,
                  int height) {
  DrawImage(canvas.surface.Graphics(), canvas.images.Skin, row, slot, canvas.geometry.x + left,
            canvas.geometry.y + top, width, height);
}

void DrawMenuFrame(const MenuCanvas& canvas) {
  const MenuGeometry& g = canvas.geometry;
  DrawMenuSkin(canvas, kSkinMenuBody, 0, 0, 10, kMenuWidth, g.BodyHeight());
  DrawMenuSkin(canvas, kSkinMenuTop, 1, 0, 0);
  DrawMenuSkin(canvas, kSkinMenuBottom, 1, 0, g.BottomCapTop());
  if (!g.scrolling) return;
  DrawMenuSkin(canvas, kSkinMenuSpace, 1, 10, 35);
  DrawMenuSkin(canvas, kSkinMenuSpace, 1, 10, 40 + kMenuRowHeight * g.menuRows);
}

void DrawMenuArrows(const MenuCanvas& canvas, int upSkin, int downSkin, bool canScrollUp,
                    bool canScrollDown) {
  const MenuGeometry& g = canvas.geometry;
  DrawMenuSkin(canvas, upSkin, 1, 10, 10);
  DrawMenuSkin(canvas, downSkin, 1, 10, g.LowerArrowTop());
  // The keys' names as the user's keyboard prints them.
  canvas.surface.DrawLabel(QCoreApplication::translate("GroupMenuWindow", "PgUp").toStdString(),
                           g.x + 210, g.y + 10, 48, 25, !canScrollUp);
  canvas.surface.DrawLabel(QCoreApplication::translate("GroupMenuWindow", "PgDn").toStdString(),
                           g.x + 210, g.y + g.LowerArrowTop(), 48, 25, !canScrollDown);
}

}  // namespace qav
