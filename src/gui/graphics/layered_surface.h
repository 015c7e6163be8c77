#pragma once
// A frameless, translucent, full-screen window that composes every frame in its own off-screen
// 32-bit surface and shows it with one push. The dock and the group menu are both made of it;
// they differ in font, alignment and colours (SurfaceKind).

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <optional>
#include <string>

#include <vector>

#include "core/environment/screen_metrics.h"
#include "platform/window_layers.h"
#include "platform/window_pixels.h"
#include "platform/window_shape.h"

namespace qav {

enum class SurfaceKind { kDock, kMenu };

// The window rectangle both surfaces take: the work area of the dock's screen.
QRect WorkAreaRect(const ScreenMetrics& screen);

class LayeredSurface : public QWidget {
 public:
  explicit LayeredSurface(SurfaceKind kind);
  ~LayeredSurface() override;

  // Makes the window frameless, translucent and always painting its own surface, placed at
  // `geometry` (the whole work area).
  void IniForm(const QRect& geometry);
  // Builds the surface at the window's size in device pixels (so that a high-density screen gets
  // every pixel it can show), with its font.
  void CreateGraphic(bool clearType = false);
  // The same for a window that may never draw: the surface is built when it is first drawn on.
  void CreateGraphicOnFirstUse(bool clearType);
  // Moves the window to `geometry` (another screen's work area, or its new size) and builds the
  // surface again for it; the next frame draws it.
  void Relocate(const QRect& geometry);
  void DeleteGraphic();
  void CreateGraphicFont(bool clearType);
  void DeleteGraphicFont();
  // The menu's text follows the ClearType setting as soon as it changes.
  void SetClearType(bool clearType);

  // The painter of the surface, in the window's logical pixels; valid between CreateGraphic and
  // DeleteGraphic.
  QPainter& Graphics() {
    BuildPutOffSurface();
    Touch();
    return *painter_;
  }
  // The surface's pixels. It covers only the part of the window frames have drawn in (the whole
  // window once a frame may draw anywhere): its pixel (0, 0) lies at SurfaceOrigin().
  QImage& Surface() {
    BuildPutOffSurface();
    Touch();
    return surface_;
  }
  QPoint SurfaceOrigin() const { return bounds_.topLeft(); }

  // Dock label: trimmed text centred on (x + width / 2, y) in a one-screen-wide box, white with
  // four one-pixel diagonal shadows. A caller centres on px by passing x = px - width / 2.
  // With a `maxWidth`, a longer text is cut to it with an ellipsis.
  void DrawLabel(const std::string& text, int x, int y, int maxWidth = 0);
  // Menu label: trimmed text, left-aligned and vertically centred in the box; grey when dimmed.
  void DrawLabel(const std::string& text, double x, double y, double width, double height,
                 bool dimmed);
  // Whether a menu label of `text` is drawn whole in `width`, without an ellipsis.
  bool MenuLabelFits(const std::string& text, double width) const;

  // Pushes the surface to the window with full opacity (dock) or a constant alpha for the whole
  // window. Alpha 0 leaves the window existing but invisible.
  void Push(int alpha = 255);
  // Clears the surface to fully transparent; the next push shows it.
  void ClearAll();
  // Menu: cleared, pushed and hidden.
  void ClearAndHide();
  // Pushes only `part` of the surface, at the alpha and within the area of the last push: for a
  // frame that changed only that part of the last one.
  void PushPart(const QRegion& part);
  // Clears `part` of the surface to fully transparent, as ClearAll does the whole.
  void ClearPart(const QRegion& part);
  // Changes whenever the surface is pushed, cleared or built again: a window that composes only
  // what changed since its last frame checks that nothing else came between.
  int SurfaceSerial() const { return surfaceSerial_; }

  // Where the dock label drawn at (x, y) with `maxWidth` can reach, whatever its text.
  QRect DockLabelBand(int x, int y, int maxWidth) const;

  // The part of the window the coming frames draw in; a push then sends only that part and what
  // the previous push covered. An empty area (the default) means the whole window.
  void SetDrawnArea(const QRect& area) { drawnArea_ = area; }
  // What the window shows outside the drawn area (transparent unless set; not premultiplied):
  // a uniform backdrop such as keyboard mode's tint is filled by the window system and never
  // travels as pixels. A new backdrop shows with the next push, over the whole window.
  void SetBackdrop(QRgb argb) { backdrop_ = argb; }
  // Clears the surface as ClearAll does and fills its drawn area with the backdrop.
  void RestoreToBackdrop();

  // Shows the surface straight through `pixels` where the window system can take it, instead of
  // through the toolkit's own copy of the window. Called once the window's flags are final.
  void ShowThrough(platform::WindowPixels* pixels);

  // Where the window system keeps the desktop's own surfaces in layers apart from the programs'
  // windows (Wayland), the window takes its place there: the dock's, or a part of the dock.
  // Called once the window's flags are final.
  void TakePlace(platform::WindowShape& shape);
  // Over every other window, under them all, and the keyboard: through those layers where the
  // window system has them, else the toolkit's own stacking and activation.
  void Raise();
  void Lower();
  void Activate();

  // Only these rectangles (logical pixels) take the mouse. The window system counts device
  // pixels, so on a high-density screen they are scaled to cover what was drawn.
  void SetInputShape(platform::WindowShape& shape, const std::vector<platform::ShapeRect>& rects);

  int PushedAlpha() const { return pushedAlpha_; }
  int PushCount() const { return pushCount_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  QPaintEngine* paintEngine() const override;

 private:
  void BuildSurface();
  // Clears `area` (logical pixels) to fully transparent.
  void ClearPixels(const QRect& area);
  // The device pixels of the window under `box` (logical pixels).
  QRect DevicePixels(const QRect& box) const;
  void PaintThroughQt(const QRegion& region);
  // The backdrop as the window shows it at the last push's alpha, premultiplied.
  QRgb ShownBackdrop() const;
  void PutPixels(const QRegion& region);
  void BuildPutOffSurface() {
    if (surfacePutOff_) BuildSurface();
  }
  // Frames draw only within the drawn area, so that is all the surface has to cover and all a
  // clear has to wipe.
  void Touch() {
    const QRect area = drawnArea_.isEmpty() ? rect() : drawnArea_ & rect();
    if (built_ && !bounds_.contains(area)) Cover(area);
    touched_ |= area;
    everTouched_ |= area;
  }
  // Grows the surface to cover `area` as well, keeping what it holds.
  void Cover(const QRect& area);

  SurfaceKind kind_;
  QImage surface_;
  std::optional<QPainter> painter_;
  QFont font_;
  bool clearType_ = false;
  bool surfacePutOff_ = false;
  // What was drawn on since the surface was built or cleared: a clear writes only there, and the
  // rest of a full-screen surface is never touched at all.
  QRect touched_;
  // What was drawn on since the surface was built: outside it the surface is still transparent,
  // and the window's painting need not read those pages in at all.
  QRect everTouched_;
  bool built_ = false;
  // The part of the window the surface covers, in logical pixels.
  QRect bounds_;
  int pushedAlpha_ = 255;
  QRect drawnArea_;
  QRect pushedArea_;  // what the last push covered
  QRgb backdrop_ = 0;
  QRgb pushedBackdrop_ = 0;
  int pushCount_ = 0;
  int surfaceSerial_ = 0;
  platform::WindowPixels* pixels_ = nullptr;
  platform::WindowLayers* layers_ = nullptr;
};

}  // namespace qav
