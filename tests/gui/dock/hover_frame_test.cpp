// A hover frame after another one redraws only what changed: after any sequence of hovers,
// presses and centre cross-fades, the surface must hold exactly the frame drawn whole.

#include <gtest/gtest.h>

#include <QMouseEvent>

#include <algorithm>

#include "dock_fixture.h"

namespace qav {
namespace {

class HoverFrameTest : public ::testing::Test, protected test::DockFixture {
 protected:
  HoverFrameTest() : DockFixture(1920, 1080, 36, 400) {
    // Pictures that differ per row and need scaling, so that a misplaced or doubly blended
    // pixel shows; a see-through border over the title's top rows.
    for (int r = 0; r <= 36; ++r) {
      QImage picture(100, 100, QImage::Format_ARGB32);
      for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) picture.setPixel(x, y, qRgba(r * 7, x * 2, y * 2, 120 + x));
      }
      images.Items[r][0] = MakeScaledImage(picture, 0, 0, true);
      images.Items[r][1] = MakeScaledImage(picture, 48, 48, false);
      if (r == 0) continue;
      ShortcutRecord& record = state.tables.Shortcuts[static_cast<std::size_t>(r)];
      record.Kind = kKindDockShortcut;
      record.ImageRow = r;
      record.Title = r % 9 == 0 ? std::string(200, 'W') : "Item " + std::string(r % 5, 'g');
      state.tables.Groups[static_cast<std::size_t>(r)].Members[0] = r;
    }
    images.Items[0][0] = MakeItemTile(images.Items[5][0]);
    QImage border(190, 190, QImage::Format_ARGB32);
    border.fill(QColor(220, 220, 230, 120));
    images.Skin[kSkinBorder][0] = MakeScaledImage(border, 0, 0, true);
    whole = std::make_unique<DockWindow>(state, images, Services());
    whole->show();
    dock->DockFocus(true);
    whole->DockFocus(true);
    Mark(*dock) = 0xff123456;  // a frame drawn whole clears it
  }
  // A pixel in the ring's margin, where only a whole frame's clear reaches.
  QRgb& Mark(DockWindow& d) const {
    const QPoint at = Marker(d) - d.SurfaceOrigin();
    return reinterpret_cast<QRgb*>(d.Surface().scanLine(at.y()))[at.x()];
  }
  QPoint Marker(const DockWindow& d) const {
    QPoint corner(d.width(), d.height());
    for (int k = 0; k <= 36; ++k) {
      const RingSlot& s = state.ring.Slots[static_cast<std::size_t>(k)];
      corner = {std::min(corner.x(), s.MagLeft), std::min(corner.y(), s.MagTop)};
    }
    return corner - QPoint(10, 10);
  }
  ~HoverFrameTest() override { whole.reset(); }

  void Hover(int slot) {
    const QPointF at(CentreOf(slot));
    QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(dock.get(), &move);
  }
  // The other dock composes the same frame whole; the surfaces must match but for the marker.
  void ExpectSameAsWhole(bool pressed) {
    whole->ClearAll();
    whole->DockAction(pressed);
    EXPECT_EQ(Mark(*dock), 0xff123456u) << "the frame was drawn whole";
    QImage partial = dock->Surface().copy();
    const QPoint at = Marker(*dock) - dock->SurfaceOrigin();
    partial.setPixel(at, 0);
    EXPECT_EQ(dock->SurfaceOrigin(), whole->SurfaceOrigin());
    EXPECT_TRUE(partial == whole->Surface()) << "hover " << state.HoverSlot;
  }

  std::unique_ptr<DockWindow> whole;
};

TEST_F(HoverFrameTest, PartialFramesMatchWholeOnesAfterHoversPressesAndFades) {
  for (const int slot : {1, 2, 3, 19, 2, 36, 35, 9, 10, 18, 27, 0, 1}) {
    Hover(slot);
    ExpectSameAsWhole(false);
  }
  dock->DockAction(true);  // pressed: the plate-sized picture on the magnified plate
  ExpectSameAsWhole(true);
  dock->EffectAction(state.HoverSlot);  // the centre cross-fades to the hovered picture
  whole->EffectAction(state.HoverSlot);
  for (const int slot : {2, 9, 20, 21}) {
    Hover(slot);
    ExpectSameAsWhole(false);
  }
}

TEST_F(HoverFrameTest, AChangedPictureMakesTheNextFrameWhole) {
  Hover(4);
  images.Items[7][1] = images.Items[8][1].copy();  // another picture in a place not hovered
  Hover(5);
  EXPECT_NE(Mark(*dock), 0xff123456u);
  whole->ClearAll();
  whole->DockAction(false);
  EXPECT_TRUE(dock->Surface() == whole->Surface());
}

}  // namespace
}  // namespace qav
