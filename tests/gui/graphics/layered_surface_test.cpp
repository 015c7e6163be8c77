#include "gui/graphics/layered_surface.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWindow>

namespace qav {
namespace {

class SurfaceTest : public ::testing::Test {
 protected:
  explicit SurfaceTest(SurfaceKind kind = SurfaceKind::kDock) : surface(kind) {
    surface.IniForm(QRect(0, 0, 400, 200));
    surface.CreateGraphic();
    surface.show();
  }
  // What the window's own painting puts at one pixel.
  QRgb ShownAt(int x, int y) { return surface.grab(QRect(x, y, 1, 1)).toImage().pixel(0, 0); }
  LayeredSurface surface;
};

TEST_F(SurfaceTest, PushAlphaAppliesToTheWholePictureAndZeroHidesWithoutLosingPixels) {
  surface.Graphics().fillRect(10, 10, 20, 20, Qt::red);
  surface.Push();
  EXPECT_EQ(qAlpha(ShownAt(15, 15)), 255);
  EXPECT_EQ(qAlpha(ShownAt(50, 50)), 0);  // untouched surface is transparent

  surface.Push(0);
  EXPECT_TRUE(surface.isVisible());
  EXPECT_EQ(qAlpha(ShownAt(15, 15)), 0);
  surface.Push(128);
  EXPECT_NEAR(qAlpha(ShownAt(15, 15)), 128, 1);
  surface.Push(255);
  EXPECT_EQ(ShownAt(15, 15), qRgba(255, 0, 0, 255));
}

TEST_F(SurfaceTest, RestoreClearsWithoutAPushAndTheNextPushShowsIt) {
  surface.Graphics().fillRect(0, 0, 400, 200, Qt::green);
  surface.Push();
  EXPECT_EQ(ShownAt(100, 100), qRgba(0, 255, 0, 255));
  const int pushes = surface.PushCount();
  surface.ClearAll();
  EXPECT_EQ(surface.PushCount(), pushes);
  surface.Push();
  EXPECT_EQ(qAlpha(ShownAt(100, 100)), 0);
  EXPECT_TRUE(surface.isVisible());  // a transparent window still exists
}

// A clear wipes only what frames drew in since the last one, so it must reach all of that: the
// drawn area of every frame in between, or everything once a frame drew anywhere.
TEST_F(SurfaceTest, RestoreClearsEverythingDrawnSinceTheLastClear) {
  const auto blank = [this] {
    const QImage& s = surface.Surface();
    for (int y = 0; y < s.height(); ++y) {
      for (int x = 0; x < s.width(); ++x) {
        if (s.pixel(x, y) != 0) return false;
      }
    }
    return true;
  };
  surface.SetDrawnArea(QRect(10, 10, 50, 50));
  surface.Graphics().fillRect(10, 10, 50, 50, Qt::red);
  surface.SetDrawnArea(QRect(300, 100, 30, 30));
  surface.Graphics().fillRect(300, 100, 30, 30, Qt::blue);
  surface.ClearAll();
  EXPECT_TRUE(blank());

  surface.SetDrawnArea({});  // a frame that may draw anywhere
  surface.Graphics().fillRect(0, 150, 400, 50, Qt::green);
  surface.SetDrawnArea(QRect(10, 10, 50, 50));
  surface.ClearAll();
  EXPECT_TRUE(blank());
}

TEST_F(SurfaceTest, DockLabelIsWhiteWithDiagonalShadows) {
  surface.DrawLabel("  WWWW  ", 0, 50);
  surface.DrawLabel("    ", 0, 120);  // blanks only: nothing
  const QImage& s = surface.Surface();
  int white = 0, dark = 0;
  QRect inked;
  for (int y = 40; y < 100; ++y) {
    for (int x = 0; x < 400; ++x) {
      const QRgb p = s.pixel(x, y);
      if (qAlpha(p) < 250) continue;
      if (qRed(p) > 240 && qGreen(p) > 240) ++white;
      if (qRed(p) < 10 && qBlue(p) < 10) ++dark;
      inked |= QRect(x, y, 1, 1);
    }
  }
  EXPECT_GT(white, 20);
  EXPECT_GT(dark, 20);
  // Centred on the middle of the 400-pixel box, starting at the top of the box (less a shadow).
  EXPECT_NEAR(inked.center().x(), 200, 3);
  EXPECT_GE(inked.top(), 49);
  for (int y = 110; y < 200; ++y) {
    for (int x = 0; x < 400; ++x) ASSERT_EQ(qAlpha(s.pixel(x, y)), 0);
  }
}

// A label longer than its limit ends in an ellipsis inside it; a shorter one is drawn as is.
TEST_F(SurfaceTest, LongDockLabelsAreCutToTheirLimit) {
  const auto inked = [this](const std::string& text, int maxWidth) {
    surface.ClearAll();
    surface.DrawLabel(text, 0, 50, maxWidth);
    QRect box;
    for (int y = 40; y < 100; ++y) {
      for (int x = 0; x < 400; ++x) {
        if (qAlpha(surface.Surface().pixel(x, y)) > 0) box |= QRect(x, y, 1, 1);
      }
    }
    return box;
  };
  const QRect whole = inked(std::string(60, 'W'), 0);
  EXPECT_GE(whole.width(), 390);  // runs across the whole box
  const QRect cut = inked(std::string(60, 'W'), 200);
  EXPECT_LE(cut.width(), 202);
  EXPECT_NEAR(cut.center().x(), 200, 3);
  EXPECT_EQ(inked("WWW", 200), inked("WWW", 0));
}

struct RecordedShape final : platform::WindowShape {
  void SetInputRegion(std::uintptr_t, const std::vector<platform::ShapeRect>& rects) override {
    last = rects;
  }
  void ClearInputRegion(std::uintptr_t) override { last.clear(); }
  std::vector<platform::ShapeRect> last;
};

// Another screen or a new size: the window takes it and the surface is built again to match,
// and the input shape goes to the window system unchanged at a ratio of 1.
TEST_F(SurfaceTest, RelocatingRebuildsTheSurfaceForTheNewArea) {
  surface.Graphics().fillRect(0, 0, 400, 200, Qt::red);
  surface.Relocate(QRect(30, 20, 300, 150));
  EXPECT_EQ(surface.geometry(), QRect(30, 20, 300, 150));
  EXPECT_EQ(surface.Surface().size(), QSize(300, 150));
  EXPECT_EQ(qAlpha(surface.Surface().pixel(10, 10)), 0);
  surface.Graphics().fillRect(0, 0, 10, 10, Qt::green);  // the painter works on the new one
  EXPECT_EQ(surface.Surface().pixel(5, 5), qRgba(0, 255, 0, 255));
  EXPECT_EQ(WorkAreaRect(ComputeScreenMetrics({300, 150, 0, 96, 96, {30, 20, 330, 170}})),
            QRect(30, 20, 300, 150));

  RecordedShape shape;
  surface.SetInputShape(shape, {{1, 2, 3, 4}, {10, 10, 48, 48}});
  EXPECT_EQ(shape.last, (std::vector<platform::ShapeRect>{{1, 2, 3, 4}, {10, 10, 48, 48}}));
}

// A window system that takes pixels straight: what each push sent, as a picture of the window.
struct RecordedPixels final : platform::WindowPixels {
  bool Available(std::uintptr_t) override { return true; }
  void Put(std::uintptr_t, int x, int y, const platform::PixelRows& rows, int alpha) override {
    for (int r = 0; r < rows.height; ++r) {
      const auto* row = reinterpret_cast<const QRgb*>(rows.bits + r * rows.stride);
      for (int c = 0; c < rows.width; ++c) {
        const QRgb p = row[c];
        const auto scaled = [alpha](int v) { return (v * alpha + 127) / 255; };
        shown.setPixel(
            x + c, y + r,
            qRgba(scaled(qRed(p)), scaled(qGreen(p)), scaled(qBlue(p)), scaled(qAlpha(p))));
      }
    }
    put += rows.width * rows.height;
  }
  void Fill(std::uintptr_t, const std::vector<platform::ShapeRect>& rects,
            std::uint32_t pixel) override {
    for (const auto& r : rects) {
      filled += r.width * r.height;
      for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) shown.setPixel(x, y, pixel);
      }
    }
  }
  void Forget(std::uintptr_t) override {}
  QImage shown = [] {
    QImage window(400, 200, QImage::Format_ARGB32_Premultiplied);
    window.fill(0xff0000ffu);  // whatever the window held before
    return window;
  }();
  int put = 0;
  int filled = 0;
};

