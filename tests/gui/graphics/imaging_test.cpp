#include "gui/graphics/imaging.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

QImage Solid(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

TEST(MakeScaledImage, PreScaledCopiesTakeTheirSizePlainOnesKeepTheirOwn) {
  const QImage border = Solid(190, 190, Qt::red);
  EXPECT_EQ(MakeScaledImage(border, 48, 48, false).size(), QSize(48, 48));
  EXPECT_EQ(MakeScaledImage(border, 48, 48, true).size(), QSize(190, 190));
  EXPECT_EQ(MakeScaledImage(border, 48, 48, false).format(), kSurfaceFormat);
  EXPECT_TRUE(MakeScaledImage(QImage(), 48, 48, false).isNull());
}

TEST(MakeItemTile, ClearsTheFrameAndTwoByTwoCorners) {
  const QImage tile = MakeItemTile(Solid(300, 300, Qt::blue));
  ASSERT_EQ(tile.size(), QSize(128, 128));
  auto alpha = [&](int x, int y) { return qAlpha(tile.pixel(x, y)); };
  for (int i = 0; i < 128; ++i) {
    EXPECT_EQ(alpha(i, 0), 0);
    EXPECT_EQ(alpha(i, 127), 0);
    EXPECT_EQ(alpha(0, i), 0);
    EXPECT_EQ(alpha(127, i), 0);
  }
  for (const auto& [x, y] : {std::pair{1, 1}, {126, 1}, {1, 126}, {126, 126}}) {
    EXPECT_EQ(alpha(x, y), 0) << x << "," << y;
  }
  EXPECT_EQ(alpha(2, 1), 255);
  EXPECT_EQ(alpha(1, 2), 255);
  EXPECT_EQ(alpha(64, 64), 255);
}

TEST(DrawImage, SlotsBlitAtTheirSizeSlotZeroStretchesAndFades) {
  std::vector<ImageRow> table(3);
  table[1][0] = MakeScaledImage(Solid(10, 10, Qt::white), 0, 0, true);
  table[1][1] = MakeScaledImage(Solid(10, 10, Qt::white), 4, 4, false);
  QImage surface(40, 40, kSurfaceFormat);
  surface.fill(Qt::transparent);
  QPainter painter(&surface);

  EXPECT_EQ(DrawImage(painter, table, 1, 1, 0, 0, 30, 30).width, 0);  // size ignored
  EXPECT_EQ(qAlpha(surface.pixel(3, 3)), 255);
  EXPECT_EQ(qAlpha(surface.pixel(5, 5)), 0);

  const DrawnSize own = DrawImage(painter, table, 1, 0, 10, 10, 20, 20, 4);  // 0.5 opacity
  EXPECT_EQ(own.width, 10);
  EXPECT_NEAR(qAlpha(surface.pixel(25, 25)), 128, 2);
  DrawImage(painter, table, 1, 0, 0, 30, 10, 10, 9);  // invisible
  EXPECT_EQ(qAlpha(surface.pixel(5, 35)), 0);

  // Out of range or empty: nothing, no crash.
  DrawImage(painter, table, 3, 1, 0, 0, 1, 1);
  DrawImage(painter, table, -1, 0, 0, 0, 1, 1);
  DrawImage(painter, table, 1, 7, 0, 0, 1, 1);
  DrawImage(painter, table, 2, 0, 0, 0, 40, 40);
  painter.end();
  EXPECT_EQ(qAlpha(surface.pixel(39, 39)), 0);
}

// On a high-density screen a slot holds device pixels and draws at its logical size: a 4x4 slot
// at ratio 2 fills 8x8 pixels of a ratio-2 surface with its own 8x8 pixels, and a tile's frame
// and corners stay one logical pixel wide.
TEST(DeviceRatio, SlotsTilesAndPuffsCountDevicePixels) {
  QImage stripes(64, 64, QImage::Format_ARGB32);
  for (int x = 0; x < 64; ++x) {
    for (int y = 0; y < 64; ++y) stripes.setPixel(x, y, (x / 8) % 2 ? 0xFFFFFFFF : 0xFF000000);
  }
  const QImage slot = MakeScaledImage(stripes, 4, 4, false, 2.0);
  EXPECT_EQ(slot.size(), QSize(8, 8));
  EXPECT_EQ(slot.devicePixelRatio(), 2.0);
  EXPECT_EQ(MakeScaledImage(stripes, 48, 48, false).devicePixelRatio(), 1.0);

  std::vector<ImageRow> table(2);
  table[1][1] = MakeScaledImage(stripes, 16, 16, false, 2.0);
  QImage surface(64, 64, kSurfaceFormat);
  surface.setDevicePixelRatio(2.0);
  surface.fill(Qt::transparent);
  {
    QPainter painter(&surface);
    DrawImage(painter, table, 1, 1, 4, 4, 0, 0);
  }
  // 32x32 device pixels from (8, 8): stripes 4 pixels wide, hard edges, nothing beyond.
  EXPECT_EQ(qRed(surface.pixel(11, 20)), 0);
  EXPECT_EQ(qRed(surface.pixel(12, 20)), 255);
  EXPECT_EQ(qAlpha(surface.pixel(40, 20)), 0);

  const QImage tile = MakeItemTile(Solid(300, 300, Qt::blue), 2.0);
  ASSERT_EQ(tile.size(), QSize(256, 256));
  EXPECT_EQ(qAlpha(tile.pixel(1, 100)), 0);  // the frame: two device pixels
  EXPECT_EQ(qAlpha(tile.pixel(2, 100)), 255);
  EXPECT_EQ(qAlpha(tile.pixel(3, 3)), 0);  // a corner block: 2x2 logical, 4x4 device
  EXPECT_EQ(qAlpha(tile.pixel(253, 252)), 0);
  EXPECT_EQ(qAlpha(tile.pixel(4, 3)), 255);

  // The puff strip at twice the size: frame 2 comes from its own part of the strip.
  QImage strip(1280, 256, QImage::Format_ARGB32);
  strip.fill(Qt::transparent);
  QPainter(&strip).fillRect(512, 0, 256, 256, Qt::green);
  strip.setDevicePixelRatio(2.0);
  QImage puff(128, 128, kSurfaceFormat);
  puff.fill(Qt::transparent);
  {
    QPainter painter(&puff);
    DrawPuffFrame(painter, strip, 2, 64, 64);
    DrawPuffFrame(painter, strip, 1, 64, 64);
  }
  EXPECT_EQ(puff.pixel(10, 10), 0xFF00FF00u);
  EXPECT_EQ(puff.pixel(117, 117), 0xFF00FF00u);
}

}  // namespace
}  // namespace qav
