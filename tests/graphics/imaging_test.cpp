#include "graphics/imaging.h"

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

}  // namespace
}  // namespace qav