// A dock window of 400 x 200 shown through `pixels`, once the window system has exposed it.
void ShowThrough(LayeredSurface& surface, RecordedPixels& pixels) {
  surface.IniForm(QRect(0, 0, 400, 200));
  surface.ShowThrough(&pixels);
  surface.CreateGraphic();
  surface.show();
  for (int i = 0; i < 100 && !surface.windowHandle()->isExposed(); ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
}

// Straight to the window: only pixels frames drew travel, the rest of the window is cleared, and
// the window's alpha scales every channel, as the toolkit's painting does.
TEST(SurfacePixels, PushesSendOnlyDrawnPixelsAndClearTheRest) {
  RecordedPixels pixels;
  LayeredSurface surface(SurfaceKind::kDock);
  ShowThrough(surface, pixels);
  surface.SetDrawnArea(QRect(100, 50, 40, 30));
  surface.Graphics().fillRect(110, 60, 10, 10, QColor(200, 100, 50));
  surface.Push();
  EXPECT_EQ(pixels.shown.pixel(115, 65), qRgb(200, 100, 50));
  EXPECT_EQ(pixels.shown.pixel(105, 55), 0u);  // drawn area, nothing drawn there
  EXPECT_EQ(pixels.shown.pixel(10, 10), 0u);   // never drawn: cleared, not sent
  EXPECT_LE(pixels.put, 40 * 30);

  surface.Push(128);
  EXPECT_EQ(pixels.shown.pixel(115, 65), qRgba(100, 50, 25, 128));
  surface.Push(0);
  EXPECT_EQ(pixels.shown.pixel(115, 65), 0u);
  EXPECT_TRUE(surface.isVisible());
}

// A uniform backdrop (keyboard mode's tint) is filled by the window system: only the drawn area
// travels as pixels, the window's alpha scales the backdrop too, and taking it away clears the
// whole window again.
TEST(SurfacePixels, ABackdropIsFilledNotSent) {
  RecordedPixels pixels;
  LayeredSurface surface(SurfaceKind::kDock);
  ShowThrough(surface, pixels);
  // A frame over the whole window first, as a drag draws.
  surface.Graphics().fillRect(0, 0, 400, 200, QColor(0, 200, 0));
  surface.Push();
  pixels.put = 0;

  const QRgb tint = qRgba(0, 0, 0, 192);
  surface.SetDrawnArea(QRect(100, 50, 40, 30));
  surface.SetBackdrop(tint);
  surface.RestoreToBackdrop();
  surface.Graphics().fillRect(110, 60, 10, 10, QColor(200, 100, 50));
  surface.Push();
  EXPECT_EQ(pixels.shown.pixel(115, 65), qRgb(200, 100, 50));
  EXPECT_EQ(pixels.shown.pixel(105, 55), tint) << "the drawn area, filled with the backdrop";
  EXPECT_EQ(pixels.shown.pixel(10, 10), tint) << "outside it: filled, and the old frame gone";
  EXPECT_LE(pixels.put, 40 * 30);
  EXPECT_GE(pixels.filled, 400 * 200 - 40 * 30);

  surface.Push(128);
  EXPECT_EQ(pixels.shown.pixel(10, 10), qRgba(0, 0, 0, 96));
  surface.SetBackdrop(0);
  surface.RestoreToBackdrop();
  surface.Push();
  EXPECT_EQ(pixels.shown.pixel(10, 10), 0u);
  EXPECT_EQ(pixels.shown.pixel(105, 55), 0u);
}

class MenuSurfaceTest : public SurfaceTest {
 protected:
  MenuSurfaceTest() : SurfaceTest(SurfaceKind::kMenu) {}
};

TEST_F(MenuSurfaceTest, MenuTextIsNearBlackOrGreyWhenDimmedAndLeftAligned) {
  surface.DrawLabel("Notes", 20.0, 0.0, 200.0, 38.0, false);
  surface.DrawLabel("Notes", 20.0, 100.0, 200.0, 38.0, true);
  const QImage& s = surface.Surface();
  auto darkest = [&](int top) {
    int value = 255, left = 400;
    for (int y = top; y < top + 38; ++y) {
      for (int x = 0; x < 400; ++x) {
        if (qAlpha(s.pixel(x, y)) == 255) {
          value = std::min(value, qGray(s.pixel(x, y)));
          left = std::min(left, x);
        }
      }
    }
    return std::pair{value, left};
  };
  const auto [normal, normalLeft] = darkest(0);
  const auto [dimmed, dimmedLeft] = darkest(100);
  EXPECT_LT(normal, 20);
  EXPECT_NEAR(dimmed, 128, 16);
  EXPECT_NEAR(normalLeft, 21, 2);
  EXPECT_EQ(normalLeft, dimmedLeft);
}

TEST_F(MenuSurfaceTest, CleanLeavesAHiddenTransparentWindow) {
  surface.Graphics().fillRect(0, 0, 10, 10, Qt::blue);
  surface.ClearAndHide();
  EXPECT_FALSE(surface.isVisible());
  EXPECT_EQ(surface.PushedAlpha(), 255);
  EXPECT_EQ(qAlpha(ShownAt(5, 5)), 0);
}

}  // namespace
}  // namespace qav
